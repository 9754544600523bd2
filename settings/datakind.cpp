// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/datakind.h"

#include <utility>

namespace {

// The titles and placeholders are keys of the "ui" table, marked for lupdate where they are
// written.
constexpr std::array<DataKindInfo, kDataKindCount> kKinds{{
    {DataKind::Phone, u"" QT_TRANSLATE_NOOP("ui", "Phone"), u"includePhone", u"phoneURIScheme",
     u"dialectic://dial?number=", u"" QT_TRANSLATE_NOOP("ui", "Phone URI Scheme"), u"phone",
     u"phone"},
    {DataKind::Email, u"" QT_TRANSLATE_NOOP("ui", "Email"), u"includeEmail", u"emailURIScheme",
     u"mailto:", u"" QT_TRANSLATE_NOOP("ui", "Email URI Scheme"), u"email", u"email"},
    {DataKind::Web, u"" QT_TRANSLATE_NOOP("ui", "Web"), u"includeWeb", u"webURIScheme", u"http://",
     u"" QT_TRANSLATE_NOOP("ui", "Web URI Scheme"), u"webpage", u"web"},
    {DataKind::Dates, u"" QT_TRANSLATE_NOOP("ui", "Dates"), u"includeDate", u"dateURIScheme", u"",
     u"" QT_TRANSLATE_NOOP("ui", "Date URI Scheme"), u"date", u"date"},
    {DataKind::RelatedNames, u"" QT_TRANSLATE_NOOP("ui", "Related Names"), u"includeRelatedName",
     u"relatedNameURIScheme", u"", u"" QT_TRANSLATE_NOOP("ui", "Related Name URI Scheme"),
     u"relatedname", u"relatedname"},
    {DataKind::InstantMessaging,
     u"" QT_TRANSLATE_NOOP("ui", "Instant Messaging"),
     u"includeInstantMessaging",
     {},
     {},
     {},
     u"instantmessage",
     u"instantmessage"},
    {DataKind::Postal, u"" QT_TRANSLATE_NOOP("ui", "Postal"), u"includePostal", u"postalURIScheme",
     u"", u"" QT_TRANSLATE_NOOP("ui", "Postal URI Scheme"), u"postal", u"postal"},
    {DataKind::Note, u"" QT_TRANSLATE_NOOP("ui", "Note"), u"includeNote", u"noteURIScheme", u"",
     u"" QT_TRANSLATE_NOOP("ui", "Note URI Scheme"), u"note", u"note"},
}};

constexpr std::array<MessagingServiceInfo, kMessagingServiceCount> kServices{{
    {MessagingService::AIM, u"" QT_TRANSLATE_NOOP("ui", "AIM"), u"includeAIM", u"aimURIScheme",
     u"aim:goim?screenname=", u"" QT_TRANSLATE_NOOP("ui", "AIM URI Scheme")},
    {MessagingService::ICQ, u"" QT_TRANSLATE_NOOP("ui", "ICQ"), u"includeICQ", u"icqURIScheme",
     u"aim:goim?screenname=", u"" QT_TRANSLATE_NOOP("ui", "ICQ URI Scheme")},
    {MessagingService::Jabber, u"" QT_TRANSLATE_NOOP("ui", "Jabber"), u"includeJabber",
     u"jabberURIScheme", u"xmpp:%@?message", u"" QT_TRANSLATE_NOOP("ui", "Jabber URI Scheme")},
    {MessagingService::MSN, u"" QT_TRANSLATE_NOOP("ui", "MSN"), u"includeMSN", u"msnURIScheme",
     u"msn:", u"" QT_TRANSLATE_NOOP("ui", "MSN URI Scheme")},
    {MessagingService::Yahoo, u"" QT_TRANSLATE_NOOP("ui", "Yahoo!"), u"includeYahoo",
     u"yahooURIScheme", u"ymsgr:sendim?", u"" QT_TRANSLATE_NOOP("ui", "Yahoo! URI Scheme")},
}};

// Row i must describe enumerator i, so that indexing by the enum finds its own row.
template<typename Row, std::size_t count, typename Enum>
constexpr bool isInEnumOrder(const std::array<Row, count> &rows, Enum Row::*field)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (static_cast<std::size_t>(rows[i].*field) != i)
            return false;
    }
    return true;
}
static_assert(isInEnumOrder(kKinds, &DataKindInfo::kind));
static_assert(isInEnumOrder(kServices, &MessagingServiceInfo::service));
static_assert(static_cast<std::size_t>(DataKind::Note) + 1 == kDataKindCount);
static_assert(static_cast<std::size_t>(MessagingService::Yahoo) + 1 == kMessagingServiceCount);

} // namespace

const std::array<DataKindInfo, kDataKindCount> &dataKinds()
{
    return kKinds;
}

const DataKindInfo &dataKindInfo(DataKind kind)
{
    return kKinds.at(static_cast<std::size_t>(kind));
}

std::optional<DataKind> dataKindFromId(int id)
{
    if (id < 0 || static_cast<std::size_t>(id) >= kDataKindCount)
        return std::nullopt;
    return static_cast<DataKind>(id);
}

QList<int> dataOrderFromSetting(const QVariant &stored)
{
    std::array<bool, kDataKindCount> placed{};
    QList<int> order;
    const auto place = [&](int id) {
        if (dataKindFromId(id) && !std::exchange(placed.at(std::size_t(id)), true))
            order.append(id);
    };
    const QVariantList entries = stored.toList();
    for (const QVariant &entry : entries) {
        bool isNumber = false;
        const int id = entry.toInt(&isNumber);
        if (isNumber)
            place(id);
    }
    for (std::size_t id = 0; id < kDataKindCount; ++id)
        place(int(id));
    return order;
}

const std::array<MessagingServiceInfo, kMessagingServiceCount> &messagingServices()
{
    return kServices;
}

const MessagingServiceInfo &messagingServiceInfo(MessagingService service)
{
    return kServices.at(static_cast<std::size_t>(service));
}
