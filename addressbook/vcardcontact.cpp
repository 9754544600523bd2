// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcardcontact.h"
#include "addressbook/contactdate.h"
#include "addressbook/labeltable.h"
#include "addressbook/vcardvalue.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <climits>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

enum class Field {
    Unknown,
    Address,
    Birthday,
    Categories,
    CardPicture,
    Email,
    FormattedName,
    GroupKind,
    Kind,
    Member,
    Messaging,
    Name,
    Note,
    Organization,
    OtherDate,
    Anniversary,
    Phone,
    Photo,
    Related,
    RelatedName,
    Spouse,
    Manager,
    Assistant,
    ShowAs,
    Title,
    Uid,
    Url,
    Aim,
    Icq,
    Jabber,
    Msn,
    Yahoo,
};

struct FieldName
{
    std::string_view name;
    Field field;
};

// Sorted by name, so a lookup is a binary search without allocating.
constexpr std::array fieldNames{
    FieldName{"ADR", Field::Address},
    FieldName{"ANNIVERSARY", Field::Anniversary},
    FieldName{"BDAY", Field::Birthday},
    FieldName{"CATEGORIES", Field::Categories},
    FieldName{"EMAIL", Field::Email},
    FieldName{"FN", Field::FormattedName},
    FieldName{"IMPP", Field::Messaging},
    FieldName{"KIND", Field::Kind},
    FieldName{"MEMBER", Field::Member},
    FieldName{"N", Field::Name},
    FieldName{"NOTE", Field::Note},
    FieldName{"ORG", Field::Organization},
    FieldName{"PHOTO", Field::Photo},
    FieldName{"RELATED", Field::Related},
    FieldName{"TEL", Field::Phone},
    FieldName{"TITLE", Field::Title},
    FieldName{"UID", Field::Uid},
    FieldName{"URL", Field::Url},
    FieldName{"X-ABDATE", Field::OtherDate},
    FieldName{"X-ABRELATEDNAMES", Field::RelatedName},
    FieldName{"X-ABSHOWAS", Field::ShowAs},
    FieldName{"X-ADDRESSBOOKSERVER-KIND", Field::GroupKind},
    FieldName{"X-ADDRESSBOOKSERVER-MEMBER", Field::Member},
    FieldName{"X-AIM", Field::Aim},
    FieldName{"X-ANNIVERSARY", Field::Anniversary},
    FieldName{"X-ASSISTANT", Field::Assistant},
    FieldName{"X-EVOLUTION-ANNIVERSARY", Field::Anniversary},
    FieldName{"X-EVOLUTION-ASSISTANT", Field::Assistant},
    FieldName{"X-EVOLUTION-MANAGER", Field::Manager},
    FieldName{"X-EVOLUTION-SPOUSE", Field::Spouse},
    FieldName{"X-GOOGLE-TALK", Field::Jabber},
    FieldName{"X-GTALK", Field::Jabber},
    FieldName{"X-ICQ", Field::Icq},
    FieldName{"X-JABBER", Field::Jabber},
    FieldName{"X-MANAGER", Field::Manager},
    FieldName{"X-MS-ANNIVERSARY", Field::Anniversary},
    FieldName{"X-MS-ASSISTANT", Field::Assistant},
    FieldName{"X-MS-CARDPICTURE", Field::CardPicture},
    FieldName{"X-MS-MANAGER", Field::Manager},
    FieldName{"X-MS-SPOUSE", Field::Spouse},
    FieldName{"X-MSN", Field::Msn},
    FieldName{"X-SPOUSE", Field::Spouse},
    FieldName{"X-YAHOO", Field::Yahoo},
};

Field fieldOf(QByteArrayView name)
{
    std::array<char, 32> upper{};
    if (name.size() >= qsizetype(upper.size()))
        return Field::Unknown; // longer than any name we read
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char c = name[i];
        upper[std::size_t(i)] = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    }
    const std::string_view key(upper.data(), std::size_t(name.size()));
    const auto it = std::lower_bound(
        fieldNames.begin(), fieldNames.end(), key,
        [](const FieldName &entry, std::string_view wanted) { return entry.name < wanted; });
    return it != fieldNames.end() && it->name == key ? it->field : Field::Unknown;
}

bool equalsIgnoringCase(QStringView text, QStringView word)
{
    return text.trimmed().compare(word, Qt::CaseInsensitive) == 0;
}

