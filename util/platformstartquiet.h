// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps Qt's start-up chatter about display platforms off standard error while a GUI
// application is made: the platform plugins that cannot connect, and the session runtime
// folder the offscreen platform looks for. A program that falls back to the offscreen
// platform says what matters itself; anything else Qt says still gets through.
//
//   const PlatformStartQuiet quiet;
//   QGuiApplication application(argc, argv);
#pragma once

#include <QString>

class PlatformStartQuiet final
{
public:
    PlatformStartQuiet();
    ~PlatformStartQuiet();

    PlatformStartQuiet(const PlatformStartQuiet &) = delete;
    PlatformStartQuiet &operator=(const PlatformStartQuiet &) = delete;

    /// Whether a message of category (may be null) is start-up chatter.
    [[nodiscard]] static bool isChatter(QtMsgType type, const char *category,
                                        const QString &message);
};
