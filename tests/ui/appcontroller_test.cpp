// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllertestsupport.h"
#include "settings/settingskeys.h"
#include "ui/appcontroller.h"
#include "ui/grouptablemodel.h"
#include "ui/mainwindow.h"
#include "util/bundletranslations.h"
#include "util/systemlog.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(Controller, previewFollowsObservedSettings)
{
    controller.updatePreview();
    EXPECT_TRUE(controller.previewHtml().contains(u"name=\"toc_S\">S</a>"_s));
    QSignalSpy previews(&controller, &AppController::previewChanged);
    store.setObject(false, SettingsKeys::sortByLast);
    EXPECT_EQ(previews.size(), 1);
    EXPECT_TRUE(controller.previewHtml().contains(u"name=\"toc_J\">J</a>"_s));
    store.setObject(u"x.html"_s, SettingsKeys::fileName);
    EXPECT_EQ(previews.size(), 1) << "the file name is not observed";
}

// The style sheet is the user's text: the page's placeholders inside it stay as written.
TEST_F(Controller, styleSheetKeepsThePagePlaceholdersAsWritten)
{
    store.setObject(u"/* <<l>> */ /* <<card>> */"_s, SettingsKeys::css);
    const QString html = controller.previewHtml();
    EXPECT_TRUE(html.contains(u"/* <<l>> */ /* <<card>> */"_s));
    EXPECT_EQ(html.count(u"class=\"card"_s), 1) << "one card, in the body";
}

TEST_F(Controller, switchedOffKindAndMovedRowsShowInThePreview)
{
    controller.updatePreview();
    const QString noteText = u"This is the note field."_s;
    ASSERT_TRUE(previewBody().contains(noteText)) << "the ui text sampleNote";
    const auto emailAt = [&] {
        return previewBody().indexOf(u"mailto:"_s);
    };
    const auto noteAt = [&] {
        return previewBody().indexOf(noteText);
    };
    ASSERT_LT(emailAt(), noteAt());
    store.setObject(QVariantList{7, 0, 1, 2, 3, 4, 5, 6}, SettingsKeys::dataOrder);
    EXPECT_GT(emailAt(), noteAt()) << "the note first now";
    store.setObject(false, u"includeNote"_s);
    EXPECT_EQ(noteAt(), -1);
}

TEST_F(Controller, generationWritesTheSamePageAsVorlinExport)
{
    const QString book
        = QDir(QStringLiteral(VORLIN_SOURCE_DIR)).filePath(u"examples/demo-contacts.vcf"_s);
    ASSERT_TRUE(controller.openAddressBook(book));
    store.setObject(false, SettingsKeys::includeImage);
    store.setObject(u"body { color: teal }"_s, SettingsKeys::css); // the default is the test's own
    controller.groupModel().setData(controller.groupModel().index(1, 0), Qt::Unchecked,
                                    Qt::CheckStateRole);
    const QString windowPage = m_dir.filePath(u"window/vorlin.html"_s);
    QDir().mkpath(m_dir.filePath(u"window"_s));
    ASSERT_TRUE(controller.generateHTML(windowPage).has_value());

    ASSERT_NO_FATAL_FAILURE(runVorlinExport(book, m_dir.filePath(u"cli/vorlin.html"_s)));
    const QByteArray page = readAll(windowPage);
    EXPECT_GT(page.size(), 1000);
    EXPECT_EQ(page, readAll(m_dir.filePath(u"cli/vorlin.html"_s)));
}

TEST_F(Controller, failedWriteAlertsAndLogsNothing)
{
    ASSERT_TRUE(controller.openAddressBook(
        QDir(QStringLiteral(VORLIN_SOURCE_DIR)).filePath(u"examples/demo-contacts.vcf"_s)));
    MainWindow window(controller, false);
    QStringList logged;
    QStringList revealed;
    window.setRevealer([&](const QString &path) { revealed.append(path); });
    {
        SystemLogCapture capture([&](const QString &line) { logged.append(line); });
        // A folder where the page should go: the write must fail.
        QDir().mkpath(m_dir.filePath(u"taken/vorlin.html"_s));
        window.generateTo(m_dir.filePath(u"taken/vorlin.html"_s));
    }
    auto *alert = window.findChild<QMessageBox *>(u"generationAlert"_s);
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->text().contains(u"vorlin.html"_s));
    EXPECT_TRUE(logged.isEmpty()) << logged.join(u'\n').toStdString();
    EXPECT_TRUE(revealed.isEmpty());

    window.generateTo(m_dir.filePath(u"vorlin.html"_s));
    EXPECT_EQ(revealed, QStringList{m_dir.filePath(u"vorlin.html"_s)});
}

TEST_F(Controller, firstStartCentresAndLaterStartsKeepTheFrame)
{
    {
        MainWindow window(controller, false);
        window.placeWindow();
        EXPECT_EQ(window.geometry().center(), window.screen()->availableGeometry().center());
        window.setGeometry(40, 50, 600, 400);
        window.close();
    }
    MainWindow again(controller, false);
    again.placeWindow();
    EXPECT_EQ(again.geometry(), QRect(40, 50, 600, 400));

    // A frame saved on a larger screen, or damaged by hand, still opens in view.
    const QRect screen = again.screen()->availableGeometry();
    for (const QString &stored : {u"2500 1500 1100 780"_s, u"a b c d"_s}) {
        store.setObject(stored, MainWindow::kFrameKey);
        again.placeWindow();
        EXPECT_TRUE(screen.contains(again.geometry())) << stored.toStdString();
    }
}

TEST_F(Controller, withoutAddressBookTheWindowOffersToOpenOne)
{
    MainWindow window(controller, false);
    auto *offer = window.findChild<QWidget *>(u"openAddressBookButton"_s);
    ASSERT_NE(offer, nullptr);
    EXPECT_TRUE(offer->isVisibleTo(&window));
    const QString book = m_dir.filePath(u"book.vcf"_s);
    QFile file(book);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BEGIN:VCARD\nVERSION:3.0\nFN:Ann\nN:;Ann;;;\nEND:VCARD\nBEGIN:VCARD\nVERSION:3.0\n"
               "GARBAGE\n");
    file.close();
    ASSERT_TRUE(controller.chooseAddressBook(book));
    EXPECT_FALSE(offer->isVisibleTo(&window));
    EXPECT_EQ(store.objectForKey(SettingsKeys::addressBookPath).toString(), book);
    auto *problems = window.findChild<QWidget *>(u"problemsButton"_s);
    EXPECT_EQ(problems->isVisibleTo(&window), !controller.addressBookProblems().isEmpty());
}

} // namespace