// "1985-04-12", "19850412", "--0412", "--04-12", "1985-04-12T10:00:00Z". A year the card
// marks as left out (X-APPLE-OMIT-YEAR, or the placeholder year itself) gives a date
// without year.
std::optional<ContactDate> parseDate(QStringView text, std::optional<int> omittedYear)
{
    QStringView date = text.trimmed();
    const qsizetype time = date.indexOf(u'T');
    if (time >= 0)
        date = date.first(time);
    const bool noYear = date.startsWith(u"--");
    QString digits = date.sliced(noYear ? 2 : 0).toString();
    digits.remove(u'-');
    bool ok = !digits.isEmpty();
    for (const QChar c : digits)
        ok = ok && c.isDigit() && c.unicode() < 128;
    if (!ok || digits.size() != (noYear ? 4 : 8))
        return std::nullopt;
    const int year = noYear ? ContactDate::kNoYear : digits.first(4).toInt();
    const int month = digits.sliced(noYear ? 0 : 4, 2).toInt();
    const int day = digits.sliced(noYear ? 2 : 6, 2).toInt();
    if (!QDate::isValid(year, month, day))
        return std::nullopt;
    if (noYear || year == ContactDate::kNoYear || omittedYear == year)
        return ContactDate::withoutYear(month, day);
    return ContactDate(QDate(year, month, day));
}

QString phoneLabel(const VCardProperty &property)
{
    const bool home = property.hasType("HOME");
    const bool work = property.hasType("WORK");
    if (property.hasType("FAX"))
        return home ? kABPhoneHomeFAXLabel : work ? kABPhoneWorkFAXLabel : kABPhoneOtherFAXLabel;
    if (property.hasType("CELL") || property.hasType("MOBILE"))
        return kABPhoneMobileLabel;
    if (property.hasType("IPHONE"))
        return kABPhoneIPhoneLabel;
    if (property.hasType("MAIN"))
        return kABPhoneMainLabel;
    if (property.hasType("PAGER"))
        return kABPhonePagerLabel;
    return home ? kABHomeLabel : work ? kABWorkLabel : kABOtherLabel;
}

QString placeLabel(const VCardProperty &property)
{
    if (property.hasType("HOME"))
        return kABHomeLabel;
    if (property.hasType("WORK"))
        return kABWorkLabel;
    return kABOtherLabel;
}

// The rank of a preferred entry: TYPE=pref (and a bare vCard 2.1 PREF) rank as PREF=1;
// INT_MAX means not preferred.
int preference(const VCardProperty &property)
{
    if (property.hasType("PREF"))
        return 1;
    const std::optional<QByteArrayView> pref = property.parameter("PREF");
    if (!pref)
        return INT_MAX;
    bool ok = false;
    const int rank = pref->toInt(&ok);
    return ok && rank > 0 ? rank : INT_MAX - 1;
}

bool looksLikeUri(QStringView value)
{
    const qsizetype colon = value.indexOf(u':');
    if (colon <= 0)
        return false;
    for (const QChar c : value.first(colon)) {
        if (!(c.isLetterOrNumber() || c == u'+' || c == u'-' || c == u'.') || c.unicode() > 127)
            return false;
    }
    return value.first(1).front().isLetter();
}

// "aim:goim?screenname=ann", "xmpp:ann@example.org", "ymsgr:sendIM?ann" -> the handle.
QString handleOf(const QString &value)
{
    if (!looksLikeUri(value))
        return value.trimmed();
    QStringView handle = QStringView(value).sliced(value.indexOf(u':') + 1);
    while (handle.startsWith(u'/'))
        handle = handle.sliced(1);
    for (const QStringView prefix :
         {u"goim?screenname=", u"addbuddy?screenname=", u"chat?contact=", u"sendIM?"}) {
        if (handle.startsWith(prefix, Qt::CaseInsensitive)) {
            handle = handle.sliced(prefix.size());
            break;
        }
    }
    const auto query = std::find_if(handle.begin(), handle.end(),
                                    [](QChar c) { return c == u'?' || c == u'&'; });
    return handle.first(query - handle.begin()).trimmed().toString();
}

