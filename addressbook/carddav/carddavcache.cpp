// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/carddav/carddavcache.h"

#include "util/filedescriptor.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kCardExtension = u".vcf";
constexpr QStringView kPictureExtension = u".picture";
constexpr qint64 kMaxIndexBytes = qint64{256} * 1024 * 1024;

QString hashed(const QString &text)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex().left(24));
}

// A folder only the user may enter, with the folders between it and the cache's root.
Expected<void> makePrivateFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return Unexpected(u"%1: cannot be made"_s.arg(folder));
    const QString root = CardDavCache::root();
    for (QString step = folder; step.startsWith(root); step = QFileInfo(step).path()) {
        if (!QFile::setPermissions(step, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return Unexpected(u"%1: cannot be made private"_s.arg(step));
    }
    return {};
}

Expected<QJsonObject> readJson(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxIndexBytes)
        return Unexpected(u"%1: cannot be read"_s.arg(path));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject())
        return Unexpected(u"%1: damaged (%2)"_s.arg(path, error.errorString()));
    return document.object();
}

QJsonObject bookJson(const CardDavBook &book)
{
    return {{u"url"_s, QString::fromUtf8(book.url.toEncoded())},
            {u"displayName"_s, book.displayName},
            {u"default"_s, book.isDefault}};
}

CardDavBook bookFromJson(const QJsonObject &json)
{
    CardDavBook book;
    book.url = QUrl::fromEncoded(json.value(u"url"_s).toString().toUtf8());
    book.displayName = json.value(u"displayName"_s).toString();
    book.isDefault = json.value(u"default"_s).toBool();
    return book;
}

} // namespace

namespace CardDavCache {

QString root()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + u"/vorlin/carddav"_s;
}

QString accountFolder(const CardDavTarget &target)
{
    QString name = target.accountName().section(u"://"_s, 1);
    for (QChar &c : name) {
        if (!c.isLetterOrNumber() && c != u'@' && c != u'.' && c != u'-' && c != u'_')
            c = u'_';
    }
    return root() + u'/' + name + u'-' + hashed(target.accountName()).left(8);
}

Expected<void> writePrivateFile(const QString &path, const QByteArray &bytes, Durability durability)
{
    if (durability == Durability::Now) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)
            || !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)
            || file.write(bytes) != bytes.size() || !file.commit())
            return Unexpected(u"%1: %2"_s.arg(path, file.errorString()));
        return {};
    }
    const QString fresh = path + u".new"_s;
    QFile file(fresh);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)
        || file.write(bytes) != bytes.size() || !file.flush()
        || ::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData())
            != 0) {
        const QString reason = file.errorString();
        QFile::remove(fresh);
        return Unexpected(u"%1: %2"_s.arg(path, reason));
    }
    return {};
}

Expected<void> flush(const QString &folder)
{
    const FileDescriptor fd(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 || ::syncfs(fd.get()) != 0)
        return Unexpected(u"%1: %2"_s.arg(folder, qt_error_string(errno)));
    return {};
}

Expected<void> saveAccount(const QString &folder, const CardDavAccount &account)
{
    if (Expected<void> made = makePrivateFolder(folder); !made)
        return made;
    QJsonArray books;
    for (const CardDavBook &book : account.books)
        books.append(bookJson(book));
    const QJsonObject json{{u"name"_s, account.name}, {u"books"_s, books}};
    return writePrivateFile(folder + u"/account.json"_s, QJsonDocument(json).toJson());
}

std::optional<CardDavAccount> loadAccount(const QString &folder)
{
    const Expected<QJsonObject> json = readJson(folder + u"/account.json"_s);
    if (!json)
        return std::nullopt;
    CardDavAccount account{json->value(u"name"_s).toString(), {}};
    for (const auto &book : json->value(u"books"_s).toArray())
        account.books.append(bookFromJson(book.toObject()));
    return account;
}

QList<CardDavAccount> accounts()
{
    QList<CardDavAccount> found;
    const QDir folder(root());
    for (const QString &name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (std::optional<CardDavAccount> account = loadAccount(folder.filePath(name)))
            found.append(std::move(*account));
    }
    return found;
}

} // namespace CardDavCache

