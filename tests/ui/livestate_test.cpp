// SPDX-License-Identifier: GPL-3.0-or-later
// The window works on the address book and the settings as they are now: what another
// program, a sync tool or a hand edit changed while it was open shows in the table, the
// rows, the status bar and the next page.
#include "controllertestsupport.h"
#include "rowname.h"
#include "settings/groupchoice.h"
#include "settings/settingskeys.h"
#include "ui/addressbookmenu.h"
#include "ui/dataitemcontainerview.h"
#include "ui/elidedlabel.h"
#include "ui/grouptablemodel.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Changes show within a second; twice that leaves room for the sanitizer build. (QTRY_* would
// only return from a GoogleTest test that times out, not fail it.)
constexpr int kBound = 2000;

QByteArray card(const QString &name, const QString &category = {})
{
    QByteArray text
        = "BEGIN:VCARD\nVERSION:3.0\nFN:" + name.toUtf8() + "\nN:" + name.toUtf8() + ";;;;\n";
    if (!category.isEmpty())
        text += "CATEGORIES:" + category.toUtf8() + "\n";
    return text + "END:VCARD\n";
}

void write(const QString &path, const QByteArray &bytes, QIODevice::OpenMode mode = {})
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | mode)) << path.toStdString();
    file.write(bytes);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString labelText(const MainWindow &window, const QString &name)
{
    const auto *label = window.findChild<QLabel *>(name);
    if (!label || !label->isVisibleTo(&window))
        return {};
    const auto *elided = qobject_cast<const ElidedLabel *>(label);
    return elided ? elided->fullText() : label->text();
}

// The tail where a book keeps its cards: a file, or a folder with one file per card.
struct BookShapeRow : NamedRow
{
    bool folder;
};

class LiveBook : public Controller, public testing::WithParamInterface<BookShapeRow>
{
protected:
    QString makeBook()
    {
        if (!GetParam().folder) {
            write(m_dir.filePath(u"book.vcf"_s), card(u"Ann"_s, u"Work"_s) + card(u"Bob"_s));
            return m_dir.filePath(u"book.vcf"_s);
        }
        QDir(m_dir.path()).mkpath(u"book/collection"_s);
        write(m_dir.filePath(u"book/collection/ann.vcf"_s), card(u"Ann"_s, u"Work"_s));
        write(m_dir.filePath(u"book/collection/bob.vcf"_s), card(u"Bob"_s));
        return m_dir.filePath(u"book"_s);
    }

    // As GNOME Contacts, a sync tool or another program adds a card.
    void addCard(const QString &book, const QString &name, const QString &category)
    {
        if (GetParam().folder)
            write(book + u"/collection/"_s + name + u".vcf"_s, card(name, category));
        else
            write(book, card(name, category), QIODevice::Append);
    }

    [[nodiscard]] QStringList rows()
    {
        QStringList names;
        for (const GroupChoice &choice :
             controller.settings().groupsToUse.value_or(QList<GroupChoice>()))
            names.append(choice.name + (choice.include ? u"+"_s : u"-"_s));
        return names;
    }
};

TEST_P(LiveBook, refreshAndGenerateReadTheBookAsItIsNow)
{
    const QString book = makeBook();
    ASSERT_TRUE(controller.openAddressBook(book));
    const ContactStore *read = &controller.addressBook();
    controller.groupModel().setData(controller.groupModel().index(1, 0), Qt::Unchecked,
                                    Qt::CheckStateRole);
    ASSERT_TRUE(controller.refreshAddressBook());
    EXPECT_EQ(&controller.addressBook(), read) << "an unchanged book is not parsed again";

    addCard(book, u"Cyd"_s, u"Friends"_s);
    ASSERT_TRUE(controller.refreshAddressBook());
    EXPECT_EQ(controller.contactCount(), 3);
    EXPECT_EQ(rows(), (QStringList{u"Ungrouped Contacts+"_s, u"Friends+"_s, u"Work-"_s}))
        << "a new group ticked, the user's choice kept";

    addCard(book, u"Dee"_s, {});
    const QString page = m_dir.filePath(u"out/vorlin.html"_s);
    ASSERT_TRUE(controller.generateHTML(page).has_value());
    const QByteArray html = readAll(page);
    EXPECT_TRUE(html.contains("Dee")) << "the generation reads the book at its start";
    EXPECT_FALSE(html.contains(">Ann<")) << "Work stays unticked";
}

TEST_P(LiveBook, theWindowFollowsTheBookByItselfAndSaysWhenItIsGone)
{
    const QString book = makeBook();
    ASSERT_TRUE(controller.openAddressBook(book));
    MainWindow window(controller, false);
    controller.groupModel().setData(controller.groupModel().index(1, 0), Qt::Unchecked,
                                    Qt::CheckStateRole);

    addCard(book, u"Cyd"_s, u"Friends"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.contactCount() == 3; }, kBound));
    EXPECT_EQ(rows(), (QStringList{u"Ungrouped Contacts+"_s, u"Friends+"_s, u"Work-"_s}));
    EXPECT_TRUE(labelText(window, u"addressBookLabel"_s).contains(u"3 contacts"_s));

    const QString aside = book + u".moved"_s;
    ASSERT_TRUE(QFile::rename(book, aside));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !controller.hasAddressBook(); }, kBound));
    EXPECT_EQ(controller.contactCount(), 0) << "no stale contacts";
    EXPECT_TRUE(labelText(window, u"noAddressBookLabel"_s).contains(book))
        << labelText(window, u"noAddressBookLabel"_s).toStdString();

    ASSERT_TRUE(QFile::rename(aside, book));
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.hasAddressBook(); }, kBound));
    EXPECT_EQ(rows(), (QStringList{u"Ungrouped Contacts+"_s, u"Friends+"_s, u"Work-"_s}))
        << "the ticks come back with the book";
}

