// SPDX-License-Identifier: GPL-3.0-or-later
#include "radicaleserver.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool makeCertificate(const QString &folder)
{
    QProcess openssl;
    openssl.start(u"openssl"_s,
                  {u"req"_s, u"-x509"_s, u"-newkey"_s, u"rsa:2048"_s, u"-nodes"_s, u"-days"_s,
                   u"1"_s, u"-subj"_s, u"/CN=127.0.0.1"_s, u"-addext"_s,
                   u"subjectAltName=IP:127.0.0.1"_s, u"-keyout"_s, folder + u"/key.pem"_s,
                   u"-out"_s, folder + u"/cert.pem"_s});
    return openssl.waitForFinished(60'000) && openssl.exitCode() == 0;
}

} // namespace

QString RadicaleServer::missing()
{
    if (QStandardPaths::findExecutable(u"radicale"_s).isEmpty())
        return u"radicale is not installed (scripts/install-deps installs it)"_s;
    return u"radicale did not start"_s;
}

std::optional<RadicaleServer> RadicaleServer::start(const Options &options)
{
    if (QStandardPaths::findExecutable(u"radicale"_s).isEmpty())
        return std::nullopt;
    RadicaleServer server;
    server.m_folder = std::make_unique<QTemporaryDir>();
    server.m_scheme = options.tls ? u"https"_s : u"http"_s;
    const QString folder = server.m_folder->path();
    if (options.tls && !makeCertificate(folder))
        return std::nullopt;
    const QByteArray tls = options.tls ? "ssl = True\ncertificate = " + folder.toUtf8()
            + "/cert.pem\nkey = " + folder.toUtf8() + "/key.pem\n"
                                       : QByteArray();
    const QByteArray config = "[server]\nhosts = 127.0.0.1:%PORT%\n" + tls
        + "[auth]\ntype = htpasswd\nhtpasswd_filename = " + folder.toUtf8()
        + "/users\nhtpasswd_encryption = plain\ndelay = 0\n[storage]\nfilesystem_folder = "
        + folder.toUtf8() + "/storage\n[rights]\ntype = owner_only\n[web]\ntype = none\n"
        + "[logging]\nlevel = warning\n";
    if (!write(folder + u"/users"_s, QByteArray(kUser) + ':' + kPassword + '\n'))
        return std::nullopt;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const quint16 port = freePort();
        if (write(folder + u"/config"_s,
                  QByteArray(config).replace("%PORT%", QByteArray::number(port)))
            && server.launch(port))
            return server;
    }
    return std::nullopt;
}

bool RadicaleServer::launch(quint16 port)
{
    m_port = port;
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->start(u"radicale"_s, {u"-C"_s, m_folder->path() + u"/config"_s});
    if (!m_process->waitForStarted(10'000))
        return false;
    return QTest::qWaitFor(
               [this] {
                   if (m_process->state() != QProcess::Running)
                       return true;
                   QTcpSocket probe;
                   probe.connectToHost(QHostAddress::LocalHost, m_port);
                   return probe.waitForConnected(200);
               },
               20'000)
        && m_process->state() == QProcess::Running;
}

RadicaleServer::~RadicaleServer()
{
    stop();
}

void RadicaleServer::stop()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(10'000);
    }
}

QString RadicaleServer::url(const QString &path, bool withUser) const
{
    const QString user = withUser ? QString::fromLatin1(kUser) + u'@' : QString();
    return m_scheme + u"://"_s + user + u"127.0.0.1:"_s + QString::number(m_port) + path;
}

QString RadicaleServer::passwordFile(const QByteArray &password) const
{
    QString path = m_folder->filePath(QString::fromLatin1(password.toHex()));
    if (!QFile::exists(path)) {
        (void)write(path, password + '\n');
        (void)QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
    return path;
}

int RadicaleServer::makeAddressBook(const QString &path, const QString &displayName) const
{
    const QByteArray body
        = "<?xml version=\"1.0\"?><D:mkcol xmlns:D=\"DAV:\" "
          "xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><D:set><D:prop><D:resourcetype>"
          "<D:collection/><C:addressbook/></D:resourcetype><D:displayname>"
        + displayName.toUtf8() + "</D:displayname></D:prop></D:set></D:mkcol>";
    return send("MKCOL", path, body, "application/xml");
}

int RadicaleServer::put(const QString &path, const QByteArray &vcard) const
{
    return send("PUT", path, vcard, "text/vcard");
}

int RadicaleServer::remove(const QString &path) const
{
    return send("DELETE", path, {}, {});
}

int RadicaleServer::send(const QByteArray &method, const QString &path, const QByteArray &body,
                         const QByteArray &contentType) const
{
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(url(path, false)));
    request.setRawHeader("Authorization",
                         "Basic " + QByteArray(QByteArray(kUser) + ':' + kPassword).toBase64());
    if (!contentType.isEmpty())
        request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    if (m_scheme == u"https"_s) {
        QSslConfiguration tls = request.sslConfiguration();
        tls.setPeerVerifyMode(QSslSocket::VerifyNone); // the test's own server
        request.setSslConfiguration(tls);
    }
    QNetworkReply *reply = network.sendCustomRequest(request, method, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    delete reply;
    return status;
}
