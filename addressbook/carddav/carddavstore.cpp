// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/carddav/carddavstore.h"

#include "addressbook/carddav/carddavcache.h"
#include "addressbook/carddav/carddavdiscovery.h"
#include "addressbook/carddav/carddavname.h"
#include "addressbook/carddav/carddavpassword.h"
#include "addressbook/carddav/carddavpictures.h"
#include "addressbook/carddav/carddavsync.h"

#include <QLockFile>

#include <algorithm>
#include <chrono>

using namespace Qt::StringLiterals;

namespace {

constexpr std::chrono::seconds kCopyLockWait{60};

QString failure(const CardDavTarget &target, const QString &reason)
{
    return u"%1: %2"_s.arg(target.name(), reason);
}

QString withUser(const QUrl &url, const QString &user)
{
    QUrl named = url;
    named.setUserName(user);
    return shownUrl(named);
}

Expected<QString> password(const CardDavTarget &target, const CardDavAccess &access)
{
    if (access.password)
        return *access.password;
    if (access.passwordFile)
        return CardDavPassword::fromFile(*access.passwordFile);
    const Expected<std::optional<QString>> kept = CardDavPassword::fromKeyring(target);
    if (!kept)
        return Unexpected(failure(target,
                                  kept.error()
                                      + u"; give the password with "
                                        "--password-file FILE"_s));
    if (!*kept)
        return Unexpected(failure(target,
                                  u"the keyring holds no password for %1; give it with "
                                  "--password-file FILE"_s.arg(target.accountName())));
    return **kept;
}

// The cards of the copy, in the order of their hrefs, read as one store.
ContactStoreRead readCopy(CardDavBookCopy &copy, CardDavClient *client)
{
    const QUrl &url = copy.url();
    QList<VCardSource> sources;
    QList<CardDavPictures::Card> cards;
    QStringList problems;
    for (const QString &href : copy.cards().keys()) {
        const QString origin = shownUrl(url.resolved(QUrl::fromEncoded(href.toUtf8())));
        Expected<QByteArray> text = copy.cardText(href);
        if (!text) {
            problems.append(u"%1: left out: %2"_s.arg(origin, text.error()));
            continue;
        }
        sources.append({*text, origin});
        cards.append({href, origin, std::move(*text)});
    }
    ContactStoreRead read = readShortVCardSources(sources);
    problems += CardDavPictures(client, copy).add(cards, *read.store);
    read.diagnostics += problems;
    read.problemCount += problems.size();
    return read;
}

// Remembers the books found; a collection named directly joins those of its account.
Expected<void> rememberAccount(const QString &folder, const CardDavTarget &target,
                               const QList<CardDavBook> &books)
{
    const bool isCollection = books.size() == 1 && books.first().url == target.url;
    CardDavAccount account{target.name(), books};
    const std::optional<CardDavAccount> known = CardDavCache::loadAccount(folder);
    if (isCollection && known) {
        account = *known;
        const bool listed
            = std::any_of(account.books.cbegin(), account.books.cend(),
                          [&target](const CardDavBook &b) { return b.url == target.url; });
        if (!listed)
            account.books.append(books.first());
    }
    return CardDavCache::saveAccount(folder, account);
}

Expected<ContactStoreRead> readOffline(const CardDavTarget &target, const QString &folder)
{
    const QString noCopy = failure(target, u"no local copy; read it once without --offline"_s);
    CardDavBookCopy copy = CardDavBookCopy::open(folder, target.url);
    if (!copy.exists()) {
        // The account's root: its one book, or its default one, as online.
        const std::optional<CardDavAccount> account = CardDavCache::loadAccount(folder);
        if (!account)
            return Unexpected(noCopy);
        const Expected<CardDavBook> book = CardDavDiscovery::choose(account->books, target.name());
        if (!book)
            return Unexpected(book.error());
        copy = CardDavBookCopy::open(folder, book->url);
        if (!copy.exists())
            return Unexpected(noCopy);
    }
    return readCopy(copy, nullptr);
}

Expected<ContactStoreRead> readOnline(const CardDavTarget &target, const QString &folder,
                                      const CardDavAccess &access, CardDavProblem &problem)
{
    const Expected<QString> secret = password(target, access);
    if (!secret) {
        if (!access.passwordFile)
            problem = CardDavProblem::NoPassword;
        return Unexpected(secret.error());
    }
    CardDavClient client(target.url, target.user, *secret, access.client);
    const Expected<QList<CardDavBook>> books = CardDavDiscovery(client).find(target.url);
    if (!books) {
        if (client.passwordRefused())
            problem = CardDavProblem::PasswordRefused;
        return Unexpected(books.error());
    }
    const Expected<CardDavBook> book = CardDavDiscovery::choose(*books, target.name());
    if (!book)
        return Unexpected(book.error());
    if (Expected<void> kept = rememberAccount(folder, target, *books); !kept)
        return Unexpected(failure(target, kept.error()));
    // One read at a time brings a copy up to date: the window and a timer's export may meet.
    QLockFile lock(folder + u"/lock"_s);
    if (!lock.tryLock(int(std::chrono::milliseconds(kCopyLockWait).count())))
        return Unexpected(failure(target,
                                  u"another program is bringing its local copy up to "
                                  "date (%1/lock)"_s.arg(folder)));
    CardDavBookCopy copy = CardDavBookCopy::open(folder, book->url);
    if (Expected<void> synced = CardDavSync(client, *book, copy).run(); !synced) {
        if (client.passwordRefused())
            problem = CardDavProblem::PasswordRefused;
        return Unexpected(synced.error());
    }
    ContactStoreRead read = readCopy(copy, &client);
    if (Expected<void> saved = copy.save(); !saved)
        return Unexpected(failure(target, saved.error()));
    return read;
}

} // namespace

Expected<ContactStoreRead> readCardDavStore(const QString &name, const CardDavAccess &access,
                                            CardDavProblem *problem)
{
    CardDavProblem ignored = CardDavProblem::Other;
    CardDavProblem &why = problem ? *problem : ignored;
    why = CardDavProblem::Other;
    const Expected<CardDavTarget> target = CardDavTarget::parse(name, access.user);
    if (!target)
        return Unexpected(target.error());
    if (target->user.isEmpty())
        return Unexpected(u"%1: no user; name one in the address (https://USER@%2/) or with "
                          "--user NAME"_s.arg(target->name(), target->url.host()));
    const QString folder = CardDavCache::accountFolder(*target);
    return access.offline ? readOffline(*target, folder) : readOnline(*target, folder, access, why);
}

QList<CardDavAddressBook> listCardDavAddressBooks(ContactCounts counts)
{
    QList<CardDavAddressBook> listed;
    for (const CardDavAccount &account : CardDavCache::accounts()) {
        const Expected<CardDavTarget> target = CardDavTarget::parse(account.name, {});
        if (!target)
            continue;
        const QString folder = CardDavCache::accountFolder(*target);
        for (const CardDavBook &book : account.books) {
            qsizetype contacts = -1;
            if (counts == ContactCounts::Count) {
                CardDavBookCopy copy = CardDavBookCopy::open(folder, book.url);
                if (copy.exists())
                    contacts = readCopy(copy, nullptr).store->people().size();
            }
            listed.append(
                {withUser(book.url, target->user), book.displayName, contacts, book.isDefault});
        }
    }
    return listed;
}
