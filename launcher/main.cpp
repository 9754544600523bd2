// SPDX-License-Identifier: GPL-3.0-or-later
// Vorlin-svc, the bundle's first program: starts Vorlin in its place when the system is new
// enough, or explains what to install.
#include "launcher/launcher.h"
#include "launcher/linuxplatform.h"

int main(int argc, char *argv[])
{
    LinuxPlatform platform;
    return Launcher::main(platform, argc, argv);
}
