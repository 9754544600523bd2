// SPDX-License-Identifier: GPL-3.0-or-later
// A group of the address book: an optional name (names may repeat), the persons directly in
// it and the groups nested directly in it. Groups belong to their store, which keeps the
// nesting free of cycles.
#pragma once

#include "addressbook/abproperties.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

class ABPerson;

class Group final
{
public:
    Group(QString uniqueId, std::optional<QString> name);

    [[nodiscard]] QString uniqueId() const { return m_uniqueId; }
    [[nodiscard]] std::optional<QString> name() const { return m_name; }
    /// kABGroupNameProperty gives the name (or nothing); other properties nothing.
    [[nodiscard]] QVariant valueForProperty(ABProperty property) const;

    [[nodiscard]] const QList<const ABPerson *> &members() const { return m_members; }
    [[nodiscard]] const QList<const Group *> &subgroups() const { return m_subgroups; }

    /// Appends. The store that owns the group adds each person once and keeps the nesting
    /// free of cycles (MemoryContactStore::addMember, addSubgroup).
    void addMember(const ABPerson *person) { m_members.append(person); }
    void addSubgroup(const Group *group) { m_subgroups.append(group); }

private:
    QString m_uniqueId;
    std::optional<QString> m_name;
    QList<const ABPerson *> m_members;
    QList<const Group *> m_subgroups;
};
