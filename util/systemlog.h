// SPDX-License-Identifier: GPL-3.0-or-later
// The program's diagnostics: one line each, to syslog(3) and to standard error. Tests can
// take the lines instead, to check what was logged.
#pragma once

#include <QString>

#include <functional>

/// Logs one line ("Generated Vorlin for 12 contacts in 0.5 seconds."); on a thread with a
/// CollectedLog, into its list.
void systemLog(const QString &line);

/// While alive, every line logged goes to sink instead of syslog and standard error.
/// Meant for tests; one capture at a time.
class SystemLogCapture final
{
public:
    using Sink = std::function<void(const QString &line)>;

    explicit SystemLogCapture(Sink sink);
    ~SystemLogCapture();

    SystemLogCapture(const SystemLogCapture &) = delete;
    SystemLogCapture &operator=(const SystemLogCapture &) = delete;
};
