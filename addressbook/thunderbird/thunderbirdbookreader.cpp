// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/thunderbird/thunderbirdbookreader.h"

#include "addressbook/thunderbird/thunderbirdfields.h"
#include "addressbook/vcard/vcardcardkeys.h"
#include "addressbook/vcard/vcardidentifiers.h"
#include "util/filename.h"
#include "util/regularfile.h"

#include <QCryptographicHash>
#include <QHash>
#include <QtConcurrent/QtConcurrentMap>

using namespace Qt::StringLiterals;

namespace {

// As the vCard store bounds a picture file it is pointed to.
constexpr qint64 kMaxPictureSize = qint64{20} << 20;

// The card's UID made a key as the vCard store makes one; a card stored without a UID is
// known by a hash of its properties.
QString keyOf(const ThunderbirdCard &card)
{
    QString key = VCardIdentifiers::keyForUid(card.uid);
    if (!key.isEmpty())
        return key;
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const ThunderbirdProperty &property : card.properties) {
        hash.addData(property.name);
        hash.addData(property.value);
    }
    return VCardIdentifiers::shortHash(hash.result());
}

class StoreFiller final
{
public:
    explicit StoreFiller(MemoryContactStore &store)
        : m_store(store)
    {}

    Group &addList(const ThunderbirdList &list)
    {
        return m_store.addGroup(m_identifiers.groupId(VCardIdentifiers::wantedGroupId(
                                    VCardIdentifiers::keyForUid(list.uid))),
                                list.name.isEmpty() ? std::nullopt : std::optional(list.name));
    }
    void addPerson(const QString &uid, ABPerson person, const QStringList &categories)
    {
        const ABPerson &added = m_store.addPerson(std::move(person));
        m_persons.insert(uid, &added);
        for (const QString &name : categories)
            m_store.addMember(category(name), added);
    }
    [[nodiscard]] const ABPerson *person(const QString &uid) const { return m_persons.value(uid); }
    [[nodiscard]] QString personId(const QString &key)
    {
        return m_identifiers.personId(VCardIdentifiers::wantedPersonId(key));
    }

private:
    Group &category(const QString &name)
    {
        Group *&group = m_categories[name];
        if (!group)
            group = &m_store.addGroup(m_identifiers.groupId(VCardIdentifiers::wantedGroupId(
                                          VCardCardKeys().key(name, name.toUtf8()))),
                                      name);
        return *group;
    }

    MemoryContactStore &m_store;
    VCardIdentifiers m_identifiers;
    QHash<QString, const ABPerson *> m_persons;
    QHash<QString, Group *> m_categories;
};

} // namespace

ThunderbirdBookReader::ThunderbirdBookReader(QString name, const QString &profileFolder)
    : m_name(std::move(name))
    , m_photos(profileFolder + u"/Photos/"_s)
{}

ContactStoreRead ThunderbirdBookReader::read(const ThunderbirdRecords &records) const
{
    ContactStoreRead read;
    read.store = std::make_unique<MemoryContactStore>();
    StoreFiller filler(*read.store);
    std::vector<Group *> lists;
    for (const ThunderbirdList &list : records.lists)
        lists.push_back(&filler.addList(list));
    // Cards are read side by side, each on its own; the store is filled in their order.
    QList<CardRead> cards = QtConcurrent::blockingMapped<QList<CardRead>>(
        records.cards.begin(), records.cards.end(),
        [this](const ThunderbirdCard &card) { return readCard(card); });
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const ThunderbirdCard &card = records.cards[std::size_t(i)];
        CardRead &cardRead = cards[i];
        read.diagnostics.append(cardRead.diagnostics);
        read.problemCount += cardRead.problems;
        cardRead.person.setUniqueId(filler.personId(keyOf(card)));
        filler.addPerson(card.uid, std::move(cardRead.person), cardRead.categories);
    }
    for (std::size_t i = 0; i < lists.size(); ++i) {
        VCardDiagnostics diagnostics(m_name + u'/' + records.lists[i].uid);
        for (const QString &member : records.lists[i].cards) {
            if (const ABPerson *person = filler.person(member))
                read.store->addMember(*lists[i], *person);
            else
                diagnostics.report(
                    u"member \"%1\" is no card of the address book; ignored"_s.arg(member));
        }
        read.diagnostics.append(diagnostics.lines());
        read.problemCount += diagnostics.count();
    }
    return read;
}

ThunderbirdBookReader::CardRead ThunderbirdBookReader::readCard(const ThunderbirdCard &card) const
{
    const QString origin = m_name + u'/' + card.uid;
    VCardDiagnostics diagnostics(origin);
    CardRead read;
    const QByteArrayView vCard = card.value("_vCard").value_or(QByteArrayView());
    const bool hasVCard = !vCard.trimmed().isEmpty();
    if (!hasVCard || !readVCard(vCard, origin, read)) {
        if (hasVCard)
            diagnostics.report(u"its vCard holds no person; read from its other fields"_s);
        read.person = personFromFields(card, diagnostics);
    }
    addPicture(card, read, diagnostics);
    read.diagnostics.append(diagnostics.lines());
    read.problems += diagnostics.count();
    return read;
}

// Read as a .vcf file of that one card; false when it holds no person.
bool ThunderbirdBookReader::readVCard(QByteArrayView vCard, const QString &origin, CardRead &read)
{
    const ContactStoreRead cards = readVCardData(vCard.toByteArray(), origin, {1});
    read.diagnostics = cards.diagnostics;
    read.problems = cards.problemCount;
    if (cards.store->people().isEmpty())
        return false;
    const ABPerson &person = *cards.store->people().constFirst();
    read.person = person;
    for (const Group *group : cards.store->parentGroups(person))
        read.categories.append(group->name().value_or(QString()));
    return true;
}

// Only a plain name inside the Photos folder is followed: the row may name anything.
void ThunderbirdBookReader::addPicture(const ThunderbirdCard &card, CardRead &read,
                                       VCardDiagnostics &diagnostics) const
{
    const QString name = QString::fromUtf8(card.value("PhotoName").value_or(QByteArrayView()));
    if (read.person.imageData() || name.isEmpty())
        return;
    if (name.contains(u'/') || name == u"."_s || name == u".."_s) {
        diagnostics.report(u"picture left out: \"%1\" is no file name"_s.arg(name));
        return;
    }
    const QString path = m_photos + name;
    const Expected<std::optional<QByteArray>> bytes = readRegularFile(path, kMaxPictureSize);
    if (bytes && *bytes)
        read.person.setImageData(**bytes);
    else
        diagnostics.report(u"picture left out: %1: %2"_s.arg(
            printableFileName(path), bytes ? u"no such file"_s : bytes.error()));
}
