// SPDX-License-Identifier: GPL-3.0-or-later
// The messaging writer: five services in a fixed order, each with its own switch, scheme
// and a suffix naming the service after the address.
#include "engine/datagroups.h"

#include "addressbook/abperson.h"
#include "engine/datagroupframe.h"
#include "engine/htmltext.h"
#include "settings/exportsettings.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

struct MessagingService
{
    bool ExportSettings::*include;
    std::optional<QString> ExportSettings::*scheme;
    ABProperty property;
    const char16_t *suffix; // takes the place of the item's "</span></div>"
};

// The page's order, which is not the order of the settings.
constexpr std::array<MessagingService, 5> services{{
    {&ExportSettings::includeAIM, &ExportSettings::aimURIScheme, kABAIMInstantProperty,
     u" (AIM)</span></div>"},
    {&ExportSettings::includeICQ, &ExportSettings::icqURIScheme, kABICQInstantProperty,
     u" (ICQ)</span></div>"},
    {&ExportSettings::includeJabber, &ExportSettings::jabberURIScheme, kABJabberInstantProperty,
     u" (Jabber)</span></div>"},
    {&ExportSettings::includeMSN, &ExportSettings::msnURIScheme, kABMSNInstantProperty,
     u" (MSN)</span></div>"},
    {&ExportSettings::includeYahoo, &ExportSettings::yahooURIScheme, kABYahooInstantProperty,
     u" (Yahoo!)</span></div>"},
}};

// None when the service's data cannot be read: only that service is left out.
std::optional<QStringList> serviceItems(const ABPerson &person, const MessagingService &service,
                                        const ExportSettings &settings)
{
    const QString scheme = (settings.*service.scheme).value_or(QString());
    const QString suffix = QString::fromUtf16(service.suffix);
    return entryItems(
        person, service.property,
        [&](const QVariant &value, const QString &label, QString &error) -> std::optional<QString> {
            const std::optional<QString> address = textValue(value, error);
            if (!address || address->isEmpty())
                return std::nullopt;
            return makeDataItem(u"instantmessage"_s, label, scheme, *address, *address)
                .replace(u"</span></div>"_s, suffix);
        });
}

} // namespace

bool addInstantMessages(const ABPerson &person, const QString &, QString &card,
                        bool isFirstDataGroup, const CardContext &context)
{
    QStringList items;
    for (const MessagingService &service : services) {
        if (context.settings.*service.include)
            items += serviceItems(person, service, context.settings).value_or(QStringList());
    }
    return appendDataGroup(card, u"instantmessage"_s, person.uniqueId(), items, isFirstDataGroup);
}
