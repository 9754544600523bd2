// SPDX-License-Identifier: GPL-3.0-or-later
// Where the password comes from: a file only its owner may read (its first line), or the
// desktop's keyring, which a test can run in its private session.
#include "addressbook/carddav/carddavpassword.h"
#include "addressbook/carddav/carddavstore.h"

#include "radicaleserver.h"
#include "testbook.h"
#include "testkeyring.h"

#include <QTemporaryDir>

#include "rowname.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

struct FileRow : NamedRow
{
    QByteArray text;
    mode_t mode;
    QString expected; // the password, or "error: <start of the reason>"
};

class PasswordFileTest : public testing::TestWithParam<FileRow>
{};

TEST_P(PasswordFileTest, takesTheFirstLineOfAPrivateFile)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"password"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().text);
    file.close();
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), GetParam().mode), 0);
    const Expected<QString> password = CardDavPassword::fromFile(path);
    EXPECT_EQ(password ? *password : u"error: "_s + password.error().section(u": "_s, 1),
              GetParam().expected);
}

const QString kShared = u"error: others than its owner may read or change it; the password is "
                        "not taken (chmod 600 it)"_s;

INSTANTIATE_TEST_SUITE_P(
    Files, PasswordFileTest,
    testing::Values(
        FileRow{{"ownerOnly"}, "s3cret pass\nnext line\n", 0600, u"s3cret pass"_s},
        FileRow{{"readOnly"}, "s3cret\r\n", 0400, u"s3cret"_s},
        FileRow{{"noLineEnd"}, "s3cret", 0600, u"s3cret"_s},
        FileRow{{"groupMayRead"}, "s3cret\n", 0640, kShared},
        FileRow{{"othersMayRead"}, "s3cret\n", 0604, kShared},
        FileRow{{"groupMayWrite"}, "s3cret\n", 0620, kShared},
        FileRow{{"emptyFirstLine"}, "\ns3cret\n", 0600, u"error: the first line is empty"_s}),
    RowName());

TEST(PasswordFile, aPipeIsNotWaitedOn)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"fifo"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const Expected<QString> password = CardDavPassword::fromFile(path);
    ASSERT_FALSE(password);
    EXPECT_TRUE(password.error().endsWith(u"not a regular file"_s));
}

TEST(Keyring, keepsThePasswordTheStoreReadsWith)
{
    if (!startKeyring())
        GTEST_SKIP() << "no keyring can run here (gnome-keyring-daemon on a private session bus)";
    std::optional<RadicaleServer> server = RadicaleServer::start();
    if (!server)
        GTEST_SKIP() << RadicaleServer::missing().toStdString();
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    ASSERT_EQ(server->makeAddressBook(u"/ann/contacts/"_s, u"Contacts"_s), 201);
    ASSERT_EQ(server->put(u"/ann/contacts/a-ann.vcf"_s, bookCards().first().second), 201);
    const Expected<CardDavTarget> target = CardDavTarget::parse(server->url(u"/"_s), {});
    ASSERT_TRUE(target);

    const Expected<ContactStoreRead> before = readCardDavStore(server->url(u"/"_s));
    ASSERT_FALSE(before);
    EXPECT_TRUE(before.error().contains(u"the keyring holds no password"_s))
        << before.error().toStdString();

    ASSERT_TRUE(
        CardDavPassword::saveInKeyring(*target, QString::fromLatin1(RadicaleServer::kPassword)));
    const Expected<std::optional<QString>> kept = CardDavPassword::fromKeyring(*target);
    ASSERT_TRUE(kept) << kept.error().toStdString();
    EXPECT_EQ(*kept, std::optional(QString::fromLatin1(RadicaleServer::kPassword)));
    const Expected<ContactStoreRead> after = readCardDavStore(server->url(u"/"_s));
    ASSERT_TRUE(after) << after.error().toStdString();
    EXPECT_EQ(after->store->people().size(), 1);
}

} // namespace
