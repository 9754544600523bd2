// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/groupselection.h"
#include "addressbook/abperson.h"
#include "addressbook/comparators.h"
#include "addressbook/contactstore.h"
#include "addressbook/group.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

void appendOnce(QList<const ABPerson *> &people, QSet<const ABPerson *> &seen,
                const QList<const ABPerson *> &more)
{
    for (const ABPerson *person : more) {
        if (!seen.contains(person)) {
            seen.insert(person);
            people.append(person);
        }
    }
}

} // namespace

QString ungroupedContactsName()
{
    return QCoreApplication::translate("ui", "Ungrouped Contacts");
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

// Walks the nesting depth first without recursion, so no depth of nesting can exhaust the
// stack; a group already walked is not walked again, which also ends any loop.
QList<const ABPerson *> allGroupMembers(const Group &group)
{
    QList<const ABPerson *> people;
    QSet<const ABPerson *> seen;
    QSet<const Group *> walked;
    QList<const Group *> pending{&group};
    while (!pending.isEmpty()) {
        const Group *next = pending.takeLast();
        if (walked.contains(next))
            continue;
        walked.insert(next);
        appendOnce(people, seen, next->members());
        const QList<const Group *> &subgroups = next->subgroups();
        for (auto it = subgroups.rbegin(); it != subgroups.rend(); ++it)
            pending.append(*it);
    }
    return people;
}

QList<const ABPerson *> peopleFromSelectedGroups(const ContactStore &store,
                                                 const QList<ChosenGroup> &groupsToUse,
                                                 bool sortByLast)
{
    const QString ungrouped = ungroupedContactsName();
    QList<const ABPerson *> people;
    QSet<const ABPerson *> seen;
    for (const ChosenGroup &choice : groupsToUse) {
        if (!choice.include)
            continue;
        if (choice.name == ungrouped) {
            QList<const ABPerson *> loners;
            for (const ABPerson *person : store.people()) {
                if (store.parentGroups(*person).isEmpty())
                    loners.append(person);
            }
            appendOnce(people, seen, loners);
        } else if (const Group *group = groupFromName(store, choice.name)) {
            appendOnce(people, seen, allGroupMembers(*group));
        }
    }
    sortPeople(people, sortByLast ? u"lfc" : u"flc");
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
