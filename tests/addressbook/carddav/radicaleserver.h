// SPDX-License-Identifier: GPL-3.0-or-later
// A real CardDAV server for the tests: Radicale on 127.0.0.1 on a free port, with a
// throwaway user file (plain passwords) and storage folder of its own, ended with the object.
// The tests fill it through HTTP (MKCOL and PUT, which the program itself never sends).
//
//   std::optional<RadicaleServer> server = RadicaleServer::start();
//   if (!server) GTEST_SKIP() << RadicaleServer::missing();
//   server->makeAddressBook(u"/ann/contacts/"_s, u"Contacts"_s);
//   server->put(u"/ann/contacts/a.vcf"_s, card);
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>
#include <optional>

class RadicaleServer final
{
public:
    static constexpr const char *kUser = "ann";
    static constexpr const char *kPassword = "s3cret pass";

    struct Options
    {
        bool tls = false; // a self-signed certificate made with openssl for 127.0.0.1
    };

    /// None when radicale or openssl is missing or does not start; missing() says why.
    [[nodiscard]] static std::optional<RadicaleServer> start(const Options &options);
    [[nodiscard]] static std::optional<RadicaleServer> start() { return start(Options{}); }
    [[nodiscard]] static QString missing();

    RadicaleServer(RadicaleServer &&) noexcept = default;
    RadicaleServer &operator=(RadicaleServer &&) noexcept = default;
    ~RadicaleServer();

    /// path on the server, as a URL ("http://127.0.0.1:<port>/ann/"), with the user when given.
    [[nodiscard]] QString url(const QString &path, bool withUser = true) const;
    /// A file holding password (the user's own by default), mode 0600, for --password-file.
    [[nodiscard]] QString passwordFile(const QByteArray &password = kPassword) const;

    /// Each returns the HTTP status (0 without an answer); the user's credentials are sent.
    int makeAddressBook(const QString &path, const QString &displayName) const;
    int put(const QString &path, const QByteArray &vcard) const;
    int remove(const QString &path) const;
    /// Ends the server at once (a killed process, as a crashed or stopped server).
    void stop();

private:
    RadicaleServer() = default;
    [[nodiscard]] bool launch(quint16 port);
    int send(const QByteArray &method, const QString &path, const QByteArray &body,
             const QByteArray &contentType) const;

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QProcess> m_process;
    QString m_scheme;
    quint16 m_port = 0;
};
