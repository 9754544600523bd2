// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagegenerator.h"

#include "addressbook/memorycontactstore.h"
#include "contactbuilder.h"
#include "engine/lettersections.h"
#include "enginetestsupport.h"
#include "settings/defaultsregistration.h"
#include "settings/exportsettings.h"
#include "settings/groupchoice.h"
#include "settings/preferencesstore.h"
#include "util/systemlog.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QThreadPool>

using namespace Qt::StringLiterals;

namespace {

ABPerson named(const QString &id, const QString &lastName)
{
    ABPerson contact(id + u":ABPerson"_s);
    contact.setValue(lastName, kABLastNameProperty);
    return contact;
}

TEST(LetterSections, followTheFirstContactOfEachLetterThenReserves)
{
    MemoryContactStore store;
    QList<const ABPerson *> people;
    for (const auto &[id, name] : std::vector<std::pair<QString, QString>>{{u"1"_s, u"Berg"_s},
                                                                           {u"2"_s, u"Adler"_s},
                                                                           {u"3"_s, u"Brandt"_s},
                                                                           {u"4"_s, u"7even"_s},
                                                                           {u"5"_s, u"$mith"_s},
                                                                           {u"6"_s, u"Émile"_s},
                                                                           {u"7"_s, {}}})
        people.append(&store.addPerson(named(id, name)));
    const QList<LetterSection> sections
        = fileIntoSections(people, ExportSettings(), PageLanguage::builtIn());
    QStringList titles;
    for (const LetterSection &section : sections)
        titles.append(section.title);
    EXPECT_EQ(titles, (QStringList{u"B"_s, u"A"_s, u"E"_s, u"0-9"_s, u"*"_s}));
    EXPECT_EQ(sections.first().members, (QList<const ABPerson *>{people[0], people[2]}));
    EXPECT_EQ(sections.last().members, (QList<const ABPerson *>{people[4], people[6]}));
}

class Generation : public testing::Test
{
protected:
    void SetUp() override
    {
        store.registerDefaults(defaultSettings(u"body { color: red }"_s));
        store.setObject(groupChoicesToVariant({{true, u"Ungrouped Contacts"_s}}), u"groupsToUse"_s);
    }

