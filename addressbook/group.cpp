// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/group.h"

Group::Group(QString uniqueId, std::optional<QString> name)
    : m_uniqueId(std::move(uniqueId))
    , m_name(std::move(name))
{}

QVariant Group::valueForProperty(ABProperty property) const
{
    if (property != kABGroupNameProperty || !m_name)
        return {};
    return *m_name;
}
