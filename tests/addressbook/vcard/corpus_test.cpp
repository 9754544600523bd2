// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the real vCard files of the shared corpus in place (never copied into the project):
// every file is read without a crash, and the cards its provenance notes describe come out
// right. Skips when the corpus is not beside the checkout.
#include "addressbook/group.h"
#include "addressbook/vcard/vcardstore.h"

#include "describe.h"
#include "qtprinters.h"
#include "rowname.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString corpus = QStringLiteral(VORLIN_VCARD_CORPUS);

#define SKIP_WITHOUT_CORPUS()                                                                      \
    if (!QDir(corpus).exists())                                                                    \
    GTEST_SKIP() << "no corpus at " << corpus.toStdString()

ContactStoreRead readCorpusFile(const char *name)
{
    return readVCardStore(corpus + u'/' + QString::fromLatin1(name));
}

TEST(Corpus, everyFileIsReadAndEveryCardGivesAContactOrGroup)
{
    SKIP_WITHOUT_CORPUS();
    const QStringList files = QDir(corpus).entryList({u"*.vcf"_s}, QDir::Files, QDir::Name);
    EXPECT_GT(files.size(), 100);
    for (const QString &file : files) {
        const ContactStoreRead read = readVCardStore(corpus + u'/' + file);
        for (const ABPerson *person : read.store->people())
            EXPECT_TRUE(person->uniqueId().endsWith(u":ABPerson"_s)) << file.toStdString();
    }
}

TEST(Corpus, isReadAsOneFolderStoreWithGroupsAcrossFiles)
{
    SKIP_WITHOUT_CORPUS();
    const ContactStoreRead read = readVCardStore(corpus);
    EXPECT_GT(read.store->people().size(), 1000);
    const Group *shared = nullptr;
    for (const Group *group : read.store->groups()) {
        if (group->name() == u"Shared Group"_s)
            shared = group;
    }
    ASSERT_TRUE(shared);
    QStringList subgroups;
    for (const Group *group : shared->subgroups())
        subgroups.append(group->name().value_or(QString()));
    EXPECT_EQ(subgroups, (QStringList{u"Sub Group"_s, u"New Group"_s}));
    EXPECT_FALSE(read.diagnostics.filter(u"member \"urn:uuid:uid-bad\""_s).isEmpty());
}

struct PictureRow : NamedRow
{
    const char *file;
    QByteArray signature;
};

class CorpusPicture : public testing::TestWithParam<PictureRow>
{};

TEST_P(CorpusPicture, comesOutAsPictureBytes)
{
    SKIP_WITHOUT_CORPUS();
    const ContactStoreRead read = readCorpusFile(GetParam().file);
    ASSERT_FALSE(read.store->people().isEmpty());
    const QByteArray bytes = read.store->people().constFirst()->imageData().value_or(QByteArray());
    EXPECT_TRUE(bytes.startsWith(GetParam().signature)) << bytes.left(8).toHex().constData();
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, CorpusPicture,
    testing::Values(
        PictureRow{"thunderbirdPng", "tb-addrbook__v3-binary-png.vcf", "\x89PNG"},
        PictureRow{"thunderbirdJpeg", "tb-addrbook__v3-binary-jpeg.vcf", "\xFF\xD8\xFF"},
        PictureRow{"thunderbirdWebp", "tb-addrbook__v3-binary-webp.vcf", "RIFF"},
        PictureRow{"version4DataUri", "tb-addrbook__v4-uri-png.vcf", "\x89PNG"},
        PictureRow{"appleBase64WithBlanks", "ccs__F0A6918D-8E09-43FA-9684-226810B8A96F.vcf",
                   "\xFF\xD8\xFF"},
        PictureRow{"outlookVersion21", "ezvcard__John_Doe_MS_OUTLOOK.vcf", "\xFF\xD8\xFF"},
        PictureRow{"androidVersion21", "android__v21_blackberry_photo.vcf", "\x89PNG"}),
    RowName());

struct PropertyRow : NamedRow
{
    const char *file;
    ABProperty property;
    QString expected;
};

class CorpusProperty : public testing::TestWithParam<PropertyRow>
{};

TEST_P(CorpusProperty, holdsWhatTheCardSays)
{
    SKIP_WITHOUT_CORPUS();
    const ContactStoreRead read = readCorpusFile(GetParam().file);
    ASSERT_FALSE(read.store->people().isEmpty());
    EXPECT_EQ(describe(read.store->people().constFirst()->valueForProperty(GetParam().property)),
              GetParam().expected);
}

constexpr const char *appleCustom = "ccs__AFBB77B8-0438-4825-A1DB-A75D76B6C3A8.vcf";
constexpr const char *gmail = "ezvcard__gmail-single2.vcf";

INSTANTIATE_TEST_SUITE_P(
    Corpus, CorpusProperty,
    testing::Values(PropertyRow{"appleWebPageLabel", appleCustom, kABURLsProperty,
                                u"*home page: http://www.example.com/~magic"_s},
                    PropertyRow{"appleDateLabel", appleCustom, kABOtherDatesProperty,
                                u"*anniversary: 1995-05-21"_s},
                    PropertyRow{"appleRelatedNames", appleCustom, kABRelatedNamesProperty,
                                u"*friend: Aho Sak / assistant: Sanma"_s},
                    PropertyRow{"appleMessaging", appleCustom, kABAIMInstantProperty,
                                u"*work: custom@example.com"_s},
                    PropertyRow{
                        "appleAddressWithCountryCode", appleCustom, kABAddressProperty,
                        u"*work: street=1 Goroku St.; city=Mountain Top; state=CA; zip=99999; "
                        "country=USA; countryCode=us"_s},
                    PropertyRow{"appleCompany", "ccs__F0A6918D-8E09-43FA-9684-226810B8A96F.vcf",
                                kABPersonFlags, u"1"_s},
                    PropertyRow{"gmailAim", gmail, kABAIMInstantProperty, u"other: IM3"_s},
                    PropertyRow{"gmailTalkAndJabber", gmail, kABJabberInstantProperty,
                                u"other: IM2 / other: IM9"_s},
                    PropertyRow{"gmailMsn", gmail, kABMSNInstantProperty, u"other: IM7"_s},
                    PropertyRow{"gmailYahoo", gmail, kABYahooInstantProperty, u"other: IM4"_s},
                    PropertyRow{"gmailIcq", gmail, kABICQInstantProperty, u"other: IM8"_s},
                    PropertyRow{"utf16WithByteOrderMark", "fkvcards-ansi__v3Utf16Bom.vcf",
                                kABLastNameProperty, u"Kinzel"_s},
                    PropertyRow{"windows1252Bytes", "fkvcards-ansi__German.vcf",
                                kABLastNameProperty, u"Nüßlebaum"_s}),
    RowName());

TEST(Corpus, readsEveryCardOfALargeFile)
{
    SKIP_WITHOUT_CORPUS();
    EXPECT_EQ(readCorpusFile("fkvcards__LargeFile.vcf").store->people().size(), 1000);
}

} // namespace
