// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/abperson.h"

#include <QStringEncoder>

#include <algorithm>
#include <cstring>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

enum class Kind { Text, List, Birthday, Flags, None };

struct Slot
{
    Kind kind;
    int index;
};

// The slot of a text property in kABPersonTextProperties, or -1 for any other property.
constexpr int textSlot(ABProperty property)
{
    const auto *found
        = std::find(kABPersonTextProperties.begin(), kABPersonTextProperties.end(), property);
    return found == kABPersonTextProperties.end()
        ? -1
        : static_cast<int>(found - kABPersonTextProperties.begin());
}

constexpr bool textSlotsAreDistinct()
{
    for (std::size_t i = 0; i < kABPersonTextProperties.size(); ++i) {
        if (textSlot(kABPersonTextProperties[i]) != static_cast<int>(i))
            return false;
    }
    return true;
}
static_assert(textSlotsAreDistinct(), "a text property listed twice would share a slot");

constexpr Slot slotWorkedOut(ABProperty property)
{
    if (const int slot = textSlot(property); slot >= 0)
        return {Kind::Text, slot};
    switch (property) {
    case kABPersonFlags:
        return {Kind::Flags, 0};
    case kABBirthdayProperty:
        return {Kind::Birthday, 0};
    case kABGroupNameProperty:
        return {Kind::None, 0};
    default:
        return {Kind::List, 0};
    }
}

// Looked up for every value a reader adds, so worked out once for every property.
constexpr auto kSlots = [] {
    std::array<Slot, kABPropertyCount> slots{};
    for (std::size_t property = 0; property < slots.size(); ++property)
        slots[property] = slotWorkedOut(static_cast<ABProperty>(property));
    return slots;
}();

Slot slotOf(ABProperty property)
{
    return kSlots[static_cast<std::size_t>(property)];
}

// The labels nearly every entry has, kept as a number instead of a text of their own.
// Sized by its list, so that no empty label can stand in for a missing one.
const auto &standardLabels()
{
    static const auto kLabels = std::to_array<QString>(
        {kABHomeLabel, kABWorkLabel, kABOtherLabel, kABPhoneMobileLabel, kABPhoneIPhoneLabel,
         kABPhoneMainLabel, kABPhoneHomeFAXLabel, kABPhoneWorkFAXLabel, kABPhoneOtherFAXLabel,
         kABPhonePagerLabel, kABHomePageLabel, kABAnniversaryLabel, kABSpouseLabel, kABManagerLabel,
         kABAssistantLabel});
    return kLabels;
}

const std::array<QString, kABAddressFieldCount> &addressKeys()
{
    static const std::array<QString, kABAddressFieldCount> kKeys{
        kABAddressStreetKey, kABAddressCityKey,    kABAddressStateKey,
        kABAddressZIPKey,    kABAddressCountryKey, kABAddressCountryCodeKey};
    return kKeys;
}

constexpr QChar kFieldSeparator = u'\x1F';

} // namespace

ABPerson::ABPerson(QString uniqueId)
    : m_uniqueId(std::move(uniqueId))
{}

ABPerson::Span ABPerson::store(QStringView text)
{
    if (text.isNull())
        return {};
    QStringEncoder encoder(QStringEncoder::Utf8);
    const qsizetype start = m_texts.size();
    const qsizetype room = encoder.requiredSpace(text.size());
    if (start + room > std::numeric_limits<qint32>::max())
        return {}; // past what a person's texts can hold; readers never get near
    m_texts.resize(start + room);
    char *end = encoder.appendToBuffer(m_texts.data() + start, text);
    m_texts.resize(end - m_texts.constData());
    return {quint32(start), quint32(m_texts.size() - start)};
}

ABPerson::Span ABPerson::storeUtf8(QByteArrayView text)
{
    if (text.isNull())
        return {};
    const qsizetype start = m_texts.size();
    if (start + text.size() > std::numeric_limits<qint32>::max())
        return {};
    // Resized and copied rather than appended: a reader appends every value of a card here,
    // into room it reserved, and the general append costs more than the copy.
    m_texts.resize(start + text.size());
    if (!text.isEmpty())
        std::memcpy(m_texts.data() + start, text.data(), std::size_t(text.size()));
    return {quint32(start), quint32(text.size())};
}

QString ABPerson::text(Span span) const
{
    if (!span.isSet())
        return {};
    if (span.length == 0)
        return QString(u""_s);
    return QString::fromUtf8(m_texts.constData() + span.offset, span.length);
}

QVariant ABPerson::entryValue(const Entry &entry) const
{
    if (entry.property == kABOtherDatesProperty) {
        const QDate date = QDate::fromJulianDay(entry.day);
        return QVariant::fromValue(
            entry.hasYear ? ContactDate(date) : ContactDate::withoutYear(date.month(), date.day()));
    }
    if (entry.property != kABAddressProperty)
        return text(entry.value);
    QVariantMap address;
    const QString fields = text(entry.value);
    const QList<QStringView> parts = QStringView(fields).split(kFieldSeparator);
    for (std::size_t i = 0; i < addressKeys().size() && i < std::size_t(parts.size()); ++i) {
        if (!parts[qsizetype(i)].isEmpty())
            address.insert(addressKeys()[i], parts[qsizetype(i)].toString());
    }
    return address;
}

