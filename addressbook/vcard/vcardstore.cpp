// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardstore.h"
#include "addressbook/vcard/vcardcontact.h"
#include "addressbook/vcard/vcarddiagnostics.h"
#include "addressbook/vcard/vcardidentifiers.h"
#include "addressbook/vcard/vcardreader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <functional>
#include <sys/mman.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Text in UTF-8: a UTF-8 byte-order mark is skipped, UTF-16 with a mark is converted.
struct Utf8Text
{
    QByteArrayView view;
    QByteArray converted;
};

Utf8Text asUtf8(QByteArrayView data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        return {data.sliced(3), {}};
    const bool littleEndian = data.startsWith("\xFF\xFE");
    if (!littleEndian && !data.startsWith("\xFE\xFF"))
        return {data, {}};
    QStringDecoder decoder(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
    Utf8Text text;
    text.converted = QString(decoder.decode(data.sliced(2))).toUtf8();
    text.view = text.converted;
    return text;
}

// Hands the pages of a mapped file that the reader is done with back to the system, so a
// large file does not stay in memory beside the contacts made from it.
class MappedRelease final
{
public:
    static constexpr qsizetype kStep = qsizetype{16} * 1024 * 1024;

    MappedRelease(const uchar *map, qsizetype size)
        : m_map(map)
        , m_size(size)
    {}

    void upTo(const char *position)
    {
        const qsizetype offset = reinterpret_cast<const uchar *>(position) - m_map;
        if (!m_map || offset < 0 || offset > m_size || offset - m_released < kStep)
            return;
        const qsizetype end = offset & ~qsizetype(4095);
        madvise(const_cast<uchar *>(m_map) + m_released, size_t(end - m_released), MADV_DONTNEED);
        m_released = end;
    }

private:
    const uchar *m_map;
    qsizetype m_size;
    qsizetype m_released = 0;
};

class StoreBuilder final
{
public:
    void readPath(const QString &path);
    void readData(QByteArrayView data, const QString &origin, MappedRelease *release = nullptr);
    ContactStoreRead finish();

private:
    struct Target
    {
        ABPerson *person = nullptr;
        Group *group = nullptr;
    };
    struct PendingGroup
    {
        Group *group;
        QList<VCardMemberReference> members;
        std::size_t origin;
    };

    void readFile(const QString &path);
    void add(VCardContact contact, std::size_t origin);
    void addPersonCard(VCardPersonCard card, const QString &reference);
    void addGroupCard(VCardGroupCard card, const QString &reference, std::size_t origin);
    Group &categoryGroup(const QString &name);
    void resolve(const PendingGroup &pending);

    std::unique_ptr<MemoryContactStore> m_store = std::make_unique<MemoryContactStore>();
    VCardIdentifiers m_identifiers;
    std::vector<VCardDiagnostics> m_diagnostics; // one per origin, in reading order
    QHash<QString, Target> m_byReference;
    QHash<QString, Group *> m_groupByName;
    QSet<const Group *> m_cardGroups;
    std::vector<PendingGroup> m_pending;
};

void StoreBuilder::readPath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isDir()) {
        readFile(path);
        return;
    }
    QStringList files;
    QDirIterator it(path, {u"*.vcf"_s, u"*.vcard"_s}, QDir::Files | QDir::Readable,
                    QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    for (const QString &file : files)
        readFile(file);
}

void StoreBuilder::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_diagnostics.emplace_back(path);
        m_diagnostics.back().report(u"cannot be read: %1"_s.arg(file.errorString()));
        return;
    }
    const qsizetype size = file.size();
    if (const uchar *map = size > 0 ? file.map(0, size) : nullptr) {
        MappedRelease release(map, size);
        readData(QByteArrayView(reinterpret_cast<const char *>(map), size), path, &release);
        return;
    }
    const QByteArray bytes = file.readAll(); // not mappable (a pipe, an empty file)
    readData(bytes, path);
}

void StoreBuilder::readData(QByteArrayView data, const QString &origin, MappedRelease *release)
{
    const std::size_t index = m_diagnostics.size();
    m_diagnostics.emplace_back(origin);
    VCardDiagnostics &diagnostics = m_diagnostics.back();
    const Utf8Text text = asUtf8(data);
    VCardReader reader(text.view, diagnostics);
    qsizetype cards = 0;
    while (std::optional<VCardCard> card = reader.next()) {
        ++cards;
        add(readContact(*card, diagnostics, m_identifiers), index);
        reader.recycle(std::move(*card));
        if (release && text.converted.isNull())
            release->upTo(text.view.data() + reader.consumed());
    }
    if (cards == 0 && !text.view.trimmed().isEmpty())
        diagnostics.report(1, u"not a vCard file: no BEGIN:VCARD found"_s);
    else if (reader.firstStrayLine() > 0)
        diagnostics.report(reader.firstStrayLine(), u"text outside a card ignored"_s);
}

