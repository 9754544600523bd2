// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher's platform on Linux: the bundle it was started from (links resolved), its
// Info.plist and string tables, the kernel release as the system version, execv, a
// QMessageBox (or standard error where there is no display) and the desktop's updater.
#pragma once

#include "launcher/launcherplatform.h"
#include "util/bundle.h"
#include "util/bundletranslations.h"

#include <QProcessEnvironment>
#include <QVariantMap>

#include <optional>

class LinuxPlatform final : public LauncherPlatform
{
public:
    explicit LinuxPlatform(Bundle bundle = Bundle::main());

    [[nodiscard]] QVariant infoValue(const QString &key) override;
    [[nodiscard]] std::optional<QString> localizedString(const QString &table,
                                                         const QString &key) override;
    [[nodiscard]] QVariant systemVersionValue(const QString &key) override;
    [[nodiscard]] std::optional<QString> pathForAuxiliaryExecutable(const QString &name) override;
    [[nodiscard]] QString replaceProcess(const QByteArray &path,
                                         const QByteArrayList &arguments) override;
    [[nodiscard]] std::optional<qsizetype> runAlert(const Alert &alert) override;
    void openSoftwareUpdate() override;
    void writeError(const QByteArray &text) override;

private:
    Bundle m_bundle;
    // Both read on first use: starting the application needs only the Info.plist.
    std::optional<QVariantMap> m_info;
    std::optional<BundleTranslations> m_translations;
};

/// Whether a window can be shown: some display is named (DISPLAY or WAYLAND_DISPLAY) and Qt
/// is not told to draw off screen (QT_QPA_PLATFORM "offscreen" or "minimal").
[[nodiscard]] bool hasDisplay(const QProcessEnvironment &environment);

/// The first software updater found on searchPaths (PATH when empty): its full path first,
/// then its arguments.
[[nodiscard]] std::optional<QStringList> softwareUpdaterCommand(const QStringList &searchPaths
                                                                = {});

/// The running kernel's release ("6.1.0-18-amd64").
[[nodiscard]] std::optional<QString> kernelRelease();
