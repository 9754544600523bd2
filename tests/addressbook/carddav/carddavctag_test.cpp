// SPDX-License-Identifier: GPL-3.0-or-later
// A server without sync-collection (many older ones): the collection's CTag says whether
// anything changed, the cards' ETags say what, and cards come by multiget in batches where a
// query answers without them. A fake server plays it, since Radicale always offers
// sync-collection.
#include "addressbook/carddav/carddavstore.h"

#include "fakehttpserver.h"

#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray response(const QByteArray &href, const QByteArray &props)
{
    return "<d:response><d:href>" + href + "</d:href><d:propstat><d:prop>" + props
        + "</d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>";
}

QByteArray multistatus(const QByteArray &responses)
{
    return FakeHttpServer::response(207, {{"Content-Type", "application/xml"}},
                                    "<?xml version=\"1.0\"?><d:multistatus xmlns:d=\"DAV:\" "
                                    "xmlns:card=\"urn:ietf:params:xml:ns:carddav\" "
                                    "xmlns:cs=\"http://calendarserver.org/ns/\">"
                                        + responses + "</d:multistatus>");
}

// The book /book/ by CTag and ETags alone; every request is logged by its kind.
struct CtagBook
{
    struct Card
    {
        QByteArray etag;
        QByteArray fullName;
    };

    QByteArray ctag = "c1";
    QMap<QByteArray, Card> cards; // by href
    QStringList kinds;
    QList<qsizetype> multigetSizes;

    QByteArray answer(const QByteArray &request)
    {
        const QByteArray body = request.mid(request.indexOf("\r\n\r\n") + 4);
        if (body.contains("addressbook-multiget"))
            return multiget(body);
        if (body.contains("addressbook-query")) {
            kinds.append(u"query"_s);
            return etagsOnly();
        }
        if (body.contains("resourcetype")) {
            kinds.append(u"discovery"_s);
            return multistatus(
                response("/book/",
                         "<d:resourcetype><d:collection/><card:addressbook/></d:resourcetype>"
                         "<d:displayname>Staff</d:displayname><cs:getctag>"
                             + ctag + "</cs:getctag>"));
        }
        kinds.append(u"etags"_s);
        return etagsOnly();
    }

    // Without address-data, as some servers answer a query: the cards then come by multiget.
    [[nodiscard]] QByteArray etagsOnly() const
    {
        QByteArray responses;
        for (auto card = cards.cbegin(); card != cards.cend(); ++card)
            responses += response(card.key(), "<d:getetag>" + card->etag + "</d:getetag>");
        return multistatus(responses);
    }

    QByteArray multiget(const QByteArray &body)
    {
        static const QRegularExpression kHref(u"<d:href>([^<]*)</d:href>"_s);
        kinds.append(u"multiget"_s);
        QByteArray responses;
        qsizetype asked = 0;
        for (const QRegularExpressionMatch &match : kHref.globalMatch(QString::fromUtf8(body))) {
            const QByteArray href = match.captured(1).toUtf8();
            ++asked;
            const Card card = cards.value(href);
            responses += response(href,
                                  "<d:getetag>" + card.etag
                                      + "</d:getetag><card:address-data>BEGIN:VCARD\r\n"
                                        "VERSION:3.0\r\nFN:"
                                      + card.fullName + "\r\nN:" + card.fullName
                                      + ";;;;\r\nEND:VCARD\r\n</card:address-data>");
        }
        multigetSizes.append(asked);
        return multistatus(responses);
    }
};

QStringList fullNames(const ContactStore &store)
{
    QStringList names;
    for (const ABPerson *person : store.people())
        names.append(person->valueForProperty(kABLastNameProperty).toString());
    names.sort();
    return names;
}

TEST(CardDavByCtag, fetchesInBatchesAndThenOnlyWhatTheEtagsSayChanged)
{
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    CtagBook book;
    for (int i = 0; i < 150; ++i)
        book.cards.insert(
            "/book/" + QByteArray::number(i) + ".vcf",
            {"\"e" + QByteArray::number(i) + '"', "P" + QByteArray::number(1000 + i)});
    FakeHttpServer server(QHostAddress::LocalHost,
                          [&book](const QByteArray &request) { return book.answer(request); });
    ASSERT_TRUE(server.isListening());
    const QString name = u"http://ann@127.0.0.1:%1/book/"_s.arg(server.port());
    CardDavAccess access;
    access.password = u"secret"_s;

    const Expected<ContactStoreRead> first = readCardDavStore(name, access);
    ASSERT_TRUE(first) << first.error().toStdString();
    EXPECT_EQ(first->store->people().size(), 150);
    EXPECT_EQ(book.kinds, (QStringList{u"discovery"_s, u"query"_s, u"multiget"_s, u"multiget"_s}));
    EXPECT_EQ(book.multigetSizes, (QList<qsizetype>{100, 50}));

    book.kinds.clear();
    const Expected<ContactStoreRead> unchanged = readCardDavStore(name, access);
    ASSERT_TRUE(unchanged) << unchanged.error().toStdString();
    EXPECT_EQ(unchanged->store->people().size(), 150);
    EXPECT_EQ(book.kinds, QStringList{u"discovery"_s}) << "the same CTag: nothing asked";

    // One card changed, one removed, one added, and the CTag says so.
    book.cards.clear();
    book.cards.insert("/book/0.vcf", {"\"e0\"", "P1000"});
    book.cards.insert("/book/1.vcf", {"\"e1-2\"", "Renamed"});
    book.cards.insert("/book/new.vcf", {"\"n\"", "Newcomer"});
    book.ctag = "c2";
    book.kinds.clear();
    book.multigetSizes.clear();
    const Expected<ContactStoreRead> changed = readCardDavStore(name, access);
    ASSERT_TRUE(changed) << changed.error().toStdString();
    EXPECT_EQ(fullNames(*changed->store), (QStringList{u"Newcomer"_s, u"P1000"_s, u"Renamed"_s}));
    EXPECT_EQ(book.kinds, (QStringList{u"discovery"_s, u"etags"_s, u"multiget"_s}));
    EXPECT_EQ(book.multigetSizes, QList<qsizetype>{2});
}

} // namespace
