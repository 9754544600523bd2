// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher's decisions: is the system new enough for the bundle, and then either start
// the application in the launcher's place or explain what to install. Everything it needs
// of the world comes through a LauncherPlatform.
//
//   LinuxPlatform platform;
//   return Launcher::main(platform, argc, argv); // returns only when Vorlin was not started
#pragma once

#include "launcher/launcherplatform.h"

#include <QCoreApplication>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

namespace Launcher {

/// A key of the "ui_svc" table with the text used where the table has none. The keys are
/// marked for lupdate, which files them under "ui_svc" in every catalogue.
struct LauncherText
{
    QLatin1StringView key;
    QStringView defaultText;
};

//: The application's name where the bundle names none.
inline constexpr LauncherText kThisApplicationText{
    QLatin1StringView(QT_TRANSLATE_NOOP("ui_svc", "s001")), u"This application"};
//: Alert message: the application's name, then the minimum kernel release.
inline constexpr LauncherText kRequiresText{QLatin1StringView(QT_TRANSLATE_NOOP("ui_svc", "s002")),
                                            u"%@ requires Mac OS X %@ or later."};
//: Only the patch level is behind: the minimum kernel release. Ends in a line feed.
inline constexpr LauncherText kUpdateAdviceText{
    QLatin1StringView(QT_TRANSLATE_NOOP("ui_svc", "s003")),
    u"Please use Software Update to upgrade to Mac OS X %@ or later.\n"};
//: Button that opens the desktop's software updater.
inline constexpr LauncherText kOpenUpdateText{
    QLatin1StringView(QT_TRANSLATE_NOOP("ui_svc", "s004")), u"Open Software Update"};
//: Button that closes the alert.
inline constexpr LauncherText kQuitText{QLatin1StringView(QT_TRANSLATE_NOOP("ui_svc", "s005")),
                                        u"Quit"};
//: The system is too old or its version unknown: the minimum kernel release. Ends in a line feed.
inline constexpr LauncherText kInstallAdviceText{
    QLatin1StringView(QT_TRANSLATE_NOOP("ui_svc", "s006")),
    u"Please install Mac OS X %@ or later.\n"};
inline constexpr std::array kLauncherTexts{kThisApplicationText, kRequiresText, kUpdateAdviceText,
                                           kOpenUpdateText,      kQuitText,     kInstallAdviceText};

/// The minimum system version where the bundle's Info.plist declares none: the one the
/// shipped Info.plist states, since no other kernel release means anything here.
inline constexpr QStringView kDefaultMinimumSystemVersion = u"" VORLIN_MINIMUM_SYSTEM_VERSION;

/// The launcher's exit statuses.
namespace Exit {
// Named as enumerators are (.clang-tidy). NOLINTBEGIN(readability-identifier-naming)
inline constexpr int alertShown = 0; // the system is too old, which the alert said
inline constexpr int notStarted = 1; // no bundle, or the application cannot be started
// NOLINTEND(readability-identifier-naming)
} // namespace Exit

/// The launcher's entry. Replaces the process with the application when the system is new
/// enough; otherwise shows the alert and returns Exit::alertShown. Returns Exit::notStarted
/// when it was not started from a bundle or the application cannot be started.
[[nodiscard]] int main(LauncherPlatform &platform, int argc, const char *const argv[]);

/// Reads "major.minor.patch" into the parameters that are given (each may be null); a
/// missing component is 0, and each is read like a decimal prefix ("9a" is 9, "x" is 0),
/// limited to the range of the type. Returns the patch.
std::int32_t GetVersionComponentsFromString(std::int32_t *major, std::int32_t *minor,
                                            std::int32_t *patch, QStringView version);

/// The text for key in the bundle's "ui_svc" table, or defaultText where it has none.
[[nodiscard]] QString LocalizedStringForKey(LauncherPlatform &platform, const QString &key,
                                            const QString &defaultText);

/// The text for key in the bundle's "InfoPlist" table, else the Info.plist's own string
/// under key, else nothing.
[[nodiscard]] std::optional<QString> LocalizedInfoStringForKey(LauncherPlatform &platform,
                                                               const QString &key);

} // namespace Launcher
