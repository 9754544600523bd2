// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcarddialect.h"

#include "addressbook/labeltable.h"

#include <QDate>

#include <algorithm>
#include <array>
#include <cctype>

namespace VCardDialect {
namespace {

// Sorted by name, so a lookup is a binary search without allocating.
constexpr std::array names{
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
    FieldName{"X-EVOLUTION-CONTACT-LIST-INFO", Field::ListMember},
    FieldName{"X-EVOLUTION-LIST", Field::GroupKind},
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

// A lookup is a binary search, so the table must stay sorted; and a name must fit the
// upper-case buffer of fieldOf.
constexpr std::size_t kLongestName = 31;
static_assert(std::ranges::is_sorted(names, {}, &FieldName::name),
              "the property names must stay sorted");
static_assert(std::ranges::adjacent_find(names, {}, &FieldName::name) == names.end(),
              "a property name may be listed once only");
static_assert(std::ranges::all_of(names, [](const FieldName &entry) {
    return entry.name.size() <= kLongestName;
}));

} // namespace

std::span<const FieldName> fieldNames()
{
    return names;
}

Field fieldOf(QByteArrayView name)
{
    std::array<char, kLongestName + 1> upper{};
    if (name.size() >= qsizetype(upper.size()))
        return Field::Unknown; // longer than any name we read
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char c = name[i];
        upper[std::size_t(i)] = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    }
    const std::string_view key(upper.data(), std::size_t(name.size()));
    const auto it = std::lower_bound(
        names.begin(), names.end(), key,
        [](const FieldName &entry, std::string_view wanted) { return entry.name < wanted; });
    return it != names.end() && it->name == key ? it->field : Field::Unknown;
}

std::optional<ContactDate> parseDate(QByteArrayView text, std::optional<int> omittedYear)
{
    QByteArrayView date = text.trimmed();
    const qsizetype time = date.indexOf('T');
    if (time >= 0)
        date = date.first(time);
    const bool noYear = date.startsWith("--");
    QByteArray digits = date.sliced(noYear ? 2 : 0).toByteArray();
    digits.replace("-", "");
    const bool allDigits = !digits.isEmpty()
        && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!allDigits || digits.size() != (noYear ? 4 : 8))
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

int preference(const VCardProperty &property)
{
    if (property.hasType("PREF"))
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

std::optional<ABProperty> messagingService(QByteArrayView name)
{
    QByteArray lower = name.trimmed().toByteArray().toLower();
    lower.replace(" ", "");
    if (lower == "aim")
        return kABAIMInstantProperty;
    if (lower == "icq")
        return kABICQInstantProperty;
    if (lower == "jabber" || lower == "xmpp" || lower == "googletalk" || lower == "gtalk")
        return kABJabberInstantProperty;
    if (lower == "msn" || lower == "msnim" || lower == "windowslive")
        return kABMSNInstantProperty;
    if (lower == "yahoo" || lower == "ymsgr")
        return kABYahooInstantProperty;
    return std::nullopt;
}

} // namespace VCardDialect
