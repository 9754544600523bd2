// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/carddav/davrequests.h"

#include <QXmlStreamWriter>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString kDav = u"DAV:"_s;
const QString kCardDav = u"urn:ietf:params:xml:ns:carddav"_s;
const QString kCalendarServer = u"http://calendarserver.org/ns/"_s;

// A document whose root is root (in namespace ns), filled by body.
QByteArray document(const QString &ns, const QString &root,
                    const std::function<void(QXmlStreamWriter &)> &body)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.writeStartDocument();
    writer.writeNamespace(kDav, u"d"_s);
    writer.writeNamespace(kCardDav, u"card"_s);
    writer.writeNamespace(kCalendarServer, u"cs"_s);
    writer.writeStartElement(ns, root);
    body(writer);
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

void writeCardProperties(QXmlStreamWriter &writer)
{
    writer.writeStartElement(kDav, u"prop"_s);
    writer.writeEmptyElement(kDav, u"getetag"_s);
    writer.writeEmptyElement(kCardDav, u"address-data"_s);
    writer.writeEndElement();
}

} // namespace

namespace DavRequests {

QByteArray discovery()
{
    return document(kDav, u"propfind"_s, [](QXmlStreamWriter &writer) {
        writer.writeStartElement(kDav, u"prop"_s);
        for (const QString &name : {u"resourcetype"_s, u"displayname"_s, u"sync-token"_s,
                                    u"supported-report-set"_s, u"current-user-principal"_s})
            writer.writeEmptyElement(kDav, name);
        writer.writeEmptyElement(kCalendarServer, u"getctag"_s);
        writer.writeEmptyElement(kCardDav, u"addressbook-home-set"_s);
        writer.writeEmptyElement(kCardDav, u"default-addressbook-URL"_s);
        writer.writeEndElement();
    });
}

QByteArray etags()
{
    return document(kDav, u"propfind"_s, [](QXmlStreamWriter &writer) {
        writer.writeStartElement(kDav, u"prop"_s);
        writer.writeEmptyElement(kDav, u"getetag"_s);
        writer.writeEndElement();
    });
}

QByteArray syncCollection(const QString &token)
{
    return document(kDav, u"sync-collection"_s, [&token](QXmlStreamWriter &writer) {
        writer.writeTextElement(kDav, u"sync-token"_s, token);
        writer.writeTextElement(kDav, u"sync-level"_s, u"1"_s);
        writeCardProperties(writer);
    });
}

QByteArray everyCard()
{
    return document(kCardDav, u"addressbook-query"_s, [](QXmlStreamWriter &writer) {
        writeCardProperties(writer);
        writer.writeStartElement(kCardDav, u"filter"_s);
        writer.writeAttribute(u"test"_s, u"anyof"_s);
        writer.writeStartElement(kCardDav, u"prop-filter"_s);
        writer.writeAttribute(u"name"_s, u"FN"_s);
        writer.writeEndElement();
        writer.writeEndElement();
    });
}

QByteArray multiget(const QStringList &hrefs)
{
    return document(kCardDav, u"addressbook-multiget"_s, [&hrefs](QXmlStreamWriter &writer) {
        writeCardProperties(writer);
        for (const QString &href : hrefs)
            writer.writeTextElement(kDav, u"href"_s, href);
    });
}

} // namespace DavRequests
