// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/homepath.h"

#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QString expandedHome(const QString &path)
{
    if (path == u"~" || path.startsWith(u"~/"))
        return QDir::homePath() + path.mid(1);
    return path;
}

QString pageFolder(const QString &storedFolder)
{
    if (storedFolder.isEmpty())
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return expandedHome(storedFolder);
}
