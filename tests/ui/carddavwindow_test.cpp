// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a CardDAV address book, against a real server: the local copy at once and
// the server in the background, the password asked in a dialog and kept in the keyring, and
// what the window says when the server cannot be read.
#include "addressbook/carddav/carddavpassword.h"
#include "addressbook/carddav/carddavstore.h"
#include "controllertestsupport.h"
#include "settings/settingskeys.h"
#include "ui/elidedlabel.h"
#include "ui/mainwindow.h"

#include "radicaleserver.h"
#include "testbook.h"
#include "testkeyring.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Three of the test book's cards are people or companies; the fourth is a group.
constexpr qsizetype kContacts = 3;

class CardDavWindow : public Controller
{
protected:
    void SetUp() override
    {
        m_server = RadicaleServer::start();
        if (!m_server)
            GTEST_SKIP() << RadicaleServer::missing().toStdString();
        qputenv("XDG_CACHE_HOME", m_cache.path().toUtf8());
        ASSERT_NO_FATAL_FAILURE(putBook(*m_server));
    }

    [[nodiscard]] QString book() const { return m_server->url(u"/ann/contacts/"_s); }

    // Reads the book once from outside the window, so that a local copy is there.
    void keepACopy() const
    {
        CardDavAccess access;
        access.passwordFile = m_server->passwordFile();
        const Expected<ContactStoreRead> read = readCardDavStore(book(), access);
        ASSERT_TRUE(read) << read.error().toStdString();
    }

    [[nodiscard]] bool serverAnswers() const
    {
        return QTest::qWaitFor([this] { return !controller.isAskingServer(); }, 60'000);
    }

    // The password dialog the window shows, once it is there.
    static QInputDialog *passwordDialog(const MainWindow &window)
    {
        QInputDialog *dialog = nullptr;
        const bool shown = QTest::qWaitFor(
            [&] {
                dialog = window.findChild<QInputDialog *>(u"carddavPasswordDialog"_s);
                return dialog != nullptr && dialog->isVisible();
            },
            60'000);
        return shown ? dialog : nullptr;
    }

    static void answer(QInputDialog &dialog, const QByteArray &password)
    {
        auto *field = dialog.findChild<QLineEdit *>(u"carddavPasswordDialogField"_s);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->echoMode(), QLineEdit::Password);
        EXPECT_FALSE(field->accessibleName().isEmpty());
        field->setText(QString::fromUtf8(password));
        dialog.accept();
    }

    std::optional<RadicaleServer> m_server;
    QTemporaryDir m_cache;
};

// A refused password is asked again, saying so; the book is remembered only once read, and
// the password kept in the keyring opens it next time without a question.
TEST_F(CardDavWindow, asksForThePasswordUntilTheServerTakesIt)
{
    const bool keyring = startKeyring();
    MainWindow window(controller, false);
    QSignalSpy asked(&controller, &AppController::passwordNeeded);
    QSignalSpy notKept(&controller, &AppController::passwordNotKept);
    ASSERT_TRUE(controller.chooseAddressBook(book()));
    EXPECT_FALSE(controller.hasAddressBook()) << "no copy yet";
    EXPECT_TRUE(controller.isAskingServer());

    QInputDialog *first = passwordDialog(window);
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(asked.first().at(1).toBool()) << "none was refused yet";
    EXPECT_EQ(controller.missingReason().toStdString().find("--password-file"), std::string::npos)
        << "the window asks for the password itself";
    EXPECT_TRUE(store.objectForKey(SettingsKeys::addressBookPath).toString().isEmpty());
    answer(*first, "wrong");
    ASSERT_TRUE(QTest::qWaitFor([&] { return asked.size() == 2; }, 60'000));
    EXPECT_TRUE(asked.last().at(1).toBool()) << "the wrong one was refused";
    QInputDialog *second = passwordDialog(window);
    ASSERT_NE(second, nullptr);
    answer(*second, RadicaleServer::kPassword);

    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.hasAddressBook(); }, 60'000))
        << controller.missingReason().toStdString();
    EXPECT_EQ(controller.contactCount(), kContacts);
    EXPECT_EQ(store.objectForKey(SettingsKeys::addressBookPath).toString(), book());
    if (!keyring) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return notKept.size() == 1; }, 5'000));
        GTEST_SKIP() << "no keyring can run here (gnome-keyring-daemon on a private session bus)";
    }
    // Kept apart from the read, once the server took it.
    const Expected<CardDavTarget> target = CardDavTarget::parse(book(), {});
    ASSERT_TRUE(target);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const Expected<std::optional<QString>> kept = CardDavPassword::fromKeyring(*target);
            return kept && *kept == QString::fromLatin1(RadicaleServer::kPassword);
        },
        20'000));
    EXPECT_TRUE(notKept.isEmpty()) << notKept.first().first().toString().toStdString();

    AppController next(store, Bundle(kBundle));
    QSignalSpy askedAgain(&next, &AppController::passwordNeeded);
    ASSERT_TRUE(next.openAddressBook(book()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !next.isAskingServer(); }, 60'000));
    EXPECT_TRUE(askedAgain.isEmpty());
    EXPECT_TRUE(next.serverProblem().isEmpty()) << next.serverProblem().toStdString();
}

