// SPDX-License-Identifier: GPL-3.0-or-later
// One entry of "groupsToUse": a group's name and whether its members are exported. Stored
// as a dictionary with the keys "include" and "name".
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

struct GroupChoice
{
    bool include = false;
    QString name;

    [[nodiscard]] QVariant toVariant() const;
    /// The choice stored in value, when it is a dictionary with a string "name" and an
    /// "include" that reads as a switch.
    [[nodiscard]] static std::optional<GroupChoice> fromVariant(const QVariant &value);
    [[nodiscard]] bool operator==(const GroupChoice &other) const = default;
};

/// The stored list, entries that are not choices left out with a message.
[[nodiscard]] QList<GroupChoice> groupChoicesFromVariant(const QVariant &value);
[[nodiscard]] QVariant groupChoicesToVariant(const QList<GroupChoice> &choices);

/// The choices brought up to date with the groups that exist now (groupNames, in their
/// order): a stored choice keeps its "include", a new group comes in ticked, a group that
/// is gone drops out. Without stored choices every group is ticked.
[[nodiscard]] QList<GroupChoice>
refreshedGroupChoices(const QStringList &groupNames,
                      const std::optional<QList<GroupChoice>> &stored);
