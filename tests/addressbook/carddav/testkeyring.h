// SPDX-License-Identifier: GPL-3.0-or-later
// A keyring of the test's own, unlocked, on the private session bus the test runs in; false
// where none can run (no session bus, or no gnome-keyring-daemon).
#pragma once

#include <QProcess>
#include <QStandardPaths>

inline bool startKeyring()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
        || QStandardPaths::findExecutable(QStringLiteral("gnome-keyring-daemon")).isEmpty())
        return false;
    QProcess daemon;
    daemon.start(QStringLiteral("gnome-keyring-daemon"),
                 {QStringLiteral("--unlock"), QStringLiteral("--components=secrets")});
    daemon.write("keyring password\n");
    daemon.closeWriteChannel();
    return daemon.waitForFinished(20'000) && daemon.exitCode() == 0;
}
