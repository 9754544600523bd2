// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/carddav/davmultistatus.h"

#include <QStringList>
#include <QXmlStreamReader>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kDav = u"DAV:";
constexpr QStringView kCardDav = u"urn:ietf:params:xml:ns:carddav";
constexpr QStringView kCalendarServer = u"http://calendarserver.org/ns/";
constexpr qsizetype kMaxDepth = 32;
constexpr qsizetype kMaxResponses = 1'000'000;

// "HTTP/1.1 404 Not Found" gives 404; anything else 0.
int statusCode(const QString &line)
{
    const QStringList parts = line.simplified().split(u' ');
    return parts.size() >= 2 ? parts.at(1).toInt() : 0;
}

// Takes what a propstat of success says into its response.
void merge(DavResource &into, const DavResource &from)
{
    for (QString DavResource::*text :
         {&DavResource::etag, &DavResource::displayName, &DavResource::ctag,
          &DavResource::syncToken, &DavResource::principal, &DavResource::homeSet,
          &DavResource::defaultBook}) {
        if (!(from.*text).isEmpty())
            into.*text = from.*text;
    }
    if (!from.addressData.isEmpty())
        into.addressData = from.addressData;
    into.isAddressBook = into.isAddressBook || from.isAddressBook;
    into.canSyncCollection = into.canSyncCollection || from.canSyncCollection;
}

QString key(QStringView ns, QStringView name)
{
    QString text;
    text.reserve(ns.size() + 1 + name.size());
    return text.append(ns).append(u'|').append(name);
}

class MultistatusParser
{
public:
    explicit MultistatusParser(const QByteArray &xml)
        : m_reader(xml)
    {}

    Expected<DavMultistatus> run();

private:
    [[nodiscard]] bool is(QStringView ns, QStringView name) const
    {
        return m_reader.namespaceUri() == ns && m_reader.name() == name;
    }
    // The element that holds the current one.
    [[nodiscard]] bool parentIs(QStringView ns, QStringView name) const
    {
        return m_stack.size() >= 2 && m_stack.at(m_stack.size() - 2) == key(ns, name);
    }
    // The whole text of the current element, which this closes.
    QString takeText()
    {
        QString text = m_reader.readElementText(QXmlStreamReader::SkipChildElements);
        m_stack.removeLast();
        return text;
    }
    void startElement();
    void endElement();
    void readStatus();
    void readHref();
    void readProperty();

    QXmlStreamReader m_reader;
    QStringList m_stack; // key() of every open element
    DavMultistatus m_result;
    std::optional<DavResource> m_response;
    std::optional<DavResource> m_propstat; // the properties of the open propstat
    int m_propstatStatus = 0;
    bool m_wrongRoot = false;
};

Expected<DavMultistatus> MultistatusParser::run()
{
    while (!m_reader.atEnd()) {
        switch (m_reader.readNext()) {
        case QXmlStreamReader::DTD:
            return Unexpected(u"the answer declares a document type, which is not taken"_s);
        case QXmlStreamReader::StartElement:
            if (m_stack.size() >= kMaxDepth)
                return Unexpected(u"the answer nests deeper than %1 elements"_s.arg(kMaxDepth));
            if (m_result.resources.size() >= kMaxResponses)
                return Unexpected(u"the answer holds more than %1 entries"_s.arg(kMaxResponses));
            m_stack.append(key(m_reader.namespaceUri(), m_reader.name()));
            startElement();
            break;
        case QXmlStreamReader::EndElement:
            endElement();
            m_stack.removeLast();
            break;
        default:
            break;
        }
    }
    if (m_wrongRoot)
        return Unexpected(u"the answer is no WebDAV multistatus"_s);
    if (m_reader.hasError())
        return Unexpected(u"the answer is no well-formed XML (line %1: %2)"_s.arg(
            QString::number(m_reader.lineNumber()), m_reader.errorString()));
    return m_result;
}

void MultistatusParser::startElement()
{
    if (m_stack.size() == 1) {
        m_wrongRoot = !is(kDav, u"multistatus");
        if (m_wrongRoot)
            m_reader.raiseError();
    } else if (is(kDav, u"response")) {
        m_response.emplace();
    } else if (is(kDav, u"propstat") && m_response) {
        m_propstat.emplace();
        m_propstatStatus = 0;
    } else if (is(kDav, u"status")) {
        readStatus();
    } else if (is(kDav, u"href")) {
        readHref();
    } else if (m_propstat && is(kCardDav, u"addressbook") && parentIs(kDav, u"resourcetype")) {
        m_propstat->isAddressBook = true;
    } else if (m_propstat && is(kDav, u"sync-collection")) {
        m_propstat->canSyncCollection = true;
    } else {
        readProperty();
    }
}

void MultistatusParser::readStatus()
{
    const bool ofPropstat = m_propstat && parentIs(kDav, u"propstat");
    const int code = statusCode(takeText());
    if (ofPropstat)
        m_propstatStatus = code;
    else if (m_response)
        m_response->status = code;
}

void MultistatusParser::readHref()
{
    QString *target = nullptr;
    if (m_response && parentIs(kDav, u"response"))
        target = &m_response->href;
    else if (m_propstat && parentIs(kDav, u"current-user-principal"))
        target = &m_propstat->principal;
    else if (m_propstat && parentIs(kCardDav, u"addressbook-home-set")
             && m_propstat->homeSet.isEmpty())
        target = &m_propstat->homeSet;
    else if (m_propstat && parentIs(kCardDav, u"default-addressbook-URL"))
        target = &m_propstat->defaultBook;
    const QString href = takeText().trimmed();
    if (target)
        *target = href;
}

// The text-valued properties; each is read whole.
void MultistatusParser::readProperty()
{
    QString *target = nullptr;
    if (m_stack.size() == 2 && is(kDav, u"sync-token"))
        target = &m_result.syncToken;
    else if (!m_propstat)
        return;
    else if (is(kDav, u"getetag"))
        target = &m_propstat->etag;
    else if (is(kDav, u"displayname"))
        target = &m_propstat->displayName;
    else if (is(kDav, u"sync-token"))
        target = &m_propstat->syncToken;
    else if (is(kCalendarServer, u"getctag"))
        target = &m_propstat->ctag;
    else if (is(kCardDav, u"address-data"))
        m_propstat->addressData = takeText().toUtf8();
    if (target)
        *target = takeText().trimmed();
}

void MultistatusParser::endElement()
{
    if (is(kDav, u"propstat") && m_propstat && m_response) {
        if (m_propstatStatus >= 200 && m_propstatStatus < 300)
            merge(*m_response, *m_propstat);
        m_propstat.reset();
    } else if (is(kDav, u"response") && m_response) {
        m_result.resources.append(std::move(*m_response));
        m_response.reset();
    }
}

} // namespace

Expected<DavMultistatus> DavMultistatus::parse(const QByteArray &xml)
{
    return MultistatusParser(xml).run();
}
