// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingspaths.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace SettingsPaths {
namespace {

// The base directory spec says a relative XDG_CONFIG_HOME is to be ignored.
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
