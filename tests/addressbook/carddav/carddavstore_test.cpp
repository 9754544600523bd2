// SPDX-License-Identifier: GPL-3.0-or-later
// CardDAV address books against a real server (Radicale on a loopback port): discovery from
// the account's root, persons, a group and pictures read as from a .vcf file; a second run
// that asks only for what changed; the local copy read offline; and each way a server can
// fail the reader (a wrong password, an untrusted certificate, a redirect to another host,
// an answer that breaks off, a server gone), each stopping with one message naming the URL.
#include "addressbook/carddav/carddavcache.h"
#include "addressbook/carddav/carddavstore.h"
#include "addressbook/group.h"

#include "fakehttpserver.h"
#include "radicaleserver.h"
#include "testbook.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "rowname.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QString names(const ContactStore &store)
{
    QStringList people;
    for (const ABPerson *person : store.people())
        people.append(person->valueForProperty(kABFirstNameProperty).toString()
                      + person->valueForProperty(kABOrganizationProperty).toString());
    people.sort();
    return people.join(u", "_s);
}

// Every exchange of a run, as the client's observer reports them.
struct Traffic
{
    QList<CardDavClient::Exchange> exchanges;

    [[nodiscard]] QStringList methods() const
    {
        QStringList list;
        for (const CardDavClient::Exchange &exchange : exchanges)
            list.append(QString::fromLatin1(exchange.method));
        return list;
    }
    [[nodiscard]] qint64 reportBytes() const
    {
        qint64 bytes = 0;
        for (const CardDavClient::Exchange &exchange : exchanges)
            bytes += exchange.method == "REPORT" ? exchange.bytes : 0;
        return bytes;
    }
};

// A server with the book filled, and a cache folder of the test's own.
class CardDavStoreTest : public testing::Test
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

    [[nodiscard]] CardDavAccess access(Traffic *traffic = nullptr) const
    {
        CardDavAccess access;
        access.passwordFile = m_server->passwordFile();
        if (traffic)
            access.client.observer = [traffic](const CardDavClient::Exchange &exchange) {
                traffic->exchanges.append(exchange);
            };
        return access;
    }

    QTemporaryDir m_cache;
    std::optional<RadicaleServer> m_server;
};

TEST_F(CardDavStoreTest, readsTheOneBookOfTheAccountFromItsRoot)
{
    const Expected<ContactStoreRead> read = readCardDavStore(m_server->url(u"/"_s), access());
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_TRUE(read->diagnostics.isEmpty()) << read->diagnostics.join(u'\n').toStdString();
    EXPECT_EQ(names(*read->store), u"Acme, Ann, Bob"_s);
    QStringList groups;
    for (const Group *group : read->store->groups())
        groups.append(group->name().value_or(QString()) + u':'
                      + QString::number(group->members().size()));
    groups.sort();
    EXPECT_EQ(groups, (QStringList{u"Book Club:1"_s, u"Friends:2"_s}));
    const QList<const ABPerson *> people = read->store->people();
    const auto ann = std::find_if(people.cbegin(), people.cend(), [](const ABPerson *person) {
        return person->valueForProperty(kABFirstNameProperty).toString() == u"Ann"_s;
    });
    ASSERT_NE(ann, people.cend());
    EXPECT_EQ((*ann)->imageData(), std::optional(picture()));
}