QString ABPerson::entryLabel(const Entry &entry) const
{
    return entry.standardLabel >= 0 ? standardLabels()[std::size_t(entry.standardLabel)]
                                    : text(entry.label);
}

QVariant ABPerson::valueForProperty(ABProperty property) const
{
    const Slot slot = slotOf(property);
    switch (slot.kind) {
    case Kind::Text:
        return m_textSpans[std::size_t(slot.index)].isSet()
            ? QVariant(text(m_textSpans[std::size_t(slot.index)]))
            : QVariant();
    case Kind::List:
        if (std::optional<MultiValue> values = multiValueForProperty(property))
            return QVariant::fromValue(*values);
        return {};
    case Kind::Birthday:
        return m_birthday.isValid() ? QVariant::fromValue(m_birthday) : QVariant();
    case Kind::Flags:
        return m_flags ? QVariant(*m_flags) : QVariant();
    case Kind::None:
        break;
    }
    return {};
}

std::optional<QString> ABPerson::stringForProperty(ABProperty property) const
{
    const Slot slot = slotOf(property);
    if (slot.kind != Kind::Text || !m_textSpans[std::size_t(slot.index)].isSet())
        return std::nullopt;
    return text(m_textSpans[std::size_t(slot.index)]);
}

std::optional<MultiValue> ABPerson::multiValueForProperty(ABProperty property) const
{
    if (slotOf(property).kind != Kind::List)
        return std::nullopt;
    std::optional<MultiValue> values;
    for (const Entry &entry : m_entries) {
        if (entry.property != property)
            continue;
        if (!values)
            values.emplace();
        const QString identifier = values->addValue(entryValue(entry), entryLabel(entry));
        if (entry.primary)
            values->setPrimaryIdentifier(identifier);
    }
    return values;
}

void ABPerson::forEachEntry(
    ABProperty property,
    const std::function<void(const QString &label, const QVariant &value)> &visit) const
{
    for (const Entry &entry : m_entries) {
        if (entry.property != property)
            continue;
        // A standard label is handed over in place, not copied: threads writing cards side
        // by side would otherwise take turns counting references to the same text.
        if (entry.standardLabel >= 0)
            visit(standardLabels()[std::size_t(entry.standardLabel)], entryValue(entry));
        else
            visit(text(entry.label), entryValue(entry));
    }
}

void ABPerson::forEachAddress(
    const std::function<void(const QString &label, const ABAddressFields &address)> &visit) const
{
    for (const Entry &entry : m_entries) {
        if (entry.property != kABAddressProperty)
            continue;
        const QString fields = text(entry.value);
        ABAddressFields address;
        std::size_t i = 0;
        for (const QStringView part : qTokenize(fields, kFieldSeparator)) {
            if (i == address.size())
                break;
            address[i++] = part;
        }
        // A standard label is handed over in place, as in forEachEntry.
        const QString custom = entry.standardLabel >= 0 ? QString() : text(entry.label);
        visit(entry.standardLabel >= 0 ? standardLabels()[std::size_t(entry.standardLabel)]
                                       : custom,
              address);
    }
}

bool ABPerson::hasEntries(ABProperty property) const
{
    return std::ranges::any_of(
        m_entries, [property](const Entry &entry) { return entry.property == property; });
}

std::optional<qsizetype> ABPerson::primaryEntryIndex(ABProperty property) const
{
    std::optional<qsizetype> primary;
    qsizetype index = 0;
    for (const Entry &entry : m_entries) {
        if (entry.property != property)
            continue;
        if (entry.primary)
            primary = index; // the last one marked wins, as in a MultiValue
        ++index;
    }
    return primary;
}

void ABPerson::setText(ABProperty property, QStringView text)
{
    const Slot slot = slotOf(property);
    if (slot.kind == Kind::Text)
        m_textSpans[std::size_t(slot.index)] = store(text);
}

void ABPerson::setTextUtf8(ABProperty property, QByteArrayView text)
{
    const Slot slot = slotOf(property);
    if (slot.kind == Kind::Text)
        m_textSpans[std::size_t(slot.index)] = storeUtf8(text);
}

void ABPerson::append(Entry entry, const QString &label)
{
    // Readers pass the standard labels themselves, which are found by where their text is
    // before any text is compared.
    auto standard = std::find_if(
        standardLabels().begin(), standardLabels().end(),
        [&label](const QString &known) { return known.constData() == label.constData(); });
    if (standard == standardLabels().end())
        standard = std::find(standardLabels().begin(), standardLabels().end(), label);
    if (standard != standardLabels().end())
        entry.standardLabel = qint16(standard - standardLabels().begin());
    else
        entry.label = store(label);
    m_entries.push_back(entry);
}

