// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/groupselection.h"
#include "addressbook/abperson.h"
#include "addressbook/comparators.h"
#include "addressbook/contactstore.h"
#include "addressbook/group.h"

#include <QHash>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The people of groups and of the groups nested in them, in order, each once. Each group is
// walked once however many ways lead to it, which also ends any loop, and depth first
// without recursion, so no depth of nesting can exhaust the stack.
class GroupMembers final
{
public:
    void add(const ABPerson *person)
    {
        if (!m_seen.contains(person)) {
            m_seen.insert(person);
            m_people.append(person);
        }
    }

    void collect(const Group &group)
    {
        QList<const Group *> pending{&group};
        while (!pending.isEmpty()) {
            const Group *next = pending.takeLast();
            if (m_walked.contains(next))
                continue;
            m_walked.insert(next);
            for (const ABPerson *person : next->members())
                add(person);
            const QList<const Group *> &subgroups = next->subgroups();
            for (auto it = subgroups.rbegin(); it != subgroups.rend(); ++it)
                pending.append(*it);
        }
    }

    [[nodiscard]] QList<const ABPerson *> people() const { return m_people; }

private:
    QList<const ABPerson *> m_people;
    QSet<const ABPerson *> m_seen;
    QSet<const Group *> m_walked;
};

} // namespace

QString ungroupedContactsName()
{
    return u"Ungrouped Contacts"_s;
}

QList<const Group *> allGroups(const ContactStore &store)
{
    return store.groups();
}

QStringList allGroupNames(const ContactStore &store)
{
    QStringList names;
    for (const Group *group : allGroups(store)) {
        if (const std::optional<QString> name = group->name())
            names.append(*name);
    }
    names = sortArrayRemovingDuplicates(names);
    names.prepend(ungroupedContactsName());
    return names;
}

const Group *groupFromName(const ContactStore &store, const QString &name)
{
    for (const Group *group : allGroups(store)) {
        if (group->name() == name)
            return group;
    }
    return nullptr;
}

QList<const ABPerson *> allGroupMembers(const Group &group)
{
    GroupMembers members;
    members.collect(group);
    return members.people();
}

QList<const ABPerson *> peopleFromSelectedGroups(const ContactStore &store,
                                                 const QList<ChosenGroup> &groupsToUse,
                                                 bool sortByLast, const NameOrder &order)
{
    const QString ungrouped = ungroupedContactsName();
    // Names repeat (several collections in one folder): a name stands for all its groups.
    QHash<QString, QList<const Group *>> groupsByName;
    for (const Group *group : allGroups(store)) {
        if (const std::optional<QString> name = group->name())
            groupsByName[*name].append(group);
    }
    // One collection for all ticked groups, so a group nested in several is walked once.
    GroupMembers members;
    for (const ChosenGroup &choice : groupsToUse) {
        if (!choice.include)
            continue;
        if (choice.name == ungrouped) {
            for (const ABPerson *person : store.people()) {
                if (store.parentGroups(*person).isEmpty())
                    members.add(person);
            }
        }
        for (const Group *group : groupsByName.value(choice.name))
            members.collect(*group);
    }
    QList<const ABPerson *> people = members.people();
    sortPeople(people, sortByLast ? u"lfc" : u"flc", order);
    return people;
}

QStringList sortArrayRemovingDuplicates(const QStringList &strings)
{
    QStringList sorted = strings;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return stringSort(a, b) == ComparisonResult::OrderedAscending;
    });
    QStringList kept;
    QSet<QString> seen;
    for (const QString &name : std::as_const(sorted)) {
        if (!seen.contains(name)) {
            seen.insert(name);
            kept.append(name);
        }
    }
    return kept;
}
