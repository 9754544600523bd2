// SPDX-License-Identifier: GPL-3.0-or-later
// The messaging writer: five services in a fixed order, each with its own switch, scheme
// and a mark naming the service after the address.
#include "engine/datagroups.h"

#include "addressbook/abperson.h"
#include "engine/datagroupframe.h"
#include "engine/htmltext.h"
#include "settings/datakind.h"
#include "settings/exportsettings.h"

using namespace Qt::StringLiterals;

namespace {

// A switch rather than an array, so that a service without a property is a compile error
// (-Wswitch).
ABProperty propertyFor(MessagingService service)
{
    switch (service) {
    case MessagingService::AIM:
        return kABAIMInstantProperty;
    case MessagingService::ICQ:
        return kABICQInstantProperty;
    case MessagingService::Jabber:
        return kABJabberInstantProperty;
    case MessagingService::MSN:
        return kABMSNInstantProperty;
    case MessagingService::Yahoo:
        return kABYahooInstantProperty;
    }
    return kABAIMInstantProperty;
}

// Only that service is left out when its data cannot be read.
void writeServiceItems(DataGroupInCard &group, const ABPerson &person,
                       const MessagingServiceInfo &service, const CardContext &context)
{
    const ExportSettings &settings = context.settings;
    const QStringView itemClass = dataKindInfo(DataKind::InstantMessaging).itemClass;
    const QString scheme = settings.scheme(service.service).value_or(QString());
    const QString suffix = u" ("_s + service.title + u')';
    group.writeEntries(
        person, propertyFor(service.service), context.labels,
        [&](QString &card, const QVariant &value, const QString &label) -> Expected<void> {
            const Expected<QString> address = textValue(value);
            if (!address)
                return Unexpected(address.error());
            if (!address->isEmpty())
                appendDataItem(card, itemClass, label, scheme, *address, *address, suffix);
            return {};
        });
}

} // namespace

bool addInstantMessages(const ABPerson &person, const QString &, QString &card,
                        bool isFirstDataGroup, const CardContext &context)
{
    DataGroupInCard group(card, dataKindInfo(DataKind::InstantMessaging).groupClass,
                          person.uniqueId(), isFirstDataGroup);
    for (const MessagingServiceInfo &service : messagingServices()) {
        if (context.settings.include(service.service)
            && person.hasEntries(propertyFor(service.service)))
            writeServiceItems(group, person, service, context);
    }
    return group.close();
}
