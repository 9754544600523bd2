// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/terminalprogress.h"

#include <string>

#include <unistd.h>

namespace {
constexpr int kBarWidth = 30;
}

TerminalProgress::TerminalProgress(bool enabled, std::FILE *stream)
    : m_stream(stream)
    , m_enabled(enabled && ::isatty(::fileno(stream)) == 1)
{}

TerminalProgress::~TerminalProgress()
{
    if (m_enabled && m_lastPercent != -1)
        std::fputs("\r\033[K", m_stream);
}

void TerminalProgress::printing()
{
    if (m_enabled)
        show("Printing the PDF\342\200\246");
}

void TerminalProgress::show(const char *phase)
{
    std::fprintf(m_stream, "\r%s\033[K", phase);
    m_lastPercent = 0;
    std::fflush(m_stream);
}

void TerminalProgress::update(std::optional<double> fraction)
{
    if (!m_enabled)
        return;
    if (!fraction) {
        show("Collecting contacts\342\200\246");
        return;
    }
    const int percent = static_cast<int>(*fraction * 100);
    if (percent == m_lastPercent)
        return;
    m_lastPercent = percent;
    const int filled = percent * kBarWidth / 100;
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#')
        + std::string(static_cast<std::size_t>(kBarWidth - filled), '.');
    std::fprintf(m_stream, "\rWriting cards [%s] %3d%%\033[K", bar.c_str(), percent);
    std::fflush(m_stream);
}
