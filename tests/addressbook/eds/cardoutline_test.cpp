// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop's address book learns of a card before it is read: the UID as the reader
// takes it, whether it is a contact list, and the address of a PHOTO given as a link, as the
// server writes them (escaped, folded at 75 characters).
#include "addressbook/eds/cardoutline.h"
#include "support/rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray card(const QByteArray &lines)
{
    QByteArray text = "BEGIN:VCARD\nVERSION:3.0\n" + lines + "\nEND:VCARD";
    return text.replace("\n", "\r\n");
}

struct OutlineRow : NamedRow
{
    QByteArray vcard;
    QString uid;
    QByteArray photoLink;
    bool isList = false;
};

class Outline : public testing::TestWithParam<OutlineRow>
{};

TEST_P(Outline, takesWhatTheCardSays)
{
    const CardOutline outline = CardOutline::of(GetParam().vcard);
    EXPECT_EQ(outline.uid, GetParam().uid);
    EXPECT_EQ(outline.photoLink, GetParam().photoLink);
    EXPECT_EQ(outline.isList, GetParam().isList);
}

INSTANTIATE_TEST_SUITE_P(
    CardOutline, Outline,
    testing::Values(
        OutlineRow{"linkedPhoto", card("UID:ann\nPHOTO;VALUE=uri:file:///p/ann.png"), u"ann"_s,
                   "file:///p/ann.png"},
        OutlineRow{"escapesUndone", card("UID:a\\,b\\;c\nPHOTO;VALUE=URI:file:///p/a\\;b\\,c.png"),
                   u"a,b;c"_s, "file:///p/a;b,c.png"},
        OutlineRow{"foldedLink",
                   card("UID:bob\nPHOTO;VALUE=uri:file:///home/someone/.local/share/evolution/"
                        "addressb\n ook/system/photos/pas-id-0123.jpg"),
                   u"bob"_s,
                   "file:///home/someone/.local/share/evolution/addressbook/system/photos/"
                   "pas-id-0123.jpg"},
        OutlineRow{"groupedPhoto", card("UID:cy\nitem1.PHOTO;VALUE=uri:file:///p/cy.png"), u"cy"_s,
                   "file:///p/cy.png"},
        // libebook reads inline data as the picture, whatever VALUE says.
        OutlineRow{
            "inlinePhoto", card("UID:dee\nPHOTO;ENCODING=b;VALUE=uri:iVBORw0KGgo="), u"dee"_s, {}},
        OutlineRow{"photoWithoutValueUri", card("UID:eli\nPHOTO:file:///p/eli.png"), u"eli"_s, {}},
        OutlineRow{"firstPhotoOnly",
                   card("UID:flo\nPHOTO;ENCODING=b:iVBORw0KGgo=\nPHOTO;VALUE=uri:file:///p/f.png"),
                   u"flo"_s,
                   {}},
        OutlineRow{
            "logoIsNoPhoto", card("UID:gus\nLOGO;VALUE=uri:file:///p/logo.png"), u"gus"_s, {}},
        OutlineRow{"lastUidAsTheReaderTakesIt", card("UID:first\nUID: second \n"), u"second"_s, {}},
        OutlineRow{"contactList", card("UID:team\nX-EVOLUTION-LIST:TRUE"), u"team"_s, {}, true},
        OutlineRow{
            "contactListAnyCase", card("UID:team\nx-evolution-list:true"), u"team"_s, {}, true},
        OutlineRow{"notAList", card("UID:solo\nX-EVOLUTION-LIST:FALSE"), u"solo"_s, {}},
        OutlineRow{"noCard", "not a card", {}, {}}),
    RowName());

} // namespace
