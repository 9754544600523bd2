// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/collectedlog.h"

namespace {

thread_local QStringList *collecting = nullptr;

} // namespace

CollectedLog::CollectedLog(QStringList &lines)
    : m_outer(collecting)
{
    collecting = &lines;
}

CollectedLog::~CollectedLog()
{
    collecting = m_outer;
}

QStringList *CollectedLog::current()
{
    return collecting;
}