INSTANTIATE_TEST_SUITE_P(Window, LiveBook,
                         testing::Values(BookShapeRow{"file", false}, BookShapeRow{"folder", true}),
                         RowName());

TEST_F(Controller, statusBarCountsContactsUnreadValuesAndTheLastPage)
{
    const QString book = m_dir.filePath(u"book.vcf"_s);
    write(book,
          "BEGIN:VCARD\nVERSION:3.0\nFN:Ann\nN:Ann;;;;\nGARBAGE\nPHOTO;ENCODING=b:!!\n"
          "END:VCARD\n"
              + card(u"Bob"_s) + card(u"Cyd"_s) + "stray text\n");
    ASSERT_TRUE(controller.openAddressBook(book));
    MainWindow window(controller, false);
    window.setRevealer([](const QString &) {});
    EXPECT_EQ(labelText(window, u"addressBookLabel"_s), book + u": 3 contacts"_s);
    EXPECT_EQ(labelText(window, u"problemsLabel"_s), u"3 values could not be read"_s)
        << controller.addressBookProblems().join(u'\n').toStdString();

    const QString page = m_dir.filePath(u"vorlin.html"_s);
    window.generateTo(page);
    EXPECT_EQ(labelText(window, u"generatedLabel"_s), u"3 contacts written to "_s + page);
}

TEST_F(Controller, generateWithoutAddressBookSaysSoAndWritesNothing)
{
    MainWindow window(controller, false);
    window.generateHTML();
    auto *alert = window.findChild<QMessageBox *>(u"nothingToExportAlert"_s);
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(window.findChild<QFileDialog *>(u"saveDialog"_s), nullptr);

    const QString page = m_dir.filePath(u"vorlin.html"_s);
    const Expected<GenerationReport> report = controller.generateHTML(page);
    ASSERT_FALSE(report.has_value());
    EXPECT_TRUE(report.error().contains(u"nothing to export"_s));
    EXPECT_FALSE(QFile::exists(page));
}

TEST_F(Controller, aFolderCanBeChosenFromTheMenu)
{
    QDir(m_dir.path()).mkpath(u"cards"_s);
    write(m_dir.filePath(u"cards/ann.vcf"_s), card(u"Ann"_s));
    MainWindow window(controller, false);
    auto *menu = window.findChild<AddressBookMenu *>();
    ASSERT_NE(menu, nullptr);
    menu->chooseFolderAction()->trigger();
    auto *dialog = window.findChild<QFileDialog *>(u"openAddressBookDialog"_s);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
    Q_EMIT dialog->fileSelected(m_dir.filePath(u"cards"_s));
    EXPECT_TRUE(controller.hasAddressBook());
    EXPECT_EQ(controller.contactCount(), 1);
}

// The order of the data groups in a card, by their classes.
QStringList groupOrder(const QString &html)
{
    QStringList kinds;
    static const QRegularExpression kGroup(u"<div class=\"datagroup(?:_first)?\" id=\"([a-z]+)-"_s);
    for (const QRegularExpressionMatch &match : kGroup.globalMatch(html))
        kinds.append(match.captured(1));
    return kinds;
}

TEST_F(Controller, handEditedDataOrderIsRepairedAlikeInRowsPreviewAndPage)
{
    MainWindow window(controller, false);
    store.setObject(QVariantList{3, 3, 9, -1, u"x"_s}, SettingsKeys::dataOrder);
    const QList<int> repaired{3, 0, 1, 2, 4, 5, 6, 7};
    EXPECT_EQ(window.dataItemsView()->layoutModel().order(), repaired);
    EXPECT_EQ(controller.settings().dataOrder, repaired);
    const QStringList shown = groupOrder(controller.previewHtml());
    ASSERT_GE(shown.size(), 3) << controller.previewHtml().toStdString();
    EXPECT_EQ(shown.first(), u"date"_s);
    EXPECT_EQ(shown.count(u"date"_s), 1);
}

// Another program stores settings while the window is open: vorlin-export on another book
// rewrites the group choices, and the table shows what the next page will use.
TEST_F(Controller, anotherProgramsChoicesShowInTableAndPreview)
{
    const QString book = m_dir.filePath(u"book.vcf"_s);
    write(book, card(u"Ann"_s, u"Work"_s));
    ASSERT_TRUE(controller.openAddressBook(book));
    MainWindow window(controller, false);
    const QString other = m_dir.filePath(u"other.vcf"_s);
    write(other, card(u"Zed"_s, u"Club"_s) + card(u"Yan"_s, u"Band"_s));

    ASSERT_NO_FATAL_FAILURE(runVorlinExport(other, m_dir.filePath(u"cli/vorlin.html"_s)));
    const auto stored = [this] {
        return groupChoicesFromVariant(store.objectForKey(SettingsKeys::groupsToUse));
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return stored().size() == 3; }, kBound));
    GroupTableModel &model = controller.groupModel();
    ASSERT_EQ(model.rowCount(), 3) << "the table follows the stored list";
    EXPECT_EQ(model.index(1, GroupTableModel::NameColumn).data().toString(), u"Band"_s);
    EXPECT_EQ(controller.settings().groupsToUse, stored());

    // A switch stored by another program shows in the window and the preview.
    PreferencesStore(PreferencesStore::standardFiles()).setObject(false, SettingsKeys::sortByLast);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !store.objectForKey(SettingsKeys::sortByLast).toBool(); }, kBound));
    EXPECT_TRUE(controller.previewHtml().contains(u"name=\"toc_J\""_s));
    EXPECT_EQ(controller.settings().groupsToUse, stored()) << "still one list after a refresh";
    EXPECT_EQ(model.rowCount(), 3);
}

} // namespace