// Only the user may look into the copy, and the password is nowhere in it.
TEST_F(CardDavStoreTest, keepsAPrivateCopyWithoutThePassword)
{
    ASSERT_TRUE(readCardDavStore(m_server->url(u"/ann/contacts/"_s), access()));
    QDirIterator entries(CardDavCache::root(), QDir::AllEntries | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    int files = 0;
    while (entries.hasNext()) {
        const QString path = entries.next();
        struct stat status
        {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
        const mode_t expected = S_ISDIR(status.st_mode) ? 0700 : 0600;
        EXPECT_EQ(status.st_mode & 0777, expected) << path.toStdString();
        EXPECT_FALSE(fileBytes(path).contains(RadicaleServer::kPassword)) << path.toStdString();
        files += S_ISREG(status.st_mode) ? 1 : 0;
    }
    EXPECT_EQ(files, 2 + bookCards().size()); // account.json, index.json and the cards
}

TEST_F(CardDavStoreTest, asksAgainOnlyForWhatChanged)
{
    const QString url = m_server->url(u"/"_s);
    Traffic first;
    ASSERT_TRUE(readCardDavStore(url, access(&first)));
    ASSERT_EQ(first.methods().count(u"REPORT"_s), 1);

    Traffic unchanged;
    const Expected<ContactStoreRead> again = readCardDavStore(url, access(&unchanged));
    ASSERT_TRUE(again) << again.error().toStdString();
    EXPECT_EQ(names(*again->store), u"Acme, Ann, Bob"_s);
    EXPECT_EQ(unchanged.methods().count(u"REPORT"_s), 0)
        << unchanged.methods().join(u' ').toStdString();

    ASSERT_EQ(
        m_server->put(u"/ann/contacts/b-bob.vcf"_s, card("UID:bob-2\nFN:Rob Ray\nN:Ray;Rob;;;")),
        201);
    ASSERT_EQ(m_server->remove(u"/ann/contacts/c-acme.vcf"_s), 200);
    Traffic changed;
    const Expected<ContactStoreRead> after = readCardDavStore(url, access(&changed));
    ASSERT_TRUE(after) << after.error().toStdString();
    EXPECT_EQ(names(*after->store), u"Ann, Rob"_s);
    EXPECT_EQ(changed.methods().count(u"REPORT"_s), 1);
    // One short card, not the book with Ann's picture.
    EXPECT_LT(changed.reportBytes(), first.reportBytes() / 4);
}

TEST_F(CardDavStoreTest, readsTheCopyOfflineAndStopsWithoutTheServerOtherwise)
{
    const QString url = m_server->url(u"/"_s);
    ASSERT_TRUE(readCardDavStore(url, access()));
    m_server->stop();
    CardDavAccess offline;
    offline.offline = true;
    const Expected<ContactStoreRead> copy = readCardDavStore(url, offline);
    ASSERT_TRUE(copy) << copy.error().toStdString();
    EXPECT_EQ(names(*copy->store), u"Acme, Ann, Bob"_s);

    const Expected<ContactStoreRead> online = readCardDavStore(url, access());
    ASSERT_FALSE(online);
    EXPECT_TRUE(online.error().startsWith(m_server->url(u"/"_s, false)))
        << online.error().toStdString();
}

TEST_F(CardDavStoreTest, severalBooksWithoutADefaultAreListed)
{
    ASSERT_EQ(m_server->makeAddressBook(u"/ann/work/"_s, u"Work"_s), 201);
    const Expected<ContactStoreRead> read = readCardDavStore(m_server->url(u"/"_s), access());
    ASSERT_FALSE(read);
    EXPECT_TRUE(read.error().contains(u"2 address books"_s)) << read.error().toStdString();
    EXPECT_TRUE(read.error().contains(m_server->url(u"/ann/work/"_s, false)));
    EXPECT_TRUE(read.error().contains(m_server->url(u"/ann/contacts/"_s, false)));
    EXPECT_TRUE(readCardDavStore(m_server->url(u"/ann/work/"_s), access()));
}

// A picture linked on the book's own host comes with the credentials; one on another host is
// never asked for.
TEST_F(CardDavStoreTest, fetchesLinkedPicturesFromTheServersHostOnly)
{
    FakeHttpServer sameHost(QHostAddress(u"127.0.0.1"_s), [](const QByteArray &) {
        return FakeHttpServer::response(200, {{"Content-Type", "image/png"}}, picture());
    });
    FakeHttpServer otherHost(QHostAddress(u"127.0.0.2"_s), [](const QByteArray &) {
        return FakeHttpServer::response(200, {{"Content-Type", "image/png"}}, picture());
    });
    ASSERT_TRUE(sameHost.isListening() && otherHost.isListening());
    const QByteArray near = "http://127.0.0.1:" + QByteArray::number(sameHost.port()) + "/p.png";
    const QByteArray far = "http://127.0.0.2:" + QByteArray::number(otherHost.port()) + "/p.png";
    ASSERT_EQ(m_server->put(u"/ann/contacts/b-bob.vcf"_s,
                            card("UID:bob-2\nFN:Bob Ray\nN:Ray;Bob;;;\nPHOTO;VALUE=uri:" + near)),
              201);
    ASSERT_EQ(m_server->put(u"/ann/contacts/c-acme.vcf"_s,
                            card("UID:acme-3\nFN:Acme\nORG:Acme\nX-ABShowAs:COMPANY\n"
                                 "PHOTO;VALUE=uri:"
                                 + far)),
              201);
    const Expected<ContactStoreRead> read
        = readCardDavStore(m_server->url(u"/ann/contacts/"_s), access());
    ASSERT_TRUE(read) << read.error().toStdString();
    qsizetype withPicture = 0;
    for (const ABPerson *person : read->store->people())
        withPicture += person->imageData() == std::optional(picture()) ? 1 : 0;
    EXPECT_EQ(withPicture, 2); // Ann's inline, Bob's linked
    ASSERT_EQ(sameHost.requests().size(), 1);
    EXPECT_TRUE(sameHost.requests().first().contains("Authorization: Basic"));
    EXPECT_TRUE(otherHost.requests().isEmpty());
    EXPECT_EQ(read->diagnostics.filter(u"not on the address book's server"_s).size(), 1);

    // Kept with the card: the next run asks for it no more.
    ASSERT_TRUE(readCardDavStore(m_server->url(u"/ann/contacts/"_s), access()));
    EXPECT_EQ(sameHost.requests().size(), 1);
}

// Each way the server fails the reader: the read stops with one message that names the URL
// and never the password.
struct FailureRow : NamedRow
{
    // Makes the situation; returns the URL to read and how.
    std::function<QPair<QString, CardDavAccess>(RadicaleServer &,
                                                std::vector<std::unique_ptr<FakeHttpServer>> &)>
        arrange;
    QString expected; // in the message
};

class CardDavFailureTest : public testing::TestWithParam<FailureRow>
{};

CardDavAccess withPasswordFile(const RadicaleServer &server)
{
    CardDavAccess access;
    access.passwordFile = server.passwordFile();
    access.client.requestTimeout = std::chrono::seconds(5);
    return access;
}

// A fake server on 127.0.0.1 that answers every request with answer.
QString fakeUrl(std::vector<std::unique_ptr<FakeHttpServer>> &fakes, FakeHttpServer::Answer answer)
{
    fakes.push_back(
        std::make_unique<FakeHttpServer>(QHostAddress(u"127.0.0.1"_s), std::move(answer)));
    return u"http://ann@127.0.0.1:%1/"_s.arg(fakes.back()->port());
}

TEST_P(CardDavFailureTest, stopsWithOneMessage)
{
    std::optional<RadicaleServer> server
        = RadicaleServer::start({.tls = GetParam().name == "untrustedCertificate"});
    if (!server)
        GTEST_SKIP() << RadicaleServer::missing().toStdString();
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    ASSERT_EQ(server->makeAddressBook(u"/ann/contacts/"_s, u"Contacts"_s), 201);
    std::vector<std::unique_ptr<FakeHttpServer>> fakes;
    const auto [url, access] = GetParam().arrange(*server, fakes);
    const Expected<ContactStoreRead> read = readCardDavStore(url, access);
    ASSERT_FALSE(read);
    EXPECT_TRUE(read.error().contains(GetParam().expected)) << read.error().toStdString();
    EXPECT_TRUE(read.error().contains(QUrl(url).host())) << read.error().toStdString();
    EXPECT_FALSE(read.error().contains(QString::fromLatin1(RadicaleServer::kPassword)));
    for (const std::unique_ptr<FakeHttpServer> &fake : fakes) {
        if (fake->address() != QHostAddress::LocalHost) {
            EXPECT_TRUE(fake->requests().isEmpty()) << "another host was asked";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, CardDavFailureTest,
    testing::Values(
        FailureRow{{"wrongPassword"},
                   [](RadicaleServer &server, auto &) {
                       CardDavAccess access = withPasswordFile(server);
                       access.passwordFile = server.passwordFile("not it");
                       return qMakePair(server.url(u"/"_s), access);
                   },
                   u"refused the user name or password (401)"_s},
        FailureRow{{"noSuchBook"},
                   [](RadicaleServer &server, auto &) {
                       return qMakePair(server.url(u"/ann/nothing/"_s), withPasswordFile(server));
                   },
                   u"not found on the server (404)"_s},
        FailureRow{{"untrustedCertificate"},
                   [](RadicaleServer &server, auto &) {
                       return qMakePair(server.url(u"/"_s), withPasswordFile(server));
                   },
                   u"certificate is not trusted"_s},
        FailureRow{{"serverGone"},
                   [](RadicaleServer &server, auto &) {
                       server.stop();
                       return qMakePair(server.url(u"/"_s), withPasswordFile(server));
                   },
                   u"Connection refused"_s},
        FailureRow{{"redirectToAnotherHost"},
                   [](RadicaleServer &server, auto &fakes) {
                       fakes.push_back(std::make_unique<FakeHttpServer>(
                           QHostAddress(u"127.0.0.2"_s), [](const QByteArray &) {
                               return FakeHttpServer::response(207, {}, "<multistatus/>");
                           }));
                       const QByteArray target
                           = "http://127.0.0.2:" + QByteArray::number(fakes.back()->port()) + "/";
                       const QString url = fakeUrl(fakes, [target](const QByteArray &) {
                           return FakeHttpServer::response(301, {{"Location", target}});
                       });
                       return qMakePair(url, withPasswordFile(server));
                   },
                   u"not followed: the password stays with 127.0.0.1"_s},
        FailureRow{{"answerBreaksOff"},
                   [](RadicaleServer &server, auto &fakes) {
                       const QString url = fakeUrl(fakes, [](const QByteArray &) {
                           return FakeHttpServer::response(
                               207, {{"Content-Length", "100000"}},
                               "<?xml version='1.0'?><multistatus xmlns='DAV:'><response>");
                       });
                       return qMakePair(url, withPasswordFile(server));
                   },
                   u"127.0.0.1"_s},
        FailureRow{{"garbage"},
                   [](RadicaleServer &server, auto &fakes) {
                       const QString url = fakeUrl(fakes, [](const QByteArray &) {
                           return FakeHttpServer::response(207, {}, "<html>Welcome</html>");
                       });
                       return qMakePair(url, withPasswordFile(server));
                   },
                   u"the answer is no WebDAV multistatus"_s},
        FailureRow{{"serverError"},
                   [](RadicaleServer &server, auto &fakes) {
                       const QString url = fakeUrl(fakes, [](const QByteArray &) {
                           return FakeHttpServer::response(503, {});
                       });
                       return qMakePair(url, withPasswordFile(server));
                   },
                   u"the server failed (503)"_s}),
    RowName());

} // namespace
