// SPDX-License-Identifier: GPL-3.0-or-later
// Shows a file in the desktop's file manager, selected: through the file-manager D-Bus
// interface where one answers, else by opening the folder that holds it.
#pragma once

#include <QString>

void revealInFileManager(const QString &path);
