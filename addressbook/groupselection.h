// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing contacts by group: the group names the group table lists, the members of a group
// with all groups nested in it, and the contacts of the groups the user ticked (plus the
// pseudo-group of contacts in no group), each once, sorted by name.
//
//   const auto people = peopleFromSelectedGroups(store, {{u"Friends"_s, true}}, true);
#pragma once

#include "addressbook/comparators.h"

#include <QList>
#include <QString>
#include <QStringList>

class ABPerson;
class ContactStore;
class Group;

/// One entry of the user's group choice: a group name and whether it is ticked.
struct ChosenGroup
{
    QString name;
    bool include = false;
};

/// The name of the pseudo-group of contacts in no group, "Ungrouped Contacts", as the group
/// choice stores it in every language, so that a change of language keeps its tick; the
/// window shows it translated.
[[nodiscard]] QString ungroupedContactsName();

/// Every group of the store.
[[nodiscard]] QList<const Group *> allGroups(const ContactStore &store);
/// The pseudo-group's name, then the distinct group names sorted by stringSort. Groups
/// without a name are left out; a group named like the pseudo-group is listed again.
[[nodiscard]] QStringList allGroupNames(const ContactStore &store);
/// The first group whose name equals name exactly, or nullptr.
[[nodiscard]] const Group *groupFromName(const ContactStore &store, const QString &name);
/// The group's members, then those of the groups nested in it at any depth, in order, each
/// once. A group met again (nesting that loops back) adds nothing the second time.
[[nodiscard]] QList<const ABPerson *> allGroupMembers(const Group &group);
/// The contacts of the ticked groups (a name ticks every group of that name), each once, sorted by
/// abSort with "lfc" when sortByLast, else "flc", in order's collation and prefixes. No ticked
/// group, no contact.
[[nodiscard]] QList<const ABPerson *>
peopleFromSelectedGroups(const ContactStore &store, const QList<ChosenGroup> &groupsToUse,
                         bool sortByLast, const NameOrder &order = userNameOrder());
/// The strings sorted by stringSort, each exactly equal string once.
[[nodiscard]] QStringList sortArrayRemovingDuplicates(const QStringList &strings);
