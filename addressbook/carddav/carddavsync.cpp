// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/carddav/carddavsync.h"

#include "addressbook/carddav/carddavname.h"
#include "addressbook/carddav/davrequests.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A sync-collection answer is cut short this often at most before the read gives up.
constexpr int kMaxSyncRounds = 1000;

bool isInvalidToken(int status)
{
    // RFC 6578 names 403 with DAV:valid-sync-token; some servers answer 409 or 400.
    return status == 403 || status == 409 || status == 400;
}

} // namespace

Expected<void> CardDavSync::run()
{
    m_copy.displayName = m_book.displayName;
    if (m_book.canSyncCollection)
        return bySyncToken();
    return byCtag();
}

Expected<void> CardDavSync::bySyncToken()
{
    if (m_copy.exists() && !m_copy.syncToken.isEmpty() && m_copy.syncToken == m_book.syncToken)
        return {};
    bool startedAgain = m_copy.syncToken.isEmpty();
    if (startedAgain)
        m_copy.removeAllCards();
    for (int round = 0; round < kMaxSyncRounds; ++round) {
        const Expected<CardDavClient::Reply> reply
            = m_client.report(m_book.url, 0, DavRequests::syncCollection(m_copy.syncToken));
        if (reply && isInvalidToken(reply->status) && !startedAgain) {
            startedAgain = true;
            m_copy.syncToken.clear();
            m_copy.removeAllCards();
            continue;
        }
        const Expected<DavMultistatus> answer = CardDavClient::multistatus(reply);
        if (!answer)
            return Unexpected(answer.error());
        QStringList missing;
        if (Expected<void> taken = take(*answer, missing); !taken)
            return taken;
        if (Expected<void> fetched = fetch(missing); !fetched)
            return fetched;
        const bool truncated = std::any_of(
            answer->resources.cbegin(), answer->resources.cend(),
            [this](const DavResource &r) { return r.status == 507 && isCollection(r.href); });
        const bool moved = answer->syncToken != m_copy.syncToken;
        m_copy.syncToken = answer->syncToken;
        if (!truncated || !moved)
            return {};
    }
    return Unexpected(u"%1: the server's changes do not end"_s.arg(shownUrl(m_book.url)));
}

Expected<void> CardDavSync::byCtag()
{
    if (m_copy.exists() && !m_book.ctag.isEmpty() && m_copy.ctag == m_book.ctag)
        return {};
    m_copy.ctag = m_book.ctag;
    if (!m_copy.cards().isEmpty())
        return byEtags();
    const Expected<DavMultistatus> answer
        = CardDavClient::multistatus(m_client.report(m_book.url, 1, DavRequests::everyCard()));
    if (!answer)
        return Unexpected(answer.error());
    QStringList missing;
    if (Expected<void> taken = take(*answer, missing); !taken)
        return taken;
    return fetch(missing);
}

Expected<void> CardDavSync::byEtags()
{
    const Expected<DavMultistatus> answer
        = CardDavClient::multistatus(m_client.propfind(m_book.url, 1, DavRequests::etags()));
    if (!answer)
        return Unexpected(answer.error());
    QSet<QString> present;
    QStringList changed;
    for (const DavResource &resource : answer->resources) {
        if (isCollection(resource.href) || resource.etag.isEmpty())
            continue;
        present.insert(resource.href);
        if (m_copy.cards().value(resource.href).etag != resource.etag)
            changed.append(resource.href);
    }
    for (const QString &href : m_copy.cards().keys()) {
        if (!present.contains(href))
            m_copy.removeCard(href);
    }
    return fetch(changed);
}

Expected<void> CardDavSync::take(const DavMultistatus &answer, QStringList &missing)
{
    for (const DavResource &resource : answer.resources) {
        if (isCollection(resource.href))
            continue;
        if (resource.status == 404) {
            m_copy.removeCard(resource.href);
        } else if (resource.addressData.isEmpty()) {
            if (resource.status == 0 || (resource.status >= 200 && resource.status < 300))
                missing.append(resource.href);
        } else if (Expected<void> kept
                   = m_copy.putCard(resource.href, resource.etag, resource.addressData);
                   !kept) {
            return kept;
        }
    }
    return {};
}

Expected<void> CardDavSync::fetch(const QStringList &hrefs)
{
    for (qsizetype from = 0; from < hrefs.size(); from += kMultigetBatch) {
        const Expected<DavMultistatus> answer = CardDavClient::multistatus(
            m_client.report(m_book.url, 1, DavRequests::multiget(hrefs.mid(from, kMultigetBatch))));
        if (!answer)
            return Unexpected(answer.error());
        QStringList stillMissing;
        if (Expected<void> taken = take(*answer, stillMissing); !taken)
            return taken;
    }
    return {};
}

bool CardDavSync::isCollection(const QString &href) const
{
    const QString path = m_book.url.resolved(QUrl::fromEncoded(href.toUtf8())).path();
    return path == m_book.url.path() || path + u'/' == m_book.url.path();
}
