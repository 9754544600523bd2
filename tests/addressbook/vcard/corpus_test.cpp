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
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

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

constexpr const char *kAppleCustom = "ccs__AFBB77B8-0438-4825-A1DB-A75D76B6C3A8.vcf";
constexpr const char *kGmail = "ezvcard__gmail-single2.vcf";

INSTANTIATE_TEST_SUITE_P(
    Corpus, CorpusProperty,
    testing::Values(PropertyRow{"appleWebPageLabel", kAppleCustom, kABURLsProperty,
                                u"*home page: http://www.example.com/~magic"_s},
                    PropertyRow{"appleDateLabel", kAppleCustom, kABOtherDatesProperty,
                                u"*anniversary: 1995-05-21"_s},
                    PropertyRow{"appleRelatedNames", kAppleCustom, kABRelatedNamesProperty,
                                u"*friend: Aho Sak / assistant: Sanma"_s},
                    PropertyRow{"appleMessaging", kAppleCustom, kABAIMInstantProperty,
                                u"*work: custom@example.com"_s},
                    PropertyRow{
                        "appleAddressWithCountryCode", kAppleCustom, kABAddressProperty,
                        u"*work: street=1 Goroku St.; city=Mountain Top; state=CA; zip=99999; "
                        "country=USA; countryCode=us"_s},
                    PropertyRow{"appleCompany", "ccs__F0A6918D-8E09-43FA-9684-226810B8A96F.vcf",
                                kABPersonFlags, u"1"_s},
                    PropertyRow{"gmailAim", kGmail, kABAIMInstantProperty, u"other: IM3"_s},
                    PropertyRow{"gmailTalkAndJabber", kGmail, kABJabberInstantProperty,
                                u"other: IM2 / other: IM9"_s},
                    PropertyRow{"gmailMsn", kGmail, kABMSNInstantProperty, u"other: IM7"_s},
                    PropertyRow{"gmailYahoo", kGmail, kABYahooInstantProperty, u"other: IM4"_s},
                    PropertyRow{"gmailIcq", kGmail, kABICQInstantProperty, u"other: IM8"_s},
                    PropertyRow{"utf16WithByteOrderMark", "fkvcards-ansi__v3Utf16Bom.vcf",
                                kABLastNameProperty, u"Kinzel"_s},
                    PropertyRow{"windows1252Bytes", "fkvcards-ansi__German.vcf",
                                kABLastNameProperty, u"Nüßlebaum"_s}),
    RowName());

// What a file says it holds, counted from its lines without the reader: the phones, e-mails,
// web pages and addresses with a value, of the cards that are no group, where a delivery
// label counts when its card has no structured address of that kind.
struct EntryCounts
{
    int phones = 0;
    int emails = 0;
    int webPages = 0;
    int addresses = 0;

    bool operator==(const EntryCounts &other) const = default;
    friend void PrintTo(const EntryCounts &counts, std::ostream *out)
    {
        *out << counts.phones << " phones, " << counts.emails << " e-mails, " << counts.webPages
             << " web pages, " << counts.addresses << " addresses";
    }
};

struct CountedCard
{
    EntryCounts counts;
    bool group = false;
    QSet<QString> addressKinds;
    QStringList labelKinds;
    QHash<QString, QString> itemLabels; // item group -> its X-ABLabel
};

// Unfolded content lines: a line that begins with a blank continues the one before.
QStringList unfoldedLines(const QByteArray &bytes)
{
    const auto encoding = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    const QString text = decoder.decode(bytes);
    QStringList lines;
    for (const QString &line : text.split(QRegularExpression(u"\\r\\n|\\n|\\r"_s))) {
        if (!lines.isEmpty() && (line.startsWith(u' ') || line.startsWith(u'\t')))
            lines.last() += line.sliced(1);
        else
            lines.append(line);
    }
    return lines;
}

QString kindOf(const QString &group, const QString &parameters, const CountedCard &card)
{
    if (card.itemLabels.contains(group.toLower()))
        return card.itemLabels.value(group.toLower());
    const QString upper = parameters.toUpper();
    return upper.contains(u"HOME"_s) ? u"home"_s
        : upper.contains(u"WORK"_s)  ? u"work"_s
                                     : u"other"_s;
}

void countLine(const QString &line, CountedCard &card)
{
    static const QRegularExpression kShape(
        u"^(?:([A-Za-z0-9-]+)\\.)?([A-Za-z0-9-]+)([;][^:]*)?:(.*)$"_s);
    const QRegularExpressionMatch match = kShape.match(line);
    if (!match.hasMatch())
        return;
    const QString group = match.captured(1);
    const QString name = match.captured(2).toUpper();
    const QString parameters = match.captured(3);
    const QString value = match.captured(4).trimmed();
    const bool hasValue = !value.isEmpty();
    if ((name == u"KIND"_s || name == u"X-ADDRESSBOOKSERVER-KIND"_s)
        && value.compare(u"group"_s, Qt::CaseInsensitive) == 0)
        card.group = true;
    else if (name == u"TEL"_s && hasValue)
        ++card.counts.phones;
    else if (name == u"EMAIL"_s && hasValue)
        ++card.counts.emails;
    else if (name == u"URL"_s && hasValue)
        ++card.counts.webPages;
    else if (name == u"ADR"_s && value.contains(QRegularExpression(u"[^;\\s]"_s))) {
        ++card.counts.addresses;
        card.addressKinds.insert(kindOf(group, parameters, card));
    } else if (name == u"LABEL"_s && hasValue)
        card.labelKinds.append(kindOf(group, parameters, card));
}

