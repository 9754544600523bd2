// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/comparators.h"
#include "addressbook/groupselection.h"
#include "addressbook/memorycontactstore.h"

#include "qtprinters.h"
#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class GroupSelection : public testing::Test
{
protected:
    const ABPerson &person(const QString &first, const QString &last,
                           const QString &organization = {})
    {
        ABPerson person(u"%1:ABPerson"_s.arg(store.people().size()));
        person.setValue(first.isEmpty() ? QVariant() : first, kABFirstNameProperty);
        person.setValue(last.isEmpty() ? QVariant() : last, kABLastNameProperty);
        person.setValue(organization.isEmpty() ? QVariant() : organization,
                        kABOrganizationProperty);
        return store.addPerson(std::move(person));
    }
    Group &group(const std::optional<QString> &name, const QList<const ABPerson *> &members = {})
    {
        Group &group = store.addGroup(u"%1:ABGroup"_s.arg(store.groups().size()), name);
        for (const ABPerson *member : members)
            store.addMember(group, *member);
        return group;
    }
    QStringList collected(const QList<ChosenGroup> &choice, bool sortByLast = true) const
    {
        QStringList names;
        for (const ABPerson *person : peopleFromSelectedGroups(store, choice, sortByLast))
            names.append(person->valueForProperty(kABFirstNameProperty).toString()
                         + person->valueForProperty(kABLastNameProperty).toString()
                         + person->valueForProperty(kABOrganizationProperty).toString());
        return names;
    }

    MemoryContactStore store;
};

TEST_F(GroupSelection, listsThePseudoGroupThenTheDistinctNamesSorted)
{
    group(u"friends"_s);
    group(u"Family"_s);
    group(std::nullopt);
    group(u"Friends"_s);
    group(u"Family"_s);
    EXPECT_EQ(allGroupNames(store),
              (QStringList{u"Ungrouped Contacts"_s, u"Family"_s, u"friends"_s, u"Friends"_s}));
}

TEST_F(GroupSelection, listsAGroupNamedLikeThePseudoGroupAgain)
{
    group(u"Ungrouped Contacts"_s);
    EXPECT_EQ(allGroupNames(store),
              (QStringList{u"Ungrouped Contacts"_s, u"Ungrouped Contacts"_s}));
}

TEST_F(GroupSelection, findsTheFirstGroupOfANameButTicksEveryGroupOfIt)
{
    const ABPerson &ann = person(u"Ann"_s, u"A"_s);
    const ABPerson &bo = person(u"Bo"_s, u"B"_s);
    const Group &first = group(u"Team"_s, {&ann});
    group(u"Team"_s, {&bo});
    EXPECT_EQ(groupFromName(store, u"Team"_s), &first);
    EXPECT_EQ(groupFromName(store, u"team"_s), nullptr);
    EXPECT_EQ(collected({{u"Team"_s, true}}), (QStringList{u"AnnA"_s, u"BoB"_s}));
    EXPECT_EQ(collected({{u"Ungrouped Contacts"_s, true}}), QStringList());
}

TEST_F(GroupSelection, ticksAGroupNamedLikeThePseudoGroupWithIt)
{
    const ABPerson &ann = person(u"Ann"_s, u"A"_s);
    person(u"Bo"_s, u"B"_s);
    group(u"Ungrouped Contacts"_s, {&ann});
    EXPECT_EQ(collected({{u"Ungrouped Contacts"_s, true}}), (QStringList{u"AnnA"_s, u"BoB"_s}));
}

TEST_F(GroupSelection, collectsAGroupNestedUnderSeveralTickedGroupsOnce)
{
    const ABPerson &ann = person(u"Ann"_s, u"A"_s);
    const ABPerson &bo = person(u"Bo"_s, u"B"_s);
    Group &outer = group(u"Outer"_s, {&bo});
    Group &middle = group(u"Middle"_s);
    Group &inner = group(u"Inner"_s, {&ann});
    ASSERT_TRUE(store.addSubgroup(outer, middle));
    ASSERT_TRUE(store.addSubgroup(middle, inner));
    ASSERT_TRUE(store.addSubgroup(outer, inner));
    EXPECT_EQ(collected({{u"Inner"_s, true}, {u"Middle"_s, true}, {u"Outer"_s, true}}),
              (QStringList{u"AnnA"_s, u"BoB"_s}));
    EXPECT_EQ(collected({{u"Middle"_s, true}}), QStringList{u"AnnA"_s});
}

TEST_F(GroupSelection, collectsAContactReachedTwiceOnce)
{
    const ABPerson &ann = person(u"Ann"_s, u"A"_s);
    const ABPerson &bo = person(u"Bo"_s, u"B"_s);
    Group &outer = group(u"Outer"_s, {&bo});
    Group &inner = group(u"Inner"_s, {&ann, &bo});
    ASSERT_TRUE(store.addSubgroup(outer, inner));
    group(u"Other"_s, {&ann});
    EXPECT_EQ(allGroupMembers(outer), (QList<const ABPerson *>{&bo, &ann}));
    EXPECT_EQ(collected({{u"Other"_s, true}, {u"Outer"_s, true}}),
              (QStringList{u"AnnA"_s, u"BoB"_s}));
}

TEST_F(GroupSelection, holdsAMemberOrSubgroupAddedTwiceOnce)
{
    const ABPerson &ann = person(u"Ann"_s, u"A"_s);
    Group &outer = group(u"Outer"_s, {&ann, &ann});
    Group &inner = group(u"Inner"_s);
    ASSERT_TRUE(store.addSubgroup(outer, inner));
    ASSERT_TRUE(store.addSubgroup(outer, inner));
    store.addMember(inner, ann);
    EXPECT_EQ(outer.members().size(), 1);
    EXPECT_EQ(outer.subgroups().size(), 1);
    EXPECT_EQ(store.parentGroups(ann), (QList<const Group *>{&outer, &inner}));
}

