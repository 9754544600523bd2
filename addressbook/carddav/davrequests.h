// SPDX-License-Identifier: GPL-3.0-or-later
// The bodies of the WebDAV requests a CardDAV reader sends: each asks for the properties
// DavMultistatus reads, and no request writes anything.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace DavRequests {

/// PROPFIND for everything discovery and the sync need to know of a resource: its kind, name,
/// CTag, sync-token, reports, principal, address-book home and default book.
[[nodiscard]] QByteArray discovery();
/// PROPFIND for the ETags of a collection's members.
[[nodiscard]] QByteArray etags();
/// REPORT sync-collection (RFC 6578) from token ("" for everything), with each card.
[[nodiscard]] QByteArray syncCollection(const QString &token);
/// REPORT addressbook-query for every card (each has an FN) with its text.
[[nodiscard]] QByteArray everyCard();
/// REPORT addressbook-multiget of those members (hrefs as the server sent them).
[[nodiscard]] QByteArray multiget(const QStringList &hrefs);

} // namespace DavRequests