// Item labels first, as the reader takes them from anywhere in the card.
void countCard(const QStringList &lines, CountedCard &card)
{
    static const QRegularExpression kItemLabel(u"^([A-Za-z0-9-]+)\\.X-ABLABEL[;:](?:.*:)?(.*)$"_s,
                                               QRegularExpression::CaseInsensitiveOption);
    for (const QString &line : lines) {
        if (const QRegularExpressionMatch match = kItemLabel.match(line); match.hasMatch())
            card.itemLabels.insert(match.captured(1).toLower(), match.captured(2));
    }
    for (const QString &line : lines)
        countLine(line, card);
}

void addCard(const QStringList &lines, EntryCounts &total)
{
    CountedCard card;
    countCard(lines, card);
    if (card.group)
        return;
    for (const QString &kind : std::as_const(card.labelKinds))
        card.counts.addresses += card.addressKinds.contains(kind) ? 0 : 1;
    total.phones += card.counts.phones;
    total.emails += card.counts.emails;
    total.webPages += card.counts.webPages;
    total.addresses += card.counts.addresses;
}

EntryCounts countedInFile(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    EntryCounts total;
    QList<QStringList> open; // the lines of each card begun and not ended; agents nest
    for (const QString &line : unfoldedLines(file.readAll())) {
        const QString trimmed = line.trimmed().toUpper();
        if (trimmed == u"BEGIN:VCARD"_s || trimmed.endsWith(u":BEGIN:VCARD"_s))
            open.append(QStringList());
        else if (trimmed == u"END:VCARD"_s && !open.isEmpty())
            addCard(open.takeLast(), total);
        else if (!open.isEmpty())
            open.last().append(line);
    }
    // A card the file never ends is read to the end of the file.
    while (!open.isEmpty())
        addCard(open.takeLast(), total);
    return total;
}

int entryCount(const ABPerson &person, ABProperty property)
{
    return int(person.multiValueForProperty(property).value_or(MultiValue()).count());
}

TEST(Corpus, showsEveryPhoneMailWebPageAndAddressTheFileHolds)
{
    SKIP_WITHOUT_CORPUS();
    for (const QString &file : QDir(corpus).entryList({u"*.vcf"_s}, QDir::Files, QDir::Name)) {
        const ContactStoreRead read = readVCardStore(corpus + u'/' + file);
        EntryCounts shown;
        for (const ABPerson *person : read.store->people()) {
            shown.phones += entryCount(*person, kABPhoneProperty);
            shown.emails += entryCount(*person, kABEmailProperty);
            shown.webPages += entryCount(*person, kABURLsProperty);
            shown.addresses += entryCount(*person, kABAddressProperty);
        }
        EXPECT_EQ(shown, countedInFile(corpus + u'/' + file)) << file.toStdString();
    }
}

// Every text a person shows: text properties, entries, and each field of an address.
QStringList shownTexts(const ABPerson &person)
{
    QStringList texts;
    for (int i = 0; i < kABPropertyCount; ++i) {
        const QVariant value = person.valueForProperty(static_cast<ABProperty>(i));
        if (value.metaType() != QMetaType::fromType<MultiValue>()) {
            texts.append(value.toString());
            continue;
        }
        const MultiValue entries = value.value<MultiValue>();
        for (qsizetype entry = 0; entry < entries.count(); ++entry) {
            const QVariant shown = entries.valueAtIndex(entry);
            for (const QVariant &field : shown.typeId() == QMetaType::QVariantMap
                     ? shown.toMap().values()
                     : QVariantList{shown})
                texts.append(field.toString());
        }
    }
    return texts;
}

TEST(Corpus, showsNoValueWithAnEscapeOrQuotedPrintableLeftIn)
{
    SKIP_WITHOUT_CORPUS();
    static const QRegularExpression kEscape(u"\\\\[,;:nN]"_s);
    // A byte past ASCII left encoded; "=0D=0A" may well be text (a note about the encoding).
    static const QRegularExpression kQuoted(u"=[89A-F][0-9A-F]"_s);
    for (const QString &file : QDir(corpus).entryList({u"*.vcf"_s}, QDir::Files, QDir::Name)) {
        QFile raw(corpus + u'/' + file);
        ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
        // A file that never declares the encoding may hold "=F8" as text.
        const bool declaresQuoted = raw.readAll().toUpper().contains("QUOTED-PRINTABLE");
        const ContactStoreRead read = readVCardStore(raw.fileName());
        for (const ABPerson *person : read.store->people()) {
            for (const QString &shown : shownTexts(*person)) {
                EXPECT_FALSE(shown.contains(kEscape) || (declaresQuoted && shown.contains(kQuoted)))
                    << file.toStdString() << ": " << shown.toStdString();
            }
        }
    }
}

TEST(Corpus, readsEveryCardOfALargeFile)
{
    SKIP_WITHOUT_CORPUS();
    EXPECT_EQ(readCorpusFile("fkvcards__LargeFile.vcf").store->people().size(), 1000);
}

} // namespace
