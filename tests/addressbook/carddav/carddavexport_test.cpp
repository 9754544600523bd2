// SPDX-License-Identifier: GPL-3.0-or-later
// vorlin-export on a CardDAV address book: the same page as from the same cards in a .vcf
// file, the account's books listed, and status 2 with the reason when the book cannot be
// read as asked.
#include "cli/exportprocess.h"
#include "radicaleserver.h"
#include "testbook.h"

#include <QDir>
#include <QTemporaryDir>

#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList warnings(const QString &err)
{
    return err.split(u'\n').filter(u"warning"_s);
}

// A home of the test's own beside a server with the book filled.
class CardDavExportTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_server = RadicaleServer::start();
        if (!m_server)
            GTEST_SKIP() << RadicaleServer::missing().toStdString();
        ASSERT_NO_FATAL_FAILURE(putBook(*m_server));
    }

    [[nodiscard]] Outcome run(const QStringList &arguments) const
    {
        QProcessEnvironment environment;
        environment.insert(u"XDG_CACHE_HOME"_s, m_home.filePath(u".cache"_s));
        return runExport(m_home.path(), arguments, environment);
    }
    [[nodiscard]] Outcome exportBook(const QStringList &more) const
    {
        return run(QStringList{u"--quiet"_s, u"--address-book"_s, m_server->url(u"/"_s),
                               u"--output"_s, u"dav/page.html"_s}
                   + more);
    }

    QTemporaryDir m_home;
    std::optional<RadicaleServer> m_server;
};

TEST_F(CardDavExportTest, givesTheSamePageAsTheVCardFile)
{
    QByteArray all;
    for (const auto &[name, text] : bookCards())
        all += text;
    QFile file(m_home.filePath(u"contacts.vcf"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(all) == all.size());
    file.close();
    const Outcome fromFile = run(
        {u"--quiet"_s, u"--address-book"_s, file.fileName(), u"--output"_s, u"file/page.html"_s});
    ASSERT_EQ(fromFile.status, 0) << fromFile.err.toStdString();
    QDir(m_home.filePath(u".config"_s)).removeRecursively(); // the same first run for both

    const Outcome fromServer = exportBook({u"--password-file"_s, m_server->passwordFile()});
    ASSERT_EQ(fromServer.status, 0) << fromServer.err.toStdString();
    EXPECT_EQ(warnings(fromServer.err), warnings(fromFile.err));
    const QByteArray page = fileBytes(m_home.filePath(u"file/page.html"_s));
    ASSERT_TRUE(page.contains("ann@example.org"));
    EXPECT_EQ(fileBytes(m_home.filePath(u"dav/page.html"_s)), page);
    const QStringList pictures = QDir(m_home.filePath(u"file/images"_s)).entryList(QDir::Files);
    EXPECT_FALSE(pictures.isEmpty());
    EXPECT_EQ(QDir(m_home.filePath(u"dav/images"_s)).entryList(QDir::Files), pictures);

    // The account is known now: listed with its book, and readable offline.
    const Outcome listed = run({u"--list-address-books"_s});
    EXPECT_TRUE(
        listed.out.contains(m_server->url(u"/ann/contacts/"_s) + u"\tContacts\t3 contacts"_s))
        << listed.out.toStdString();
    m_server->stop();
    EXPECT_EQ(exportBook({u"--offline"_s}).status, 0);
}

struct StatusRow : NamedRow
{
    std::function<QStringList(RadicaleServer &, const QTemporaryDir &)> arrange; // options
    QString expected;                                                            // on stderr
};

class CardDavExportStatusTest : public CardDavExportTest,
                                public testing::WithParamInterface<StatusRow>
{};

TEST_P(CardDavExportStatusTest, stopsWithStatusTwoAndTheReason)
{
    const QStringList options = GetParam().arrange(*m_server, m_home);
    const Outcome outcome = exportBook(options);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_TRUE(outcome.err.contains(GetParam().expected)) << outcome.err.toStdString();
    EXPECT_FALSE(QFile::exists(m_home.filePath(u"dav/page.html"_s)));
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, CardDavExportStatusTest,
    testing::Values(
        StatusRow{{"passwordFileOthersMayRead"},
                  [](RadicaleServer &server, const QTemporaryDir &) {
                      const QString file = server.passwordFile("shared");
                      (void)QFile::setPermissions(
                          file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
                      return QStringList{u"--password-file"_s, file};
                  },
                  u"others than its owner may read or change it"_s},
        StatusRow{{"serverUnreachable"},
                  [](RadicaleServer &server, const QTemporaryDir &) {
                      server.stop();
                      return QStringList{u"--password-file"_s, server.passwordFile()};
                  },
                  u"Connection refused"_s},
        StatusRow{
            "offlineWithoutACopy",
            [](RadicaleServer &, const QTemporaryDir &) { return QStringList{u"--offline"_s}; },
            u"no local copy; read it once without --offline"_s},
        StatusRow{
            "offlineAsksForNoPassword",
            [](RadicaleServer &server, const QTemporaryDir &) {
                return QStringList{u"--offline"_s, u"--password-file"_s, server.passwordFile()};
            },
            u"--offline asks no server"_s}),
    RowName());

} // namespace
