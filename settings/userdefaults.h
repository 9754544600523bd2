// SPDX-License-Identifier: GPL-3.0-or-later
// The application's one way into its preferences: class operations over the process's
// standard store (PreferencesStore::standard()), plus property lists of the bundle and of
// other files. Writes reach the disk before they return.
//
//   QEV_UserDefaults::writeDefault(u"vorlin.html"_s, u"fileName"_s);
//   const QString css = QEV_UserDefaults::readDefault(u"css"_s).toString();
#pragma once

#include "util/bundle.h"

#include <QString>
#include <QVariant>
#include <QVariantMap>

class QEV_UserDefaults final
{
public:
    QEV_UserDefaults() = delete;

    static void registerDefaults(const QVariantMap &defaults);
    static void registerDefault(const QVariant &value, const QString &key);
    /// The first value found (user, system-wide, registered); invalid when absent.
    [[nodiscard]] static QVariant readDefault(const QString &key);
    static void writeDefault(const QVariant &value, const QString &key);
    /// Stores any QVariant that QDataStream can write, as a data value.
    static void writeArchivedDataDefault(const QVariant &object, const QString &key);
    /// The object written by writeArchivedDataDefault; any other value, absent included,
    /// comes back unchanged.
    [[nodiscard]] static QVariant readArchivedDataDefault(const QString &key);
    [[nodiscard]] static bool defaultExists(const QString &key);
    static void removeDefault(const QString &key);
    static void synchronizeDefaults();
    /// The same as writeDefault: bound controls and observers hear of it at once.
    static void updateValue(const QVariant &value, const QString &key);
    /// Upper-cased fifth entry of "com.apple.TimeZonePref.Last_Selected_City", else "US".
    [[nodiscard]] static QString returnUserCountryCode();
    /// Sets the bundle folder's modification time to now.
    static void touchBundleDate(const Bundle &bundle = Bundle::main());
    /// The value under key in the bundle's Info.plist.
    [[nodiscard]] static QVariant returnPlistValue(const QString &key,
                                                   const Bundle &bundle = Bundle::main());
    /// The value under key of the dictionary in a property-list file (XML or binary); absent
    /// when the file cannot be read or parsed (a parse error is logged).
    [[nodiscard]] static QVariant returnPlistValue(const QString &path, const QString &key);
};
