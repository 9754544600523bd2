// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/contactcardwriter.h"

#include "addressbook/contactdate.h"
#include "addressbook/memorycontactstore.h"
#include "contactbuilder.h"
#include "enginetestsupport.h"
#include "settings/exportsettings.h"
#include "util/systemlog.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QImageReader>

using namespace Qt::StringLiterals;

namespace {

class Card : public testing::Test
{
protected:
    void SetUp() override
    {
        settings.dataOrder = QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
        QDir().mkpath(images());
    }

    QString render(const ABPerson &contact, PictureSaving save = PictureSaving::Save)
    {
        QString page;
        writer.parseContact(contact, page, save);
        return page;
    }
    [[nodiscard]] QString images() const { return pageFolder.filePath(u"images"_s); }

    ExportSettings settings;
    NoDateFormats dates;
    MemoryContactStore addressBook;
    TestBundle testBundle;
    QTemporaryDir pageFolder;
    ContactCardWriter writer{CardContext{settings, dates, addressBook}, testBundle.bundle(),
                             pageFolder.filePath(u"images"_s)};
};

TEST_F(Card, contactWithoutDataHasNameAndEmptyDataColumn)
{
    settings.includeGenericImages = false;
    EXPECT_EQ(render(person({{kABFirstNameProperty, u"Ann"_s}})),
              u"\t<div class=\"card\" id=\"addressbook:ann:ABPerson\">\n"
              "\t\t<div class=\"imagecolumn\">&nbsp;</div>\n"
              "\t\t<div class=\"namecolumn\">\n"
              "\t\t\t<div class=\"contactname\">Ann</div>\n"
              "\t\t</div>\n"
              "\t\t<div class=\"datacolumn\">\n"
              "\t\t</div>\n"
              "\t</div>\n"_s);
}

TEST_F(Card, withoutDataOrderTheDataColumnIsEmpty)
{
    settings.dataOrder.reset();
    const QString card = render(person({{kABNoteProperty, u"hello"_s}}));
    EXPECT_TRUE(card.contains(u"<div class=\"datacolumn\">\n\t\t</div>\n"_s));
}

TEST_F(Card, firstWrittenGroupIsFirstWhateverTheOrder)
{
    settings.dataOrder = QList<int>{7, 9, -1, 0};
    const QString card = render(person({{kABPhoneProperty, listValue({{u"1"_s, u"home"_s}})}}));
    EXPECT_TRUE(card.contains(u"<div class=\"datagroup_first\" id=\"phone-"_s));
}

TEST_F(Card, switchedOffKindIsNotWritten)
{
    settings.include(DataKind::Note) = false;
    EXPECT_FALSE(render(person({{kABNoteProperty, u"hello"_s}})).contains(u"note-"_s));
}

// ---- every data kind ------------------------------------------------------------------

// One entry of every kind, so that each kind's group can only come from its own writer.
ABPerson personWithEveryKind()
{
    return person({{kABPhoneProperty, listValue({{u"555"_s, u"home"_s}})},
                   {kABEmailProperty, listValue({{u"ann@example.org"_s, u"home"_s}})},
                   {kABURLsProperty, listValue({{u"example.org"_s, u"home"_s}})},
                   {kABOtherDatesProperty,
                    listValue({{QVariant::fromValue(ContactDate(QDate(2001, 5, 1))), u"other"_s}})},
                   {kABRelatedNamesProperty, listValue({{u"Bo"_s, u"friend"_s}})},
                   {kABJabberInstantProperty, listValue({{u"ann@jabber.org"_s, u"home"_s}})},
                   {kABAddressProperty,
                    listValue({{QVariantMap{{kABAddressCityKey, u"Oslo"_s}}, u"home"_s}})},
                   {kABNoteProperty, u"hello"_s}});
}

// Written out here rather than read from the table, so that a row of the table that takes
// another kind's class shows.
struct KindRow : NamedRow
{
    DataKind kind;
    QString groupId;
    QString itemClass;
};

class EveryKind : public Card, public testing::WithParamInterface<KindRow>
{};

TEST_P(EveryKind, isWrittenByItsOwnWriterAlone)
{
    const KindRow &row = GetParam();
    settings.dataOrder = QList<int>{static_cast<int>(row.kind)};
    const QString card = render(personWithEveryKind(), PictureSaving::ReferenceOnly);
    EXPECT_EQ(card.count(u"<div class=\"datagroup"_s), 1) << card.toStdString();
    EXPECT_TRUE(card.contains(u"id=\""_s + row.groupId + u"-ann:ABPerson\">"_s))
        << card.toStdString();
    EXPECT_TRUE(card.contains(u"<div class=\""_s + row.itemClass + u"\"><span class=\"label\">"_s))
        << card.toStdString();
}

TEST_P(EveryKind, isLeftOutWhenSwitchedOff)
{
    const KindRow &row = GetParam();
    settings.dataOrder = QList<int>{static_cast<int>(row.kind)};
    settings.include(row.kind) = false;
    EXPECT_FALSE(
        render(personWithEveryKind(), PictureSaving::ReferenceOnly).contains(u"datagroup"_s));
}

INSTANTIATE_TEST_SUITE_P(Rows, EveryKind,
                         testing::Values(KindRow{"phone", DataKind::Phone, u"phone"_s, u"phone"_s},
                                         KindRow{"email", DataKind::Email, u"email"_s, u"email"_s},
                                         KindRow{"web", DataKind::Web, u"web"_s, u"webpage"_s},
                                         KindRow{"dates", DataKind::Dates, u"date"_s, u"date"_s},
                                         KindRow{"relatedNames", DataKind::RelatedNames,
                                                 u"relatedname"_s, u"relatedname"_s},
                                         KindRow{"messaging", DataKind::InstantMessaging,
                                                 u"instantmessage"_s, u"instantmessage"_s},
                                         KindRow{"postal", DataKind::Postal, u"postal"_s,
                                                 u"postal"_s},
                                         KindRow{"note", DataKind::Note, u"note"_s, u"note"_s}),
                         RowName());

TEST_F(Card, messagingWithEveryServiceOffIsLeftOut)
{
    settings.dataOrder = QList<int>{static_cast<int>(DataKind::InstantMessaging)};
    settings.includeService.fill(false);
    EXPECT_FALSE(
        render(personWithEveryKind(), PictureSaving::ReferenceOnly).contains(u"datagroup"_s));
}

struct JobRow : NamedRow
{
    std::optional<QString> title;
    std::optional<QString> department;
    std::optional<QString> shown;
};

class JobTitle : public Card, public testing::WithParamInterface<JobRow>
{};

TEST_P(JobTitle, combinesTitleAndDepartment)
{
    std::vector<std::pair<ABProperty, QVariant>> properties{{kABFirstNameProperty, u"Ann"_s}};
    if (GetParam().title)
        properties.emplace_back(kABJobTitleProperty, *GetParam().title);
    if (GetParam().department)
        properties.emplace_back(kABDepartmentProperty, *GetParam().department);
    const QString card = render(person(properties));
    if (GetParam().shown) {
        EXPECT_TRUE(card.contains(u"<div class=\"jobtitle\">"_s + *GetParam().shown + u"</div>"_s))
            << card.toStdString();
    } else {
        EXPECT_FALSE(card.contains(u"jobtitle"_s));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JobTitle,
    testing::Values(JobRow{"both", u"Chef"_s, u"Kitchen"_s, u"Chef, Kitchen"_s},
                    JobRow{"titleOnly", u"Chef"_s, std::nullopt, u"Chef"_s},
                    JobRow{"titleAndEmptyDepartment", u"Chef"_s, u""_s, u"Chef"_s},
                    JobRow{"departmentOnly", std::nullopt, u"Kitchen"_s, u"Kitchen"_s},
                    JobRow{"emptyTitleHidesDepartment", u""_s, u"Kitchen"_s, std::nullopt},
                    JobRow{"neither", std::nullopt, std::nullopt, std::nullopt},
                    JobRow{"escaped", u"R&D <lead>"_s, std::nullopt, u"R&#38;D &#60;lead&#62;"_s}),
    RowName());

TEST_F(Card, organizationShownUnlessItIsTheName)
{
    EXPECT_FALSE(
        render(person({{kABOrganizationProperty, u"Acme & Co"_s}})).contains(u"organization"_s));
    EXPECT_TRUE(render(person({{kABFirstNameProperty, u"Ann"_s},
                               {kABOrganizationProperty, u"Acme & Co"_s}}))
                    .contains(u"<div class=\"organization\">Acme &#38; Co</div>"_s));
}

TEST_F(Card, pictureIsWrittenAsPngNamedAfterTheKey)
{
    ABPerson contact(u"plain-id"_s);
    contact.setValue(u"Dwayne \"Rock\""_s, kABFirstNameProperty);
    contact.setImageData(pngBytes(10, Qt::red));
    const QString card = render(contact);
    EXPECT_TRUE(card.contains(u"<img class=\"contactimage\" src=\"images/plain-id.png\" "
                              u"alt=\"Dwayne &#34;Rock&#34;\">"_s))
        << card.toStdString();
    EXPECT_EQ(QImageReader(images() + u"/plain-id.png"_s).format(), "png");
}

TEST_F(Card, pictureFileNeverLeavesTheImagesFolder)
{
    ABPerson contact(u"../../escape:ABPerson"_s);
    contact.setImageData(pngBytes(4, Qt::blue));
    render(contact);
    EXPECT_FALSE(QFile::exists(pageFolder.filePath(u"../escape.png"_s)));
    EXPECT_EQ(QDir(images()).entryList(QDir::Files).size(), 1);
}

TEST_F(Card, undecodablePictureIsLoggedAndLeftOut)
{
    QStringList log;
    const SystemLogCapture capture([&](const QString &line) { log.append(line); });
    ABPerson contact(u"bad:ABPerson"_s);
    contact.setImageData("not a picture");
    EXPECT_TRUE(render(contact).contains(u"<div class=\"imagecolumn\">&nbsp;</div>"_s));
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log.first().startsWith(u"bad:ABPerson: the picture cannot be decoded"_s));
}

TEST_F(Card, companiesShareOneGenericPictureWrittenOnce)
{
    const ABPerson acme = person({{kABOrganizationProperty, u"Acme"_s}, {kABPersonFlags, 1}});
    EXPECT_TRUE(render(acme).contains(u"src=\"images/genericCompany.png\""_s));
    const QString file = images() + u"/genericCompany.png"_s;
    EXPECT_EQ(QImage(file).size(), QSize(96, 96));
    QFile::remove(file);
    EXPECT_TRUE(render(acme).contains(u"src=\"images/genericCompany.png\""_s));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(render(person({})).contains(u"src=\"images/genericPerson.png\""_s));
}

TEST_F(Card, withoutSavingNothingIsWritten)
{
    ABPerson contact(u"p:ABPerson"_s);
    contact.setImageData(pngBytes(4, Qt::blue));
    EXPECT_TRUE(render(contact, PictureSaving::ReferenceOnly).contains(u"images/p.png"_s));
    render(person({}), PictureSaving::ReferenceOnly);
    EXPECT_TRUE(QDir(images()).isEmpty());
}

// ---- the card's own switches --------------------------------------------------------

struct SwitchRow : NamedRow
{
    bool ExportSettings::*setting;
    std::vector<std::pair<ABProperty, QVariant>> properties;
    bool withPicture;
    QString shownOnlyWhenOn;
};

class CardSwitch : public Card, public testing::WithParamInterface<SwitchRow>
{
protected:
    QString renderRow()
    {
        ABPerson contact = person(GetParam().properties);
        if (GetParam().withPicture)
            contact.setImageData(pngBytes(4, Qt::green));
        return render(contact);
    }
};

// Each switch hides its own part of the card and nothing else, and a hidden picture is not
// written either.
TEST_P(CardSwitch, hidesOnlyItsOwnPart)
{
    const QString on = renderRow();
    ASSERT_TRUE(on.contains(GetParam().shownOnlyWhenOn)) << on.toStdString();
    for (const QString &file : QDir(images()).entryList(QDir::Files))
        QFile::remove(images() + u'/' + file);
    settings.*GetParam().setting = false;
    const QString off = renderRow();
    EXPECT_FALSE(off.contains(GetParam().shownOnlyWhenOn)) << off.toStdString();
    EXPECT_EQ(QString(on).remove(GetParam().shownOnlyWhenOn),
              QString(off).remove(u"\t\t<div class=\"imagecolumn\">&nbsp;</div>\n"_s))
        << off.toStdString();
    if (GetParam().setting == &ExportSettings::includeImage) {
        EXPECT_TRUE(QDir(images()).isEmpty());
    }
}

const std::vector<std::pair<ABProperty, QVariant>> kAnnAtAcme{{kABFirstNameProperty, u"Ann"_s},
                                                              {kABJobTitleProperty, u"Chef"_s},
                                                              {kABOrganizationProperty, u"Acme"_s}};

INSTANTIATE_TEST_SUITE_P(
    Rows, CardSwitch,
    testing::Values(SwitchRow{"jobTitle", &ExportSettings::includeJobTitle, kAnnAtAcme, false,
                              u"\t\t\t<div class=\"jobtitle\">Chef</div>\n"_s},
                    SwitchRow{"organization", &ExportSettings::includeOrganization, kAnnAtAcme,
                              false, u"\t\t\t<div class=\"organization\">Acme</div>\n"_s},
                    SwitchRow{"ownPicture", &ExportSettings::includeImage, kAnnAtAcme, true,
                              u"\t\t<div class=\"imagecolumn\"><img class=\"contactimage\" "
                              u"src=\"images/ann.png\" alt=\"Ann\"></div>\n"_s},
                    SwitchRow{"genericPictureFollowsThePictureSwitch",
                              &ExportSettings::includeImage, kAnnAtAcme, false,
                              u"\t\t<div class=\"imagecolumn\"><img class=\"contactimage\" "
                              u"src=\"images/genericPerson.png\" alt=\"Ann\"></div>\n"_s},
                    SwitchRow{"genericPicture", &ExportSettings::includeGenericImages, kAnnAtAcme,
                              false,
                              u"\t\t<div class=\"imagecolumn\"><img class=\"contactimage\" "
                              u"src=\"images/genericPerson.png\" alt=\"Ann\"></div>\n"_s}),
    RowName());

} // namespace
