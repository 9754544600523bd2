// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/preferencesstore.h"

#include "settings/preferencesfilewatcher.h"
#include "settings/settingspaths.h"
#include "util/propertylist.h"
#include "util/systemlog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSignalBlocker>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Long enough for any other save to finish; a lock older than this is stale.
constexpr int kLockWait = 5000;

// What reading the user file found, before deciding what to do about a problem.
struct UserFileRead
{
    enum class Outcome { absent, read, unreadable, damaged };
    Outcome outcome;
    QVariantMap values;
    QString problem;
};

UserFileRead readUserFileAt(const QString &path)
{
    using Outcome = UserFileRead::Outcome;
    const Expected<std::optional<QByteArray>> bytes = readPropertyListBytes(path);
    if (!bytes)
        return {Outcome::unreadable, {}, bytes.error()};
    if (!*bytes)
        return {Outcome::absent, {}, {}};
    const Expected<QVariant> read = parsePropertyList(**bytes, path);
    if (!read)
        return {Outcome::damaged, {}, read.error()};
    if (read->typeId() != QMetaType::QVariantMap)
        return {Outcome::damaged, {}, u"%1: not a dictionary of settings"_s.arg(path)};
    return {Outcome::read, read->toMap(), {}};
}

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
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(kSaveDelayMilliseconds);
    connect(&m_saveTimer, &QTimer::timeout, this, [this] { (void)synchronize(); });
    const QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return;
    connect(application, &QCoreApplication::aboutToQuit, this, [this] { (void)synchronize(); });
    m_watcher = std::make_unique<PreferencesFileWatcher>(m_files.userDomain);
    connect(m_watcher.get(), &PreferencesFileWatcher::changed, this,
            &PreferencesStore::followUserFile);
}

PreferencesStore::~PreferencesStore()
{
    // Whoever listened may be half gone already.
    const QSignalBlocker quiet(this);
    (void)synchronize();
}

// What the user file holds now: nothing when it is absent or was damaged (and is now kept
// aside); no value at all when it could not be read, since writing then would replace values
// nobody has seen.
std::optional<QVariantMap> PreferencesStore::readUserFile()
{
    UserFileRead read = readUserFileAt(m_files.userDomain);
    switch (read.outcome) {
    case UserFileRead::Outcome::absent:
        return QVariantMap();
    case UserFileRead::Outcome::read:
        return std::move(read.values);
    case UserFileRead::Outcome::unreadable:
        systemLog(u"Preferences %1 cannot be read (%2); changes will not be saved."_s.arg(
            m_files.userDomain, read.problem));
        return std::nullopt;
    case UserFileRead::Outcome::damaged:
        break;
    }
    return keepCorruptFileAside(read.problem) ? std::optional(QVariantMap()) : std::nullopt;
}

