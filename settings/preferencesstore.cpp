// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/preferencesstore.h"

#include "settings/settingspaths.h"
#include "util/propertylist.h"
#include "util/systemlog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Long enough for any other save to finish; a lock older than this is stale.
constexpr int lockWait = 5000;

} // namespace

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
    m_user = readUserFile().value_or(QVariantMap());
    loadGlobalDomain();
}

// What the user file holds now: nothing when it is absent or was damaged (and is now kept
// aside); no value at all when it could not be read, since writing then would replace values
// nobody has seen.
std::optional<QVariantMap> PreferencesStore::readUserFile()
{
    QFile file(m_files.userDomain);
    if (!file.exists())
        return QVariantMap();
    if (!file.open(QIODevice::ReadOnly)) {
        systemLog(u"Preferences %1 cannot be read (%2); changes will not be saved."_s.arg(
            m_files.userDomain, file.errorString()));
        return std::nullopt;
    }
    const Expected<QVariant> read = parsePropertyList(file.readAll(), m_files.userDomain);
    if (!read)
        return keepCorruptFileAside(read.error()) ? std::optional(QVariantMap()) : std::nullopt;
    if (read->typeId() != QMetaType::QVariantMap) {
        const QString reason = u"%1: not a dictionary of settings"_s.arg(m_files.userDomain);
        return keepCorruptFileAside(reason) ? std::optional(QVariantMap()) : std::nullopt;
    }
    return read->toMap();
}

bool PreferencesStore::keepCorruptFileAside(const QString &reason)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(u"yyyyMMdd-HHmmsszzz"_s);
    const QString aside = m_files.userDomain + u".corrupt-"_s + stamp;
    if (!QFile::rename(m_files.userDomain, aside)) {
        systemLog(u"Preferences damaged (%1) and could not be moved aside; using the defaults "
                  "and leaving the file as it is."_s.arg(reason));
        return false;
    }
    systemLog(u"Preferences damaged (%1); kept as %2, using the defaults."_s.arg(reason, aside));
    return true;
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
    m_unsaved.insert(key, m_user.value(key));
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
    if (m_unsaved.isEmpty())
        return {};
    return save();
}

// Read, change and replace under a lock beside the file, so two processes saving at once
// cannot both start from the same old file.
Expected<void> PreferencesStore::save()
{
    QDir().mkpath(QFileInfo(m_files.userDomain).absolutePath());
    QLockFile lock(m_files.userDomain + u".lock"_s);
    if (!lock.tryLock(lockWait)) {
        const QString why = lock.error() == QLockFile::LockFailedError
            ? u"another program holds %1"_s.arg(lock.fileName())
            : u"%1 cannot be made"_s.arg(lock.fileName());
        const QString message
            = u"Preferences could not be saved to %1: %2"_s.arg(m_files.userDomain, why);
        systemLog(message);
        return Unexpected(message);
    }
    std::optional<QVariantMap> values = readUserFile();
    if (!values)
        return Unexpected(u"Preferences not saved: %1 could not be read or kept aside."_s.arg(
            m_files.userDomain));
    for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it) {
        if (it->isValid())
            values->insert(it.key(), *it);
        else
            values->remove(it.key());
    }
    if (Expected<void> written = writeUserFile(*values); !written)
        return written;
    m_unsaved.clear();
    adoptUserDomain(*values);
    return {};
}

Expected<void> PreferencesStore::writeUserFile(const QVariantMap &values)
{
    QSaveFile file(m_files.userDomain);
    const std::optional<QByteArray> xml = toXmlPropertyList(values);
    // fsync before the rename, so a crash leaves either the old file or the new one.
    const bool written = xml && file.open(QIODevice::WriteOnly) && file.write(*xml) == xml->size()
        && file.flush() && ::fsync(file.handle()) == 0 && file.commit();
    if (!written) {
        const QString message = u"Preferences could not be saved to %1: %2"_s.arg(
            m_files.userDomain, file.errorString());
        systemLog(message);
        return Unexpected(message);
    }
    return {};
}

// Takes the file's values as the user domain and announces the keys other processes changed.
void PreferencesStore::adoptUserDomain(const QVariantMap &values)
{
    QStringList keys = m_user.keys() + values.keys();
    keys.removeDuplicates();
    QVariantList before;
    for (const QString &key : std::as_const(keys))
        before.append(objectForKey(key));
    m_user = values;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (objectForKey(keys.at(i)) != before.at(i))
            Q_EMIT valueChanged(keys.at(i));
    }
}

std::optional<QString> PreferencesStore::calendarFormatForKey(const QString &key) const
{
    const QVariant value = objectForKey(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}
