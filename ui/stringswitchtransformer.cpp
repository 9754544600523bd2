// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/stringswitchtransformer.h"

#include <utility>

StringSwitchTransformer::StringSwitchTransformer(QString onValue, QString offValue)
    : m_onValue(std::move(onValue))
    , m_offValue(std::move(offValue))
{}

QVariant StringSwitchTransformer::transformedValue(const QVariant &value) const
{
    return value.toString() == m_onValue;
}

QVariant StringSwitchTransformer::reverseTransformedValue(const QVariant &value) const
{
    return value.toBool() ? m_onValue : m_offValue;
}
