// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakehttpserver.h"

#include <QTcpSocket>

FakeHttpServer::FakeHttpServer(const QHostAddress &address, Answer answer)
    : m_answer(std::move(answer))
{
    m_server.listen(address);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QByteArray FakeHttpServer::response(int status, const QList<QPair<QByteArray, QByteArray>> &headers,
                                    const QByteArray &body)
{
    QByteArray text = "HTTP/1.1 " + QByteArray::number(status) + " Answer\r\n";
    for (const auto &[name, value] : headers)
        text += name + ": " + value + "\r\n";
    if (std::none_of(headers.cbegin(), headers.cend(),
                     [](const auto &header) { return header.first == "Content-Length"; }))
        text += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    return text + "Connection: close\r\n\r\n" + body;
}

// Answers once the head and the body its Content-Length announces have come.
void FakeHttpServer::serve(QTcpSocket *socket)
{
    QByteArray received = socket->property("received").toByteArray() + socket->readAll();
    socket->setProperty("received", received);
    const qsizetype headEnd = received.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return;
    qsizetype length = 0;
    for (const QByteArray &line : received.left(headEnd).split('\n')) {
        if (line.toLower().startsWith("content-length:"))
            length = line.mid(15).trimmed().toLongLong();
    }
    if (received.size() < headEnd + 4 + length)
        return;
    m_requests.append(received);
    socket->write(m_answer(received));
    socket->disconnectFromHost();
}
