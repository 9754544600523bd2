// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardcontact.h"
#include "addressbook/contactdate.h"
#include "addressbook/labeltable.h"
#include "addressbook/vcard/vcarddialect.h"
#include "addressbook/vcard/vcardidentifiers.h"
#include "addressbook/vcard/vcardvalue.h"

#include <QHash>
#include <QSet>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <bit>
#include <compare>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using namespace VCardDialect;

using VCardValue::Utf8;

// Whether a field makes entries, whose labels and preference its TYPE parameters give: only
// their lines are looked through for types.
bool labelsEntry(Field field)
{
    switch (field) {
    case Field::Phone:
    case Field::Email:
    case Field::Url:
    case Field::Address:
    case Field::DeliveryLabel:
    case Field::OtherDate:
    case Field::Anniversary:
    case Field::Related:
    case Field::RelatedName:
    case Field::Spouse:
    case Field::Manager:
    case Field::Assistant:
    case Field::Messaging:
    case Field::Aim:
    case Field::Icq:
    case Field::Jabber:
    case Field::Msn:
    case Field::Yahoo:
        return true;
    default:
        return false;
    }
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c | 0x20) : c;
}

// Item groups ("item1.TEL") are named without regard to the case of ASCII letters. Shorter
// names go first, which settles most comparisons without looking at the bytes.
std::strong_ordering compareGroups(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return a.size() <=> b.size();
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && asciiLower(a[i]) != asciiLower(b[i]))
            return asciiLower(a[i]) <=> asciiLower(b[i]);
    }
    return std::strong_ordering::equal;
}

// An object rather than a function, so that the searches inline it; named as the function it
// stands for. NOLINTNEXTLINE(readability-identifier-naming)
constexpr auto groupBefore = [](QByteArrayView a, QByteArrayView b) {
    return std::is_lt(compareGroups(a, b));
};

// The value an item group gives, and where its line stands in the card, which tells the
// values of one group apart.
template<typename Value>
struct ItemValue
{
    QByteArrayView group;
    std::size_t line = 0;
    Value value;
};

// A usual card has a few item groups and handles, looked through as they stand; more than
// this many are sorted or hashed, so that a card of thousands costs each line the same.
constexpr std::size_t kLookedThrough = 8;

template<typename Value>
void sortByGroup(std::vector<ItemValue<Value>> &items)
{
    if (items.size() <= kLookedThrough)
        return;
    std::ranges::sort(items, [](const ItemValue<Value> &a, const ItemValue<Value> &b) {
        const std::strong_ordering order = compareGroups(a.group, b.group);
        return std::is_neq(order) ? std::is_lt(order) : a.line < b.line;
    });
}

// The first and the last value of group, from items passed through sortByGroup, or none. A
// line of no group, the usual one, has none.
template<typename Value>
const Value *firstOf(const std::vector<ItemValue<Value>> &items, QByteArrayView group)
{
    if (group.isEmpty())
        return nullptr;
    const auto inGroup = [group](const ItemValue<Value> &item) {
        return equalsIgnoringCase(item.group, group);
    };
    const auto found = items.size() <= kLookedThrough
        ? std::ranges::find_if(items, inGroup)
        : std::ranges::lower_bound(items, group, groupBefore, &ItemValue<Value>::group);
    return found != items.end() && inGroup(*found) ? &found->value : nullptr;
}

template<typename Value>
const Value *lastOf(const std::vector<ItemValue<Value>> &items, QByteArrayView group)
{
    if (group.isEmpty())
        return nullptr;
    const auto inGroup = [group](const ItemValue<Value> &item) {
        return equalsIgnoringCase(item.group, group);
    };
    const auto after = items.size() <= kLookedThrough
        ? std::find_if(items.rbegin(), items.rend(), inGroup).base()
        : std::ranges::upper_bound(items, group, groupBefore, &ItemValue<Value>::group);
    return after != items.begin() && inGroup(*std::prev(after)) ? &std::prev(after)->value
                                                                : nullptr;
}

// The fields that each hold the handles of one messaging service, and that service.
constexpr auto kServiceFields = std::to_array<std::pair<Field, ABProperty>>({
    {Field::Aim, kABAIMInstantProperty},
    {Field::Icq, kABICQInstantProperty},
    {Field::Jabber, kABJabberInstantProperty},
    {Field::Msn, kABMSNInstantProperty},
    {Field::Yahoo, kABYahooInstantProperty},
});

