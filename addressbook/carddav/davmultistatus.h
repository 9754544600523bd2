// SPDX-License-Identifier: GPL-3.0-or-later
// The WebDAV multistatus answer (RFC 4918) of a PROPFIND or REPORT, with the properties a
// CardDAV reader asks for. Elements are known by their namespace URI, never by a prefix,
// and only properties under a 2xx propstat count. Whatever the server sends is data: a
// document type declaration (which could define entities) is refused, and so are nesting
// deeper than 32 elements and more than a million responses.
//
//   Expected<DavMultistatus> answer = DavMultistatus::parse(body);
//   for (const DavResource &resource : answer->resources) ...
#pragma once

#include "util/expected.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

struct DavResource
{
    QString href;   // as sent, percent escapes kept
    int status = 0; // the response's own status, 0 when it carries propstats instead
    QString etag;
    QByteArray addressData; // the card, UTF-8
    QString displayName;
    QString ctag;
    QString syncToken;
    QString principal;   // current-user-principal's href
    QString homeSet;     // addressbook-home-set's first href
    QString defaultBook; // default-addressbook-URL's href
    bool isAddressBook = false;
    bool canSyncCollection = false; // supported-report-set names sync-collection
};

struct DavMultistatus
{
    QList<DavResource> resources;
    QString syncToken; // the multistatus's own, after a sync-collection REPORT

    [[nodiscard]] static Expected<DavMultistatus> parse(const QByteArray &xml);
};
