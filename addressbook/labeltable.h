// SPDX-License-Identifier: GPL-3.0-or-later
// The user-visible texts of labels and property names. Labels are stored as lower-case
// English texts ("home", "work fax"); the texts shown are their entries in the "ui" string
// table, which gives the text itself where it has no translation. A custom label is shown
// as the card spells it.
//
//   ABLocalizedPropertyOrLabel(kABPhoneMobileLabel)  // "mobile"
//   ABLocalizedPropertyOrLabel(u"_$!<HomePage>!$_"_s) // "home page"
#pragma once

#include "addressbook/abproperties.h"

#include <QString>
#include <QStringView>

/// The text to show for a label.
[[nodiscard]] QString ABLocalizedPropertyOrLabel(const QString &label);
/// The text to show for a property ("phone", "e-mail").
[[nodiscard]] QString ABLocalizedPropertyOrLabel(ABProperty property);

/// A label as exporters write their own standard labels ("_$!<HomeFAX>!$_") in the stored
/// form ("home fax"); any other label unchanged.
[[nodiscard]] QString normalizedLabel(const QString &label);