// Takes in what another program saved. Another program's save may be caught mid-way: a file
// missing between its removal and its replacement is looked at once more before its values
// count as removed, and a damaged or unreadable one is left alone (its writer may not be done,
// and the next save decides about keeping it aside) with the values in effect kept.
void PreferencesStore::followUserFile()
{
    const UserFileRead read = readUserFileAt(m_files.userDomain);
    if (read.outcome == UserFileRead::Outcome::absent && !m_absentFileRetried) {
        m_absentFileRetried = true;
        m_watcher->checkAgainLater();
        return;
    }
    if (read.outcome == UserFileRead::Outcome::unreadable
        || read.outcome == UserFileRead::Outcome::damaged) {
        if (!m_unusableFileLogged)
            systemLog(u"Preferences %1 changed but cannot be used (%2); keeping the values in "
                      "effect."_s.arg(m_files.userDomain, read.problem));
        m_unusableFileLogged = true;
        return;
    }
    m_absentFileRetried = false;
    m_unusableFileLogged = false;
    adoptUserDomain(read.values);
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

Expected<void> PreferencesStore::setObject(const QVariant &value, const QString &key)
{
    return changeUserValue(value, key, Saving::now);
}

Expected<void> PreferencesStore::updateValue(const QVariant &value, const QString &key)
{
    return changeUserValue(value, key, Saving::later);
}

Expected<void> PreferencesStore::removeObject(const QString &key)
{
    return changeUserValue({}, key, Saving::now);
}

// The value takes effect before the save, and is announced after it, so that whoever hears
// of it finds it on disk when it was saved at once.
Expected<void> PreferencesStore::changeUserValue(const QVariant &value, const QString &key,
                                                 Saving saving)
{
    if (value.isValid() && !toXmlPropertyList(value)) {
        const QString message
            = u"Setting \"%1\" not stored: a %2 is not a property-list value."_s.arg(
                key, QString::fromLatin1(value.typeName()));
        systemLog(message);
        return Unexpected(message);
    }
    if (!value.isValid() && !m_user.contains(key))
        return {};
    const QVariant before = objectForKey(key);
    if (value.isValid())
        m_user.insert(key, value);
    else
        m_user.remove(key);
    m_unsaved.insert(key, value);
    Expected<void> saved;
    if (saving == Saving::now || !QCoreApplication::instance())
        saved = save();
    else if (!m_saveTimer.isActive())
        m_saveTimer.start(); // not restarted: continuous typing is still saved every interval
    if (objectForKey(key) != before)
        Q_EMIT valueChanged(key);
    return saved;
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
    m_saveTimer.stop();
    if (m_unsaved.isEmpty())
        return {};
    return save();
}

// The lock is an ordinary file that QLockFile writes and reads back to tell a stale one.
// Anything else in its place (a FIFO, a link to a device or to nowhere) would block, never
// end or stall every save, so it is removed, once, with a message.
void PreferencesStore::removeOddLock(const QString &path)
{
    struct stat status = {};
    const QByteArray name = QFile::encodeName(path);
    if (::lstat(name.constData(), &status) != 0 || S_ISREG(status.st_mode))
        return;
    if (::unlink(name.constData()) == 0)
        systemLog(u"Preferences lock %1 was not an ordinary file; removed it."_s.arg(path));
    else
        systemLog(u"Preferences lock %1 is not an ordinary file and cannot be removed: %2"_s.arg(
            path, QString::fromLocal8Bit(std::strerror(errno))));
}

// Read, change and replace under a lock beside the file, so two processes saving at once
// cannot both start from the same old file.
Expected<void> PreferencesStore::save()
{
    m_saveTimer.stop(); // this save takes every pending change with it
    QDir().mkpath(QFileInfo(m_files.userDomain).absolutePath());
    const QString lockPath = m_files.userDomain + u".lock"_s;
    removeOddLock(lockPath);
    QLockFile lock(lockPath);
    if (!lock.tryLock(kLockWait)) {
        const QString why = lock.error() == QLockFile::LockFailedError
            ? u"another program holds %1"_s.arg(lock.fileName())
            : u"%1 cannot be made"_s.arg(lock.fileName());
        const QString message
            = u"Preferences could not be saved to %1: %2"_s.arg(m_files.userDomain, why);
        systemLog(message);
        return Unexpected(message);
    }
    const std::optional<QVariantMap> read = readUserFile();
    if (!read)
        return Unexpected(u"Preferences not saved: %1 could not be read or kept aside."_s.arg(
            m_files.userDomain));
    const QVariantMap values = withUnsavedChanges(*read);
    if (Expected<void> written = writeUserFile(values); !written)
        return written;
    m_unsaved.clear();
    adoptUserDomain(values);
    if (m_watcher)
        m_watcher->followNewPaths(); // the folder may be new
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

QVariantMap PreferencesStore::withUnsavedChanges(QVariantMap values) const
{
    for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it) {
        if (it->isValid())
            values.insert(it.key(), *it);
        else
            values.remove(it.key());
    }
    return values;
}

// Takes the file's values, under this process's unsaved ones, as the user domain and
// announces the keys whose effective value that changed.
void PreferencesStore::adoptUserDomain(const QVariantMap &values)
{
    QVariantMap user = withUnsavedChanges(values);
    QStringList keys = m_user.keys() + user.keys();
    keys.removeDuplicates();
    QVariantList before;
    for (const QString &key : std::as_const(keys))
        before.append(objectForKey(key));
    m_user = std::move(user);
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
