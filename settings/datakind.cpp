// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/datakind.h"

#include "settings/settingskeys.h"

using namespace Qt::StringLiterals;

namespace {

MessagingServiceInfo service(const QString &title)
{
    const QString name = QString(title).remove(u'!');
    return {title, name, u"include"_s + name, name.toLower() + u"URIScheme"_s,
            title + u" URI Scheme"_s};
}

} // namespace

const QList<DataKindInfo> &dataKinds()
{
    using namespace SettingsKeys;
    static const QList<DataKindInfo> kinds{
        {DataKind::Phone, u"Phone"_s, includePhone, phoneURIScheme, u"Phone URI Scheme"_s},
        {DataKind::Email, u"Email"_s, includeEmail, emailURIScheme, u"Email URI Scheme"_s},
        {DataKind::Web, u"Web"_s, includeWeb, webURIScheme, u"Web URI Scheme"_s},
        {DataKind::Dates, u"Dates"_s, includeDate, dateURIScheme, u"Date URI Scheme"_s},
        {DataKind::RelatedNames, u"Related Names"_s, includeRelatedName, relatedNameURIScheme,
         u"Related Name URI Scheme"_s},
        {DataKind::InstantMessaging, u"Instant Messaging"_s, includeInstantMessaging, {}, {}},
        {DataKind::Postal, u"Postal"_s, includePostal, postalURIScheme, u"Postal URI Scheme"_s},
        {DataKind::Note, u"Note"_s, includeNote, noteURIScheme, u"Note URI Scheme"_s},
    };
    return kinds;
}

std::optional<DataKindInfo> dataKindInfo(int id)
{
    if (id < 0 || id >= dataKinds().size())
        return std::nullopt;
    return dataKinds().at(id);
}

const QList<MessagingServiceInfo> &messagingServices()
{
    static const QList<MessagingServiceInfo> services{service(u"AIM"_s), service(u"ICQ"_s),
                                                      service(u"Jabber"_s), service(u"MSN"_s),
                                                      service(u"Yahoo!"_s)};
    return services;
}
