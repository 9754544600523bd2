// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/group.h"
#include "addressbook/groupselection.h"
#include "addressbook/vcard/vcarddiagnostics.h"
#include "addressbook/vcard/vcardfile.h"
#include "addressbook/vcard/vcardrange.h"
#include "addressbook/vcard/vcardreader.h"
#include "addressbook/vcard/vcardstore.h"

#include "describe.h"
#include "qtprinters.h"
#include "rowname.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray card(const char *body, const char *version = "3.0")
{
    return "BEGIN:VCARD\r\nVERSION:" + QByteArray(version) + "\r\n"
        + QByteArray(body).replace("\n", "\r\n") + "\r\nEND:VCARD\r\n";
}

const ABPerson &onlyPerson(const ContactStoreRead &read)
{
    EXPECT_EQ(read.store->people().size(), 1) << read.diagnostics.join(u'\n').toStdString();
    return *read.store->people().constFirst();
}

QStringList lastNames(const QList<const ABPerson *> &people)
{
    QStringList names;
    for (const ABPerson *person : people)
        names.append(person->valueForProperty(kABLastNameProperty).toString());
    return names;
}

struct DialectRow : NamedRow
{
    const char *body;
    ABProperty property;
    QString expected;
    const char *version = "3.0";
};

class Dialect : public testing::TestWithParam<DialectRow>
{};

