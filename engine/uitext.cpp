// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/uitext.h"

#include <QCoreApplication>

QString uiText(const char *key)
{
    return QCoreApplication::translate("ui", key);
}
