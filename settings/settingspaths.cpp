// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingspaths.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace SettingsPaths {
namespace {

// The XDG Base Directory Specification has a relative XDG_CONFIG_HOME ignored: it would put
// the preferences in another folder for every working directory.
QString configHome()
{
    QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + u"/.config"_s;
}

} // namespace

QString libraryFolder()
{
    return configHome() + u"/vorlin/Library"_s;
}

QString preferencesFolder()
{
    return libraryFolder() + u"/Preferences"_s;
}

QString addressBookPreferencesFile()
{
    return preferencesFolder() + u"/com.apple.addressbook.plist"_s;
}

} // namespace SettingsPaths
