// SPDX-License-Identifier: GPL-3.0-or-later
// Folders that the preferences name relative to the user's home: a stored "~/pages" is the
// same folder for the window and vorlin-export, and so is the desktop a first page goes to.
//
//   expandedHome(u"~/pages"_s)  // "/home/ann/pages"
//   pageFolder(u""_s)           // "/home/ann/Schreibtisch" where the user's desktop is so named
#pragma once

#include <QString>

/// path with a leading "~" (alone, or before a "/") as the home folder; "~ann/x" and every
/// other path unchanged.
[[nodiscard]] QString expandedHome(const QString &path);

/// The folder a page is saved in: the stored folder (home expanded) or, when none is stored,
/// the user's desktop folder as their user-dirs.dirs names it (in many languages not
/// "~/Desktop").
[[nodiscard]] QString pageFolder(const QString &storedFolder);
