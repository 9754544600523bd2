// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardstore.h"

#include "describe.h"
#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A handle is written first as one property, then again as another of the same service. A few
// of the same texts under another service come first and stay apart; they are fewer than a
// card looks through, so that handles kept before the card has many are found among many.
struct HandlesRow : NamedRow
{
    ABProperty property;
    QByteArray first;       // the name and parameters of the first writing, without TYPE
    QByteArray firstScheme; // what the handle follows in its value
    QByteArray again;
    QByteArray againScheme;
};

class ManyHandles : public testing::TestWithParam<HandlesRow>
{
protected:
    static constexpr int kOthers = 4;
    static constexpr int kCount = 40; // far more than a card looks through

    static QByteArray line(const QByteArray &name, const QByteArray &types,
                           const QByteArray &scheme, const QString &handle)
    {
        return name + ";TYPE=" + types + ":" + scheme + handle.toUtf8() + "\r\n";
    }
};

// Each handle is kept once, where and as it was first written, with the label of that writing;
// a preference given to a later writing marks the first. Case is ignored, accents are not.
TEST_P(ManyHandles, keepsEachOnceInTheOrderFirstWritten)
{
    const HandlesRow &row = GetParam();
    const bool icq = row.property == kABICQInstantProperty;
    const ABProperty other = icq ? kABAIMInstantProperty : kABICQInstantProperty;
    QByteArray text = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee\r\n";
    for (int i = 0; i < kOthers; ++i)
        text += (icq ? "X-AIM" : "X-ICQ") + (":Handle" + QByteArray::number(i)) + "\r\n";
    const auto first = [&](const QString &handle) {
        text += line(row.first, "HOME", row.firstScheme, handle);
    };
    const auto again = [&](const QString &handle, const QByteArray &types = "WORK") {
        text += line(row.again, types, row.againScheme, handle);
    };
    for (int i = 0; i < kCount; ++i) {
        first(u"Handle%1"_s.arg(i));
        again(u"HANDLE%1"_s.arg(i / 2));
    }
    first(u"Jürgen"_s);
    again(u"JÜRGEN"_s);
    first(u"Jurgen"_s);
    first(u"Straße"_s);
    again(u"STRASSE"_s);
    again(u"handle1"_s, "WORK;TYPE=pref");
    text += "END:VCARD\r\n";

    QStringList expected;
    for (int i = 0; i < kCount; ++i)
        expected.append(u"%1home: Handle%2"_s.arg(i == 1 ? u"*"_s : QString()).arg(i));
    expected.append({u"home: Jürgen"_s, u"home: Jurgen"_s, u"home: Straße"_s, u"work: STRASSE"_s});

    const ContactStoreRead read = readVCardData(text, u"t.vcf"_s);
    ASSERT_EQ(read.store->people().size(), 1);
    const ABPerson &person = *read.store->people().constFirst();
    EXPECT_EQ(describe(person.valueForProperty(row.property)), expected.join(u" / "_s));
    EXPECT_EQ(person.valueForProperty(other).value<MultiValue>().count(), kOthers);
}

INSTANTIATE_TEST_SUITE_P(
    VCardContact, ManyHandles,
    testing::Values(
        HandlesRow{"xAim", kABAIMInstantProperty, "X-AIM", "", "IMPP;X-SERVICE-TYPE=AIM", "aim:"},
        HandlesRow{"xIcq", kABICQInstantProperty, "X-ICQ", "", "IMPP", "icq:"},
        HandlesRow{"xJabber", kABJabberInstantProperty, "X-JABBER", "", "X-GTALK", ""},
        HandlesRow{"xGoogleTalk", kABJabberInstantProperty, "X-GOOGLE-TALK", "",
                   "IMPP;X-SERVICE-TYPE=Jabber", "xmpp:"},
        HandlesRow{"xGtalk", kABJabberInstantProperty, "X-GTALK", "", "X-JABBER", ""},
        HandlesRow{"xMsn", kABMSNInstantProperty, "X-MSN", "", "IMPP", "msnim:chat?contact="},
        HandlesRow{"xYahoo", kABYahooInstantProperty, "X-YAHOO", "", "IMPP", "ymsgr:sendIM?"},
        HandlesRow{"impp", kABAIMInstantProperty, "IMPP", "aim:", "IMPP", "aim:goim?screenname="}),
    RowName());