bool ABPerson::addEntry(ABProperty property, const QString &label, const QVariant &value)
{
    if (slotOf(property).kind != Kind::List)
        return false;
    if (property == kABAddressProperty) {
        const QVariantMap address = value.toMap();
        std::array<QByteArray, kABAddressFieldCount> utf8;
        std::array<QByteArrayView, kABAddressFieldCount> fields;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            utf8[i] = address.value(addressKeys()[i]).toString().toUtf8();
            fields[i] = utf8[i];
        }
        addAddressUtf8(label, fields);
        return true;
    }
    if (property == kABOtherDatesProperty) {
        addDateEntry(label,
                     value.metaType() == QMetaType::fromType<ContactDate>()
                         ? value.value<ContactDate>()
                         : ContactDate(value.toDate()));
        return true;
    }
    Entry entry;
    entry.property = property;
    entry.value = store(value.toString());
    if (!entry.value.isSet())
        entry.value = store(u"");
    append(entry, label);
    return true;
}

void ABPerson::addDateEntry(const QString &label, const ContactDate &date)
{
    Entry entry;
    entry.property = kABOtherDatesProperty;
    entry.day = qint32(date.date().toJulianDay());
    entry.hasYear = date.hasYear();
    append(entry, label);
}

bool ABPerson::addTextEntryUtf8(ABProperty property, const QString &label, QByteArrayView text)
{
    if (slotOf(property).kind != Kind::List || property == kABOtherDatesProperty
        || property == kABAddressProperty)
        return false;
    Entry entry;
    entry.property = property;
    entry.value = storeUtf8(text.isNull() ? QByteArrayView("") : text);
    append(entry, label);
    return true;
}

void ABPerson::addAddressUtf8(const QString &label,
                              const std::array<QByteArrayView, kABAddressFieldCount> &fields)
{
    // The fields go one after another into the texts, between separators, so together they
    // are one span; the room for all is made at once.
    qsizetype size = qsizetype(fields.size()) - 1;
    for (const QByteArrayView field : fields)
        size += field.size();
    const qsizetype start = m_texts.size();
    if (start + size > std::numeric_limits<qint32>::max())
        return;
    m_texts.resize(start + size);
    char *out = m_texts.data() + start;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            *out++ = kFieldSeparator.toLatin1();
        if (!fields[i].isEmpty())
            out = std::copy(fields[i].begin(), fields[i].end(), out);
    }
    Entry entry;
    entry.property = kABAddressProperty;
    entry.value = {quint32(start), quint32(size)};
    append(entry, label);
}

void ABPerson::setPrimary(ABProperty property, qsizetype index)
{
    qsizetype position = 0;
    for (Entry &entry : m_entries) {
        if (entry.property == property)
            entry.primary = position++ == index;
    }
}

void ABPerson::markPrimary(qsizetype position)
{
    if (position >= 0 && std::size_t(position) < m_entries.size())
        m_entries[std::size_t(position)].primary = true;
}

void ABPerson::clearEntries(ABProperty property)
{
    std::erase_if(m_entries, [property](const Entry &entry) { return entry.property == property; });
}

ABPerson ABPerson::takeFilled()
{
    ABPerson filled(std::exchange(m_uniqueId, QString()));
    if (!m_texts.isEmpty())
        filled.m_texts = QByteArray(m_texts.constData(), m_texts.size());
    filled.m_entries.assign(m_entries.begin(), m_entries.end());
    filled.m_textSpans = std::exchange(m_textSpans, {});
    filled.m_imageData = std::exchange(m_imageData, QByteArray());
    filled.m_birthday = std::exchange(m_birthday, ContactDate());
    filled.m_flags = std::exchange(m_flags, std::nullopt);
    m_texts.resize(0); // keeps its room for the next person
    m_entries.clear();
    return filled;
}

void ABPerson::setValue(const QVariant &value, ABProperty property)
{
    const Slot slot = slotOf(property);
    switch (slot.kind) {
    case Kind::Text:
        setText(property, value.canConvert<QString>() ? value.toString() : QString());
        break;
    case Kind::List: {
        clearEntries(property);
        if (value.metaType() != QMetaType::fromType<MultiValue>())
            break;
        const MultiValue values = value.value<MultiValue>();
        const std::optional<qsizetype> primary
            = values.indexForIdentifier(values.primaryIdentifier());
        for (qsizetype i = 0; i < values.count(); ++i)
            addEntry(property, values.labelAtIndex(i), values.valueAtIndex(i));
        if (primary)
            setPrimary(property, *primary);
        break;
    }
    case Kind::Birthday:
        m_birthday = value.metaType() == QMetaType::fromType<ContactDate>()
            ? value.value<ContactDate>()
            : ContactDate(value.toDate());
        break;
    case Kind::Flags: {
        bool ok = false;
        const qint64 flags = value.toLongLong(&ok);
        m_flags = ok ? std::optional<qint64>(flags) : std::nullopt;
        break;
    }
    case Kind::None:
        break;
    }
}

std::optional<QByteArray> ABPerson::imageData() const
{
    if (m_imageData.isEmpty())
        return std::nullopt;
    return m_imageData;
}

void ABPerson::setImageData(const QByteArray &bytes)
{
    m_imageData = bytes;
}
