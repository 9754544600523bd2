// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user preferences: three domains read in turn (the user's own values, then the
// system-wide ones, then the defaults registered at start), every write saved at once and
// atomically, and every change of a key's value announced with the key. Several processes
// (the window, vorlin-export) share the file, so a save re-reads it and writes back only the
// keys this process changed, keeping everyone else's.
//
//   PreferencesStore &store = PreferencesStore::standard();
//   store.setObject(u"vorlin.html"_s, u"fileName"_s);   // on disk when this returns
#pragma once

#include "util/dateformatsource.h"
#include "util/expected.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>

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

    /// Reads both files. A user file that cannot be parsed is kept aside as
    /// "<name>.corrupt-<timestamp>" and the store starts on the defaults.
    explicit PreferencesStore(Files files, QObject *parent = nullptr);

    /// The first value found in the user, system-wide and registration domains; an
    /// invalid QVariant when the key is absent from all three.
    [[nodiscard]] QVariant objectForKey(const QString &key) const;
    /// Sets the user's value and saves it before returning, over what the file holds now; the
    /// other processes' values read then take effect here too. An invalid value removes the
    /// key. An error (also logged) when the value has no property-list form or the file could
    /// not be read or written; the value is then still in effect for this run and is saved
    /// with the next change.
    Expected<void> setObject(const QVariant &value, const QString &key);
    /// Removes the user's value, so a registered default shows again; saved at once.
    Expected<void> removeObject(const QString &key);
    /// Adds to the registration domain, which is never saved.
    void registerDefaults(const QVariantMap &defaults);
    /// Saves this process's unsaved changes, if any.
    Expected<void> synchronize();

    [[nodiscard]] std::optional<QString> calendarFormatForKey(const QString &key) const override;

    [[nodiscard]] const Files &files() const { return m_files; }

Q_SIGNALS:
    /// The effective value of key changed, whatever changed it.
    void valueChanged(const QString &key);

private:
    [[nodiscard]] std::optional<QVariantMap> readUserFile();
    [[nodiscard]] bool keepCorruptFileAside(const QString &reason);
    void loadGlobalDomain();
    Expected<void> save();
    Expected<void> writeUserFile(const QVariantMap &values);
    void adoptUserDomain(const QVariantMap &values);
    template<typename Change>
    Expected<void> changeUserDomain(const QString &key, Change change);

    Files m_files;
    QVariantMap m_user;
    QVariantMap m_global;
    QVariantMap m_registration;
    /// The keys this process changed since its last save, an invalid value for a removal.
    QVariantMap m_unsaved;
};