TEST_P(Dialect, mapsOntoTheProperty)
{
    const ContactStoreRead read
        = readVCardData(card(GetParam().body, GetParam().version), u"t.vcf"_s);
    EXPECT_EQ(describe(onlyPerson(read).valueForProperty(GetParam().property)),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    VCardStore, Dialect,
    testing::Values(
        DialectRow{"customLabelOfAnItemGroup", "item1.TEL:+1 555\nitem1.X-ABLabel:Ferienhaus",
                   kABPhoneProperty, u"Ferienhaus: +1 555"_s},
        DialectRow{"standardLabelAndEscapedColon",
                   "item2.URL:http\\://example.com\nitem2.X-ABLabel:_$!<HomePage>!$_",
                   kABURLsProperty, u"home page: http://example.com"_s},
        DialectRow{"xAbDateIsAnOtherDate",
                   "item3.X-ABDATE;type=pref:1995-05-21\nitem3.X-ABLabel:_$!<Anniversary>!$_",
                   kABOtherDatesProperty, u"*anniversary: 1995-05-21"_s},
        DialectRow{"anniversaryAndXAnniversary", "ANNIVERSARY:20091010\nX-ANNIVERSARY:1990-01-02",
                   kABOtherDatesProperty, u"anniversary: 2009-10-10 / anniversary: 1990-01-02"_s},
        DialectRow{"xAbRelatedNames", "item4.X-ABRELATEDNAMES:Bo\nitem4.X-ABLabel:_$!<Spouse>!$_",
                   kABRelatedNamesProperty, u"spouse: Bo"_s},
        DialectRow{"relatedAsText", "RELATED;VALUE=text;TYPE=friend:Jane Doe",
                   kABRelatedNamesProperty, u"friend: Jane Doe"_s},
        DialectRow{"relatedAsUriIsNoName", "RELATED;TYPE=friend:urn:uuid:f81d4fae",
                   kABRelatedNamesProperty, QString()},
        DialectRow{"spouseManagerAssistant", "X-SPOUSE:Al\nX-MANAGER:Bea\nX-ASSISTANT:Cy",
                   kABRelatedNamesProperty, u"spouse: Al / manager: Bea / assistant: Cy"_s},
        DialectRow{"showAsCompany", "X-ABShowAs:COMPANY\nORG:Acme", kABPersonFlags, u"1"_s},
        DialectRow{"kindOrgIsACompany", "KIND:org\nFN:Acme", kABPersonFlags, u"1"_s},
        DialectRow{"companyFormattedNameIsItsOrganization", "KIND:org\nFN:Acme",
                   kABOrganizationProperty, u"Acme"_s},
        DialectRow{"formattedNameStandsInForAMissingName", "FN:Frank Dawson", kABFirstNameProperty,
                   u"Frank Dawson"_s},
        DialectRow{"imppByServiceType", "IMPP;X-SERVICE-TYPE=Jabber:xmpp:ann@example.org",
                   kABJabberInstantProperty, u"other: ann@example.org"_s},
        DialectRow{"imppByScheme", "IMPP;TYPE=work:aim:goim?screenname=annb", kABAIMInstantProperty,
                   u"work: annb"_s},
        DialectRow{"handleWrittenTwiceIsKeptOnce",
                   "X-AIM;type=HOME:annb\nIMPP;X-SERVICE-TYPE=AIM;type=HOME;type=pref:aim:annb",
                   kABAIMInstantProperty, u"*home: annb"_s},
        DialectRow{"googleTalkIsJabber", "X-GOOGLE-TALK:g@example.com\nX-JABBER:j@example.com",
                   kABJabberInstantProperty, u"other: g@example.com / other: j@example.com"_s},
        DialectRow{"xIcq", "X-ICQ:12345", kABICQInstantProperty, u"other: 12345"_s},
        DialectRow{"xMsn", "X-MSN;TYPE=HOME:m@example.com", kABMSNInstantProperty,
                   u"home: m@example.com"_s},
        DialectRow{"xYahoo", "IMPP:ymsgr:sendIM?yan", kABYahooInstantProperty, u"other: yan"_s},
        DialectRow{"typePrefMarksThePrimaryEntry", "TEL:1\nTEL;TYPE=pref:2", kABPhoneProperty,
                   u"other: 1 / *other: 2"_s},
        DialectRow{"primaryAmongEntriesOfOtherProperties",
                   "EMAIL:a@x\nTEL:1\nEMAIL;TYPE=pref:b@x\nTEL;TYPE=pref:2\nTEL:3",
                   kABPhoneProperty, u"other: 1 / *other: 2 / other: 3"_s},
        DialectRow{"preferredSecondWritingOfAHandleAmongOthers",
                   "X-AIM:ann\nTEL:1\nX-AIM:bo\nIMPP;TYPE=pref:aim:ann", kABAIMInstantProperty,
                   u"*other: ann / other: bo"_s},
        DialectRow{"lowestPrefMarksThePrimaryEntry", "EMAIL;PREF=2:a@x\nEMAIL;PREF=1:b@x",
                   kABEmailProperty, u"other: a@x / *other: b@x"_s},
        DialectRow{"bareVersion21Parameters", "TEL;WORK;VOICE;PREF:1\nTEL;HOME;FAX:2",
                   kABPhoneProperty, u"*work: 1 / home fax: 2"_s},
        DialectRow{"phoneLabels",
                   "TEL;TYPE=WORK,FAX:1\nTEL;TYPE=CELL:2\nTEL;TYPE=PAGER:3\nTEL;TYPE=MAIN:4\n"
                   "TEL;TYPE=\"voice,home\":tel:+1-555\nTEL;TYPE=iPhone:6",
                   kABPhoneProperty,
                   u"work fax: 1 / mobile: 2 / pager: 3 / main: 4 / home: +1-555 / iPhone: 6"_s},
        DialectRow{"typesInAnyCaseAndWithBlanks",
                   "TEL;TYPE= cell :1\nTEL;type=Fax;type=Home:2\nTEL;TYPE=CELLULAR:3",
                   kABPhoneProperty, u"mobile: 1 / home fax: 2 / other: 3"_s},
        DialectRow{"iPhoneWrittenWithCell", "TEL;TYPE=IPHONE;TYPE=CELL:1\nTEL;TYPE=CELL,IPHONE:2",
                   kABPhoneProperty, u"iPhone: 1 / iPhone: 2"_s},
        DialectRow{"birthdayWithoutYear", "BDAY:--0412", kABBirthdayProperty, u"--04-12"_s},
        DialectRow{"birthdayWithOneDigitFields", "BDAY:1985-4-2", kABBirthdayProperty,
                   u"1985-04-02"_s},
        DialectRow{"dateWithoutYearWithOneDigitFields", "X-ABDATE:--4-12", kABOtherDatesProperty,
                   u"other: --04-12"_s},
        DialectRow{"deliveryLabelWithoutAddress", "LABEL;TYPE=HOME:12 High St\\nSpringfield",
                   kABAddressProperty, u"home: street=12 High St\nSpringfield"_s},
        DialectRow{"deliveryLabelOfAnItemGroup", "item1.LABEL:Box 9\\nTown\nitem1.X-ABLabel:Cabin",
                   kABAddressProperty, u"Cabin: street=Box 9\nTown"_s},
        DialectRow{"quotedPrintableDeliveryLabel",
                   "LABEL;WORK;ENCODING=QUOTED-PRINTABLE:1 Way=0D=0ATown", kABAddressProperty,
                   u"work: street=1 Way\nTown"_s},
        DialectRow{"addressWinsOverTheLabelOfItsKind",
                   "LABEL;TYPE=WORK:1 Main\\nCity\nADR;TYPE=WORK:;;1 Main;City;;;\n"
                   "LABEL;TYPE=HOME;TYPE=PREF:2 Side",
                   kABAddressProperty, u"work: street=1 Main; city=City / *home: street=2 Side"_s},
        DialectRow{"birthdayWithOmittedYear", "BDAY;X-APPLE-OMIT-YEAR=1604:1604-02-29",
                   kABBirthdayProperty, u"--02-29"_s},
        DialectRow{"birthdayWithTime", "BDAY:19531015T231000Z", kABBirthdayProperty,
                   u"1953-10-15"_s},
        DialectRow{"quotedPrintableWithSoftBreak",
                   "NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:K=C3=A4se =\nund Brot",
                   kABNoteProperty, u"Käse und Brot"_s},
        DialectRow{"quotedPrintableWithoutEscapes",
                   "NOTE;ENCODING=QUOTED-PRINTABLE:The canonical Dirk=0D=0A", kABNoteProperty,
                   u"The canonical Dirk\r\n"_s},
        DialectRow{"quotedPrintableInLatin1",
                   "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=FCrgen",
                   kABLastNameProperty, u"Müller"_s},
        DialectRow{"textEscapes", "NOTE:a\\nb\\,c\\;d\\\\e\\N", kABNoteProperty,
                   u"a\nb,c;d\\e\n"_s},
        DialectRow{"escapedSemicolonDoesNotSplitAName", "N:Smith\\;Jones;Ann", kABLastNameProperty,
                   u"Smith;Jones"_s},
        DialectRow{"nameListsAreWords", "N:Stevenson;John;Philip,Paul;Dr.;Jr.",
                   kABMiddleNameProperty, u"Philip Paul"_s},
        DialectRow{"organizationUnitsAreTheDepartment", "ORG:ABC\\, Inc.;North;Marketing",
                   kABDepartmentProperty, u"North, Marketing"_s},
        DialectRow{"foldedLine", "NOTE:Hello\n  World\n\tagain", kABNoteProperty,
                   u"Hello Worldagain"_s},
        DialectRow{"version21FoldKeepsTheBlank", "NOTE:Hello\n World\n\tagain", kABNoteProperty,
                   u"Hello World\tagain"_s, "2.1"},
        DialectRow{"version21BackslashContinuesTheValue",
                   "ADR;HOME:;;Flat 2\\\n12 Main Street;London;;SW1A 1AA;UK", kABAddressProperty,
                   u"home: street=Flat 2\n12 Main Street; city=London; zip=SW1A 1AA; country=UK"_s,
                   "2.1"},
        DialectRow{"escapedBackslashAtTheEndIsNoContinuation", "NOTE:C:\\\\\n12 Main Street",
                   kABNoteProperty, u"C:\\"_s, "2.1"},
        DialectRow{"quotedPrintableSoftBreakBeforeABlank",
                   "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Hans=\n M=C3=BCller=\n\t(Bonn)",
                   kABFirstNameProperty, u"Hans M\u00fcller\t(Bonn)"_s, "2.1"},
        DialectRow{"quotedPrintableFoldedThenSoftBreak",
                   "NOTE;ENCODING=QUOTED-PRINTABLE:one\n two=\n three", kABNoteProperty,
                   u"one two three"_s, "2.1"},
        DialectRow{"addressWithCountryCode",
                   "item1.ADR;type=WORK:;;1 Main St;Springfield;IL;62701;USA\nitem1.X-ABADR:us",
                   kABAddressProperty,
                   u"work: street=1 Main St; city=Springfield; state=IL; zip=62701; "
                   "country=USA; countryCode=us"_s},
        DialectRow{"addressStreetLines", "ADR;TYPE=home:PO Box 7;Apt 2;1 Main St;;;;",
                   kABAddressProperty, u"home: street=PO Box 7\nApt 2\n1 Main St"_s},
        DialectRow{"lowerCaseNames", "n:doe;john\nemail;type=work:j@example.com", kABEmailProperty,
                   u"work: j@example.com"_s}),
    RowName());

// Every property, the picture and the groups of a person, one line each.
QStringList describeWhole(const ContactStoreRead &read, const ABPerson &person)
{
    QStringList lines;
    for (int i = 0; i < kABPropertyCount; ++i)
        lines.append(describe(person.valueForProperty(static_cast<ABProperty>(i))));
    lines.append(QString::fromLatin1(person.imageData().value_or(QByteArray()).toHex()));
    for (const Group *group : read.store->parentGroups(person))
        lines.append(group->uniqueId());
    return lines;
}

// A card that anything the card before it left behind would change: an item label or
// country, a handle already seen, an address label that hides a delivery label, a
// primary entry.
const char *const kProbeCard = "N:B\nitem1.TEL:1\nitem1.ADR:;;Street;;;;\nX-AIM:ann\n"
                               "LABEL;TYPE=home:Box\nTEL:2\nEMAIL:b@x";

struct CarryOverRow : NamedRow
{
    const char *before;
};

class CarryOver : public testing::TestWithParam<CarryOverRow>
{};

TEST_P(CarryOver, nothingOfACardReachesTheNext)
{
    const ContactStoreRead alone = readVCardData(card(kProbeCard), u"t.vcf"_s);
    const ContactStoreRead after
        = readVCardData(card(GetParam().before) + card(kProbeCard), u"t.vcf"_s);
    ASSERT_FALSE(after.store->people().isEmpty());
    EXPECT_EQ(describeWhole(after, *after.store->people().constLast()),
              describeWhole(alone, onlyPerson(alone)));
}

INSTANTIATE_TEST_SUITE_P(
    VCardStore, CarryOver,
    testing::Values(
        CarryOverRow{"person",
                     "N:A;Ann;M;Dr;Jr\nORG:O;D\nTITLE:T\nNOTE:n\nBDAY:2000-01-02\n"
                     "X-ABShowAs:COMPANY\nCATEGORIES:c\nitem1.X-ABLabel:Cabin\n"
                     "item1.X-ABADR:de\nX-AIM:ann\nADR;TYPE=home:;;S;;;;\nLABEL;TYPE=work:W\n"
                     "TEL;TYPE=pref:9\nEMAIL;PREF=1:a@x\nX-ABDATE;TYPE=pref:2001-02-03\n"
                     "PHOTO;ENCODING=b:iVBORw0KGgo=\nUID:u1"},
        CarryOverRow{"formattedNameOnly", "FN:Ann A\nKIND:org"},
        CarryOverRow{"group", "KIND:group\nFN:G\nN:G\nMEMBER:urn:uuid:u9\nUID:u8"}),
    RowName());

struct PictureRow : NamedRow
{
    const char *body;
    QByteArray expected; // empty: no picture
};

class Picture : public testing::TestWithParam<PictureRow>
{};

TEST_P(Picture, comesOutAsTheStoredBytes)
{
    const ContactStoreRead read = readVCardData(card(GetParam().body), u"t.vcf"_s);
    EXPECT_EQ(onlyPerson(read).imageData().value_or(QByteArray()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    VCardStore, Picture,
    testing::Values(
        PictureRow{"base64",
                   "PHOTO;ENCODING=b;TYPE=PNG:iVBORw0KGgo=", QByteArray("\x89PNG\r\n\x1a\n", 8)},
        PictureRow{"appleFoldingWithBlanks",
                   "PHOTO;BASE64:\n  iVBO Rw0K\n  Ggo=", QByteArray("\x89PNG\r\n\x1a\n", 8)},
        PictureRow{"dataUri",
                   "PHOTO:data:image/png;base64,iVBORw0KGgo=", QByteArray("\x89PNG\r\n\x1a\n", 8)},
        PictureRow{"dataUriWithEscapedComma", "PHOTO:data:image/png;base64\\,iVBORw0KGgo=",
                   QByteArray("\x89PNG\r\n\x1a\n", 8)},
        PictureRow{"dataUriWithEscapedSemicolon", "PHOTO:data:image/png\\;base64\\,iVBORw0KGgo=",
                   QByteArray("\x89PNG\r\n\x1a\n", 8)},
        PictureRow{"dataUriThatAlsoSaysBase64",
                   "PHOTO;ENCODING=b:data:image/png;base64,iVBORw0KGgo=",
                   QByteArray("\x89PNG\r\n\x1a\n", 8)},
        PictureRow{"version21Block",
                   "PHOTO;ENCODING=BASE64;TYPE=GIF:\nR0lG\nODlh\n\nFN:After the picture",
                   QByteArray("GIF89a")},
        PictureRow{"linkIsNeverFetched", "PHOTO;VALUE=uri:http://example.com/a.jpg", QByteArray()},
        PictureRow{"firstPictureWins",
                   "PHOTO;ENCODING=b:QQ==\nPHOTO;ENCODING=b:Qg==", QByteArray("A")},
        PictureRow{"outlookCardPictureWhenNoPhoto",
                   "X-MS-CARDPICTURE;ENCODING=BASE64:Qw==", QByteArray("C")}),
    RowName());

struct BadInputRow : NamedRow
{
    QByteArray data;
    qsizetype people;
    QString message; // a regular expression one diagnostic matches
};

class BadInput : public testing::TestWithParam<BadInputRow>
{};

TEST_P(BadInput, getsOneMessageAndTheRestIsRead)
{
    const ContactStoreRead read = readVCardData(GetParam().data, u"bad.vcf"_s);
    EXPECT_EQ(read.store->people().size(), GetParam().people);
    const QRegularExpression message(GetParam().message);
    EXPECT_EQ(read.diagnostics.filter(message).size(), 1)
        << read.diagnostics.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    VCardStore, BadInput,
    testing::Values(
        BadInputRow{"notAVCard", "GIF89a\x01\x02 hello\r\nworld\r\n", 0,
                    u"^bad.vcf:1: not a vCard file"_s},
        BadInputRow{"zipArchive", QByteArray("PK\x03\x04\x14\0\0\0\x08\0\xE4\x9F", 12), 0,
                    u"^bad.vcf: not a vCard file but a zip archive$"_s},
        BadInputRow{"program",
                    QByteArray("\x7F"
                               "ELF\x02\x01\x01\0\0\0\0\0\x03\0>\0\xC0",
                               17),
                    0, u"^bad.vcf: not a vCard file but a program$"_s},
        BadInputRow{"otherBinaryData", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xFF", 17), 0,
                    u"^bad.vcf: not a vCard file but binary data$"_s},
        BadInputRow{"empty", "", 0, u"^bad.vcf: not a vCard file: it is empty$"_s},
        BadInputRow{"onlyBlanks", "\r\n \t\r\n", 0, u"^bad.vcf: not a vCard file: it is empty$"_s},
        BadInputRow{"zeroBytesAfterLegacyText", card("FN:M\xfcller") + QByteArray(9, '\0'), 1,
                    u"^bad.vcf: text is not UTF-8 .*; read as windows-1252"_s},
        BadInputRow{"cutOffBeforeEnd", card("FN:A") + "BEGIN:VCARD\r\nFN:B\r\nTEL:1\r\n", 2,
                    u"^bad.vcf:5: card ends without END:VCARD"_s},
        BadInputRow{"invalidUtf8", card("FN:M\xfcller") + card("FN:Ok"), 2,
                    u"^bad.vcf: text is not UTF-8 .*; read as windows-1252"_s},
        BadInputRow{"invalidUtf8ThatSaysItIsUtf8",
                    card("FN;CHARSET=UTF-8:M\xfcller") + card("FN:Ok"), 2,
                    u"^bad.vcf:3: text is not valid UTF-8; read as Windows-1252$"_s},
        BadInputRow{"brokenBase64Picture", card("FN:A\nPHOTO;ENCODING=b:@@@@"), 1,
                    u"^bad.vcf:4: picture is not valid base64"_s},
        BadInputRow{"quotedPrintableThatNeverEnds",
                    card("NOTE;ENCODING=QUOTED-PRINTABLE:abc=") + card("FN:B"), 2,
                    u"^bad.vcf:3: quoted-printable value does not end"_s},
        BadInputRow{"memberThatPointsNowhere",
                    card("KIND:group\nFN:G\nMEMBER:urn:uuid:nobody", "4.0") + card("FN:A"), 1,
                    u"^bad.vcf:5: member \"urn:uuid:nobody\" is no card"_s},
        BadInputRow{"groupThatContainsItself",
                    card("KIND:group\nFN:G\nUID:g\nMEMBER:urn:uuid:g", "4.0"), 0,
                    u"^bad.vcf:6: group \"G\" would contain itself through \"G\""_s},
        BadInputRow{"endWithoutBegin", "END:VCARD\r\n" + card("FN:A"), 1,
                    u"^bad.vcf:1: END:VCARD without BEGIN"_s},
        BadInputRow{"lineThatIsNoProperty", card("FN:A\n# a comment\nTEL:1"), 1,
                    u"^bad.vcf:4: not a vCard content line"_s},
        BadInputRow{"birthdayThatIsNoDate", card("FN:A\nBDAY;VALUE=text:circa 1800"), 1,
                    u"^bad.vcf:4: \"circa 1800\" is not a date"_s},
        BadInputRow{"yearAndMonthWithoutDay", card("FN:A\nBDAY:1985-04"), 1,
                    u"^bad.vcf:4: \"1985-04\" gives a year and month but no day; left out$"_s},
        BadInputRow{"unknownCharacterSet", card("FN;CHARSET=MURKS:A"), 1,
                    u"^bad.vcf:3: unknown character set \"MURKS\""_s},
        BadInputRow{"textBetweenCards", card("FN:A") + "garbage\r\n" + card("FN:B"), 2,
                    u"^bad.vcf:5: text outside a card ignored"_s},
        BadInputRow{"unclosedQuoteInAParameter", card("FN:A\nTEL;TYPE=\"home:1"), 1,
                    u"^bad.vcf:4: not a vCard content line"_s}),
    RowName());

struct IgnoredRow : NamedRow
{
    QByteArray data;
};

// Byte-order marks where files were joined, and blanks before a card, stand for nothing.
class Ignored : public testing::TestWithParam<IgnoredRow>
{};

TEST_P(Ignored, isReadAsIfAbsent)
{
    const ContactStoreRead read = readVCardData(GetParam().data, u"t.vcf"_s);
    EXPECT_EQ(lastNames(read.store->people()), (QStringList{u"A"_s, u"B"_s}));
    EXPECT_TRUE(read.diagnostics.isEmpty()) << read.diagnostics.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    VCardStore, Ignored,
    testing::Values(
        IgnoredRow{"byteOrderMarkOfAJoinedFile", card("N:A") + "\xEF\xBB\xBF" + card("N:B")},
        IgnoredRow{"blankLinesBeforeTheFirstCard", "\r\n \r\n\t\r\n" + card("N:A") + card("N:B")},
        IgnoredRow{"blanksBeforeTheFirstBegin", "  " + card("N:A") + card("N:B")},
        IgnoredRow{"blanksBeforeALaterBegin", card("N:A") + "\t " + card("N:B")},
        IgnoredRow{"blanksBeforeEnd", "BEGIN:VCARD\r\nN:A\r\n  END:VCARD\r\n" + card("N:B")}),
    RowName());

struct GroupMarkRow : NamedRow
{
    const char *body;
    bool group;
};

class GroupMark : public testing::TestWithParam<GroupMarkRow>
{};

// Each exporter marks a group card with its own value, which marks nothing in another's line.
TEST_P(GroupMark, makesAGroupOnlyWithItsOwnValue)
{
    const ContactStoreRead read = readVCardData(card(GetParam().body), u"t.vcf"_s);
    EXPECT_EQ(read.store->people().isEmpty(), GetParam().group);
}

INSTANTIATE_TEST_SUITE_P(
    VCardStore, GroupMark,
    testing::Values(GroupMarkRow{"kind", "FN:G\nKIND:group", true},
                    GroupMarkRow{"serverKind", "FN:G\nX-ADDRESSBOOKSERVER-KIND:Group", true},
                    GroupMarkRow{"serverKindTrue", "FN:G\nX-ADDRESSBOOKSERVER-KIND:true", false},
                    GroupMarkRow{"evolutionList", "FN:G\nX-EVOLUTION-LIST:TRUE", true},
                    GroupMarkRow{"evolutionListGroup", "FN:G\nX-EVOLUTION-LIST:group", false}),
    RowName());

// Item labels are remembered from card to card, a few at a time: with more of them than are
// kept, and again in another order, every phone still shows its own.
TEST(VCardStore, givesEveryItemItsOwnLabelAmongMany)
{
    constexpr int kCount = 20;
    QByteArray text;
    for (const bool reversed : {false, true}) {
        QByteArray body = "N:Lee";
        for (int i = 0; i < kCount; ++i) {
            const QByteArray k = QByteArray::number(reversed ? kCount - 1 - i : i);
            body += "\nitem" + k + ".TEL:" + k + "\nitem" + k + ".X-ABLabel:L" + k;
        }
        text += card(body.constData());
    }
    const ContactStoreRead read = readVCardData(text, u"t.vcf"_s, {1});
    ASSERT_EQ(read.store->people().size(), 2);
    for (const ABPerson *person : read.store->people()) {
        const QString phones = describe(person->valueForProperty(kABPhoneProperty));
        for (int i = 0; i < kCount; ++i)
            EXPECT_TRUE(phones.contains(u"L%1: %1"_s.arg(i))) << phones.toStdString();
    }
}

TEST(VCardStore, readsNestedAgentCardsAsCardsOfTheirOwn)
{
    const QByteArray data = "BEGIN:VCARD\nVERSION:2.1\nN:Parent\nAGENT:\nBEGIN:VCARD\n"
                            "N:Agent\nEND:VCARD\nTEL:1\nEND:VCARD\n";
    const ContactStoreRead read = readVCardData(data, u"t.vcf"_s);
    ASSERT_EQ(read.store->people().size(), 2);
    EXPECT_EQ(read.store->people()[0]->valueForProperty(kABLastNameProperty), u"Agent"_s);
    EXPECT_EQ(read.store->people()[1]->valueForProperty(kABLastNameProperty), u"Parent"_s);
    EXPECT_EQ(describe(read.store->people()[1]->valueForProperty(kABPhoneProperty)), u"other: 1"_s);
}

// A card's identifier comes from its own text: the cards nested in it are left out, so that
// a deep nest is not hashed again at every level, and a card without nesting keeps the
// identifier it always had.
TEST(VCardStore, hashesOnlyTheOwnTextOfACardWithoutUid)
{
    const QByteArray outerStart = "BEGIN:VCARD\r\nN:Parent\r\nAGENT:\r\n";
    const QByteArray inner = "BEGIN:VCARD\r\nN:Agent\r\nEND:VCARD\r\n";
    const QByteArray outerEnd = "TEL:1\r\nEND:VCARD\r\n";
    const auto idOf = [](const QByteArray &ownText) -> QString {
        return QString::fromLatin1(
                   QCryptographicHash::hash(ownText, QCryptographicHash::Sha1).toHex().left(16))
            + u":ABPerson"_s;
    };
    const ContactStoreRead read = readVCardData(outerStart + inner + outerEnd + inner, u"t.vcf"_s);
    QStringList ids;
    for (const ABPerson *person : read.store->people())
        ids.append(person->uniqueId());
    EXPECT_EQ(ids,
              (QStringList{idOf(inner), idOf(outerStart + outerEnd),
                           idOf(inner).replace(u":"_s, u"-2:"_s)}));
}

TEST(VCardStore, acceptsEveryKindOfLineEnd)
{
    for (const QByteArray &end :
         {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r"), QByteArray("\r\r\n")}) {
        const QByteArray data = "BEGIN:VCARD" + end + "N:Lee;" + end + " Ann" + end + "END:VCARD"
            + end + "BEGIN:VCARD" + end + "FN:Bo" + end + "END:VCARD";
        const ContactStoreRead read = readVCardData(data, u"t.vcf"_s);
        ASSERT_EQ(read.store->people().size(), 2) << end.toHex().constData();
        EXPECT_EQ(read.store->people()[0]->valueForProperty(kABFirstNameProperty), u"Ann"_s);
        EXPECT_TRUE(read.diagnostics.isEmpty()) << read.diagnostics.join(u'\n').toStdString();
    }
}

// Line ends are looked for several bytes at a time; each place in such a step must do.
TEST(VCardStore, findsTheLineEndWhereverItFalls)
{
    for (const QByteArray &end : {QByteArray("\n"), QByteArray("\r")}) {
        for (qsizetype length = 1; length < 40; ++length) {
            const QByteArray note(length, 'x');
            const QByteArray data = "BEGIN:VCARD" + end + "NOTE:" + note + end + "END:VCARD";
            const ContactStoreRead read = readVCardData(data, u"t.vcf"_s);
            EXPECT_EQ(onlyPerson(read).valueForProperty(kABNoteProperty), QString::fromLatin1(note))
                << end.toHex().constData() << " " << length;
        }
    }
}

TEST(VCardStore, leavesOutALineTooLongToKeep)
{
    QByteArray data = card("FN:A");
    data += "BEGIN:VCARD\r\nNOTE:" + QByteArray(VCardReader::kMaxLineLength + 1, 'x')
        + "\r\nFN:B\r\nEND:VCARD\r\n";
    const ContactStoreRead read = readVCardData(data, u"big.vcf"_s);
    ASSERT_EQ(read.store->people().size(), 2);
    EXPECT_FALSE(read.store->people()[1]->valueForProperty(kABNoteProperty).isValid());
    EXPECT_EQ(read.diagnostics.filter(u"big.vcf:6: line longer than"_s).size(), 1);
}

TEST(VCardStore, countsProblemsPastTheLimitInsteadOfListingThem)
{
    QByteArray data;
    for (int i = 0; i < 80; ++i)
        data += card("BDAY:never");
    const ContactStoreRead read = readVCardData(data, u"many.vcf"_s);
    EXPECT_EQ(read.store->people().size(), 80);
    ASSERT_EQ(read.diagnostics.size(), VCardDiagnostics::kDefaultLimit + 1);
    EXPECT_EQ(read.diagnostics.last(), u"many.vcf: 30 more problems not listed"_s);
}

struct IdentifierRow : NamedRow
{
    QByteArray data;
    QStringList expected; // regular expressions, one per person
};

class Identifiers : public testing::TestWithParam<IdentifierRow>
{};

TEST_P(Identifiers, areSafeUniqueFileNames)
{
    const ContactStoreRead read = readVCardData(GetParam().data, u"t.vcf"_s);
    QStringList ids;
    for (const ABPerson *person : read.store->people())
        ids.append(person->uniqueId());
    ASSERT_EQ(ids.size(), GetParam().expected.size());
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const QRegularExpression expected(u'^' + GetParam().expected[i] + u'$');
        EXPECT_TRUE(expected.match(ids[i]).hasMatch()) << ids[i].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    VCardStore, Identifiers,
    testing::Values(
        IdentifierRow{"urnUuid", card("UID:urn:uuid:AB-12"), {u"AB-12:ABPerson"_s}},
        IdentifierRow{"slashesAndDots",
                      card("UID:../etc/passwd") + card("UID:.."),
                      {u"___etc_passwd:ABPerson"_s, u"__:ABPerson"_s}},
        IdentifierRow{
            "colonsAndSpaces", card("UID:ED7A:ABPerson x"), {u"ED7A_ABPerson_x:ABPerson"_s}},
        IdentifierRow{
            "missingUidHashesTheCard",
            card("FN:A") + card("FN:A") + card("UID:"),
            {u"[0-9a-f]{16}:ABPerson"_s, u"[0-9a-f]{16}-2:ABPerson"_s, u"[0-9a-f]{16}:ABPerson"_s}},
        IdentifierRow{"repeatedUid",
                      card("UID:a") + card("UID:a") + card("UID:a-2") + card("UID:a"),
                      {u"a:ABPerson"_s, u"a-2:ABPerson"_s, u"a-2-2:ABPerson"_s, u"a-3:ABPerson"_s}},
        IdentifierRow{"veryLongUid",
                      card(QByteArray("UID:" + QByteArray(500, 'u')).constData()),
                      {u"u{103}-[0-9a-f]{16}:ABPerson"_s}}),
    RowName());

TEST(VCardStore, buildsGroupsFromGroupCardsNestingAndCategories)
{
    const ContactStoreRead read
        = readVCardStore(QStringLiteral(VORLIN_TEST_DATA "/addressbook/groups.vcf"));
    const ContactStore &store = *read.store;
    QStringList names;
    for (const Group *group : store.groups())
        names.append(group->name().value_or(u"-"_s));
    EXPECT_EQ(names, (QStringList{u"Family"_s, u"Book Club"_s, u"Friends"_s}));

    const Group *friends = groupFromName(store, u"Friends"_s);
    const Group *club = groupFromName(store, u"Book Club"_s);
    ASSERT_TRUE(friends && club);
    EXPECT_EQ(lastNames(friends->members()), QStringList{u"Lee"_s});
    EXPECT_EQ(friends->subgroups(), QList<const Group *>{club});
    // The category and the group card of one name are one group, members of both.
    EXPECT_EQ(lastNames(club->members()), (QStringList{u"Berg"_s, u"Ode"_s}));
    EXPECT_TRUE(club->subgroups().isEmpty());

    const ABPerson *dan = store.people().at(3);
    EXPECT_TRUE(store.parentGroups(*dan).isEmpty());
    EXPECT_EQ(store.parentGroups(*store.people().at(0)).size(), 2);

    EXPECT_EQ(read.diagnostics.filter(u"groups.vcf:34: member \"urn:uuid:nobody\""_s).size(), 1);
    EXPECT_EQ(
        read.diagnostics
            .filter(
                u"groups.vcf:42: group \"Book Club\" would contain itself through \"Friends\""_s)
            .size(),
        1);
    EXPECT_EQ(
        read.diagnostics
            .filter(
                u"groups.vcf:43: group \"Book Club\" would contain itself through \"Book Club\""_s)
            .size(),
        1);
    EXPECT_EQ(read.diagnostics.size(), 3) << read.diagnostics.join(u'\n').toStdString();
}

TEST(VCardStore, ticksTheMembersOfEveryGroupCardOfOneName)
{
    const ContactStoreRead read
        = readVCardData(card("FN:Ann\nUID:a") + card("FN:Bo\nUID:b")
                            + card("KIND:group\nFN:Team\nUID:g1\nMEMBER:urn:uuid:a", "4.0")
                            + card("KIND:group\nFN:Team\nUID:g2\nMEMBER:urn:uuid:b", "4.0"),
                        u"t.vcf"_s);
    EXPECT_EQ(allGroupNames(*read.store), (QStringList{u"Ungrouped Contacts"_s, u"Team"_s}));
    EXPECT_EQ(peopleFromSelectedGroups(*read.store, {{u"Team"_s, true}}, true).size(), 2);
    EXPECT_TRUE(
        peopleFromSelectedGroups(*read.store, {{u"Ungrouped Contacts"_s, true}}, true).isEmpty());
}

// The member is looked up once every card is read: of two cards with its UID, the first,
// before or after the group card, is the one meant.
TEST(VCardStore, takesTheFirstCardOfAUidAsTheMember)
{
    for (const bool groupFirst : {false, true}) {
        const QByteArray group = card("KIND:group\nFN:Team\nMEMBER:urn:uuid:a", "4.0");
        const QByteArray people = card("N:Lee\nUID:A") + card("N:Ode\nUID:a");
        const ContactStoreRead read
            = readVCardData(groupFirst ? group + people : people + group, u"t.vcf"_s);
        const Group *team = groupFromName(*read.store, u"Team"_s);
        ASSERT_TRUE(team);
        EXPECT_EQ(lastNames(team->members()), QStringList{u"Lee"_s}) << groupFirst;
    }
}

TEST(VCardStore, readsEveryVCardFileBelowAFolder)
{
    const ContactStoreRead read
        = readVCardStore(QStringLiteral(VORLIN_TEST_DATA "/addressbook/vdir"));
    EXPECT_EQ(lastNames(read.store->people()), (QStringList{u"Tran"_s, u"Okafor"_s}));
    const Group *team = groupFromName(*read.store, u"Team"_s);
    ASSERT_TRUE(team);
    EXPECT_EQ(lastNames(team->members()), (QStringList{u"Tran"_s, u"Okafor"_s}));
    EXPECT_TRUE(groupFromName(*read.store, u"Colleagues"_s));
    EXPECT_TRUE(read.diagnostics.isEmpty()) << read.diagnostics.join(u'\n').toStdString();
}

TEST(VCardStore, saysSoWhenThePathIsMissing)
{
    const ContactStoreRead read = readVCardStore(u"/nonexistent/contacts.vcf"_s);
    EXPECT_TRUE(read.store->people().isEmpty());
    EXPECT_EQ(read.diagnostics,
              QStringList{u"/nonexistent/contacts.vcf: no such file or folder"_s});
}

TEST(VCardStore, readsOneCardGivenAsUtf16WithAByteOrderMark)
{
    const QString text = u"BEGIN:VCARD\r\nVERSION:3.0\r\nN:Weiß;Jörg\r\nEND:VCARD\r\n"_s;
    for (const bool littleEndian : {true, false}) {
        QByteArray data = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
        for (const QChar c : text) {
            const char high = char(c.unicode() >> 8);
            const char low = char(c.unicode() & 0xFF);
            data.append(littleEndian ? low : high).append(littleEndian ? high : low);
        }
        const VCardPersonRead read = initWithVCardRepresentation(data);
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(read.person->valueForProperty(kABLastNameProperty), u"Weiß"_s);
        EXPECT_EQ(read.person->valueForProperty(kABFirstNameProperty), u"Jörg"_s);
    }
}

struct Utf16Row : NamedRow
{
    QStringConverter::Encoding order;
    QString n; // the N value
    QString note;
};

class Utf16WithoutMark : public testing::TestWithParam<Utf16Row>
{};

// From a file, whose bytes are checked as UTF-8 while they are read: UTF-16 of ASCII alone
// passes that check.
TEST_P(Utf16WithoutMark, isReadAsUtf16)
{
    const QString text = u"BEGIN:VCARD\r\nVERSION:3.0\r\nN:%1\r\nNOTE:%2\r\nEND:VCARD\r\n"_s.arg(
        GetParam().n, GetParam().note);
    const QTemporaryDir folder;
    QFile file(folder.filePath(u"utf16.vcf"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringEncoder(GetParam().order).encode(text));
    file.close();
    const ContactStoreRead read = readVCardStore(file.fileName());
    const ABPerson &person = onlyPerson(read);
    EXPECT_EQ(person.valueForProperty(kABLastNameProperty).toString() + u';'
                  + person.valueForProperty(kABFirstNameProperty).toString(),
              GetParam().n);
    EXPECT_EQ(person.valueForProperty(kABNoteProperty).toString(), GetParam().note);
    EXPECT_TRUE(read.diagnostics.isEmpty()) << read.diagnostics.join(u'\n').toStdString();
}

const QString kLongChineseNote = QString(200, QChar(0x4E2D));

INSTANTIATE_TEST_SUITE_P(
    VCardStore, Utf16WithoutMark,
    testing::Values(
        Utf16Row{"littleEndian", QStringConverter::Utf16LE, u"Weiß;Jörg"_s, u"ö"_s},
        Utf16Row{"bigEndian", QStringConverter::Utf16BE, u"Weiß;Jörg"_s, u"ö"_s},
        Utf16Row{"asciiAlone", QStringConverter::Utf16LE, u"Lee;Ann"_s, u"x"_s},
        Utf16Row{"chineseBigEndian", QStringConverter::Utf16BE, u"王;小明"_s, kLongChineseNote},
        Utf16Row{"chineseLittleEndian", QStringConverter::Utf16LE, u"王;小明"_s, kLongChineseNote}),
    RowName());

TEST(VCardStore, givesNoPersonForDataWithoutACard)
{
    const VCardPersonRead read = initWithVCardRepresentation("\xEF\xBB\xBF");
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.diagnostics, QStringList{u"vCard data: no person card found"_s});
}

TEST(VCardStore, letsTheSampleBeChanged)
{
    VCardPersonRead read = initWithVCardRepresentation(card("FN:A\nNOTE:old"));
    ASSERT_TRUE(read.ok());
    read.person->setValue(u"new"_s, kABNoteProperty);
    EXPECT_EQ(read.person->valueForProperty(kABNoteProperty), u"new"_s);
    read.person->setValue(QVariant(), kABNoteProperty);
    EXPECT_FALSE(read.person->valueForProperty(kABNoteProperty).isValid());
}

} // namespace

// The desktop address-book server's lists, as its .vcf exports hold them: the members by UID
// on e-mail lines, a nested list's members marked with that list's UID.
TEST(VCardStore, readsTheServersContactListsAcrossSources)
{
    const ContactStoreRead read = readVCardSources({
        {card("UID:ann\nN:;Ann;;;") + card("UID:bob\nN:;Bob;;;"), u"people"_s},
        {card("UID:team\nFN:Team\nX-EVOLUTION-LIST:TRUE\n"
              "EMAIL;X-EVOLUTION-DEST-CONTACT-UID=ann:ann@example.org\n"
              "EMAIL:not-a-card@example.org\n"
              "X-EVOLUTION-CONTACT-LIST-INFO;X-EVOLUTION-PARENT-UID=0;"
              "X-EVOLUTION-CONTACT-LIST-UID=sub:Sub\n"
              "EMAIL;X-EVOLUTION-PARENT-UID=sub;X-EVOLUTION-DEST-CONTACT-UID=bob:b@example.org\n"
              "EMAIL;X-EVOLUTION-DEST-CONTACT-UID=gone:gone@example.org")
             + card("UID:sub\nFN:Sub\nX-EVOLUTION-LIST:TRUE\n"
                    "EMAIL;X-EVOLUTION-DEST-CONTACT-UID=bob:b@example.org"),
         u"lists"_s},
    });
    EXPECT_EQ(lastNames(read.store->people()).size(), 2);
    const Group *team = groupFromName(*read.store, u"Team"_s);
    const Group *sub = groupFromName(*read.store, u"Sub"_s);
    ASSERT_TRUE(team && sub);
    ASSERT_EQ(team->members().size(), 1);
    EXPECT_EQ(team->members().constFirst()->stringForProperty(kABFirstNameProperty), u"Ann"_s);
    EXPECT_EQ(team->subgroups(), QList<const Group *>{sub});
    ASSERT_EQ(sub->members().size(), 1);
    EXPECT_EQ(sub->members().constFirst()->stringForProperty(kABFirstNameProperty), u"Bob"_s);
    EXPECT_EQ(read.diagnostics,
              QStringList{u"lists:10: member \"gone\" is no card of the address book; ignored"_s});
}

// Everything a read gives, as lines: each person with every property, each group with its
// members and subgroups, then the messages.
QStringList everything(const ContactStoreRead &read)
{
    QStringList lines;
    for (const ABPerson *person : read.store->people()) {
        lines.append(person->uniqueId());
        for (int i = 0; i < kABPropertyCount; ++i) {
            const QVariant value = person->valueForProperty(static_cast<ABProperty>(i));
            if (value.isValid())
                lines.append(u"  %1 = %2"_s.arg(i).arg(describe(value)));
        }
        lines.append(u"  picture "_s
                     + QString::fromLatin1(person->imageData().value_or("").toHex()));
    }
    for (const Group *group : read.store->groups()) {
        lines.append(group->uniqueId() + u' ' + group->name().value_or(u"-"_s));
        for (const ABPerson *member : group->members())
            lines.append(u"  member "_s + member->uniqueId());
        for (const Group *subgroup : group->subgroups())
            lines.append(u"  subgroup "_s + subgroup->uniqueId());
    }
    return lines + read.diagnostics;
}

struct CutRow : NamedRow
{
    QByteArray text;
    qsizetype minBytes;
    QList<qsizetype> starts; // of the ranges
};

class CutAtCards : public testing::TestWithParam<CutRow>
{};

TEST_P(CutAtCards, cutsOnlyBeforeACardAndKeepsEveryByte)
{
    const QList<QByteArrayView> ranges = splitAtCards(GetParam().text, GetParam().minBytes);
    QList<qsizetype> starts;
    QByteArray joined;
    for (const QByteArrayView range : ranges) {
        starts.append(range.data() - GetParam().text.constData());
        joined += range;
    }
    EXPECT_EQ(starts, GetParam().starts);
    EXPECT_EQ(joined, GetParam().text);
}

const QByteArray kTwoCards = "BEGIN:VCARD\nN:A\nEND:VCARD\nBEGIN:VCARD\nN:B\nEND:VCARD\n";

INSTANTIATE_TEST_SUITE_P(
    VCardStore, CutAtCards,
    testing::Values(
        CutRow{"atEveryCard", kTwoCards, 1, {0, 26}},
        CutRow{"notBeforeTheLeastSize", kTwoCards, 27, {0}},
        CutRow{"afterACarriageReturn", QByteArray(kTwoCards).replace('\n', '\r'), 1, {0, 26}},
        CutRow{"notInsideALine", "BEGIN:VCARD\nNOTE:BEGIN:VCARD\nEND:VCARD\n", 1, {0}},
        CutRow{"notAtAFoldedLine", "BEGIN:VCARD\nNOTE:a\n BEGIN:VCARD\nEND:VCARD\n", 1, {0}},
        CutRow{"empty", "", 1, {0}}),
    RowName());

struct SplitRow : NamedRow
{
    QByteArray data;
};

class SplitRead : public testing::TestWithParam<SplitRow>
{};

// Every card its own range, read three at a time or one after another: the result must not
// tell.
TEST_P(SplitRead, givesWhatOneThreadGives)
{
    const QByteArray &data = GetParam().data;
    ASSERT_GT(splitAtCards(data, 1).size(), 2);
    const ContactStoreRead alone = readVCardData(data, u"t.vcf"_s, {1});
    const ContactStoreRead split = readVCardData(data, u"t.vcf"_s, {3, 1});
    EXPECT_EQ(everything(split), everything(alone));
    const ContactStoreRead oneThreadSplit = readVCardData(data, u"t.vcf"_s, {1, 1});
    EXPECT_EQ(everything(oneThreadSplit), everything(alone));
    EXPECT_FALSE(alone.store->people().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    VCardStore, SplitRead,
    testing::Values(
        SplitRow{"mixed",
                 "stray text\r\n" + card("UID:a\nN:Lee;Ann\nCATEGORIES:Club,Family\nBDAY:never")
                     + card("UID:A\nN:Lee;Ann\nTEL;TYPE=CELL:1\nbad line")
                     + card("N:Ode;Cleo\nCATEGORIES:Club") + card("N:Ode;Cleo\nCATEGORIES:Club")
                     + "BEGIN:VCARD\nVERSION:2.1\nN:Parent\nAGENT:\nBEGIN:VCARD\nN:Agent\n"
                       "CATEGORIES:Spies\nEND:VCARD\nTEL:1\nEND:VCARD\n"
                     + card("KIND:group\nFN:Club\nUID:club\nMEMBER:urn:uuid:a\n"
                            "MEMBER:urn:uuid:nobody\nMEMBER:urn:uuid:club",
                            "4.0")
                     + card("KIND:group\nFN:Club\nMEMBER:urn:uuid:club", "4.0")
                     + "END:VCARD\r\nmore stray text\r\n" + card("UID:a\nN:Vik;Dan")},
        // The card left open holds every card after it, so the ranges after it are read again.
        SplitRow{"cardLeftOpen",
                 card("UID:a\nN:Lee") + "BEGIN:VCARD\nN:Open\nUID:open\n" + card("N:Inner")
                     + card("UID:a\nN:Last")},
        SplitRow{"lineEndsOfOneCR",
                 QByteArray(card("N:A") + card("N:B") + card("N:C")).replace("\r\n", "\r")},
        SplitRow{"problemsPastTheLimit", QByteArray(card("BDAY:never")).repeated(70)},
        // One card not in UTF-8 makes the whole text be read as a legacy one.
        SplitRow{"notUtf8InOneCard",
                 card("N:Lee") + card("N:M\xFCller\nNOTE;QUOTED-PRINTABLE:caf=C3=A9")
                     + card("N:Vik")}),
    RowName());

// A file larger than what is handed back to the system at a time: the text before is let go
// while the rest is read, which must change nothing, groups at the end included.
TEST(VCardStoreFile, readsALargeFileAsItsBytes)
{
    const QByteArray note(4000, 'n');
    QByteArray data;
    for (int i = 0; data.size() <= VCardFile::kReleaseStep + (qsizetype{1} << 20); ++i)
        data += card(
            QByteArray("UID:p" + QByteArray::number(i) + "\nN:Lee;Ann\nNOTE:" + note).constData());
    data += card("KIND:group\nFN:Team\nMEMBER:urn:uuid:p0\nMEMBER:urn:uuid:gone", "4.0");
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"large.vcf"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(data), data.size());
    file.close();
    const ContactStoreRead fromFile = readVCardStore(path, {2, qsizetype{1} << 20});
    const ContactStoreRead fromBytes = readVCardData(data, path, {1});
    EXPECT_EQ(everything(fromFile), everything(fromBytes));
    EXPECT_EQ(fromFile.diagnostics.size(), 1);
}