std::optional<ABProperty> messagingService(QStringView name)
{
    const QString lower = name.trimmed().toString().toLower().remove(u' ');
    if (lower == u"aim")
        return kABAIMInstantProperty;
    if (lower == u"icq")
        return kABICQInstantProperty;
    if (lower == u"jabber" || lower == u"xmpp" || lower == u"googletalk" || lower == u"gtalk")
        return kABJabberInstantProperty;
    if (lower == u"msn" || lower == u"msnim" || lower == u"windowslive")
        return kABMSNInstantProperty;
    if (lower == u"yahoo" || lower == u"ymsgr")
        return kABYahooInstantProperty;
    return std::nullopt;
}

class ContactBuilder final
{
public:
    ContactBuilder(const VCardCard &card, VCardDiagnostics &diagnostics);

    VCardContact build(VCardIdentifiers &identifiers);

private:
    struct Entries
    {
        int bestPreference = INT_MAX;
        qsizetype primary = -1;
        QStringList handles; // of a messaging service, to keep each once
    };

    void readCardWide();
    void read(const VCardProperty &property);
    QString text(const VCardProperty &property)
    {
        return VCardValue::text(property, m_diagnostics);
    }
    QString plainText(const VCardProperty &property)
    {
        return VCardValue::unescape(text(property));
    }
    std::optional<QString> itemLabel(const VCardProperty &property) const;
    QString labelOr(const VCardProperty &property, const QString &fallback) const;
    QString &slot(ABProperty property) { return m_texts[std::size_t(property)]; }
    void setText(ABProperty property, const QString &value);
    void track(ABProperty property, qsizetype index, int preference);
    void add(ABProperty property, const QVariant &value, const QString &label, int preference);
    void addHandle(ABProperty property, const QString &handle, const VCardProperty &source);
    void readName(const VCardProperty &property);
    void readOrganization(const VCardProperty &property);
    void readAddress(const VCardProperty &property);
    void readDate(const VCardProperty &property, ABProperty target, const QString &label);
    void readRelated(const VCardProperty &property);
    void readMessaging(const VCardProperty &property);
    void readPicture(const VCardProperty &property, QByteArray &target);
    void completeNames();
    void finishPerson();

    const VCardCard &m_card;
    VCardDiagnostics &m_diagnostics;
    std::optional<ABPerson> m_person;
    std::array<QString, kABPropertyCount> m_texts; // null: not set
    std::array<Entries, kABPropertyCount> m_entries;
    QVarLengthArray<std::pair<QByteArrayView, QString>, 8> m_itemLabels;
    QVarLengthArray<std::pair<QByteArrayView, QString>, 4> m_itemCountries;
    QString m_uid;
    QString m_formattedName;
    QStringList m_notes;
    ContactDate m_birthday;
    QByteArray m_photo;
    QByteArray m_cardPicture;
    bool m_company = false;
    bool m_group = false;
    QList<VCardMemberReference> m_members;
    QStringList m_categories;
};

ContactBuilder::ContactBuilder(const VCardCard &card, VCardDiagnostics &diagnostics)
    : m_card(card)
    , m_diagnostics(diagnostics)
{}

// What the other lines of a card depend on: item labels and countries, whether it is a
// group, and its UID (which names the person).
void ContactBuilder::readCardWide()
{
    for (const VCardProperty &property : m_card.properties) {
        if (property.is("UID")) {
            m_uid = plainText(property).trimmed();
        } else if (property.is("KIND") || property.is("X-ADDRESSBOOKSERVER-KIND")) {
            m_group = m_group || equalsIgnoringCase(plainText(property), u"group");
        } else if (property.group.isEmpty()) {
            continue;
        } else if (property.is("X-ABLABEL")) {
            m_itemLabels.append({property.group, normalizedLabel(plainText(property))});
        } else if (property.is("X-ABADR")) {
            m_itemCountries.append({property.group, plainText(property).trimmed()});
        }
    }
}

std::optional<QString> ContactBuilder::itemLabel(const VCardProperty &property) const
{
    if (property.group.isEmpty())
        return std::nullopt;
    for (const auto &[group, label] : m_itemLabels) {
        if (group.compare(property.group, Qt::CaseInsensitive) == 0 && !label.isEmpty())
            return label;
    }
    return std::nullopt;
}

QString ContactBuilder::labelOr(const VCardProperty &property, const QString &fallback) const
{
    return itemLabel(property).value_or(fallback);
}

void ContactBuilder::setText(ABProperty property, const QString &value)
{
    if (!value.isEmpty())
        slot(property) = value;
}