constexpr ABProperty serviceOf(Field field)
{
    return std::ranges::find(kServiceFields, field, &std::pair<Field, ABProperty>::first)->second;
}

bool within(QByteArrayView bytes, QByteArrayView whole)
{
    return bytes.data() >= whole.data() && bytes.data() <= whole.data() + whole.size();
}

// One builder reads card after card on its thread and is made ready for the next card by
// clearing what the last one set, so a card neither builds nor frees its tables.
class ContactBuilder final
{
public:
    VCardContact build(const VCardCard &card, VCardDiagnostics &diagnostics, VCardCardKeys &keys);

private:
    struct Entries
    {
        int bestPreference = kNotPreferred;
        qsizetype primary = -1; // counted among all the person's entries
    };
    struct Handle
    {
        ABProperty property = kABFirstNameProperty;
        QString key; // case-folded
        friend bool operator==(const Handle &, const Handle &) = default;
        friend size_t qHash(const Handle &handle, size_t seed)
        {
            return qHashMulti(seed, int(handle.property), handle.key);
        }
    };

    void startCard(const VCardCard &card, VCardDiagnostics &diagnostics);
    void readCardWide();
    void read(const VCardProperty &property, Field field);
    Utf8 text(const VCardProperty &property)
    {
        return VCardValue::text(property, *m_diagnostics, m_card->validUtf8);
    }
    // The whole value as text: escapes resolved, blanks at the ends gone.
    Utf8 plainText(const VCardProperty &property) { return VCardValue::plain(text(property)); }
    QString label(const VCardProperty &property, const QString &fallback) const;
    QString itemLabel(QByteArrayView written);
    void setText(ABProperty property, Utf8 value, QByteArrayView lasting = {});
    void track(ABProperty property, qsizetype position, int preference);
    void added(ABProperty property, int preference);
    void add(ABProperty property, QByteArrayView value, const QString &label, int preference);
    std::optional<qsizetype> firstAdded(Handle handle, qsizetype position);
    void addHandle(ABProperty property, const QString &handle, const VCardProperty &source);
    void readName(const VCardProperty &property);
    void readOrganization(const VCardProperty &property);
    void readAddress(const VCardProperty &property);
    void readDeliveryLabel(const VCardProperty &property);
    void addDeliveryLabels();
    void readDate(const VCardProperty &property, ABProperty target, const QString &label);
    void readRelated(const VCardProperty &property);
    void readMessaging(const VCardProperty &property);
    void readPicture(const VCardProperty &property, QByteArray &target);
    void readPlainEntry(const VCardProperty &property, ABProperty target, const QString &fallback,
                        QByteArrayView scheme = {});
    void readListMember(const VCardProperty &property);
    void completeNames();
    void finishPerson();

    const VCardCard *m_card = nullptr;
    VCardDiagnostics *m_diagnostics = nullptr;
    // Filled card after card, so its room is allocated once.
    ABPerson m_scratch{QString()};
    ABPerson *m_person = nullptr; // the scratch person, once the card is known to be one
    std::vector<Field> m_fields;  // of the card's properties, looked up once
    Types m_types = 0;            // of the property being read
    std::array<Utf8, kABPropertyCount> m_texts; // empty: not set
    quint32 m_textsSet = 0;                     // a bit for each text set, to clear them
    static_assert(kABPropertyCount <= 32);
    std::array<Entries, kABPropertyCount> m_entries;
    qsizetype m_entryCount = 0;
    // The handles added, to keep each once, with their positions among all the person's
    // entries: up to kLookedThrough in a list that keeps its room for the next card, then
    // all of them in a hash.
    std::vector<std::pair<Handle, qsizetype>> m_handles;
    QHash<Handle, qsizetype> m_handleIndex;
    // Passed through sortByGroup once the card is looked through; the lists of a card keep
    // their room for the next card.
    std::vector<ItemValue<QString>> m_itemLabels; // none empty
    // Item labels as written and as shown, kept from card to card.
    static constexpr qsizetype kKnownLabels = 16;
    QVarLengthArray<std::pair<QByteArray, QString>, kKnownLabels> m_knownLabels;
    std::vector<ItemValue<QByteArray>> m_itemCountries;
    QString m_uid;
    Utf8 m_formattedName;
    QByteArray m_notes;
    bool m_hasNote = false;
    ContactDate m_birthday;
    QByteArray m_photo;
    QByteArray m_cardPicture;
    bool m_company = false;
    bool m_group = false;
    QList<VCardMemberReference> m_members;
    QStringList m_categories;
    struct DeliveryLabel
    {
        QString label;
        QByteArray text;
        int preference = kNotPreferred;
    };
    QList<DeliveryLabel> m_deliveryLabels;
    // Of the structured addresses, which win over a LABEL; sorted once the card is read.
    std::vector<QString> m_addressLabels;
};