    Expected<GenerationReport> generate(const QString &name = u"page.html"_s)
    {
        PageGenerator generator(store, settings, addressBook, testBundle.bundle());
        const SystemLogCapture capture([&](const QString &line) { log.append(line); });
        return generator.generateHTML(folder.filePath(name),
                                      [&](std::optional<double> f) { progress.append(f); });
    }
    [[nodiscard]] QString page(const QString &name = u"page.html"_s) const
    {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir folder;
    TestBundle testBundle;
    PreferencesStore store{{folder.filePath(u"prefs/user.plist"_s), {}}};
    ExportSettings settings;
    MemoryContactStore addressBook;
    QStringList log;
    QList<std::optional<double>> progress;
};

TEST_F(Generation, withoutContactsWritesAnEmptyIndex)
{
    const Expected<GenerationReport> result = generate();
    ASSERT_TRUE(result) << result.error().toStdString();
    EXPECT_EQ(result->contactCount, 0);
    EXPECT_TRUE(page().contains(u"<div id=\"toc\">\n\t\t</div>"_s));
    EXPECT_FALSE(page().contains(u"toc_anchor"_s));
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log.first().startsWith(u"Generated Vorlin for 0 contacts in "_s));
    EXPECT_TRUE(log.first().endsWith(u" seconds."_s));
}

TEST_F(Generation, writesHeadIndexSectionsAndCards)
{
    addressBook.addPerson(named(u"b"_s, u"Berg"_s));
    addressBook.addPerson(named(u"a"_s, u"Adler"_s));
    addressBook.addPerson(named(u"s"_s, u"$tar"_s));
    store.setObject(u"<b>not escaped</b> %1 %2"_s, u"css"_s);
    ASSERT_TRUE(generate().has_value());
    const QString text = page();
    EXPECT_TRUE(
        text.startsWith(u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"\n"
                        u"\t\t\"http://www.w3.org/TR/html4/loose.dtd\">\n<html>\n<head>\n"
                        u"\t<title>Address Book</title>\n"_s));
    EXPECT_TRUE(text.contains(u"media=\"all\">\n<b>not escaped</b> %1 %2\n\t</style>\n"_s));
    EXPECT_TRUE(text.contains(u"<div id=\"toc\">\n"
                              u"\t\t\t<a class=\"toc_link\" href=\"#toc_A\">A</a> \n"
                              u"\t\t\t<a class=\"toc_link\" href=\"#toc_B\">B</a> \n"
                              u"\t\t\t<a class=\"toc_link\" href=\"#toc_*\">*</a> \n"
                              u"\t\t</div>"_s));
    EXPECT_TRUE(text.contains(u"\t<a class=\"toc_anchor\" name=\"toc_*\">*</a>\n"
                              u"\t<div class=\"card\" id=\"addressbook:s:ABPerson\">"_s));
    EXPECT_TRUE(text.endsWith(u"\t</div>\n</body>\n</html>\n"_s));
    EXPECT_EQ(store.objectForKey(u"fileName"_s), u"page.html"_s);
    EXPECT_EQ(progress, (QList<std::optional<double>>{std::nullopt, 0.0, 0.0, 1.0 / 3, 2.0 / 3}));
}

class GeneratedStyleSheet : public Generation, public testing::WithParamInterface<StyleSheetRow>
{};

TEST_P(GeneratedStyleSheet, staysWithinItsElementAsWritten)
{
    addressBook.addPerson(named(u"b"_s, u"Berg"_s));
    store.setObject(GetParam().css, u"css"_s);
    ASSERT_TRUE(generate().has_value());
    EXPECT_TRUE(holdsStyleElementOf(page(), GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Rows, GeneratedStyleSheet, testing::ValuesIn(kStyleSheetRows), RowName());

TEST_F(Generation, secondGenerationWritesTheGenericPicturesAgain)
{
    addressBook.addPerson(named(u"b"_s, u"Berg"_s));
    ASSERT_TRUE(generate().has_value());
    const QString picture = folder.filePath(u"images/genericPerson.png"_s);
    ASSERT_TRUE(QFile::remove(picture));
    ASSERT_TRUE(generate().has_value());
    EXPECT_TRUE(QFile::exists(picture));
}

TEST_F(Generation, failedWriteLeavesTheOldPageIntact)
{
    ASSERT_TRUE(generate().has_value());
    const QString before = page();
    // A file-size limit stands in for a full disk, even for root.
    store.setObject(QString(200'000, u'x'), u"css"_s);
    const Expected<GenerationReport> result = [&] {
        const FileSizeLimit limit(100'000);
        return generate();
    }();

    ASSERT_FALSE(result);
    EXPECT_TRUE(result.error().startsWith(folder.filePath(u"page.html"_s) + u": "_s));
    EXPECT_EQ(page(), before);
    EXPECT_EQ(log.filter(u"Generated Vorlin"_s).size(), 1); // the first generation's only
}

// Contacts "p0" ... with two phones (the second primary), a birthday and an address, every
// seventh a company; every pictureEvery-th has a picture of its own, of different sizes and
// colours, except that the one at brokenAt, if any, has bytes that are no picture.
QList<ABPerson *> addContacts(MemoryContactStore &addressBook, int count, int pictureEvery,
                              int brokenAt = -1)
{
    QList<ABPerson *> added;
    for (int i = 0; i < count; ++i) {
        ABPerson contact = named(u"p%1"_s.arg(i), u"Name%1"_s.arg(i, 3, 10, QChar(u'0')));
        contact.setValue(listValue({{u"555-%1"_s.arg(i), u"_$!<Home>!$_"_s},
                                    {u"0%1"_s.arg(i * 7), u"_$!<Mobile>!$_"_s}},
                                   1),
                         kABPhoneProperty);
        contact.setValue(QVariant::fromValue(ContactDate(QDate(1950 + i % 60, 1 + i % 12, 1))),
                         kABBirthdayProperty);
        contact.setValue(listValue({{QVariantMap{{kABAddressStreetKey, u"%1 Main St"_s.arg(i)},
                                                 {kABAddressCityKey, u"Springfield"_s},
                                                 {kABAddressStateKey, u"IL"_s}},
                                     u"_$!<Work>!$_"_s}}),
                         kABAddressProperty);
        if (i % 7 == 0)
            contact.setValue(kABShowAsCompany, kABPersonFlags);
        if (i % pictureEvery == 0)
            contact.setImageData(
                i == brokenAt ? QByteArray("no picture")
                              : pngBytes(8 + i % 5, QColor::fromHsv(i * 37 % 360, 200, 200)));
        added.append(&addressBook.addPerson(std::move(contact)));
    }
    return added;
}

QMap<QString, QByteArray> filesBelow(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        QFile file(QDir(folder).filePath(name));
        files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return files;
}

// The cards of a page by contact identifier.
QMap<QString, QString> cardsOf(const QString &page)
{
    static const QString kCardStart = u"\t<div class=\"card\" id=\"addressbook:"_s;
    QMap<QString, QString> cards;
    for (QStringView card : QStringView(page).split(kCardStart).mid(1))
        cards.insert(card.first(card.indexOf(u'"')).toString(), card.toString());
    return cards;
}

class PoolThreads
{
public:
    explicit PoolThreads(int count) { QThreadPool::globalInstance()->setMaxThreadCount(count); }
    ~PoolThreads() { QThreadPool::globalInstance()->setMaxThreadCount(m_before); }
    PoolThreads(const PoolThreads &) = delete;
    PoolThreads &operator=(const PoolThreads &) = delete;

private:
    int m_before = QThreadPool::globalInstance()->maxThreadCount();
};

// More contacts than are written ahead at a time, so that batches are taken back while
// others are still being written.
TEST_F(Generation, cardsAndPicturesOnSeveralThreadsGiveTheSamePageFilesAndLogAsOnOne)
{
    constexpr int kCount = 1100; // four threads have 1024 cards in flight
    addContacts(addressBook, kCount, 10, 130);
    QMap<QString, QByteArray> pictures[2];
    QString pages[2];
    QStringList logs[2];
    for (const int run : {0, 1}) {
        const PoolThreads pool(run == 0 ? 1 : 4);
        const QString name = u"run%1/page.html"_s.arg(run);
        log.clear();
        progress.clear();
        ASSERT_TRUE(generate(name).has_value());
        pages[run] = page(name);
        pictures[run] = filesBelow(folder.filePath(u"run%1/images"_s.arg(run)));
        logs[run] = log.mid(0, log.size() - 1); // the last line holds the time taken
        EXPECT_EQ(progress.size(), kCount + 2) << run;
    }
    EXPECT_EQ(pages[0], pages[1]);
    EXPECT_EQ(cardsOf(pages[0]).size(), kCount);
    EXPECT_EQ(pictures[0], pictures[1]);
    // 110 own pictures but the broken one, and both generic ones.
    EXPECT_EQ(pictures[0].size(), 109 + 2);
    EXPECT_EQ(logs[0], logs[1]);
    EXPECT_EQ(logs[0].filter(u"p130:ABPerson: "_s).size(), 1);
}

// One picture that is no picture and one whose file cannot be written, in the middle of a
// book larger than what is written ahead: every other card and picture is as on a clean run.
TEST_F(Generation, aFailingPictureAmongManyLeavesEveryOtherCardWhole)
{
    const PoolThreads pool(2);
    constexpr int kCount = 600; // two threads have 512 cards in flight
    const QString damaged = u"p7:ABPerson"_s;
    const QString unwritable = u"p300:ABPerson"_s;
    const QList<ABPerson *> people = addContacts(addressBook, kCount, 1);
    ASSERT_TRUE(generate(u"clean/page.html"_s).has_value());
    people[7]->setImageData("no picture");
    ASSERT_TRUE(QDir().mkpath(folder.filePath(u"failing/images/p300.png"_s)));
    log.clear();
    ASSERT_TRUE(generate(u"failing/page.html"_s).has_value());

    QMap<QString, QString> clean = cardsOf(page(u"clean/page.html"_s));
    QMap<QString, QString> failing = cardsOf(page(u"failing/page.html"_s));
    ASSERT_EQ(failing.size(), kCount);
    EXPECT_TRUE(failing.take(damaged).contains(u"\t\t<div class=\"imagecolumn\">&nbsp;</div>\n"_s));
    clean.remove(damaged);
    EXPECT_EQ(failing, clean);
    QMap<QString, QByteArray> cleanPictures = filesBelow(folder.filePath(u"clean/images"_s));
    cleanPictures.remove(u"p7.png"_s);
    cleanPictures.remove(u"p300.png"_s);
    EXPECT_EQ(filesBelow(folder.filePath(u"failing/images"_s)), cleanPictures);
    EXPECT_EQ(log.filter(damaged + u": "_s).size(), 1);
    EXPECT_EQ(log.filter(unwritable + u": "_s).size(), 1);
}

TEST(TargetFolder, createsEveryMissingLevelAndLeavesWhatExists)
{
    QTemporaryDir dir;
    PageGenerator::makeTargetFolder(dir.filePath(u"a/b/c"_s));
    EXPECT_TRUE(QFileInfo(dir.filePath(u"a/b/c"_s)).isDir());
    PageGenerator::makeTargetFolder(dir.filePath(u"a/b"_s));
    EXPECT_TRUE(QFileInfo(dir.filePath(u"a/b/c"_s)).isDir());
}

} // namespace
