// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/carddav/carddavclient.h"

#include "addressbook/carddav/carddavname.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QStringList>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxRedirects = 5;

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// What went wrong while one reply was in flight, beyond what the reply says itself.
struct ReplyWatch
{
    QByteArray body;
    QStringList sslErrors;
    bool tooLarge = false;
    bool pastDeadline = false;
    bool cancelled = false;
};

constexpr std::chrono::milliseconds kCancelPoll{100};

QString networkFailure(const QUrl &url, const QNetworkReply &reply, const ReplyWatch &watch,
                       qint64 limit, std::chrono::milliseconds timeout)
{
    const QString shown = shownUrl(url);
    if (watch.cancelled)
        return u"%1: cancelled"_s.arg(shown);
    if (watch.tooLarge)
        return u"%1: the answer is larger than %2 bytes; given up"_s.arg(shown).arg(limit);
    if (watch.pastDeadline)
        return u"%1: the address book was not read within its time; given up"_s.arg(shown);
    if (!watch.sslErrors.isEmpty() || reply.error() == QNetworkReply::SslHandshakeFailedError)
        return u"%1: the server's certificate is not trusted (%2); nothing was sent to it"_s.arg(
            shown, watch.sslErrors.isEmpty() ? reply.errorString() : watch.sslErrors.join(u"; "_s));
    if (reply.error() == QNetworkReply::TimeoutError
        || reply.error() == QNetworkReply::OperationCanceledError)
        return u"%1: no answer for %2 seconds; given up"_s.arg(shown).arg(
            std::chrono::duration_cast<std::chrono::seconds>(timeout).count());
    return u"%1: %2"_s.arg(shown, reply.errorString());
}

} // namespace

CardDavClient::CardDavClient(const QUrl &server, QString user, QString password, Options options)
    : m_server(server)
    , m_user(std::move(user))
    , m_password(std::move(password))
    , m_options(std::move(options))
    , m_deadline(m_options.readTimeout)
    , m_network(std::make_unique<QNetworkAccessManager>())
{}

CardDavClient::~CardDavClient() = default;

Expected<CardDavClient::Reply> CardDavClient::propfind(const QUrl &url, int depth,
                                                       const QByteArray &body)
{
    return send({"PROPFIND", url, depth, body, m_options.maxAnswerBytes});
}

Expected<CardDavClient::Reply> CardDavClient::report(const QUrl &url, int depth,
                                                     const QByteArray &body)
{
    return send({"REPORT", url, depth, body, m_options.maxAnswerBytes});
}

Expected<QByteArray> CardDavClient::get(const QUrl &url, qint64 maxBytes)
{
    Expected<Reply> reply = send({"GET", url, -1, {}, maxBytes});
    if (!reply)
        return Unexpected(reply.error());
    if (reply->status != 200)
        return Unexpected(failure(*reply));
    return std::move(reply->body);
}

bool CardDavClient::mayAuthenticate(const QUrl &url) const
{
    return url.host().compare(m_server.host(), Qt::CaseInsensitive) == 0
        && (url.scheme() == u"https"_s || isLoopbackUrl(url));
}

Expected<DavMultistatus> CardDavClient::multistatus(const Expected<Reply> &reply)
{
    if (!reply)
        return Unexpected(reply.error());
    if (reply->status != 207)
        return Unexpected(failure(*reply));
    Expected<DavMultistatus> parsed = DavMultistatus::parse(reply->body);
    if (!parsed)
        return Unexpected(u"%1: %2"_s.arg(shownUrl(reply->url), parsed.error()));
    return parsed;
}

