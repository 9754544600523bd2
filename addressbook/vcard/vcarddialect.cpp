// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcarddialect.h"

#include "addressbook/labeltable.h"

#include <QDate>
#include <QVarLengthArray>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

namespace VCardDialect {
namespace {

// Sorted by name, which keeps the list easy to read and lets a name listed twice be caught.
constexpr std::array kNames{
    FieldName{"ADR", Field::Address},
    FieldName{"ANNIVERSARY", Field::Anniversary},
    FieldName{"BDAY", Field::Birthday},
    FieldName{"CATEGORIES", Field::Categories},
    FieldName{"EMAIL", Field::Email},
    FieldName{"FN", Field::FormattedName},
    FieldName{"IMPP", Field::Messaging},
    FieldName{"KIND", Field::Kind},
    FieldName{"LABEL", Field::DeliveryLabel},
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
    FieldName{"X-ABADR", Field::ItemCountry},
    FieldName{"X-ABDATE", Field::OtherDate},
    FieldName{"X-ABLABEL", Field::ItemLabel},
    FieldName{"X-ABRELATEDNAMES", Field::RelatedName},
    FieldName{"X-ABSHOWAS", Field::ShowAs},
    FieldName{"X-ADDRESSBOOKSERVER-KIND", Field::GroupKind},
    FieldName{"X-ADDRESSBOOKSERVER-MEMBER", Field::Member},
    FieldName{"X-AIM", Field::Aim},
    FieldName{"X-ANNIVERSARY", Field::Anniversary},
    FieldName{"X-ASSISTANT", Field::Assistant},
    FieldName{"X-EVOLUTION-ANNIVERSARY", Field::Anniversary},
    FieldName{"X-EVOLUTION-ASSISTANT", Field::Assistant},
    FieldName{"X-EVOLUTION-CONTACT-LIST-INFO", Field::ListMember},
    FieldName{"X-EVOLUTION-LIST", Field::ListKind},
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

constexpr std::size_t kLongestName = 31;
static_assert(std::ranges::is_sorted(kNames, {}, &FieldName::name),
              "the property names must stay sorted");
static_assert(std::ranges::adjacent_find(kNames, {}, &FieldName::name) == kNames.end(),
              "a property name may be listed once only");
static_assert(std::ranges::all_of(kNames, [](const FieldName &entry) {
    return entry.name.size() <= kLongestName;
}));

static_assert(std::ranges::all_of(kNames, [](const FieldName &entry) {
    return entry.name.back() >= 'A' && entry.name.back() <= 'Z';
}));

// Every line of a card is looked up, so the names are put in buckets by their length and
// last letter, which leaves at most two names to compare. A third name in a bucket stops
// the build here; the room is then to be made larger.
constexpr std::size_t kBucketRoom = 2;
constexpr quint8 kNoName = 0xFF;
using NameBucket = std::array<quint8, kBucketRoom>;
constexpr auto kNamesByLengthAndLastLetter = [] {
    std::array<std::array<NameBucket, 26>, kLongestName + 1> buckets{};
    for (auto &byLetter : buckets) {
        for (NameBucket &bucket : byLetter)
            bucket.fill(kNoName);
    }
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        const std::string_view name = kNames[i].name;
        NameBucket &bucket = buckets[name.size()][std::size_t(name.back() - 'A')];
        const auto free = std::ranges::find(bucket, kNoName);
        if (free == bucket.end())
            throw "more names of one length and last letter than a bucket holds";
        *free = quint8(i);
    }
    return buckets;
}();

struct DateFields
{
    int year = ContactDate::kNoYear;
    int month = 0;
    int day = 0; // 0: the text gives none
};

bool allDigits(QByteArrayView text)
{
    return !text.isEmpty()
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The number digits (nothing else, four at most, as in a date) make; a general conversion
// costs more than the digits.
int valueOfDigits(QByteArrayView digits)
{
    int value = 0;
    for (const char digit : digits)
        value = value * 10 + (digit - '0');
    return value;
}

// The fields of a date without its time: "19850412" and "--0412" run together, while
// "1985-4-12", "--4-12" and "1985-04" are split at the dashes, where a month or day may be
// one digit. None for any other text.
std::optional<DateFields> dateFields(QByteArrayView text)
{
    QByteArrayView date = trimmedText(text);
    if (const qsizetype time = indexOfByte(date, 'T'); time >= 0)
        date = date.first(time);
    const bool noYear = date.startsWith("--");
    if (noYear)
        date = date.sliced(2);
    QVarLengthArray<QByteArrayView, 4> parts;
    if (indexOfByte(date, '-') >= 0) {
        for (qsizetype dash = indexOfByte(date, '-'); dash >= 0 && parts.size() < 3;
             dash = indexOfByte(date, '-')) {
            parts.append(date.first(dash));
            date = date.sliced(dash + 1);
        }
        parts.append(date);
    } else if (allDigits(date) && date.size() == (noYear ? 4 : 8)) {
        if (!noYear)
            parts.append(date.first(4));
        parts.append(date.sliced(noYear ? 0 : 4, 2));
        parts.append(date.last(2));
    }
    const bool shaped = noYear ? parts.size() == 2
                               : (parts.size() == 2 || parts.size() == 3) && parts[0].size() == 4;
    if (!shaped)
        return std::nullopt;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool isYear = i == 0 && !noYear;
        if (!allDigits(parts[i]) || (!isYear && parts[i].size() > 2))
            return std::nullopt;
    }
    DateFields fields;
    qsizetype next = 0;
    if (!noYear)
        fields.year = valueOfDigits(parts[next++]);
    fields.month = valueOfDigits(parts[next++]);
    if (next < parts.size())
        fields.day = valueOfDigits(parts[next]);
    return fields;
}

// The types that decide a label, found in one pass over the parameters: a phone line asks
// for up to eight of them.
enum : Types {
    kHome = 1,
    kWork = 2,
    kFax = 4,
    kIPhone = 8,
    kCell = 16,
    kMain = 32,
    kPager = 64,
    kPref = 128
};

// A type of up to seven bytes, upper-cased, as one word with its length in the top byte:
// comparing words is cheaper than comparing texts, and every phone line compares several.
// 0 for a text longer than that, which is none of the types.
constexpr quint64 typeWord(QByteArrayView value)
{
    if (value.size() > 7)
        return 0;
    quint64 word = quint64(value.size()) << 56;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value[i];
        word |= quint64(uchar(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c)) << (8 * i);
    }
    return word;
}

// What typeWord gives for the known types, eight bytes at once: clearing the bit of case in
// every byte upper-cases the letters and turns no other byte into a letter, and the known
// types are letters alone.
quint64 foldedTypeWord(QByteArrayView value)
{
    if (value.size() > 7)
        return 0;
    quint64 bytes = 0;
    if (!value.isEmpty())
        std::memcpy(&bytes, value.data(), std::size_t(value.size()));
    constexpr quint64 kCaseBits = 0x0020202020202020;
    return (qFromLittleEndian(bytes) & ~kCaseBits) | quint64(value.size()) << 56;
}

constexpr std::array<std::pair<quint64, Types>, 9> kTypeWords{{
    {typeWord("HOME"), kHome},
    {typeWord("WORK"), kWork},
    {typeWord("FAX"), kFax},
    {typeWord("IPHONE"), kIPhone},
    {typeWord("CELL"), kCell},
    {typeWord("MOBILE"), kCell},
    {typeWord("MAIN"), kMain},
    {typeWord("PAGER"), kPager},
    {typeWord("PREF"), kPref},
}};

} // namespace

