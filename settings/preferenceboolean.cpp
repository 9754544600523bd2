// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/preferenceboolean.h"

#include <QString>

using namespace Qt::StringLiterals;

namespace {

bool stringBoolean(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(u"yes"_s, Qt::CaseInsensitive) == 0
        || trimmed.compare(u"true"_s, Qt::CaseInsensitive) == 0)
        return true;
    bool isNumber = false;
    const double number = trimmed.toDouble(&isNumber);
    return isNumber && number != 0;
}

} // namespace

std::optional<bool> preferenceBoolean(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return value.toDouble() != 0;
    case QMetaType::QString:
        return stringBoolean(value.toString());
    default:
        return std::nullopt;
    }
}
