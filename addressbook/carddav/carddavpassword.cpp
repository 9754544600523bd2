// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/carddav/carddavpassword.h"

#include "util/filedescriptor.h"
#include "util/filename.h"

#include <fcntl.h>
#include <libsecret/secret.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kMaxPasswordFile = qsizetype{64} * 1024;

const SecretSchema *schema()
{
    static const SecretSchema kSchema = {"org.vorlin.Vorlin.CardDAV",
                                         SECRET_SCHEMA_NONE,
                                         {{"server", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                          {"user", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                          {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
                                         0,
                                         nullptr,
                                         nullptr,
                                         nullptr,
                                         nullptr,
                                         nullptr,
                                         nullptr,
                                         nullptr};
    return &kSchema;
}

// The server as the keyring knows it: scheme, host and port, without user or path.
QByteArray serverAttribute(const CardDavTarget &target)
{
    return target.url.adjusted(QUrl::RemovePath | QUrl::RemoveUserInfo).toEncoded();
}

struct ErrorFree
{
    void operator()(GError *error) const { g_error_free(error); }
};

QString keyringFailure(GError *error)
{
    return u"the keyring cannot be asked: %1"_s.arg(QString::fromUtf8(error->message));
}

} // namespace

namespace CardDavPassword {

Expected<QString> fromFile(const QString &path)
{
    const QByteArray name = encodeFileName(path);
    // Without blocking: a pipe named as the file is refused below, not waited on.
    const FileDescriptor file(
        ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    const int fd = file.get();
    if (fd < 0)
        return Unexpected(u"%1: cannot be read"_s.arg(printableFileName(path)));
    struct stat status
    {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return Unexpected(u"%1: not a regular file"_s.arg(printableFileName(path)));
    if (status.st_uid != ::getuid() || (status.st_mode & 077) != 0)
        return Unexpected(u"%1: others than its owner may read or change it; the password "
                          "is not taken (chmod 600 it)"_s.arg(printableFileName(path)));
    QByteArray bytes(kMaxPasswordFile, Qt::Uninitialized);
    const ssize_t read = ::read(fd, bytes.data(), std::size_t(bytes.size()));
    if (read < 0)
        return Unexpected(u"%1: cannot be read"_s.arg(printableFileName(path)));
    bytes.truncate(read);
    const qsizetype end = bytes.indexOf('\n');
    QByteArray line = end < 0 ? bytes : bytes.left(end);
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty())
        return Unexpected(u"%1: the first line is empty"_s.arg(printableFileName(path)));
    return QString::fromUtf8(line);
}

Expected<std::optional<QString>> fromKeyring(const CardDavTarget &target)
{
    GError *error = nullptr;
    const QByteArray server = serverAttribute(target);
    const QByteArray user = target.user.toUtf8();
    gchar *password = secret_password_lookup_sync(
        schema(), nullptr, &error, "server", server.constData(), "user", user.constData(), nullptr);
    if (error) {
        const std::unique_ptr<GError, ErrorFree> owned(error);
        return Unexpected(keyringFailure(error));
    }
    if (!password)
        return std::optional<QString>();
    const QString text = QString::fromUtf8(password);
    secret_password_free(password);
    return std::optional(text);
}

Expected<void> saveInKeyring(const CardDavTarget &target, const QString &password)
{
    GError *error = nullptr;
    const QByteArray server = serverAttribute(target);
    const QByteArray user = target.user.toUtf8();
    const QByteArray label = (u"CardDAV: "_s + target.accountName()).toUtf8();
    const QByteArray secret = password.toUtf8();
    secret_password_store_sync(schema(), SECRET_COLLECTION_DEFAULT, label.constData(),
                               secret.constData(), nullptr, &error, "server", server.constData(),
                               "user", user.constData(), nullptr);
    if (error) {
        const std::unique_ptr<GError, ErrorFree> owned(error);
        return Unexpected(keyringFailure(error));
    }
    return {};
}

} // namespace CardDavPassword