void ContactBuilder::startCard(const VCardCard &card, VCardDiagnostics &diagnostics)
{
    m_card = &card;
    m_diagnostics = &diagnostics;
    m_person = nullptr;
    for (quint32 set = std::exchange(m_textsSet, 0); set != 0; set &= set - 1)
        m_texts[std::size_t(std::countr_zero(set))] = Utf8();
    m_entries.fill({});
    m_entryCount = 0;
    m_handles.clear();
    m_handleIndex.clear();
    m_itemLabels.clear();
    m_itemCountries.clear();
    m_uid.clear();
    m_formattedName = Utf8();
    m_notes.clear();
    m_hasNote = false;
    m_birthday = ContactDate();
    m_photo.clear();
    m_cardPicture.clear();
    m_company = false;
    m_group = false;
    m_members.clear();
    m_categories.clear();
    m_deliveryLabels.clear();
    m_addressLabels.clear();
}

// What the other lines of a card depend on: item labels and countries, whether it is a
// group, and its UID (which names the person).
void ContactBuilder::readCardWide()
{
    m_fields.clear();
    for (const VCardProperty &property : m_card->properties) {
        const std::size_t line = m_fields.size();
        const Field field = m_fields.emplace_back(fieldOf(property.name));
        if (field == Field::Uid) {
            m_uid = plainText(property).toString();
        } else if (field == Field::Kind || field == Field::GroupKind) {
            m_group = m_group || equalsIgnoringCase(property.value.trimmed(), "group");
        } else if (field == Field::ListKind) {
            m_group = m_group || equalsIgnoringCase(property.value.trimmed(), "true");
        } else if (property.group.isEmpty()) {
            continue;
        } else if (field == Field::ItemLabel) {
            // An empty label leaves the group to its next label, or to none.
            QString shown = itemLabel(plainText(property).view());
            if (!shown.isEmpty())
                m_itemLabels.push_back({property.group, line, std::move(shown)});
        } else if (field == Field::ItemCountry) {
            m_itemCountries.push_back(
                {property.group, line, plainText(property).view().toByteArray().toLower()});
        }
    }
    sortByGroup(m_itemLabels);
    sortByGroup(m_itemCountries);
}

// The label an item group gives the property ("item1.X-ABLabel"), else fallback.
QString ContactBuilder::label(const VCardProperty &property, const QString &fallback) const
{
    const QString *label = firstOf(m_itemLabels, property.group);
    return label ? *label : fallback;
}

// The same few labels ("_$!<Other>!$_") recur on card after card, so each is made readable
// once; a card of many labels of its own only ever replaces the last one kept.
QString ContactBuilder::itemLabel(QByteArrayView written)
{
    for (const auto &[bytes, shown] : m_knownLabels) {
        if (bytes == written)
            return shown;
    }
    QString shown = normalizedLabel(QString::fromUtf8(written));
    if (m_knownLabels.size() == kKnownLabels)
        m_knownLabels.removeLast();
    m_knownLabels.append({written.toByteArray(), shown});
    return shown;
}

// Kept until the person is complete: a value that points into a decoded text that is gone
// by then is copied. The card and lasting are there till then: the line the value was read
// from, which lies outside the card once joined, or the formatted name.
void ContactBuilder::setText(ABProperty property, Utf8 value, QByteArrayView lasting)
{
    if (value.isEmpty())
        return;
    if (!value.ownsBytes() && !within(value.view(), m_card->text) && !within(value.view(), lasting))
        value = Utf8(value.view().toByteArray());
    m_texts[std::size_t(property)] = std::move(value);
    m_textsSet |= 1U << unsigned(property);
}