void StoreBuilder::add(VCardContact contact, std::size_t origin)
{
    if (auto *group = std::get_if<VCardGroupCard>(&contact.card))
        return addGroupCard(std::move(*group), contact.reference, origin);
    addPersonCard(std::get<VCardPersonCard>(std::move(contact.card)), contact.reference);
}

void StoreBuilder::addPersonCard(VCardPersonCard card, const QString &reference)
{
    ABPerson &person = m_store->addPerson(std::move(card.person));
    if (!reference.isEmpty() && !m_byReference.contains(reference))
        m_byReference.insert(reference, {&person, nullptr});
    for (const QString &name : std::as_const(card.categories))
        m_store->addMember(categoryGroup(name), person);
}

// A group card takes over the group that categories of the same name made before it, so
// the two are one group; a second card of that name is a group of its own.
void StoreBuilder::addGroupCard(VCardGroupCard card, const QString &reference, std::size_t origin)
{
    Group *group = nullptr;
    if (card.name) {
        Group *named = m_groupByName.value(*card.name);
        if (named && !m_cardGroups.contains(named))
            group = named;
    }
    if (!group) {
        group = &m_store->addGroup(card.groupId, card.name);
        if (card.name && !m_groupByName.contains(*card.name))
            m_groupByName.insert(*card.name, group);
    }
    m_cardGroups.insert(group);
    if (!reference.isEmpty() && !m_byReference.contains(reference))
        m_byReference.insert(reference, {nullptr, group});
    m_pending.push_back({group, std::move(card.members), origin});
}

Group &StoreBuilder::categoryGroup(const QString &name)
{
    Group *&group = m_groupByName[name];
    if (!group)
        group = &m_store->addGroup(m_identifiers.groupId(name, name.toUtf8()), name);
    return *group;
}

void StoreBuilder::resolve(const PendingGroup &pending)
{
    VCardDiagnostics &diagnostics = m_diagnostics[pending.origin];
    for (const VCardMemberReference &member : pending.members) {
        const Target target = m_byReference.value(member.reference);
        if (target.person) {
            m_store->addMember(*pending.group, *target.person);
        } else if (!target.group) {
            diagnostics.report(
                member.line,
                u"member \"%1\" is no card of the address book; ignored"_s.arg(member.written));
        } else if (!m_store->addSubgroup(*pending.group, *target.group)) {
            diagnostics.report(member.line,
                               u"group \"%1\" would contain itself through \"%2\"; left out"_s.arg(
                                   pending.group->name().value_or(QString()),
                                   target.group->name().value_or(QString())));
        }
    }
}

ContactStoreRead StoreBuilder::finish()
{
    for (const PendingGroup &pending : m_pending)
        resolve(pending);
    ContactStoreRead read;
    read.store = std::move(m_store);
    for (const VCardDiagnostics &diagnostics : m_diagnostics)
        read.diagnostics.append(diagnostics.lines());
    return read;
}

} // namespace

ContactStoreRead readVCardStore(const QString &path)
{
    StoreBuilder builder;
    if (!QFileInfo::exists(path)) {
        ContactStoreRead read = builder.finish();
        read.diagnostics.append(u"%1: no such file or folder"_s.arg(path));
        return read;
    }
    builder.readPath(path);
    return builder.finish();
}

ContactStoreRead readVCardData(const QByteArray &data, const QString &origin)
{
    StoreBuilder builder;
    builder.readData(data, origin);
    return builder.finish();
}

ContactStoreRead readVCardSources(const QList<VCardSource> &sources)
{
    StoreBuilder builder;
    for (const VCardSource &source : sources)
        builder.readData(source.data, source.origin);
    return builder.finish();
}

VCardPersonRead readFirstVCardPerson(const QByteArray &data, const QString &origin)
{
    VCardDiagnostics diagnostics(origin);
    VCardIdentifiers identifiers;
    const Utf8Text text = asUtf8(data);
    VCardReader reader(text.view, diagnostics);
    std::optional<ABPerson> person;
    while (!person) {
        const std::optional<VCardCard> card = reader.next();
        if (!card)
            break;
        VCardContact contact = readContact(*card, diagnostics, identifiers);
        if (auto *found = std::get_if<VCardPersonCard>(&contact.card))
            person = std::move(found->person);
    }
    if (person)
        return {std::move(*person), diagnostics.lines()};
    diagnostics.report(u"no person card found"_s);
    return {Unexpected(u"%1: no person card found"_s.arg(origin)), diagnostics.lines()};
}

VCardPersonRead initWithVCardRepresentation(const QByteArray &data)
{
    return readFirstVCardPerson(data, QStringLiteral("vCard data"));
}

std::optional<QString> addressBookPath(const std::optional<QString> &commandLine,
                                       const std::optional<QString> &preference)
{
    if (commandLine && !commandLine->isEmpty())
        return commandLine;
    if (preference && !preference->isEmpty())
        return preference;
    // The base directory rules ignore a relative XDG_DATA_HOME.
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + u"/.local/share"_s;
    const QString contacts = dataHome + u"/contacts"_s;
    if (QFileInfo(contacts).isDir())
        return contacts;
    return std::nullopt;
}
