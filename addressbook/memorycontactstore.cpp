// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/memorycontactstore.h"

#include <QSet>

#include <optional>

namespace {

// One side of the search for a path between two groups, a group at a time; each group is
// looked at once, so shared subgroups do not make it exponential.
struct Walk
{
    const Group *target = nullptr;
    QList<const Group *> pending;
    QSet<const Group *> seen;

    // Whether the target was reached, once that is known.
    template<typename Next>
    std::optional<bool> step(const Next &next)
    {
        if (pending.isEmpty())
            return false;
        const Group *group = pending.takeLast();
        if (group == target)
            return true;
        for (const Group *neighbour : next(*group)) {
            if (!seen.contains(neighbour)) {
                seen.insert(neighbour);
                pending.append(neighbour);
            }
        }
        return std::nullopt;
    }
};

} // namespace

MemoryContactStore::~MemoryContactStore() = default;

QList<const Group *> MemoryContactStore::parentGroups(const ABPerson &person) const
{
    return m_parents.value(&person);
}

ABPerson &MemoryContactStore::addPerson(ABPerson person)
{
    if (m_people.empty() || m_people.back().size() == m_people.back().capacity()) {
        // A small first block for the many small stores. Never grown past its room, so
        // nobody in it is ever moved.
        const std::size_t room = m_people.empty() ? 16 : kPeoplePerBlock;
        m_people.emplace_back().reserve(room);
    }
    ABPerson &added = m_people.back().emplace_back(std::move(person));
    m_peopleList.append(&added);
    return added;
}

void MemoryContactStore::forEachPerson(const std::function<void(ABPerson &)> &change)
{
    for (std::vector<ABPerson> &block : m_people) {
        for (ABPerson &person : block)
            change(person);
    }
}

Group &MemoryContactStore::addGroup(QString uniqueId, std::optional<QString> name)
{
    m_groups.push_back(std::make_unique<Group>(std::move(uniqueId), std::move(name)));
    m_groupList.append(m_groups.back().get());
    return *m_groups.back();
}

// Most persons are in a group or two, and their short list is the quickest to search; the
// pairs of a person in many go into m_held, so that each group still costs constant time.
void MemoryContactStore::addMember(Group &group, const ABPerson &person)
{
    QList<const Group *> &parents = m_parents[&person];
    const auto held = std::pair<const Group *, const void *>(&group, &person);
    if (parents.size() < kFewGroups ? parents.contains(&group) : m_held.contains(held))
        return;
    parents.append(&group);
    if (parents.size() == kFewGroups) {
        for (const Group *parent : std::as_const(parents))
            m_held.insert({parent, &person});
    } else if (parents.size() > kFewGroups) {
        m_held.insert(held);
    }
    group.addMember(&person);
}

// Down from outer and up from inner in turns: whichever side runs out first settles it, so
// a chain of groups costs constant time per link in whichever order it is built.
bool MemoryContactStore::contains(const Group &outer, const Group &inner) const
{
    Walk down{&inner, {&outer}, {&outer}};
    Walk up{&outer, {&inner}, {&inner}};
    const auto children = [](const Group &group) {
        return group.subgroups();
    };
    const auto parents = [this](const Group &group) {
        return m_groupParents.value(&group);
    };
    for (;;) {
        if (const std::optional<bool> found = down.step(children))
            return *found;
        if (const std::optional<bool> found = up.step(parents))
            return *found;
    }
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
        m_groupParents[&child].append(&parent);
    }
    return true;
}