void ContactBuilder::track(ABProperty property, qsizetype position, int preference)
{
    Entries &entries = m_entries[std::size_t(property)];
    if (preference < entries.bestPreference) {
        entries.bestPreference = preference;
        entries.primary = position;
    }
}

// The entry just appended to property, at the end of the person's entries.
void ContactBuilder::added(ABProperty property, int preference)
{
    track(property, m_entryCount++, preference);
}

void ContactBuilder::add(ABProperty property, QByteArrayView value, const QString &label,
                         int preference)
{
    // A group card keeps only its name and members.
    if (m_person && !value.isEmpty() && m_person->addTextEntryUtf8(property, label, value))
        added(property, preference);
}

// The position of the entry handle was first added as; none for a new handle, which is then
// taken to be added at position.
std::optional<qsizetype> ContactBuilder::firstAdded(Handle handle, qsizetype position)
{
    if (m_handleIndex.isEmpty()) {
        const auto known
            = std::ranges::find(m_handles, handle, &std::pair<Handle, qsizetype>::first);
        if (known != m_handles.end())
            return known->second;
        m_handles.emplace_back(std::move(handle), position);
        if (m_handles.size() > kLookedThrough)
            m_handleIndex = QHash<Handle, qsizetype>(m_handles.begin(), m_handles.end());
        return std::nullopt;
    }
    if (const auto known = m_handleIndex.constFind(handle); known != m_handleIndex.cend())
        return *known;
    m_handleIndex.emplace(std::move(handle), position);
    return std::nullopt;
}

// Exporters often write one handle twice, as X-AIM and as IMPP; it is kept once.
void ContactBuilder::addHandle(ABProperty property, const QString &handle,
                               const VCardProperty &source)
{
    if (handle.isEmpty() || !m_person)
        return;
    std::optional<QString> lowered = VCardValue::asciiLowered(handle);
    Handle key{property, lowered ? *std::move(lowered) : handle.toCaseFolded()};
    if (const std::optional<qsizetype> first = firstAdded(std::move(key), m_entryCount)) {
        track(property, *first, preference(source, m_types));
        return;
    }
    m_person->addTextEntryUtf8(property, label(source, placeLabel(m_types)), handle.toUtf8());
    added(property, preference(source, m_types));
}

void ContactBuilder::readName(const VCardProperty &property)
{
    static constexpr std::array<ABProperty, 5> kOrder{kABLastNameProperty, kABFirstNameProperty,
                                                      kABMiddleNameProperty, kABTitleProperty,
                                                      kABSuffixProperty};
    const Utf8 value = text(property);
    const VCardValue::Parts components = VCardValue::split(value.view(), ';');
    for (qsizetype i = 0; i < components.size() && i < qsizetype(kOrder.size()); ++i) {
        if (!components[i].contains(',')) {
            setText(kOrder[std::size_t(i)], VCardValue::plain(components[i]), property.value);
            continue;
        }
        // A component may be a list ("Philip,Paul"); it is shown as words.
        QByteArray words;
        for (const QByteArrayView word : VCardValue::split(components[i], ',')) {
            const Utf8 plain = VCardValue::plain(word);
            if (!plain.isEmpty())
                words += (words.isEmpty() ? "" : " ") + plain.view().toByteArray();
        }
        setText(kOrder[std::size_t(i)], Utf8(std::move(words)));
    }
}

void ContactBuilder::readOrganization(const VCardProperty &property)
{
    const Utf8 value = text(property);
    const VCardValue::Parts units = VCardValue::split(value.view(), ';');
    setText(kABOrganizationProperty, VCardValue::plain(units.front()), property.value);
    QByteArray departments;
    for (qsizetype i = 1; i < units.size(); ++i) {
        const Utf8 unit = VCardValue::plain(units[i]);
        if (!unit.isEmpty())
            departments += (departments.isEmpty() ? "" : ", ") + unit.view().toByteArray();
    }
    setText(kABDepartmentProperty, Utf8(std::move(departments)));
}

