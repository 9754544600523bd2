// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/systemlog.h"

#include "util/collectedlog.h"
#include "util/controlcharacters.h"

#include <QByteArray>

#include <cstdio>
#include <mutex>
#include <syslog.h>

namespace {

std::mutex sinkMutex;
SystemLogCapture::Sink capturedSink;

} // namespace

void systemLog(const QString &line)
{
    if (QStringList *collected = CollectedLog::current()) {
        collected->append(line);
        return;
    }
    {
        const std::lock_guard lock(sinkMutex);
        if (capturedSink) {
            capturedSink(line);
            return;
        }
    }
    // Lines name contact values, and a terminal would obey their control characters.
    const QByteArray utf8 = visibleControls(line).toUtf8();
    syslog(LOG_NOTICE, "%s", utf8.constData());
    std::fprintf(stderr, "%s\n", utf8.constData());
}

SystemLogCapture::SystemLogCapture(Sink sink)
{
    const std::lock_guard lock(sinkMutex);
    capturedSink = std::move(sink);
}

SystemLogCapture::~SystemLogCapture()
{
    const std::lock_guard lock(sinkMutex);
    capturedSink = nullptr;
}
