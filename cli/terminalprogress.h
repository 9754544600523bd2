// SPDX-License-Identifier: GPL-3.0-or-later
// A one-line progress bar on standard error, redrawn in place; silent when standard error
// is no terminal, so logs and pipes get no control characters.
#pragma once

#include <cstdio>
#include <optional>

class TerminalProgress final
{
public:
    explicit TerminalProgress(bool enabled, std::FILE *stream = stderr);
    ~TerminalProgress();

    TerminalProgress(const TerminalProgress &) = delete;
    TerminalProgress &operator=(const TerminalProgress &) = delete;

    /// None: still collecting; otherwise the fraction done (0 to 1).
    void update(std::optional<double> fraction);
    /// The page is written and the PDF is being printed, which gives no fraction.
    void printing();

private:
    void show(const char *phase);

    std::FILE *m_stream;
    bool m_enabled;
    int m_lastPercent = -1;
};