CardDavBookCopy CardDavBookCopy::open(const QString &accountFolder, const QUrl &url)
{
    CardDavBookCopy copy;
    copy.m_url = url;
    copy.m_folder = accountFolder + u'/' + hashed(QString::fromUtf8(url.toEncoded()));
    const Expected<QJsonObject> json = readJson(copy.m_folder + u"/index.json"_s);
    if (!json || json->value(u"url"_s).toString() != QString::fromUtf8(url.toEncoded()))
        return copy;
    copy.m_exists = true;
    copy.syncToken = json->value(u"syncToken"_s).toString();
    copy.ctag = json->value(u"ctag"_s).toString();
    copy.displayName = json->value(u"displayName"_s).toString();
    const QJsonObject cards = json->value(u"cards"_s).toObject();
    for (auto card = cards.begin(); card != cards.end(); ++card) {
        const QJsonObject fields = card->toObject();
        copy.m_cards.insert(card.key(),
                            {fields.value(u"etag"_s).toString(), fields.value(u"file"_s).toString(),
                             fields.value(u"picture"_s).toString()});
    }
    return copy;
}

QString CardDavBookCopy::path(const QString &file, QStringView extension) const
{
    return m_folder + u'/' + file + extension.toString();
}

Expected<void> CardDavBookCopy::putCard(const QString &href, const QString &etag,
                                        const QByteArray &text)
{
    if (Expected<void> made = makePrivateFolder(m_folder); !made)
        return made;
    const QString file = hashed(href);
    if (Expected<void> written = CardDavCache::writePrivateFile(path(file, kCardExtension), text,
                                                                CardDavCache::Durability::ByFlush);
        !written)
        return written;
    const auto old = m_cards.constFind(href);
    if (old != m_cards.cend() && !old->pictureLink.isEmpty())
        m_removedFiles.append(path(old->file, kPictureExtension));
    m_cards.insert(href, {etag, file, {}});
    return {};
}

void CardDavBookCopy::removeCard(const QString &href)
{
    const auto card = m_cards.constFind(href);
    if (card == m_cards.cend())
        return;
    m_removedFiles.append(path(card->file, kCardExtension));
    m_removedFiles.append(path(card->file, kPictureExtension));
    m_cards.erase(card);
}

void CardDavBookCopy::removeAllCards()
{
    for (const QString &href : m_cards.keys())
        removeCard(href);
}

Expected<QByteArray> CardDavBookCopy::cardText(const QString &href) const
{
    QFile file(path(m_cards.value(href).file, kCardExtension));
    if (!file.open(QIODevice::ReadOnly))
        return Unexpected(u"%1: %2"_s.arg(file.fileName(), file.errorString()));
    return file.readAll();
}

std::optional<QByteArray> CardDavBookCopy::picture(const QString &href, const QString &link) const
{
    const Card card = m_cards.value(href);
    if (card.pictureLink != link || link.isEmpty())
        return std::nullopt;
    QFile file(path(card.file, kPictureExtension));
    return file.open(QIODevice::ReadOnly) ? std::optional(file.readAll()) : std::nullopt;
}

Expected<void> CardDavBookCopy::putPicture(const QString &href, const QString &link,
                                           const QByteArray &bytes)
{
    const auto card = m_cards.find(href);
    if (card == m_cards.end())
        return {};
    if (Expected<void> written = CardDavCache::writePrivateFile(
            path(card->file, kPictureExtension), bytes, CardDavCache::Durability::ByFlush);
        !written)
        return written;
    card->pictureLink = link;
    return {};
}

Expected<void> CardDavBookCopy::save()
{
    if (Expected<void> made = makePrivateFolder(m_folder); !made)
        return made;
    QJsonObject cards;
    for (auto card = m_cards.cbegin(); card != m_cards.cend(); ++card) {
        QJsonObject fields{{u"etag"_s, card->etag}, {u"file"_s, card->file}};
        if (!card->pictureLink.isEmpty())
            fields.insert(u"picture"_s, card->pictureLink);
        cards.insert(card.key(), fields);
    }
    const QJsonObject json{{u"url"_s, QString::fromUtf8(m_url.toEncoded())},
                           {u"syncToken"_s, syncToken},
                           {u"ctag"_s, ctag},
                           {u"displayName"_s, displayName},
                           {u"cards"_s, cards}};
    // The cards reach the disk before the index that names them.
    if (Expected<void> flushed = CardDavCache::flush(m_folder); !flushed)
        return flushed;
    if (Expected<void> written = CardDavCache::writePrivateFile(
            m_folder + u"/index.json"_s, QJsonDocument(json).toJson(QJsonDocument::Compact));
        !written)
        return written;
    // A card taken again after its removal keeps its file (the name comes from the href).
    QSet<QString> kept;
    for (const Card &card : std::as_const(m_cards)) {
        kept.insert(path(card.file, kCardExtension));
        if (!card.pictureLink.isEmpty())
            kept.insert(path(card.file, kPictureExtension));
    }
    for (const QString &file : std::exchange(m_removedFiles, {})) {
        if (!kept.contains(file))
            QFile::remove(file);
    }
    m_exists = true;
    return {};
}