// A person in few groups and one in many are kept apart differently; both hold each once.
TEST_F(GroupSelection, holdsAPersonInManyGroupsOnceInEach)
{
    const ABPerson &ann = person(u"Ann"_s, u"A"_s);
    QList<Group *> groups;
    for (int i = 0; i < 20; ++i) {
        groups.append(&group(QString::number(i), {&ann}));
        for (Group *before : std::as_const(groups))
            store.addMember(*before, ann);
    }
    EXPECT_EQ(store.parentGroups(ann), QList<const Group *>(groups.cbegin(), groups.cend()));
    for (const Group *group : std::as_const(groups))
        EXPECT_EQ(group->members(), QList<const ABPerson *>{&ann}) << group->name()->toStdString();
}

TEST_F(GroupSelection, refusesADeepLoopInWhicheverOrderTheNestingIsBuilt)
{
    Group &a = group(u"A"_s);
    Group &b = group(u"B"_s);
    Group &c = group(u"C"_s);
    Group &d = group(u"D"_s);
    ASSERT_TRUE(store.addSubgroup(c, d)); // built from the inside out
    ASSERT_TRUE(store.addSubgroup(b, c));
    ASSERT_TRUE(store.addSubgroup(a, b));
    EXPECT_FALSE(store.addSubgroup(d, a));
    EXPECT_FALSE(store.addSubgroup(c, b));
    EXPECT_TRUE(store.addSubgroup(a, d)); // a second way down is no loop
    EXPECT_FALSE(store.addSubgroup(d, b));
    EXPECT_EQ(d.subgroups().size(), 0);
}

TEST_F(GroupSelection, walksNestingThatLoopsBackOnlyOnce)
{
    const ABPerson &ann = person(u"Ann"_s, u"A"_s);
    Group &a = group(u"A"_s, {&ann});
    Group &b = group(u"B"_s);
    ASSERT_TRUE(store.addSubgroup(a, b));
    EXPECT_FALSE(store.addSubgroup(b, a));
    EXPECT_FALSE(store.addSubgroup(a, a));
    b.addSubgroup(&a); // past the store's guard, as a faulty store might
    EXPECT_EQ(allGroupMembers(a), QList<const ABPerson *>{&ann});
}

TEST_F(GroupSelection, pseudoGroupCollectsExactlyTheUngrouped)
{
    const ABPerson &ann = person(u"Ann"_s, u"A"_s);
    person(u"Bo"_s, u"B"_s);
    person(u"Cy"_s, u"C"_s);
    group(u"G"_s, {&ann});
    EXPECT_EQ(collected({{u"Ungrouped Contacts"_s, true}}), (QStringList{u"BoB"_s, u"CyC"_s}));
}

struct ChoiceRow : NamedRow
{
    QList<ChosenGroup> choice;
    QStringList expected;
};

class GroupChoice : public GroupSelection, public testing::WithParamInterface<ChoiceRow>
{};

TEST_P(GroupChoice, collectsTheTickedGroups)
{
    const ABPerson &ann = person(u"Ann"_s, u"A"_s);
    person(u"Bo"_s, u"B"_s);
    group(u"G"_s, {&ann});
    EXPECT_EQ(collected(GetParam().choice), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(GroupSelection, GroupChoice,
                         testing::Values(ChoiceRow{"nothingChosen", {}, {}},
                                         ChoiceRow{"groupNotTicked", {{u"G"_s, false}}, {}},
                                         ChoiceRow{"groupThatIsGone", {{u"Gone"_s, true}}, {}},
                                         ChoiceRow{"tickedGroup", {{u"G"_s, true}}, {u"AnnA"_s}},
                                         ChoiceRow{
                                             "everything",
                                             {{u"Ungrouped Contacts"_s, true}, {u"G"_s, true}},
                                             {u"AnnA"_s, u"BoB"_s}}),
                         RowName());

TEST_F(GroupSelection, sortsByLastNameWithPrefixesLeftOut)
{
    const ABPerson &dean = person(QString(), u"Dean"_s);
    const ABPerson &deann = person(u"Ann"_s, u"De"_s);
    const ABPerson &zoo = person(QString(), QString(), u"The Zoo"_s);
    const ABPerson &young = person(u"Yves"_s, u"Young"_s);
    group(u"All"_s, {&zoo, &deann, &young, &dean});
    EXPECT_EQ(collected({{u"All"_s, true}}),
              (QStringList{u"Dean"_s, u"AnnDe"_s, u"YvesYoung"_s, u"The Zoo"_s}));
}

TEST_F(GroupSelection, sortsByFirstNameWhenAsked)
{
    const ABPerson &a = person(u"Zoe"_s, u"Adams"_s);
    const ABPerson &b = person(u"Émile"_s, u"Zola"_s);
    const ABPerson &c = person(u"eve"_s, u"Moss"_s);
    group(u"All"_s, {&a, &b, &c});
    EXPECT_EQ(collected({{u"All"_s, true}}, false),
              (QStringList{u"ÉmileZola"_s, u"eveMoss"_s, u"ZoeAdams"_s}));
}

TEST(SortArrayRemovingDuplicates, keepsEachExactStringOnce)
{
    EXPECT_EQ(sortArrayRemovingDuplicates({u"b"_s, u"B"_s, u"a"_s, u"b"_s, u"Äa"_s}),
              (QStringList{u"a"_s, u"Äa"_s, u"b"_s, u"B"_s}));
}

} // namespace
