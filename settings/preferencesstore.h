// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user preferences: three domains read in turn (the user's own values, then the
// system-wide ones, then the defaults registered at start), and every change of a key's
// value announced with the key, whoever made it. Several processes (the window,
// vorlin-export, a hand edit) share the file: a save re-reads it and writes back only the
// keys this process changed, keeping everyone else's, and the store follows the file, so
// another program's change shows here within a fraction of a second. setObject saves at
// once and atomically; updateValue, for edits made keystroke by keystroke, takes effect at
// once and is saved a moment later.
//
//   PreferencesStore &store = PreferencesStore::standard();
//   store.setObject(u"vorlin.html"_s, u"fileName"_s);   // on disk when this returns
//   store.updateValue(u"body {}"_s, u"css"_s);          // on disk within kSaveDelayMilliseconds
#pragma once

#include "util/dateformatsource.h"
#include "util/expected.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class PreferencesFileWatcher;

class PreferencesStore final : public QObject, public DateFormatSource
{
    Q_OBJECT

public:
    struct Files
    {
        QString userDomain;   // read and written
        QString globalDomain; // read only
    };

    /// Library/Preferences/org.vorlin.Vorlin.plist and .GlobalPreferences.plist beside it.
    [[nodiscard]] static Files standardFiles();
    /// The process's store on the standard files, made on first use.
    [[nodiscard]] static PreferencesStore &standard();

    /// How long after an updateValue its save follows, at the latest.
    static constexpr int kSaveDelayMilliseconds = 300;

    /// Reads both files. A user file that cannot be parsed is kept aside as
    /// "<name>.corrupt-<timestamp>" and the store starts on the defaults. With an application
    /// object, the store follows the user file from then on, and saves what is pending when
    /// the application is about to quit.
    explicit PreferencesStore(Files files, QObject *parent = nullptr);
    /// Saves what is pending, best effort.
    ~PreferencesStore() override;
    Q_DISABLE_COPY_MOVE(PreferencesStore)

    /// The first value found in the user, system-wide and registration domains; an
    /// invalid QVariant when the key is absent from all three.
    [[nodiscard]] QVariant objectForKey(const QString &key) const;
    /// Sets the user's value and saves it before returning, with whatever updateValue left
    /// pending, over what the file holds now; the other processes' values read then take
    /// effect here too. An invalid value removes the key. An error (also logged) when the
    /// value has no property-list form or the file could not be read or written; the value
    /// is then still in effect for this run and is saved with the next change.
    Expected<void> setObject(const QVariant &value, const QString &key);
    /// Sets the user's value at once, like setObject, and saves it within
    /// kSaveDelayMilliseconds together with any further updates, so a field typed into does
    /// not write the file on every keystroke. An error (also logged) only for a value without
    /// a property-list form; a failed later save is logged and retried with the next change.
    /// Without an application object (no event loop to save later) it saves at once.
    Expected<void> updateValue(const QVariant &value, const QString &key);
    /// Removes the user's value, so a registered default shows again; saved at once, with
    /// whatever updateValue left pending.
    Expected<void> removeObject(const QString &key);
    /// Adds to the registration domain, which is never saved.
    void registerDefaults(const QVariantMap &defaults);
    /// Saves this process's unsaved changes, if any, now.
    Expected<void> synchronize();

    [[nodiscard]] std::optional<QString> calendarFormatForKey(const QString &key) const override;

    [[nodiscard]] const Files &files() const { return m_files; }

Q_SIGNALS:
    /// The effective value of key changed, whatever changed it: this process, or another
    /// program whose save the store has read.
    void valueChanged(const QString &key);

private:
    enum class Saving { now, later };

    [[nodiscard]] std::optional<QVariantMap> readUserFile();
    [[nodiscard]] bool keepCorruptFileAside(const QString &reason);
    void loadGlobalDomain();
    void followUserFile();
    Expected<void> changeUserValue(const QVariant &value, const QString &key, Saving saving);
    Expected<void> save();
    static void removeOddLock(const QString &path);
    Expected<void> writeUserFile(const QVariantMap &values);
    [[nodiscard]] QVariantMap withUnsavedChanges(QVariantMap values) const;
    void adoptUserDomain(const QVariantMap &values);

    Files m_files;
    QVariantMap m_user;
    QVariantMap m_global;
    QVariantMap m_registration;
    /// The keys this process changed since its last save, an invalid value for a removal.
    QVariantMap m_unsaved;
    QTimer m_saveTimer;
    /// Null when the store was made without an application object.
    std::unique_ptr<PreferencesFileWatcher> m_watcher;
    bool m_absentFileRetried = false;
    bool m_unusableFileLogged = false;
};