void ContactBuilder::track(ABProperty property, qsizetype index, int preference)
{
    Entries &entries = m_entries[std::size_t(property)];
    if (preference < entries.bestPreference) {
        entries.bestPreference = preference;
        entries.primary = index;
    }
}

void ContactBuilder::add(ABProperty property, const QVariant &value, const QString &label,
                         int preference)
{
    if (m_person) // a group card keeps only its name and members
        track(property, m_person->addEntry(property, label, value), preference);
}

// Exporters often write one handle twice, as X-AIM and as IMPP; it is kept once.
void ContactBuilder::addHandle(ABProperty property, const QString &handle,
                               const VCardProperty &source)
{
    if (handle.isEmpty())
        return;
    Entries &entries = m_entries[std::size_t(property)];
    for (qsizetype i = 0; i < entries.handles.size(); ++i) {
        if (entries.handles[i].compare(handle, Qt::CaseInsensitive) == 0) {
            if (preference(source) < entries.bestPreference) {
                entries.bestPreference = preference(source);
                entries.primary = i;
            }
            return;
        }
    }
    entries.handles.append(handle);
    add(property, handle, labelOr(source, placeLabel(source)), preference(source));
}

void ContactBuilder::readName(const VCardProperty &property)
{
    static constexpr std::array<ABProperty, 5> order{kABLastNameProperty, kABFirstNameProperty,
                                                     kABMiddleNameProperty, kABTitleProperty,
                                                     kABSuffixProperty};
    const QString value = text(property);
    const VCardValue::Parts components = VCardValue::split(value, u';');
    for (qsizetype i = 0; i < components.size() && i < qsizetype(order.size()); ++i) {
        if (!components[i].contains(u',') && !components[i].contains(u'\\')) {
            setText(order[std::size_t(i)], components[i].trimmed().toString());
            continue;
        }
        // A component may be a list ("Philip,Paul"); it is shown as words.
        QStringList words;
        for (const QStringView word : VCardValue::split(components[i], u','))
            words.append(VCardValue::unescape(word).trimmed());
        words.removeAll(QString());
        setText(order[std::size_t(i)], words.join(u' '));
    }
}

void ContactBuilder::readOrganization(const VCardProperty &property)
{
    const QString value = text(property);
    const VCardValue::Parts units = VCardValue::split(value, u';');
    setText(kABOrganizationProperty, VCardValue::unescape(units.front()).trimmed());
    QStringList departments;
    for (qsizetype i = 1; i < units.size(); ++i)
        departments.append(VCardValue::unescape(units[i]).trimmed());
    departments.removeAll(QString());
    setText(kABDepartmentProperty, departments.join(u", "));
}

void ContactBuilder::readAddress(const VCardProperty &property)
{
    const QString value = text(property);
    const VCardValue::Parts parts = VCardValue::split(value, u';');
    const auto part = [&](qsizetype i) {
        return i < parts.size() ? VCardValue::unescape(parts[i]).trimmed() : QString();
    };
    QStringList streetLines{part(0), part(1), part(2)}; // post office box, extended, street
    streetLines.removeAll(QString());
    std::array<QString, 6> fields{streetLines.join(u'\n'), part(3), part(4), part(5), part(6)};
    for (const auto &[group, code] : m_itemCountries) {
        if (!property.group.isEmpty() && group.compare(property.group, Qt::CaseInsensitive) == 0)
            fields[5] = code.toLower();
    }
    if (std::all_of(fields.begin(), fields.end(), [](const QString &f) { return f.isEmpty(); }))
        return;
    if (m_person)
        track(kABAddressProperty,
              m_person->addAddress(labelOr(property, placeLabel(property)), fields),
              preference(property));
}

void ContactBuilder::readDate(const VCardProperty &property, ABProperty target,
                              const QString &label)
{
    const QString value = plainText(property);
    std::optional<int> omittedYear;
    if (const auto omit = property.parameter("X-APPLE-OMIT-YEAR"))
        omittedYear = omit->toInt();
    const std::optional<ContactDate> date = parseDate(value, omittedYear);
    if (!date) {
        m_diagnostics.report(property.line,
                             u"\"%1\" is not a date; left out"_s.arg(value.left(40)));
        return;
    }
    if (target == kABBirthdayProperty) {
        if (!m_birthday.isValid())
            m_birthday = *date;
        return;
    }
    add(target, QVariant::fromValue(*date), labelOr(property, label), preference(property));
}