void ContactBuilder::readAddress(const VCardProperty &property)
{
    if (!m_person)
        return;
    const Utf8 value = text(property);
    const VCardValue::Parts parts = VCardValue::split(value.view(), ';');
    std::array<Utf8, 7> plain;
    for (qsizetype i = 0; i < parts.size() && i < qsizetype(plain.size()); ++i)
        plain[std::size_t(i)] = VCardValue::plain(parts[i]);
    // Post office box, extended address and street are the street's lines.
    QByteArray street;
    for (std::size_t i = 0; i < 3; ++i) {
        if (!plain[i].isEmpty())
            street += (street.isEmpty() ? "" : "\n") + plain[i].view().toByteArray();
    }
    std::array<QByteArrayView, kABAddressFieldCount> fields{
        street, plain[3].view(), plain[4].view(), plain[5].view(), plain[6].view(), {}};
    if (const QByteArray *country = lastOf(m_itemCountries, property.group))
        fields[5] = *country;
    if (std::all_of(fields.begin(), fields.end(), [](QByteArrayView f) { return f.isEmpty(); }))
        return;
    const QString kind = label(property, placeLabel(m_types));
    m_addressLabels.push_back(kind);
    m_person->addAddressUtf8(kind, fields);
    added(kABAddressProperty, preference(property, m_types));
}

// A delivery label (vCard 3.0 LABEL) is the address as it goes on an envelope. It is kept
// until the card is read, since a structured address of the same kind, wherever it stands,
// says the same and wins.
void ContactBuilder::readDeliveryLabel(const VCardProperty &property)
{
    QByteArray lines = VCardValue::plain(text(property)).view().toByteArray();
    lines.replace("\r\n", "\n").replace('\r', '\n');
    if (m_person && !lines.trimmed().isEmpty())
        m_deliveryLabels.append({label(property, placeLabel(m_types)), std::move(lines),
                                 preference(property, m_types)});
}

// Its lines stand as they are, as the street's, so no country layout moves or drops one.
void ContactBuilder::addDeliveryLabels()
{
    if (m_deliveryLabels.isEmpty())
        return;
    std::ranges::sort(m_addressLabels);
    for (const DeliveryLabel &delivery : std::as_const(m_deliveryLabels)) {
        if (std::ranges::binary_search(m_addressLabels, delivery.label))
            continue;
        m_person->addAddressUtf8(delivery.label, {delivery.text, {}, {}, {}, {}, {}});
        added(kABAddressProperty, delivery.preference);
    }
}

void ContactBuilder::readDate(const VCardProperty &property, ABProperty target,
                              const QString &fallback)
{
    const Utf8 value = plainText(property);
    std::optional<int> omittedYear;
    if (const auto omit = property.parameter("X-APPLE-OMIT-YEAR"))
        omittedYear = omit->toInt();
    const std::optional<ContactDate> date = parseDate(value.view(), omittedYear);
    if (!date) {
        const QString shown = value.toString().left(40);
        m_diagnostics->report(
            property.line,
            isYearAndMonth(value.view())
                ? u"\"%1\" gives a year and month but no day; left out"_s.arg(shown)
                : u"\"%1\" is not a date; left out"_s.arg(shown));
        return;
    }
    if (target == kABBirthdayProperty) {
        if (!m_birthday.isValid())
            m_birthday = *date;
    } else if (m_person) {
        m_person->addDateEntry(label(property, fallback), *date);
        added(target, preference(property, m_types));
    }
}

// RELATED names a person by text (vCard 4 VALUE=text) or points to one by URI; only names
// are related names.
void ContactBuilder::readRelated(const VCardProperty &property)
{
    const Utf8 value = plainText(property);
    const bool isText = property.hasParameter("VALUE", "text");
    if (!isText && (property.hasParameter("VALUE", "uri") || schemeOf(value.view())))
        return;
    QString fallback = kABOtherLabel;
    for (const VCardParameter &parameter : property.parameters) {
        if (equalsIgnoringCase(parameter.name, "TYPE")
            && !equalsIgnoringCase(parameter.value, "PREF")) {
            fallback = QString::fromUtf8(parameter.value).toLower();
            break;
        }
    }
    add(kABRelatedNamesProperty, value.view(), label(property, fallback),
        preference(property, m_types));
}

void ContactBuilder::readMessaging(const VCardProperty &property)
{
    const Utf8 value = plainText(property);
    std::optional<ABProperty> service;
    if (const auto type = property.parameter("X-SERVICE-TYPE"))
        service = messagingService(*type);
    else if (const auto scheme = schemeOf(value.view()))
        service = messagingService(*scheme);
    if (service)
        addHandle(*service, handleOf(value.view()), property);
}

