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
    const QList<LetterSection> sections = fileIntoSections(people, ExportSettings());
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

// Contacts "p0" ... with pictures of different sizes and colours; the one at brokenAt, if
// any, has bytes that are no picture.
void addPictureContacts(MemoryContactStore &addressBook, int count, int brokenAt = -1)
{
    for (int i = 0; i < count; ++i) {
        ABPerson contact = named(u"p%1"_s.arg(i), u"Name%1"_s.arg(i, 3, 10, QChar(u'0')));
        contact.setImageData(i == brokenAt
                                 ? QByteArray("no picture")
                                 : pngBytes(8 + i % 5, QColor::fromHsv(i * 37 % 360, 200, 200)));
        addressBook.addPerson(std::move(contact));
    }
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

class PictureThreads
{
public:
    explicit PictureThreads(int count) { QThreadPool::globalInstance()->setMaxThreadCount(count); }
    ~PictureThreads() { QThreadPool::globalInstance()->setMaxThreadCount(m_before); }
    PictureThreads(const PictureThreads &) = delete;
    PictureThreads &operator=(const PictureThreads &) = delete;

private:
    int m_before = QThreadPool::globalInstance()->maxThreadCount();
};

TEST_F(Generation, picturesOnSeveralThreadsGiveTheSamePageAndFilesAsOnOne)
{
    addPictureContacts(addressBook, 40, 13);
    addressBook.addPerson(named(u"generic"_s, u"Generic"_s));
    QMap<QString, QByteArray> pictures[2];
    QString pages[2];
    QStringList logs[2];
    for (const int threads : {1, 4}) {
        const PictureThreads pool(threads);
        const int run = threads == 1 ? 0 : 1;
        const QString name = u"run%1/page.html"_s.arg(run);
        log.clear();
        ASSERT_TRUE(generate(name).has_value());
        pages[run] = page(name);
        pictures[run] = filesBelow(folder.filePath(u"run%1/images"_s.arg(run)));
        logs[run] = log.mid(0, log.size() - 1); // the last line holds the time taken
    }
    EXPECT_EQ(pages[0], pages[1]);
    EXPECT_EQ(pictures[0], pictures[1]);
    EXPECT_EQ(pictures[0].size(), 40); // 39 contacts' own and the generic person
    EXPECT_EQ(logs[0], logs[1]);
}

TEST_F(Generation, aFailingPictureAmongManyLeavesEveryOtherCardWhole)
{
    const PictureThreads pool(4);
    addPictureContacts(addressBook, 30, 7);
    ASSERT_TRUE(generate().has_value());
    const QString text = page();
    for (int i = 0; i < 30; ++i) {
        const QString column = i == 7
            ? u"\t\t<div class=\"imagecolumn\">&nbsp;</div>\n"_s
            : u"\t\t<div class=\"imagecolumn\"><img class=\"contactimage\" src=\"images/p%1.png\""_s
                  .arg(i);
        EXPECT_TRUE(text.contains(u"<div class=\"card\" id=\"addressbook:p%1:ABPerson\">\n"_s.arg(i)
                                  + column))
            << i;
        EXPECT_EQ(QImage(folder.filePath(u"images/p%1.png"_s.arg(i))).isNull(), i == 7) << i;
    }
    EXPECT_EQ(text.count(u"<div class=\"datacolumn\">"_s), 30);
    ASSERT_EQ(log.filter(u"p7:ABPerson: "_s).size(), 1);
}

TEST(TargetFolder, createsEveryMissingLevel)
{
    QTemporaryDir dir;
    EXPECT_TRUE(PageGenerator::makeTargetFolder(dir.filePath(u"a/b/c"_s)));
    EXPECT_TRUE(QFileInfo(dir.filePath(u"a/b/c"_s)).isDir());
    EXPECT_FALSE(PageGenerator::makeTargetFolder(dir.filePath(u"a/b"_s)));
}

} // namespace