// With the server gone, the copy is shown at once and stays, and the status bar says why it
// is the copy.
TEST_F(CardDavWindow, showsTheCopyWhenTheServerCannotBeRead)
{
    keepACopy();
    m_server->stop();
    MainWindow window(controller, false);
    ASSERT_TRUE(controller.openAddressBook(book()));
    EXPECT_TRUE(controller.hasAddressBook());
    EXPECT_EQ(controller.contactCount(), kContacts) << "the copy, before any answer";

    // Without a keyring the password is asked first; the server's absence shows after it.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            auto *dialog = window.findChild<QInputDialog *>(u"carddavPasswordDialog"_s);
            if (dialog != nullptr && dialog->isVisible())
                answer(*dialog, RadicaleServer::kPassword);
            return !controller.serverProblem().isEmpty() && !controller.isAskingServer();
        },
        60'000));
    EXPECT_TRUE(controller.serverProblem().contains(u"127.0.0.1"_s))
        << controller.serverProblem().toStdString();
    EXPECT_TRUE(controller.hasAddressBook());
    EXPECT_EQ(controller.contactCount(), kContacts);
    const auto *label = window.findChild<ElidedLabel *>(u"serverLabel"_s);
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->fullText().contains(controller.serverProblem()));
    EXPECT_FALSE(label->isHidden());
}

// Without a copy, the book shows as being read; when the server cannot be read, why.
TEST_F(CardDavWindow, withoutACopySaysWhyTheServerCouldNotBeRead)
{
    m_server->stop();
    ASSERT_TRUE(controller.openAddressBook(book()));
    EXPECT_FALSE(controller.hasAddressBook());
    EXPECT_FALSE(controller.missingReason().isEmpty());
    ASSERT_TRUE(serverAnswers());
    controller.givePassword(QString::fromLatin1(RadicaleServer::kPassword));
    ASSERT_TRUE(serverAnswers());
    EXPECT_FALSE(controller.hasAddressBook());
    EXPECT_EQ(controller.missingReason(), controller.serverProblem());
    EXPECT_TRUE(store.objectForKey(SettingsKeys::addressBookPath).toString().isEmpty());
}

// Another book opened while the server is asked stays open when the answer comes.
TEST_F(CardDavWindow, anAnswerForABookNoLongerOpenIsDropped)
{
    keepACopy();
    ASSERT_TRUE(controller.openAddressBook(book()));
    const QString demo
        = QDir(QStringLiteral(VORLIN_SOURCE_DIR)).filePath(u"examples/demo-contacts.vcf"_s);
    ASSERT_TRUE(controller.openAddressBook(demo));
    controller.givePassword(QString::fromLatin1(RadicaleServer::kPassword));
    ASSERT_TRUE(serverAnswers());
    EXPECT_EQ(controller.addressBookPath(), std::optional(demo));
    EXPECT_TRUE(controller.serverProblem().isEmpty());
    EXPECT_GT(controller.contactCount(), kContacts);
}

} // namespace
