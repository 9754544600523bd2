// SPDX-License-Identifier: GPL-3.0-or-later
// The multistatus answers servers send, read by namespace URI whatever the prefixes, with only
// the properties of successful propstats, and the answers refused as they are.
#include "addressbook/carddav/davmultistatus.h"

#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// One line per resource: what was read of it, so a row states what the answer must give.
QString describe(const Expected<DavMultistatus> &answer)
{
    if (!answer)
        return u"error: "_s + answer.error();
    QStringList lines;
    if (!answer->syncToken.isEmpty())
        lines.append(u"token="_s + answer->syncToken);
    for (const DavResource &r : answer->resources) {
        QStringList parts{r.href};
        const QList<QPair<QString, QString>> fields{
            {u"status"_s, r.status ? QString::number(r.status) : QString()},
            {u"etag"_s, r.etag},
            {u"name"_s, r.displayName},
            {u"ctag"_s, r.ctag},
            {u"sync"_s, r.syncToken},
            {u"principal"_s, r.principal},
            {u"home"_s, r.homeSet},
            {u"default"_s, r.defaultBook},
            {u"card"_s, QString::fromUtf8(r.addressData).trimmed()}};
        for (const auto &[name, value] : fields) {
            if (!value.isEmpty())
                parts.append(name + u'=' + value);
        }
        if (r.isAddressBook)
            parts.append(u"addressbook"_s);
        if (r.canSyncCollection)
            parts.append(u"sync-collection"_s);
        lines.append(parts.join(u' '));
    }
    return lines.join(u" | "_s);
}

struct Row : NamedRow
{
    QByteArray xml;
    QString expected; // describe()'s text; an error row starts "error: "
};

class DavMultistatusTest : public testing::TestWithParam<Row>
{};

TEST_P(DavMultistatusTest, readsWhatTheAnswerSays)
{
    const QString read = describe(DavMultistatus::parse(GetParam().xml));
    if (GetParam().expected.startsWith(u"error: "_s))
        EXPECT_TRUE(read.startsWith(GetParam().expected)) << read.toStdString();
    else
        EXPECT_EQ(read, GetParam().expected);
}

const QByteArray kOk = "<d:status>HTTP/1.1 200 OK</d:status>";

INSTANTIATE_TEST_SUITE_P(
    Answers, DavMultistatusTest,
    testing::Values(
        Row{{"prefixesOfAnyName"},
            "<x:multistatus xmlns:x='DAV:' xmlns:q='urn:ietf:params:xml:ns:carddav'><x:response>"
            "<x:href>/a/1.vcf</x:href><x:propstat><x:prop><x:getetag>\"e1\"</x:getetag>"
            "<q:address-data>BEGIN:VCARD&#13;\nFN:A &amp; B\nEND:VCARD</q:address-data>"
            "</x:prop><x:status>HTTP/1.1 200 OK</x:status></x:propstat></x:response>"
            "</x:multistatus>",
            u"/a/1.vcf etag=\"e1\" card=BEGIN:VCARD\r\nFN:A & B\nEND:VCARD"_s},
        Row{{"defaultNamespace"},
            "<?xml version='1.0'?><multistatus xmlns='DAV:'><response><href>/</href><propstat>"
            "<prop><current-user-principal><href>/ann/</href></current-user-principal></prop>"
            "<status>HTTP/1.1 200 OK</status></propstat></response></multistatus>",
            u"/ principal=/ann/"_s},
        Row{{"elementsOfAnotherNamespaceAreNotTaken"},
            "<d:multistatus xmlns:d='DAV:' xmlns:o='urn:other'><d:response><d:href>/a/</d:href>"
            "<d:propstat><d:prop><o:getetag>x</o:getetag><d:resourcetype><d:collection/>"
            "<o:addressbook/></d:resourcetype></d:prop>"
                + kOk + "</d:propstat></d:response></d:multistatus>",
            u"/a/"_s},
        Row{{"onlySuccessfulPropstatsCount"},
            "<d:multistatus xmlns:d='DAV:' xmlns:c='urn:ietf:params:xml:ns:carddav'><d:response>"
            "<d:href>/ann/</d:href><d:propstat><d:prop><d:displayname>Ann</d:displayname>"
            "</d:prop><d:status>HTTP/1.1 404 Not Found</d:status></d:propstat><d:propstat>"
            "<d:prop><c:addressbook-home-set><d:href>/ann/</d:href></c:addressbook-home-set>"
            "</d:prop>"
                + kOk + "</d:propstat></d:response></d:multistatus>",
            u"/ann/ home=/ann/"_s},
        Row{{"collectionProperties"},
            "<d:multistatus xmlns:d='DAV:' xmlns:c='urn:ietf:params:xml:ns:carddav' "
            "xmlns:cs='http://calendarserver.org/ns/'><d:response><d:href>/ann/c/</d:href>"
            "<d:propstat><d:prop><d:resourcetype><d:collection/><c:addressbook/></d:resourcetype>"
            "<d:displayname>Work</d:displayname><cs:getctag>7</cs:getctag><d:sync-token>t1"
            "</d:sync-token><d:supported-report-set><d:supported-report><d:report>"
            "<d:sync-collection/></d:report></d:supported-report></d:supported-report-set>"
            "<c:default-addressbook-URL><d:href>/ann/c/</d:href></c:default-addressbook-URL>"
            "</d:prop>"
                + kOk + "</d:propstat></d:response></d:multistatus>",
            u"/ann/c/ name=Work ctag=7 sync=t1 default=/ann/c/ addressbook sync-collection"_s},
        Row{{"syncAnswerWithRemovedCard"},
            "<d:multistatus xmlns:d='DAV:'><d:sync-token>t2</d:sync-token><d:response>"
            "<d:href>/c/gone.vcf</d:href><d:status>HTTP/1.1 404 Not Found</d:status>"
            "</d:response></d:multistatus>",
            u"token=t2 | /c/gone.vcf status=404"_s},
        Row{{"aDocumentTypeIsRefused"},
            "<?xml version='1.0'?><!DOCTYPE m [<!ENTITY big 'xxxxxxxx'>]>"
            "<d:multistatus xmlns:d='DAV:'><d:response><d:href>&big;</d:href></d:response>"
            "</d:multistatus>",
            u"error: the answer declares a document type"_s},
        Row{{"anotherRootIsRefused"},
            "<html><body>Login</body></html>",
            u"error: the answer is no WebDAV multistatus"_s},
        Row{{"brokenXmlIsRefused"},
            "<d:multistatus xmlns:d='DAV:'><d:response>",
            u"error: the answer is no well-formed XML"_s},
        Row{{"deepNestingIsRefused"},
            "<d:multistatus xmlns:d='DAV:'>" + QByteArray("<d:x>").repeated(40)
                + QByteArray("</d:x>").repeated(40) + "</d:multistatus>",
            u"error: the answer nests deeper than 32 elements"_s}),
    RowName());

} // namespace
