// SPDX-License-Identifier: GPL-3.0-or-later
// A tiny HTTP server for what a real one will not do on demand: answer a redirect to another
// host, break off in the middle of an answer, serve a picture. Each request is kept as it
// came (head and body) and answered with what answer gives for it; the connection is closed
// after each answer. It runs on the thread's event loop, which the client's calls turn.
//
//   FakeHttpServer fake(QHostAddress(u"127.0.0.2"_s), [](const QByteArray &) {
//       return FakeHttpServer::response(301, {{"Location", "http://127.0.0.1:1/"}});
//   });
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QTcpServer>

#include <functional>

class FakeHttpServer final : public QObject
{
public:
    using Answer = std::function<QByteArray(const QByteArray &request)>;

    FakeHttpServer(const QHostAddress &address, Answer answer);

    [[nodiscard]] bool isListening() const { return m_server.isListening(); }
    [[nodiscard]] quint16 port() const { return m_server.serverPort(); }
    [[nodiscard]] QHostAddress address() const { return m_server.serverAddress(); }
    [[nodiscard]] const QList<QByteArray> &requests() const { return m_requests; }

    /// A whole answer: status line, the headers, Content-Length and the body.
    [[nodiscard]] static QByteArray response(int status,
                                             const QList<QPair<QByteArray, QByteArray>> &headers,
                                             const QByteArray &body = {});

private:
    void serve(QTcpSocket *socket);

    QTcpServer m_server;
    Answer m_answer;
    QList<QByteArray> m_requests;
};