Types typesOf(const VCardProperty &property)
{
    Types types = 0;
    for (const VCardParameter &parameter : property.parameters) {
        if (!equalsIgnoringCase(parameter.name, "TYPE"))
            continue;
        const quint64 word = foldedTypeWord(trimmedText(parameter.value));
        for (const auto &[known, type] : kTypeWords) {
            if (word == known)
                types |= type;
        }
    }
    return types;
}

std::span<const FieldName> fieldNames()
{
    return kNames;
}

Field fieldOf(QByteArrayView name)
{
    if (name.isEmpty() || name.size() > qsizetype(kLongestName))
        return Field::Unknown; // longer than any name we read
    const char last
        = name.back() >= 'a' && name.back() <= 'z' ? char(name.back() - 'a' + 'A') : name.back();
    if (last < 'A' || last > 'Z')
        return Field::Unknown;
    for (const quint8 i :
         kNamesByLengthAndLastLetter[std::size_t(name.size())][std::size_t(last - 'A')]) {
        if (i != kNoName && equalsIgnoringCase(name, QByteArrayView(kNames[i].name)))
            return kNames[i].field;
    }
    return Field::Unknown;
}

std::optional<ContactDate> parseDate(QByteArrayView text, std::optional<int> omittedYear)
{
    const std::optional<DateFields> fields = dateFields(text);
    if (!fields || fields->day == 0 || !QDate::isValid(fields->year, fields->month, fields->day))
        return std::nullopt;
    if (fields->year == ContactDate::kNoYear || omittedYear == fields->year)
        return ContactDate::withoutYear(fields->month, fields->day);
    return ContactDate(QDate(fields->year, fields->month, fields->day));
}

