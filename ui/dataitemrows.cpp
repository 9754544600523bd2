// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dataitemrows.h"

#include "settings/datakind.h"
#include "ui/uitext.h"

namespace DataItemRows {

namespace {

QString ui(QStringView key)
{
    return UiText::tr(key.toUtf8().constData());
}

QString messagingSwitchKey()
{
    return dataKindInfo(DataKind::InstantMessaging).includeKey.toString();
}

} // namespace

SwitchButtonData switchButtonData(int kind)
{
    const DataKindInfo &info = dataKinds().at(static_cast<std::size_t>(kind));
    return {ui(info.rowTitle), info.includeKey.toString(), {}};
}

std::optional<UriTextFieldData> uriTextFieldData(int kind)
{
    const DataKindInfo &info = dataKinds().at(static_cast<std::size_t>(kind));
    if (info.schemeKey.isEmpty())
        return std::nullopt;
    return UriTextFieldData{
        ui(info.placeholder), info.schemeKey.toString(), info.includeKey.toString(), {}};
}

int serviceCount()
{
    return static_cast<int>(messagingServices().size());
}

SwitchButtonData serviceSwitchButtonData(int service)
{
    const MessagingServiceInfo &info = messagingServices().at(static_cast<std::size_t>(service));
    return {ui(info.title), info.includeKey.toString(), messagingSwitchKey()};
}

UriTextFieldData serviceUriTextFieldData(int service)
{
    const MessagingServiceInfo &info = messagingServices().at(static_cast<std::size_t>(service));
    return {ui(info.placeholder), info.schemeKey.toString(), info.includeKey.toString(),
            messagingSwitchKey()};
}

} // namespace DataItemRows
