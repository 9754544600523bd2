// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/systemlog.h"

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
    {
        const std::lock_guard lock(sinkMutex);
        if (capturedSink) {
            capturedSink(line);
            return;
        }
    }
    const QByteArray utf8 = line.toUtf8();
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
