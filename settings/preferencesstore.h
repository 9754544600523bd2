// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user preferences: three domains read in turn (the user's own values, then the
// system-wide ones, then the defaults registered at start), every write saved at once and
// atomically, and every change of a key's value announced with the key.
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
    /// Sets the user's value and saves the user domain before returning. An invalid value
    /// removes the key. An error (also logged) when the value has no property-list form or
    /// the file could not be written; the value is then still in effect for this run.
    Expected<void> setObject(const QVariant &value, const QString &key);
    /// Removes the user's value, so a registered default shows again; saved at once.
    Expected<void> removeObject(const QString &key);
    /// Adds to the registration domain, which is never saved.
    void registerDefaults(const QVariantMap &defaults);
    /// Saves the user domain if it has unsaved changes.
    Expected<void> synchronize();

    [[nodiscard]] std::optional<QString> calendarFormatForKey(const QString &key) const override;

    [[nodiscard]] const Files &files() const { return m_files; }

Q_SIGNALS:
    /// The effective value of key changed, whatever changed it.
    void valueChanged(const QString &key);

private:
    void loadUserDomain();
    void loadGlobalDomain();
    void keepCorruptFileAside(const QString &reason);
    Expected<void> save();
    template<typename Change>
    Expected<void> changeUserDomain(const QString &key, Change change);

    Files m_files;
    QVariantMap m_user;
    QVariantMap m_global;
    QVariantMap m_registration;
    bool m_dirty = false;
    bool m_userFileWritable = true;
};
