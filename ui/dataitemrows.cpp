// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dataitemrows.h"

#include "engine/uitext.h"
#include "settings/datakind.h"
#include "settings/settingskeys.h"

namespace DataItemRows {

namespace {

QString ui(const QString &key)
{
    return uiText(key.toUtf8().constData());
}

} // namespace

SwitchButtonData switchButtonData(int kind)
{
    const DataKindInfo info = dataKinds().at(kind);
    return {ui(info.rowTitle), info.includeKey, {}};
}

std::optional<UriTextFieldData> uriTextFieldData(int kind)
{
    const DataKindInfo info = dataKinds().at(kind);
    if (info.schemeKey.isEmpty())
        return std::nullopt;
    return UriTextFieldData{ui(info.placeholder), info.schemeKey, info.includeKey, {}};
}

int serviceCount()
{
    return static_cast<int>(messagingServices().size());
}

SwitchButtonData serviceSwitchButtonData(int service)
{
    const MessagingServiceInfo info = messagingServices().at(service);
    return {ui(info.title), info.includeKey, SettingsKeys::includeInstantMessaging};
}

UriTextFieldData serviceUriTextFieldData(int service)
{
    const MessagingServiceInfo info = messagingServices().at(service);
    return {ui(info.placeholder), info.schemeKey, info.includeKey,
            SettingsKeys::includeInstantMessaging};
}

} // namespace DataItemRows
