// SPDX-License-Identifier: GPL-3.0-or-later
// What each row of the data-order editor shows and binds: the check box's title and keys,
// the scheme field's placeholder and keys, for the eight kinds and the five messaging
// services. The one place where the editor reads the table of data kinds.
#pragma once

#include <QList>
#include <QString>

#include <optional>

/// A row's check box: its title, the setting it shows, and the setting that enables it.
struct SwitchButtonData
{
    QString title;
    QString valueKey;
    QString enabledKey; // empty: always enabled
};

/// A row's scheme field: placeholder, the scheme setting and the one or two switches that
/// must both be on for it to be usable.
struct UriTextFieldData
{
    QString placeholderString;
    QString valueKey;
    QString enabledKey;
    QString enabled2Key; // empty: only enabledKey
};

namespace DataItemRows {

[[nodiscard]] SwitchButtonData switchButtonData(int kind);
/// None for the messaging row, which has no field of its own.
[[nodiscard]] std::optional<UriTextFieldData> uriTextFieldData(int kind);
/// The number of messaging services, shown as sub-rows of the messaging row.
[[nodiscard]] int serviceCount();
[[nodiscard]] SwitchButtonData serviceSwitchButtonData(int service);
[[nodiscard]] UriTextFieldData serviceUriTextFieldData(int service);

} // namespace DataItemRows
