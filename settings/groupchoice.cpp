// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/groupchoice.h"

#include "settings/preferenceboolean.h"
#include "util/systemlog.h"

#include <QHash>
#include <QVariantMap>

using namespace Qt::StringLiterals;

namespace {
const QString kIncludeKey = u"include"_s;
const QString kNameKey = u"name"_s;
} // namespace

QVariant GroupChoice::toVariant() const
{
    return QVariantMap{{kIncludeKey, include}, {kNameKey, name}};
}

std::optional<GroupChoice> GroupChoice::fromVariant(const QVariant &value)
{
    const QVariantMap map = value.toMap();
    const QVariant name = map.value(kNameKey);
    const std::optional<bool> include = preferenceBoolean(map.value(kIncludeKey));
    if (value.typeId() != QMetaType::QVariantMap || name.typeId() != QMetaType::QString || !include)
        return std::nullopt;
    return GroupChoice{*include, name.toString()};
}

QList<GroupChoice> groupChoicesFromVariant(const QVariant &value)
{
    QList<GroupChoice> choices;
    const QVariantList list = value.toList();
    for (const QVariant &entry : list) {
        if (const std::optional<GroupChoice> choice = GroupChoice::fromVariant(entry))
            choices.append(*choice);
        else
            systemLog(u"Preferences: an entry of \"groupsToUse\" is not a group choice "
                      "(a dictionary with a string \"name\" and a boolean \"include\"); "
                      "left out."_s);
    }
    return choices;
}

QVariant groupChoicesToVariant(const QList<GroupChoice> &choices)
{
    QVariantList list;
    list.reserve(choices.size());
    for (const GroupChoice &choice : choices)
        list.append(choice.toVariant());
    return list;
}

QList<GroupChoice> refreshedGroupChoices(const QStringList &groupNames,
                                         const std::optional<QList<GroupChoice>> &stored)
{
    // The first stored choice of a name is the one kept, as a search from the front would.
    QHash<QString, bool> included;
    for (const GroupChoice &choice : stored.value_or(QList<GroupChoice>())) {
        if (!included.contains(choice.name))
            included.insert(choice.name, choice.include);
    }
    QList<GroupChoice> refreshed;
    refreshed.reserve(groupNames.size());
    for (const QString &name : groupNames)
        refreshed.append(GroupChoice{included.value(name, true), name});
    return refreshed;
}
