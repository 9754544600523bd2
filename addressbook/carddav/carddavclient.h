// SPDX-License-Identifier: GPL-3.0-or-later
// The HTTP side of a CardDAV read: PROPFIND, REPORT and GET only, so nothing on the server is
// ever changed. Each call waits for its answer in an event loop of its own, so the client
// works on any thread that made it (the window reads from a worker thread). Certificates are
// checked against the system's trust store and an untrusted one ends the call before any
// request (and so any password) is sent. The password goes only to the host it was given
// for: a redirect to another host is refused, one to plain http:// too unless to a loopback
// address. No request waits longer than requestTimeout for data, all of them end within
// readTimeout of the client's making, and an answer larger than its limit is cut off. Answers in
// gzip are unpacked.
//
//   CardDavClient client(server, user, password, {});
//   Expected<DavMultistatus> answer
//       = CardDavClient::multistatus(client.propfind(url, 0, DavRequests::discovery()));
#pragma once

#include "addressbook/carddav/davmultistatus.h"
#include "util/expected.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

class QNetworkAccessManager;

class CardDavClient final
{
public:
    /// One request and its answer, as the observer sees it.
    struct Exchange
    {
        QByteArray method;
        QUrl url;
        int status = 0;   // 0 when no answer came
        qint64 bytes = 0; // of the answer's body, unpacked
    };
    struct Options
    {
        std::chrono::milliseconds requestTimeout{30'000}; // without data
        std::chrono::milliseconds readTimeout{600'000};   // every request of a client

        qint64 maxAnswerBytes = qint64{512} * 1024 * 1024;
        std::function<void(const Exchange &)> observer; // told of every exchange
        // Set from another thread to end the read at once (the window closing, say).
        std::shared_ptr<const std::atomic<bool>> cancelled;
    };
    struct Reply
    {
        QUrl url; // where the answer came from, after redirects
        int status = 0;
        QByteArray body;
        QUrl location; // of a redirect, as sent
    };

    /// server is where the password belongs: its host is the one that gets it.
    CardDavClient(const QUrl &server, QString user, QString password, Options options);
    ~CardDavClient();
    CardDavClient(const CardDavClient &) = delete;
    CardDavClient &operator=(const CardDavClient &) = delete;

    /// Fail only when no HTTP answer came (or a redirect was refused); any status is a reply.
    [[nodiscard]] Expected<Reply> propfind(const QUrl &url, int depth, const QByteArray &body);
    [[nodiscard]] Expected<Reply> report(const QUrl &url, int depth, const QByteArray &body);
    /// The body of a GET that answered 200, at most maxBytes long.
    [[nodiscard]] Expected<QByteArray> get(const QUrl &url, qint64 maxBytes);

    /// Whether the password may go to url: the server's host, over https or loopback.
    [[nodiscard]] bool mayAuthenticate(const QUrl &url) const;
    /// Whether the server has refused the user name or password (401) since the client was made.
    [[nodiscard]] bool passwordRefused() const { return m_passwordRefused; }

    /// The multistatus of a 207 reply; else what the status means, naming the URL.
    [[nodiscard]] static Expected<DavMultistatus> multistatus(const Expected<Reply> &reply);
    /// What a status other than success means, naming the URL (never a password).
    [[nodiscard]] static QString failure(const Reply &reply);

private:
    struct Request
    {
        QByteArray method;
        QUrl url;
        int depth = -1; // no Depth header
        QByteArray body;
        qint64 maxBytes = 0;
    };

    [[nodiscard]] Expected<Reply> send(Request request);
    [[nodiscard]] Expected<Reply> exchange(const Request &request);

    QUrl m_server;
    QString m_user;
    QString m_password;
    Options m_options;
    QDeadlineTimer m_deadline;
    bool m_passwordRefused = false;
    std::unique_ptr<QNetworkAccessManager> m_network;
};