// Lines found by their item group, and texts kept until the person is complete. Each row is
// read as written and again after labels and countries of more groups than a card looks
// through.
struct LineRow : NamedRow
{
    const char *body;
    ABProperty property;
    QString expected;
};

class Lines : public testing::TestWithParam<LineRow>
{};

TEST_P(Lines, giveTheValueWritten)
{
    QByteArray manyGroups;
    for (int i = 1; i <= 8; ++i) {
        const QByteArray group = "x" + QByteArray::number(i);
        manyGroups += group + ".X-ABLabel:L\n" + group + ".X-ABADR:c\n";
    }
    for (const QByteArray &before : {QByteArray(), manyGroups}) {
        SCOPED_TRACE(before.isEmpty() ? "as written" : "after many groups");
        const QByteArray text = "BEGIN:VCARD\r\nVERSION:3.0\r\n"
            + QByteArray(before + GetParam().body).replace("\n", "\r\n") + "\r\nEND:VCARD\r\n";
        const ContactStoreRead read = readVCardData(text, u"t.vcf"_s);
        ASSERT_EQ(read.store->people().size(), 1);
        EXPECT_EQ(
            describe(read.store->people().constFirst()->valueForProperty(GetParam().property)),
            GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    VCardContact, Lines,
    testing::Values(
        LineRow{"groupInAnotherCase", "ITEM1.TEL:1\nitem1.X-ABLabel:Cabin", kABPhoneProperty,
                u"Cabin: 1"_s},
        LineRow{"firstLabelOfAGroupThatIsNotEmpty",
                "item1.X-ABLabel:\nitem1.TEL:1\nitem1.X-ABLabel:First\nItem1.X-ABLabel:Second",
                kABPhoneProperty, u"First: 1"_s},
        LineRow{"groupsWrittenOutOfOrder",
                "item2.X-ABLabel:Two\nITEM10.X-ABLabel:Ten\nitem1.X-ABLabel:One\nItem10.TEL:10\n"
                "item1.TEL:1\nitem2.TEL:2\nitem3.TEL:3",
                kABPhoneProperty, u"Ten: 10 / One: 1 / Two: 2 / other: 3"_s},
        LineRow{"lastCountryOfAGroup", "item1.X-ABADR:de\nitem1.ADR:;;S;C;;;\nITEM1.X-ABADR:fr",
                kABAddressProperty, u"other: street=S; city=C; countryCode=fr"_s},
        LineRow{"deliveryLabelsAmongAddresses",
                "ADR;TYPE=WORK:;;1 Main;;;;\nADR;TYPE=HOME:;;2 Side;;;;\nLABEL;TYPE=HOME:2 Side\n"
                "LABEL;TYPE=WORK:1 Main\nLABEL:Box 9",
                kABAddressProperty,
                u"work: street=1 Main / home: street=2 Side / other: street=Box 9"_s},
        LineRow{"foldedTitle", "TITLE:Chief\n  Officer", kABJobTitleProperty, u"Chief Officer"_s},
        LineRow{"foldedName", "N:Do\n e;Jo\n hn", kABFirstNameProperty, u"John"_s},
        LineRow{"foldedOrganization", "ORG:Ac\n me;Sales", kABOrganizationProperty, u"Acme"_s},
        LineRow{"escapedFormattedName", "FN:Smith\\, Ann", kABFirstNameProperty, u"Smith, Ann"_s}),
    RowName());

} // namespace