// RELATED names a person by text (vCard 4 VALUE=text) or points to one by URI; only names
// are related names.
void ContactBuilder::readRelated(const VCardProperty &property)
{
    const QString value = plainText(property).trimmed();
    const bool isText = property.hasParameter("VALUE", "text");
    if (value.isEmpty()
        || (!isText && (property.hasParameter("VALUE", "uri") || looksLikeUri(value))))
        return;
    QString label = kABOtherLabel;
    for (const VCardParameter &parameter : property.parameters) {
        if (parameter.name.compare("TYPE", Qt::CaseInsensitive) == 0
            && parameter.value.compare("PREF", Qt::CaseInsensitive) != 0) {
            label = QString::fromUtf8(parameter.value).toLower();
            break;
        }
    }
    add(kABRelatedNamesProperty, value, labelOr(property, label), preference(property));
}

void ContactBuilder::readMessaging(const VCardProperty &property)
{
    const QString value = plainText(property).trimmed();
    std::optional<ABProperty> service;
    if (const auto type = property.parameter("X-SERVICE-TYPE"))
        service = messagingService(QString::fromUtf8(*type));
    else if (looksLikeUri(value))
        service = messagingService(QStringView(value).first(value.indexOf(u':')));
    if (service)
        addHandle(*service, handleOf(value), property);
}

void ContactBuilder::readPicture(const VCardProperty &property, QByteArray &target)
{
    if (!target.isEmpty())
        return;
    if (std::optional<QByteArray> bytes = VCardValue::inlineData(property, m_diagnostics))
        target = std::move(*bytes);
}

void ContactBuilder::read(const VCardProperty &property)
{
    switch (fieldOf(property.name)) {
    case Field::Unknown:
        return;
    case Field::FormattedName:
        m_formattedName = plainText(property).trimmed();
        return;
    case Field::Name:
        return readName(property);
    case Field::Organization:
        return readOrganization(property);
    case Field::Title:
        return setText(kABJobTitleProperty, plainText(property).trimmed());
    case Field::Note:
        m_notes.append(plainText(property));
        return;
    case Field::Birthday:
        return readDate(property, kABBirthdayProperty, {});
    case Field::OtherDate:
        return readDate(property, kABOtherDatesProperty, kABOtherLabel);
    case Field::Anniversary:
        return readDate(property, kABOtherDatesProperty, kABAnniversaryLabel);
    case Field::Uid:
    case Field::GroupKind:
        return; // read with the card as a whole
    case Field::Kind: {
        const QString kind = plainText(property);
        m_company = m_company || equalsIgnoringCase(kind, u"org")
            || equalsIgnoringCase(kind, u"organization");
        return;
    }
    case Field::ShowAs:
        m_company = m_company || equalsIgnoringCase(plainText(property), u"company");
        return;
    case Field::Member: {
        const QString written = plainText(property).trimmed();
        m_members.append({VCardIdentifiers::reference(written), written, property.line});
        return;
    }
    case Field::Categories: {
        const QString names = text(property);
        for (const QStringView name : VCardValue::split(names, u','))
            m_categories.append(VCardValue::unescape(name).trimmed());
        m_categories.removeAll(QString());
        return;
    }
    case Field::Phone: {
        QString number = plainText(property).trimmed();
        if (number.startsWith(u"tel:", Qt::CaseInsensitive))
            number.remove(0, 4);
        if (!number.isEmpty())
            add(kABPhoneProperty, number, labelOr(property, phoneLabel(property)),
                preference(property));
        return;
    }
    case Field::Email: {
        QString address = plainText(property).trimmed();
        if (address.startsWith(u"mailto:", Qt::CaseInsensitive))
            address.remove(0, 7);
        if (!address.isEmpty())
            add(kABEmailProperty, address, labelOr(property, placeLabel(property)),
                preference(property));
        return;
    }
    case Field::Url: {
        const QString url = plainText(property).trimmed();
        const QString fallback = property.hasType("HOME") || property.hasType("WORK")
            ? placeLabel(property)
            : kABHomePageLabel;
        if (!url.isEmpty())
            add(kABURLsProperty, url, labelOr(property, fallback), preference(property));
        return;
    }
    case Field::Address:
        return readAddress(property);
    case Field::Photo:
        return readPicture(property, m_photo);
    case Field::CardPicture:
        return readPicture(property, m_cardPicture);
    case Field::RelatedName: {
        const QString name = plainText(property).trimmed();
        if (!name.isEmpty())
            add(kABRelatedNamesProperty, name, labelOr(property, kABOtherLabel),
                preference(property));
        return;
    }
    case Field::Related:
        return readRelated(property);
    case Field::Spouse:
    case Field::Manager:
    case Field::Assistant: {
        const QString name = plainText(property).trimmed();
        const Field field = fieldOf(property.name);
        const QString &label = field == Field::Spouse ? kABSpouseLabel
            : field == Field::Manager                 ? kABManagerLabel
                                                      : kABAssistantLabel;
        if (!name.isEmpty())
            add(kABRelatedNamesProperty, name, labelOr(property, label), preference(property));
        return;
    }
    case Field::Messaging:
        return readMessaging(property);
    case Field::Aim:
        return addHandle(kABAIMInstantProperty, handleOf(plainText(property)), property);
    case Field::Icq:
        return addHandle(kABICQInstantProperty, handleOf(plainText(property)), property);
    case Field::Jabber:
        return addHandle(kABJabberInstantProperty, handleOf(plainText(property)), property);
    case Field::Msn:
        return addHandle(kABMSNInstantProperty, handleOf(plainText(property)), property);
    case Field::Yahoo:
        return addHandle(kABYahooInstantProperty, handleOf(plainText(property)), property);
    }
}