void ContactBuilder::readPicture(const VCardProperty &property, QByteArray &target)
{
    if (!target.isEmpty() || !m_person)
        return;
    if (std::optional<QByteArray> bytes = VCardValue::inlineData(property, *m_diagnostics))
        target = std::move(*bytes);
}

// A contact list of the desktop's address-book server names its members by their UID in a
// parameter of an e-mail line, and a nested list by its UID on a list line. Each line names
// the list it belongs to: none or "0" is this list, the UID of a nested list marks a copy of
// that list's members, which are read from its own card.
void ContactBuilder::readListMember(const VCardProperty &property)
{
    std::optional<QByteArrayView> uid = property.parameter("X-EVOLUTION-CONTACT-LIST-UID");
    if (!uid)
        uid = property.parameter("X-EVOLUTION-DEST-CONTACT-UID");
    if (!m_group || !uid || uid->trimmed().isEmpty())
        return;
    const std::optional<QByteArrayView> parent = property.parameter("X-EVOLUTION-PARENT-UID");
    if (parent && parent->trimmed() != "0"
        && VCardIdentifiers::reference(QString::fromUtf8(*parent))
            != VCardIdentifiers::reference(m_uid))
        return;
    const QString written = QString::fromUtf8(uid->trimmed());
    m_members.append(
        {VCardHashedText(VCardIdentifiers::reference(written)), written, property.line});
}

// A value that is one text (a phone number, an address, a name), with a scheme it may be
// written with ("tel:", "mailto:") left out.
void ContactBuilder::readPlainEntry(const VCardProperty &property, ABProperty target,
                                    const QString &fallback, QByteArrayView scheme)
{
    Utf8 value = plainText(property);
    QByteArrayView view = value.view();
    if (!scheme.isEmpty() && startsWithIgnoringCase(view, scheme))
        view = view.sliced(scheme.size()).trimmed();
    add(target, view, label(property, fallback), preference(property, m_types));
}

void ContactBuilder::read(const VCardProperty &property, Field field)
{
    m_types = labelsEntry(field) ? typesOf(property) : 0;
    switch (field) {
    case Field::Unknown:
    case Field::Uid:
    case Field::GroupKind:
    case Field::ListKind:
    case Field::ItemLabel:
    case Field::ItemCountry:
        return; // all but the first are read with the card as a whole
    case Field::FormattedName:
        m_formattedName = plainText(property);
        return;
    case Field::Name:
        return readName(property);
    case Field::Organization:
        return readOrganization(property);
    case Field::Title:
        return setText(kABJobTitleProperty, plainText(property), property.value);
    case Field::Note: {
        const Utf8 raw = text(property);
        const Utf8 note = VCardValue::unescape(raw.view());
        m_notes += (m_hasNote ? "\n" : "") + note.view().toByteArray();
        m_hasNote = true;
        return;
    }
    case Field::Birthday:
        return readDate(property, kABBirthdayProperty, {});
    case Field::OtherDate:
        return readDate(property, kABOtherDatesProperty, kABOtherLabel);
    case Field::Anniversary:
        return readDate(property, kABOtherDatesProperty, kABAnniversaryLabel);
    case Field::Kind:
        m_company = m_company || equalsIgnoringCase(property.value.trimmed(), "org")
            || equalsIgnoringCase(property.value.trimmed(), "organization");
        return;
    case Field::ShowAs:
        m_company = m_company || equalsIgnoringCase(property.value.trimmed(), "company");
        return;
    case Field::Member: {
        const QString written = plainText(property).toString();
        m_members.append(
            {VCardHashedText(VCardIdentifiers::reference(written)), written, property.line});
        return;
    }
    case Field::Categories: {
        const Utf8 names = text(property);
        for (const QByteArrayView name : VCardValue::split(names.view(), ',')) {
            QString category = VCardValue::plain(name).toString();
            if (!category.isEmpty())
                m_categories.append(std::move(category));
        }
        return;
    }
    case Field::Phone:
        return readPlainEntry(property, kABPhoneProperty, phoneLabel(m_types), "tel:");
    case Field::Email:
        if (m_group)
            return readListMember(property);
        return readPlainEntry(property, kABEmailProperty, placeLabel(m_types), "mailto:");
    case Field::ListMember:
        return readListMember(property);
    case Field::Url:
        return readPlainEntry(property, kABURLsProperty,
                              property.hasType("HOME") || property.hasType("WORK")
                                  ? placeLabel(m_types)
                                  : kABHomePageLabel);
    case Field::Address:
        return readAddress(property);
    case Field::DeliveryLabel:
        return readDeliveryLabel(property);
    case Field::Photo:
        return readPicture(property, m_photo);
    case Field::CardPicture:
        return readPicture(property, m_cardPicture);
    case Field::RelatedName:
        return readPlainEntry(property, kABRelatedNamesProperty, kABOtherLabel);
    case Field::Related:
        return readRelated(property);
    case Field::Spouse:
        return readPlainEntry(property, kABRelatedNamesProperty, kABSpouseLabel);
    case Field::Manager:
        return readPlainEntry(property, kABRelatedNamesProperty, kABManagerLabel);
    case Field::Assistant:
        return readPlainEntry(property, kABRelatedNamesProperty, kABAssistantLabel);
    case Field::Messaging:
        return readMessaging(property);
    case Field::Aim:
    case Field::Icq:
    case Field::Jabber:
    case Field::Msn:
    case Field::Yahoo:
        return addHandle(serviceOf(field), handleOf(plainText(property).view()), property);
    }
}

