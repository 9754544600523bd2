// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/linuxplatform.h"

#include "util/platformstartquiet.h"
#include "util/propertylist.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/utsname.h>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The alert as text, for a user without a display (started over SSH, say).
QByteArray alertText(const Alert &alert)
{
    QString text = alert.message + u'\n' + alert.informativeText;
    if (!text.endsWith(u'\n'))
        text += u'\n';
    return text.toUtf8();
}

// The platforms to try, offscreen last: a display that is named but cannot be reached (a
// stale SSH session) must not abort the launcher, whose alert then goes to standard error.
QByteArray platformsToTry(const QProcessEnvironment &environment)
{
    QByteArray chosen = environment.value(u"QT_QPA_PLATFORM"_s).toLocal8Bit();
    if (chosen.isEmpty())
        chosen = environment.value(u"WAYLAND_DISPLAY"_s).isEmpty() ? "xcb" : "wayland;xcb";
    return chosen + ";offscreen";
}

std::optional<qsizetype> runMessageBox(const Alert &alert, const Bundle &bundle)
{
    QApplication::setDesktopFileName(u"org.vorlin.Vorlin"_s);
    if (const auto icon = bundle.pathForResource(u"org.vorlin.Vorlin"_s, u"svg"_s))
        QApplication::setWindowIcon(QIcon(*icon));

    QMessageBox box(QMessageBox::Warning, alert.title, alert.message);
    box.setInformativeText(alert.informativeText);
    std::vector<QPushButton *> buttons;
    for (const QString &text : alert.buttons)
        buttons.push_back(box.addButton(text, QMessageBox::AcceptRole));
    if (!buttons.empty()) {
        box.setDefaultButton(buttons.front());
        box.setEscapeButton(buttons.back());
    }
    // The launcher has no window of its own: the alert has to come to the front by itself.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.show();
    box.raise();
    box.activateWindow();
    box.exec();
    const auto pressed = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    if (pressed == buttons.end())
        return std::nullopt;
    return pressed - buttons.begin();
}

} // namespace

LinuxPlatform::LinuxPlatform(Bundle bundle)
    : m_bundle(std::move(bundle))
{}

QVariant LinuxPlatform::infoValue(const QString &key)
{
    if (!m_info) {
        const QString path = m_bundle.infoPlistPath();
        const Expected<QVariant> read = readPropertyListFile(path);
        // Without an Info.plist this is no bundle, which the caller reports; a broken one
        // deserves its own message.
        if (!read && QFileInfo::exists(path))
            writeError(read.error().toUtf8() + '\n');
        m_info = read.value_or(QVariant()).toMap();
    }
    return m_info->value(key);
}

std::optional<QString> LinuxPlatform::localizedString(const QString &table, const QString &key)
{
    if (!m_translations)
        m_translations = BundleTranslations::load(m_bundle);
    return m_translations->lookup(table, key);
}

QVariant LinuxPlatform::systemVersionValue(const QString &key)
{
    if (key != u"ProductVersion")
        return {};
    const std::optional<QString> release = kernelRelease();
    return release ? QVariant(*release) : QVariant();
}

std::optional<QString> LinuxPlatform::pathForAuxiliaryExecutable(const QString &name)
{
    return m_bundle.pathForAuxiliaryExecutable(name);
}

QString LinuxPlatform::replaceProcess(const QByteArray &path, const QByteArrayList &arguments)
{
    QByteArrayList owned = arguments;
    std::vector<char *> argv;
    for (QByteArray &argument : owned)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execv(path.constData(), argv.data());
    return QString::fromLocal8Bit(std::strerror(errno));
}

std::optional<qsizetype> LinuxPlatform::runAlert(const Alert &alert)
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!hasDisplay(environment)) {
        writeError(alertText(alert));
        return std::nullopt;
    }
    // Qt gets no arguments of the command line, which were meant for the application.
    QByteArray name = "Vorlin-svc";
    QByteArray platformOption = "-platform";
    QByteArray platforms = platformsToTry(environment);
    std::array<char *, 4> argv{name.data(), platformOption.data(), platforms.data(), nullptr};
    int argc = 3;
    std::optional<PlatformStartQuiet> quiet(std::in_place);
    const QApplication application(argc, argv.data());
    quiet.reset();
    if (QGuiApplication::platformName() == u"offscreen") {
        writeError(alertText(alert));
        return std::nullopt;
    }
    return runMessageBox(alert, m_bundle);
}

void LinuxPlatform::openSoftwareUpdate()
{
    const std::optional<QStringList> command = softwareUpdaterCommand();
    if (!command) {
        writeError("ERROR: no software updater found (gnome-software, plasma-discover, "
                   "update-manager)\n");
        return;
    }
    if (!QProcess::startDetached(command->first(), command->sliced(1)))
        writeError("ERROR: cannot start " + command->first().toUtf8() + '\n');
}

void LinuxPlatform::writeError(const QByteArray &text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
}

bool hasDisplay(const QProcessEnvironment &environment)
{
    const QString platform = environment.value(u"QT_QPA_PLATFORM"_s).section(u':', 0, 0);
    if (platform == u"offscreen" || platform == u"minimal")
        return false;
    return !environment.value(u"DISPLAY"_s).isEmpty()
        || !environment.value(u"WAYLAND_DISPLAY"_s).isEmpty();
}

std::optional<QStringList> softwareUpdaterCommand(const QStringList &searchPaths)
{
    static const QList<QStringList> kUpdaters{
        {u"gnome-software"_s, u"--mode=updates"_s},
        {u"plasma-discover"_s, u"--mode"_s, u"update"_s},
        {u"update-manager"_s},
    };
    for (QStringList command : kUpdaters) {
        const QString program = QStandardPaths::findExecutable(command.first(), searchPaths);
        if (!program.isEmpty()) {
            command.first() = program;
            return command;
        }
    }
    return std::nullopt;
}

std::optional<QString> kernelRelease()
{
    utsname system{};
    if (::uname(&system) != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(system.release);
}