QString CardDavClient::failure(const Reply &reply)
{
    const QString shown = shownUrl(reply.url);
    switch (reply.status) {
    case 401:
        return u"%1: the server refused the user name or password (401)"_s.arg(shown);
    case 403:
        return u"%1: the server refused access (403)"_s.arg(shown);
    case 404:
        return u"%1: not found on the server (404)"_s.arg(shown);
    default:
        break;
    }
    if (reply.status >= 500)
        return u"%1: the server failed (%2)"_s.arg(shown).arg(reply.status);
    if (reply.status == 207)
        return u"%1: the answer is no address book"_s.arg(shown);
    return u"%1: unexpected answer %2 from the server"_s.arg(shown).arg(reply.status);
}

Expected<CardDavClient::Reply> CardDavClient::send(Request request)
{
    for (int hop = 0;; ++hop) {
        Expected<Reply> reply = exchange(request);
        if (!reply || !isRedirect(reply->status))
            return reply;
        const QUrl target = request.url.resolved(reply->location);
        if (hop == kMaxRedirects || !target.isValid())
            return Unexpected(u"%1: too many or broken redirects"_s.arg(shownUrl(request.url)));
        if (!mayAuthenticate(target))
            return Unexpected(
                u"%1: redirected to %2, not followed: the password stays with %3"_s.arg(
                    shownUrl(request.url), shownUrl(target), m_server.host()));
        request.url = target;
    }
}

Expected<CardDavClient::Reply> CardDavClient::exchange(const Request &request)
{
    if (m_options.cancelled && m_options.cancelled->load())
        return Unexpected(u"%1: cancelled"_s.arg(shownUrl(request.url)));
    if (m_deadline.hasExpired())
        return Unexpected(u"%1: the address book was not read within its time; given up"_s.arg(
            shownUrl(request.url)));
    QNetworkRequest http(request.url);
    http.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                      QNetworkRequest::ManualRedirectPolicy);
    http.setTransferTimeout(int(m_options.requestTimeout.count()));
    if (request.depth >= 0)
        http.setRawHeader("Depth", QByteArray::number(request.depth));
    if (!request.body.isEmpty())
        http.setHeader(QNetworkRequest::ContentTypeHeader,
                       QByteArray("application/xml; charset=utf-8"));
    if (mayAuthenticate(request.url) && !m_user.isEmpty())
        http.setRawHeader("Authorization",
                          "Basic " + QString(m_user + u':' + m_password).toUtf8().toBase64());

    QNetworkReply *reply = m_network->sendCustomRequest(http, request.method, request.body);
    ReplyWatch watch;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, [&] {
        watch.pastDeadline = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::sslErrors, reply, [&](const QList<QSslError> &errors) {
        for (const QSslError &error : errors)
            watch.sslErrors.append(error.errorString());
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        watch.body += reply->readAll();
        if (watch.body.size() > request.maxBytes) {
            watch.tooLarge = true;
            reply->abort();
        }
    });
    QTimer cancelPoll;
    if (m_options.cancelled) {
        QObject::connect(&cancelPoll, &QTimer::timeout, reply, [&] {
            if (!m_options.cancelled->load())
                return;
            watch.cancelled = true;
            reply->abort();
        });
        cancelPoll.start(kCancelPoll);
    }
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(std::chrono::milliseconds(std::max<qint64>(m_deadline.remainingTime(), 0)));
    if (!reply->isFinished())
        loop.exec();
    watch.body += reply->readAll();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    m_passwordRefused = m_passwordRefused || status == 401;
    Reply answer{request.url, status, std::move(watch.body), {}};
    answer.location = reply->header(QNetworkRequest::LocationHeader).toUrl();
    if (m_options.observer)
        m_options.observer({request.method, request.url, status, answer.body.size()});
    const bool broken = watch.tooLarge || watch.pastDeadline || watch.cancelled
        || (reply->error() != QNetworkReply::NoError && status == 0)
        || (status >= 200 && status < 300 && reply->error() != QNetworkReply::NoError);
    Expected<Reply> result = broken
        ? Expected<Reply>(Unexpected(
            networkFailure(request.url, *reply, watch, request.maxBytes, m_options.requestTimeout)))
        : Expected<Reply>(std::move(answer));
    delete reply;
    return result;
}
