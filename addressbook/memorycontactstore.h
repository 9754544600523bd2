// SPDX-License-Identifier: GPL-3.0-or-later
// A contact store held in memory and filled by code: the vCard store reads cards into one,
// and tests build their address books with it.
//
//   MemoryContactStore store;
//   const ABPerson &ann = store.addPerson(ABPerson(u"ann:ABPerson"_s));
//   Group &friends = store.addGroup(u"g1:ABGroup"_s, u"Friends"_s);
//   store.addMember(friends, ann);
#pragma once

#include "addressbook/abperson.h"
#include "addressbook/contactstore.h"
#include "addressbook/group.h"

#include <QHash>
#include <QSet>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class MemoryContactStore final : public ContactStore
{
public:
    MemoryContactStore() = default;
    ~MemoryContactStore() override;

    [[nodiscard]] QList<const Group *> groups() const override { return m_groupList; }
    [[nodiscard]] QList<const ABPerson *> people() const override { return m_peopleList; }
    [[nodiscard]] QList<const Group *> parentGroups(const ABPerson &person) const override;

    /// Takes person in, at the end of people(); the reference stays valid as long as the
    /// store lives.
    ABPerson &addPerson(ABPerson person);
    /// Lets change visit every person, in the order of people(): for what is learnt of them
    /// after they are read. Their identifiers must stay unique.
    void forEachPerson(const std::function<void(ABPerson &)> &change);
    /// A new group at the end of groups().
    Group &addGroup(QString uniqueId, std::optional<QString> name);
    /// Puts person into group once; a second call changes nothing.
    void addMember(Group &group, const ABPerson &person);
    /// Nests child in parent once. Refuses (returns false) when that would close a cycle,
    /// a group inside itself included.
    bool addSubgroup(Group &parent, const Group &child);

private:
    /// Whether inner is outer or nested in it at any depth.
    [[nodiscard]] bool contains(const Group &outer, const Group &inner) const;

    // In blocks rather than one allocation each: a large address book holds many people,
    // and each must stay where it is.
    static constexpr std::size_t kPeoplePerBlock = 1024;
    std::vector<std::vector<ABPerson>> m_people;
    std::vector<std::unique_ptr<Group>> m_groups;
    QList<const ABPerson *> m_peopleList;
    QList<const Group *> m_groupList;
    QHash<const ABPerson *, QList<const Group *>> m_parents;
    // What each group holds directly, so that adding once stays constant time however many
    // groups hold one person or one group holds: every subgroup, and the persons in at least
    // kFewGroups groups.
    static constexpr qsizetype kFewGroups = 8;
    QSet<std::pair<const Group *, const void *>> m_held;
    QHash<const Group *, QList<const Group *>> m_groupParents;
};
