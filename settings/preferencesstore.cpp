// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/preferencesstore.h"

#include "settings/settingspaths.h"
#include "util/propertylist.h"
#include "util/systemlog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

using namespace Qt::StringLiterals;

PreferencesStore::Files PreferencesStore::standardFiles()
{
    const QString folder = SettingsPaths::preferencesFolder();
    return {folder + u"/org.vorlin.Vorlin.plist"_s, folder + u"/.GlobalPreferences.plist"_s};
}

PreferencesStore &PreferencesStore::standard()
{
    static PreferencesStore store(standardFiles());
    return store;
}

PreferencesStore::PreferencesStore(Files files, QObject *parent)
    : QObject(parent)
    , m_files(std::move(files))
{
    loadUserDomain();
    loadGlobalDomain();
}

void PreferencesStore::loadUserDomain()
{
    QFile file(m_files.userDomain);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        // Writing now would replace values we could not even read: keep them safe.
        m_userFileWritable = false;
        systemLog(u"Preferences %1 cannot be read (%2); changes will not be saved this time."_s.arg(
            m_files.userDomain, file.errorString()));
        return;
    }
    const Expected<QVariant> read = parsePropertyList(file.readAll(), m_files.userDomain);
    if (!read)
        return keepCorruptFileAside(read.error());
    if (read->typeId() != QMetaType::QVariantMap)
        return keepCorruptFileAside(u"%1: not a dictionary of settings"_s.arg(m_files.userDomain));
    m_user = read->toMap();
}

void PreferencesStore::keepCorruptFileAside(const QString &reason)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(u"yyyyMMdd-HHmmsszzz"_s);
    const QString aside = m_files.userDomain + u".corrupt-"_s + stamp;
    if (!QFile::rename(m_files.userDomain, aside)) {
        m_userFileWritable = false;
        systemLog(u"Preferences damaged (%1) and could not be moved aside; using the defaults "
                  "and leaving the file as it is."_s.arg(reason));
        return;
    }
    systemLog(u"Preferences damaged (%1); kept as %2, using the defaults."_s.arg(reason, aside));
}

void PreferencesStore::loadGlobalDomain()
{
    if (!QFile::exists(m_files.globalDomain))
        return;
    const Expected<QVariant> read = readPropertyListFile(m_files.globalDomain);
    if (!read || read->typeId() != QMetaType::QVariantMap) {
        systemLog(u"System-wide preferences ignored: %1"_s.arg(
            read ? m_files.globalDomain + u": not a dictionary"_s : read.error()));
        return;
    }
    m_global = read->toMap();
}

QVariant PreferencesStore::objectForKey(const QString &key) const
{
    for (const QVariantMap *domain : {&m_user, &m_global, &m_registration}) {
        const auto found = domain->constFind(key);
        if (found != domain->cend())
            return *found;
    }
    return {};
}

template<typename Change>
Expected<void> PreferencesStore::changeUserDomain(const QString &key, Change change)
{
    const QVariant before = objectForKey(key);
    change();
    m_dirty = true;
    Expected<void> saved = save();
    if (objectForKey(key) != before)
        Q_EMIT valueChanged(key);
    return saved;
}

Expected<void> PreferencesStore::setObject(const QVariant &value, const QString &key)
{
    if (!value.isValid())
        return removeObject(key);
    if (!toXmlPropertyList(value)) {
        const QString message
            = u"Setting \"%1\" not stored: a %2 is not a property-list value."_s.arg(
                key, QString::fromLatin1(value.typeName()));
        systemLog(message);
        return Unexpected(message);
    }
    return changeUserDomain(key, [&] { m_user.insert(key, value); });
}

Expected<void> PreferencesStore::removeObject(const QString &key)
{
    if (!m_user.contains(key))
        return {};
    return changeUserDomain(key, [&] { m_user.remove(key); });
}

void PreferencesStore::registerDefaults(const QVariantMap &defaults)
{
    QStringList changed;
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        const QVariant before = objectForKey(it.key());
        m_registration.insert(it.key(), it.value());
        if (objectForKey(it.key()) != before)
            changed.append(it.key());
    }
    for (const QString &key : std::as_const(changed))
        Q_EMIT valueChanged(key);
}

Expected<void> PreferencesStore::synchronize()
{
    if (!m_dirty)
        return {};
    return save();
}

Expected<void> PreferencesStore::save()
{
    if (!m_userFileWritable)
        return Unexpected(u"Preferences not saved: %1 could not be read or kept aside."_s.arg(
            m_files.userDomain));
    QDir().mkpath(QFileInfo(m_files.userDomain).absolutePath());
    QSaveFile file(m_files.userDomain);
    const std::optional<QByteArray> xml = toXmlPropertyList(m_user);
    // fsync before the rename, so a crash leaves either the old file or the new one.
    const bool written = xml && file.open(QIODevice::WriteOnly) && file.write(*xml) == xml->size()
        && file.flush() && ::fsync(file.handle()) == 0 && file.commit();
    if (!written) {
        const QString message = u"Preferences could not be saved to %1: %2"_s.arg(
            m_files.userDomain, file.errorString());
        systemLog(message);
        return Unexpected(message);
    }
    m_dirty = false;
    return {};
}

std::optional<QString> PreferencesStore::calendarFormatForKey(const QString &key) const
{
    const QVariant value = objectForKey(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}
