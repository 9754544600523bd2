// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built vorlin-export in a home of its own, as a user would.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
    QByteArray outBytes; // out as written, for what is not UTF-8
};

/// How to run it, beyond the home and the arguments.
struct ExportRun
{
    /// Runs in the child between fork and exec (async-signal-safe calls only): to lower its
    /// limits, say.
    std::function<void()> inChild;
    /// A program (and its arguments) that runs vorlin-export, such as a tracer.
    QStringList under;
};

/// home is HOME, the XDG folders below it and the working folder; environment adds to (or
/// replaces in) the test's own.
inline Outcome runExport(const QString &home, const QStringList &arguments,
                         const QProcessEnvironment &environment = {}, const ExportRun &how = {})
{
    using namespace Qt::StringLiterals;
    QProcess process;
    QProcessEnvironment full = QProcessEnvironment::systemEnvironment();
    full.insert(u"HOME"_s, home);
    full.insert(u"XDG_CONFIG_HOME"_s, home + u"/.config"_s);
    full.insert(u"XDG_DATA_HOME"_s, home + u"/.local/share"_s);
    full.insert(environment);
    process.setProcessEnvironment(full);
    process.setWorkingDirectory(home);
    if (how.inChild)
        process.setChildProcessModifier(how.inChild);
    const QStringList command
        = how.under + QStringList{QString::fromUtf8(VORLIN_EXPORT_PROGRAM)} + arguments;
    process.start(command.first(), command.sliced(1));
    process.waitForFinished(120'000);
    const QByteArray out = process.readAllStandardOutput();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(out), QString::fromUtf8(process.readAllStandardError()), out};
}
