// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/platformstartquiet.h"

#include <QByteArrayView>

namespace {

QtMessageHandler previousHandler = nullptr;

void dropChatter(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!PlatformStartQuiet::isChatter(type, context.category, message))
        previousHandler(type, context, message);
}

} // namespace

PlatformStartQuiet::PlatformStartQuiet()
{
    previousHandler = qInstallMessageHandler(dropChatter);
}

PlatformStartQuiet::~PlatformStartQuiet()
{
    qInstallMessageHandler(previousHandler);
}

bool PlatformStartQuiet::isChatter(QtMsgType type, const char *category, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        return false;
    return (category && QByteArrayView(category).startsWith("qt.qpa"))
        || message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set");
}