// A card without a structured name still has its formatted name: a company's is its
// organization, anyone else's stands as the first name, so the card is not nameless.
void ContactBuilder::completeNames()
{
    if (m_formattedName.isEmpty())
        return;
    if (m_company) {
        if (slot(kABOrganizationProperty).isNull())
            setText(kABOrganizationProperty, m_formattedName);
        return;
    }
    for (const ABProperty part : {kABFirstNameProperty, kABLastNameProperty, kABMiddleNameProperty,
                                  kABTitleProperty, kABSuffixProperty}) {
        if (!slot(part).isNull())
            return;
    }
    if (slot(kABOrganizationProperty) != m_formattedName)
        setText(kABFirstNameProperty, m_formattedName);
}

void ContactBuilder::finishPerson()
{
    completeNames();
    if (!m_notes.isEmpty())
        setText(kABNoteProperty, m_notes.join(u'\n'));
    for (int i = 0; i < kABPropertyCount; ++i) {
        const auto property = static_cast<ABProperty>(i);
        if (!m_texts[std::size_t(i)].isNull())
            m_person->setText(property, m_texts[std::size_t(i)]);
        if (m_entries[std::size_t(i)].primary >= 0)
            m_person->setPrimary(property, m_entries[std::size_t(i)].primary);
    }
    if (m_company)
        m_person->setValue(kABShowAsCompany, kABPersonFlags);
    if (m_birthday.isValid())
        m_person->setValue(QVariant::fromValue(m_birthday), kABBirthdayProperty);
    m_person->setImageData(m_photo.isEmpty() ? m_cardPicture : m_photo);
    m_person->squeeze();
}

VCardContact ContactBuilder::build(VCardIdentifiers &identifiers)
{
    readCardWide();
    VCardContact contact;
    contact.line = m_card.line;
    contact.reference = VCardIdentifiers::reference(m_uid);
    if (!m_group) {
        m_person.emplace(identifiers.personId(m_uid, m_card.text));
        m_person->reserve(qsizetype(m_card.properties.size()), m_card.text.size());
    }
    for (const VCardProperty &property : m_card.properties)
        read(property);

    if (m_group) {
        contact.isGroup = true;
        contact.groupId = identifiers.groupId(m_uid, m_card.text);
        const QString name
            = m_formattedName.isEmpty() ? slot(kABLastNameProperty) : m_formattedName;
        if (!name.isEmpty())
            contact.groupName = name;
        contact.members = std::move(m_members);
        return contact;
    }
    finishPerson();
    contact.person = std::move(m_person);
    contact.categories = std::move(m_categories);
    return contact;
}

} // namespace

VCardContact readContact(const VCardCard &card, VCardDiagnostics &diagnostics,
                         VCardIdentifiers &identifiers)
{
    return ContactBuilder(card, diagnostics).build(identifiers);
}
