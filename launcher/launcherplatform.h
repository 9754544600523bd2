// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the launcher needs of its bundle and of the operating system, behind one small
// interface, so that its decisions can be tested without starting programs or showing
// windows. LinuxPlatform is the real one.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

/// A modal alert: a message, an informative text below it and one or two buttons, the first
/// being the default one.
struct Alert
{
    QString title;
    QString message;
    QString informativeText;
    QStringList buttons;

    friend bool operator==(const Alert &, const Alert &) = default;
};

class LauncherPlatform
{
public:
    virtual ~LauncherPlatform() = default;

    /// The value under key in the bundle's Info.plist; invalid when it has none.
    [[nodiscard]] virtual QVariant infoValue(const QString &key) = 0;
    /// The text for key in the bundle's string table, in the user's language; nothing when
    /// the table has no entry for it.
    [[nodiscard]] virtual std::optional<QString> localizedString(const QString &table,
                                                                 const QString &key)
        = 0;
    /// The value under key ("ProductVersion") of the running system's version; invalid
    /// when it is unknown.
    [[nodiscard]] virtual QVariant systemVersionValue(const QString &key) = 0;
    /// The full path of the program name in the bundle's executables folder.
    [[nodiscard]] virtual std::optional<QString> pathForAuxiliaryExecutable(const QString &name)
        = 0;
    /// Replaces the running program by the one at path, given arguments (argv[0] included)
    /// and the environment as it is. Returns only when that failed, with the reason.
    [[nodiscard]] virtual QString replaceProcess(const QByteArray &path,
                                                 const QByteArrayList &arguments)
        = 0;
    /// Brings the launcher to the front and runs the alert modally. The index of the button
    /// pressed; nothing when the alert could only be written out (there is no display).
    [[nodiscard]] virtual std::optional<qsizetype> runAlert(const Alert &alert) = 0;
    /// Opens the system's software updater.
    virtual void openSoftwareUpdate() = 0;
    /// Writes text to standard error as it is.
    virtual void writeError(const QByteArray &text) = 0;
};