bool isYearAndMonth(QByteArrayView text)
{
    const std::optional<DateFields> fields = dateFields(text);
    return fields && fields->year != ContactDate::kNoYear && fields->day == 0 && fields->month >= 1
        && fields->month <= 12;
}

QString phoneLabel(Types types)
{
    const bool home = types & kHome;
    const bool work = types & kWork;
    if (types & kFax)
        return home ? kABPhoneHomeFAXLabel : work ? kABPhoneWorkFAXLabel : kABPhoneOtherFAXLabel;
    // Phones write their own number as CELL and IPHONE together; the more exact one wins.
    if (types & kIPhone)
        return kABPhoneIPhoneLabel;
    if (types & kCell)
        return kABPhoneMobileLabel;
    if (types & kMain)
        return kABPhoneMainLabel;
    if (types & kPager)
        return kABPhonePagerLabel;
    return home ? kABHomeLabel : work ? kABWorkLabel : kABOtherLabel;
}

QString placeLabel(Types types)
{
    if (types & kHome)
        return kABHomeLabel;
    if (types & kWork)
        return kABWorkLabel;
    return kABOtherLabel;
}

int preference(const VCardProperty &property, Types types)
{
    if (types & kPref)
        return 1;
    const std::optional<QByteArrayView> pref = property.parameter("PREF");
    if (!pref)
        return kNotPreferred;
    bool ok = false;
    const int rank = pref->toInt(&ok);
    return ok && rank > 0 ? rank : kNotPreferred - 1;
}

std::optional<QByteArrayView> schemeOf(QByteArrayView value)
{
    const qsizetype colon = value.indexOf(':');
    if (colon <= 0 || !std::isalpha(uchar(value[0])))
        return std::nullopt;
    for (const char c : value.first(colon)) {
        if (!std::isalnum(uchar(c)) && c != '+' && c != '-' && c != '.')
            return std::nullopt;
    }
    return value.first(colon);
}

QString handleOf(QByteArrayView value)
{
    const std::optional<QByteArrayView> scheme = schemeOf(value);
    if (!scheme)
        return QString::fromUtf8(value.trimmed());
    QByteArrayView handle = value.sliced(scheme->size() + 1);
    while (handle.startsWith('/'))
        handle = handle.sliced(1);
    for (const QByteArrayView prefix :
         {QByteArrayView("goim?screenname="), QByteArrayView("addbuddy?screenname="),
          QByteArrayView("chat?contact="), QByteArrayView("sendIM?")}) {
        if (startsWithIgnoringCase(handle, prefix)) {
            handle = handle.sliced(prefix.size());
            break;
        }
    }
    const auto query
        = std::find_if(handle.begin(), handle.end(), [](char c) { return c == '?' || c == '&'; });
    return QString::fromUtf8(handle.first(query - handle.begin()).trimmed());
}

// Names of services are compared without case and without blanks ("Google Talk").
std::optional<ABProperty> messagingService(QByteArrayView name)
{
    static constexpr auto kServices = std::to_array<std::pair<std::string_view, ABProperty>>({
        {"aim", kABAIMInstantProperty},
        {"icq", kABICQInstantProperty},
        {"jabber", kABJabberInstantProperty},
        {"xmpp", kABJabberInstantProperty},
        {"googletalk", kABJabberInstantProperty},
        {"gtalk", kABJabberInstantProperty},
        {"msn", kABMSNInstantProperty},
        {"msnim", kABMSNInstantProperty},
        {"windowslive", kABMSNInstantProperty},
        {"yahoo", kABYahooInstantProperty},
        {"ymsgr", kABYahooInstantProperty},
    });
    std::array<char, 16> joined{}; // room for the longest name
    qsizetype size = 0;
    for (const char c : trimmedText(name)) {
        if (c == ' ')
            continue;
        if (size == qsizetype(joined.size()))
            return std::nullopt;
        joined[std::size_t(size++)] = c;
    }
    for (const auto &[service, property] : kServices) {
        if (equalsIgnoringCase(QByteArrayView(joined.data(), size), QByteArrayView(service)))
            return property;
    }
    return std::nullopt;
}

} // namespace VCardDialect
