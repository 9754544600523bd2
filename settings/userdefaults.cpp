// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/userdefaults.h"

#include "settings/preferencesstore.h"
#include "util/propertylist.h"
#include "util/systemlog.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QIODevice>

#include <sys/time.h>

using namespace Qt::StringLiterals;

namespace {

// Marks data written by writeArchivedDataDefault, so other data is never misread.
constexpr quint32 kArchiveMagic = 0x564F524C; // "VORL"
constexpr QDataStream::Version kArchiveVersion = QDataStream::Qt_6_4;

PreferencesStore &store()
{
    return PreferencesStore::standard();
}

std::optional<QVariant> unarchive(const QByteArray &data)
{
    QDataStream in(data);
    in.setVersion(kArchiveVersion);
    quint32 magic = 0;
    QVariant object;
    in >> magic;
    if (magic != kArchiveMagic)
        return std::nullopt;
    in >> object;
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return object;
}

} // namespace

void QEV_UserDefaults::registerDefaults(const QVariantMap &defaults)
{
    store().registerDefaults(defaults);
}

void QEV_UserDefaults::registerDefault(const QVariant &value, const QString &key)
{
    registerDefaults({{key, value}});
}

QVariant QEV_UserDefaults::readDefault(const QString &key)
{
    return store().objectForKey(key);
}

void QEV_UserDefaults::writeDefault(const QVariant &value, const QString &key)
{
    store().setObject(value, key);
}

void QEV_UserDefaults::writeArchivedDataDefault(const QVariant &object, const QString &key)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setVersion(kArchiveVersion);
    out << kArchiveMagic << object;
    if (out.status() != QDataStream::Ok) {
        systemLog(u"Setting \"%1\" not stored: the value cannot be archived."_s.arg(key));
        return;
    }
    store().setObject(data, key);
}

QVariant QEV_UserDefaults::readArchivedDataDefault(const QString &key)
{
    QVariant value = readDefault(key);
    if (value.typeId() != QMetaType::QByteArray)
        return value;
    return unarchive(value.toByteArray()).value_or(value);
}

bool QEV_UserDefaults::defaultExists(const QString &key)
{
    return readDefault(key).isValid();
}

void QEV_UserDefaults::removeDefault(const QString &key)
{
    store().removeObject(key);
}

void QEV_UserDefaults::synchronizeDefaults()
{
    store().synchronize();
}

void QEV_UserDefaults::updateValue(const QVariant &value, const QString &key)
{
    store().setObject(value, key);
}

QString QEV_UserDefaults::returnUserCountryCode()
{
    const QVariantList city = readDefault(u"com.apple.TimeZonePref.Last_Selected_City"_s).toList();
    if (city.size() < 5)
        return u"US"_s;
    return city.at(4).toString().toUpper();
}

void QEV_UserDefaults::touchBundleDate(const Bundle &bundle)
{
    const QString folder = QDir::cleanPath(bundle.contentsPath() + u"/.."_s);
    if (::utimes(QFile::encodeName(folder).constData(), nullptr) != 0)
        systemLog(u"Could not touch the bundle folder %1."_s.arg(folder));
}

QVariant QEV_UserDefaults::returnPlistValue(const QString &key, const Bundle &bundle)
{
    return returnPlistValue(bundle.infoPlistPath(), key);
}

QVariant QEV_UserDefaults::returnPlistValue(const QString &path, const QString &key)
{
    if (!QFile::exists(path))
        return {};
    const Expected<QVariant> read = readPropertyListFile(path);
    if (!read) {
        systemLog(u"returnPlistValue error: %1"_s.arg(read.error()));
        return {};
    }
    return read->toMap().value(key);
}
