// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/carddav/carddavname.h"

#include <QHostAddress>

using namespace Qt::StringLiterals;

bool isCardDavAddressBookName(const QString &name)
{
    return name.startsWith(u"https://"_s, Qt::CaseInsensitive)
        || name.startsWith(u"http://"_s, Qt::CaseInsensitive);
}

bool isLoopbackUrl(const QUrl &url)
{
    const QString host = url.host();
    if (host.compare(u"localhost"_s, Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

QString shownUrl(const QUrl &url)
{
    return url.toDisplayString(QUrl::RemovePassword);
}

Expected<CardDavTarget> CardDavTarget::parse(const QString &name, const QString &user)
{
    QUrl url(name, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || !isCardDavAddressBookName(name))
        return Unexpected(u"%1: not a valid http:// or https:// address"_s.arg(name));
    if (!url.password().isEmpty())
        return Unexpected(u"%1: the address holds a password; keep it in the keyring or give "
                          "it with --password-file"_s.arg(shownUrl(url)));
    if (url.scheme() == u"http"_s && !isLoopbackUrl(url))
        return Unexpected(u"%1: plain http:// is taken only for a loopback address; use "
                          "https://"_s.arg(shownUrl(url)));
    CardDavTarget target;
    target.user = url.userName().isEmpty() ? user : url.userName();
    url.setUserInfo({});
    url.setFragment({});
    url.setQuery(QString());
    if (!url.path().endsWith(u'/'))
        url.setPath(url.path() + u'/');
    target.url = url;
    return target;
}

QString CardDavTarget::name() const
{
    QUrl named = url;
    named.setUserName(user);
    return shownUrl(named);
}

QString CardDavTarget::accountName() const
{
    QUrl origin = url.adjusted(QUrl::RemovePath);
    origin.setUserName(user);
    origin.setPort(url.port(url.scheme() == u"https"_s ? 443 : 80));
    return shownUrl(origin);
}
