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

// None when the service's data cannot be read: only that service is left out.
std::optional<QStringList> serviceItems(const ABPerson &person, const MessagingServiceInfo &service,
                                        const CardContext &context)
{
    const ExportSettings &settings = context.settings;
    const QStringView itemClass = dataKindInfo(DataKind::InstantMessaging).itemClass;
    const QString scheme = settings.scheme(service.service).value_or(QString());
    const QString suffix = u" ("_s + service.title + u')';
    return entryItems(person, propertyFor(service.service), context.labels,
                      [&](const QVariant &value, const QString &label) -> EntryItem {
                          const Expected<QString> address = textValue(value);
                          if (!address)
                              return Unexpected(address.error());
                          if (address->isEmpty())
                              return std::nullopt;
                          return makeDataItem(itemClass, label, scheme, *address, *address, suffix);
                      });
}

} // namespace

bool addInstantMessages(const ABPerson &person, const QString &, QString &card,
                        bool isFirstDataGroup, const CardContext &context)
{
    QStringList items;
    for (const MessagingServiceInfo &service : messagingServices()) {
        if (context.settings.include(service.service)
            && person.hasEntries(propertyFor(service.service)))
            items += serviceItems(person, service, context).value_or(QStringList());
    }
    return appendDataGroup(card, dataKindInfo(DataKind::InstantMessaging).groupClass.toString(),
                           person.uniqueId(), items, isFirstDataGroup);
}