// A card without a structured name still has its formatted name: a company's is its
// organization, anyone else's stands as the first name, so the card is not nameless.
void ContactBuilder::completeNames()
{
    if (m_formattedName.isEmpty())
        return;
    const auto isSet = [this](ABProperty property) {
        return !m_texts[std::size_t(property)].isEmpty();
    };
    const QByteArrayView name = m_formattedName.view();
    if (m_company) {
        if (!isSet(kABOrganizationProperty))
            setText(kABOrganizationProperty, Utf8(name), name);
        return;
    }
    for (const ABProperty part : {kABFirstNameProperty, kABLastNameProperty, kABMiddleNameProperty,
                                  kABTitleProperty, kABSuffixProperty}) {
        if (isSet(part))
            return;
    }
    if (m_texts[std::size_t(kABOrganizationProperty)].view() != name)
        setText(kABFirstNameProperty, Utf8(name), name);
}

void ContactBuilder::finishPerson()
{
    completeNames();
    addDeliveryLabels();
    if (m_hasNote)
        setText(kABNoteProperty, Utf8(std::move(m_notes)));
    for (quint32 set = m_textsSet; set != 0; set &= set - 1) {
        const int i = std::countr_zero(set);
        m_person->setTextUtf8(static_cast<ABProperty>(i), m_texts[std::size_t(i)].view());
    }
    for (const Entries &entries : m_entries) {
        if (entries.primary >= 0)
            m_person->markPrimary(entries.primary);
    }
    if (m_company)
        m_person->setValue(kABShowAsCompany, kABPersonFlags);
    if (m_birthday.isValid())
        m_person->setValue(QVariant::fromValue(m_birthday), kABBirthdayProperty);
    m_person->setImageData(m_photo.isEmpty() ? m_cardPicture : m_photo);
}

VCardContact ContactBuilder::build(const VCardCard &card, VCardDiagnostics &diagnostics,
                                   VCardCardKeys &keys)
{
    startCard(card, diagnostics);
    readCardWide();
    if (!m_group)
        m_person = &m_scratch;
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        read(m_card->properties[i], m_fields[i]);

    VCardHashedText reference(VCardIdentifiers::reference(m_uid));
    QString key = keys.key(m_uid, m_card->text);
    if (m_group) {
        VCardGroupCard group{std::nullopt, std::move(m_members)};
        const QString name = m_formattedName.isEmpty()
            ? m_texts[std::size_t(kABLastNameProperty)].toString()
            : m_formattedName.toString();
        if (!name.isEmpty())
            group.name = name;
        return {m_card->line, VCardIdentifiers::wantedGroupId(std::move(key)), std::move(reference),
                std::move(group)};
    }
    finishPerson();
    return {m_card->line, VCardIdentifiers::wantedPersonId(std::move(key)), std::move(reference),
            VCardPersonCard{m_person->takeFilled(), std::move(m_categories)}};
}

} // namespace

VCardContact readContact(const VCardCard &card, VCardDiagnostics &diagnostics, VCardCardKeys &keys)
{
    thread_local ContactBuilder builder;
    return builder.build(card, diagnostics, keys);
}
