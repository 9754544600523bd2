// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/memorycontactstore.h"

#include <QSet>

namespace {

// Whether inner is outer or nested in it at any depth; each group is looked at once, so
// shared subgroups do not make the walk exponential.
bool contains(const Group &outer, const Group &inner)
{
    QSet<const Group *> seen{&outer};
    QList<const Group *> pending{&outer};
    while (!pending.isEmpty()) {
        const Group *group = pending.takeLast();
        if (group == &inner)
            return true;
        for (const Group *subgroup : group->subgroups()) {
            if (!seen.contains(subgroup)) {
                seen.insert(subgroup);
                pending.append(subgroup);
            }
        }
    }
    return false;
}

} // namespace

MemoryContactStore::~MemoryContactStore() = default;

QList<const Group *> MemoryContactStore::parentGroups(const ABPerson &person) const
{
    return m_parents.value(&person);
}

ABPerson &MemoryContactStore::addPerson(ABPerson person)
{
    m_people.push_back(std::make_unique<ABPerson>(std::move(person)));
    m_peopleList.append(m_people.back().get());
    return *m_people.back();
}

Group &MemoryContactStore::addGroup(QString uniqueId, std::optional<QString> name)
{
    m_groups.push_back(std::make_unique<Group>(std::move(uniqueId), std::move(name)));
    m_groupList.append(m_groups.back().get());
    return *m_groups.back();
}

void MemoryContactStore::addMember(Group &group, const ABPerson &person)
{
    const auto held = std::pair<const Group *, const void *>(&group, &person);
    if (m_held.contains(held))
        return;
    m_held.insert(held);
    m_parents[&person].append(&group);
    group.addMember(&person);
}

bool MemoryContactStore::addSubgroup(Group &parent, const Group &child)
{
    // The nesting stays a tree of finite depth: nothing may hold a group that holds it.
    if (contains(child, parent))
        return false;
    const auto held = std::pair<const Group *, const void *>(&parent, &child);
    if (!m_held.contains(held)) {
        m_held.insert(held);
        parent.addSubgroup(&child);
    }
    return true;
}
