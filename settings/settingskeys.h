// SPDX-License-Identifier: GPL-3.0-or-later
// The names of Vorlin's settings, one constant per preference key, so a misspelt key is a
// compile error rather than a setting that silently reads as absent.
#pragma once

#include <QString>

namespace SettingsKeys {

// Named as the keys they stand for, as enumerators are (.clang-tidy).
// NOLINTBEGIN(readability-identifier-naming)

// Switches; those of the data kinds and messaging services are in settings/datakind.h
inline const QString sortByLast = QStringLiteral("sortByLast");
inline const QString includeImage = QStringLiteral("includeImage");
inline const QString includeGenericImages = QStringLiteral("includeGenericImages");
inline const QString includeJobTitle = QStringLiteral("includeJobTitle");
inline const QString includeOrganization = QStringLiteral("includeOrganization");

// The style sheet, the data order, the proposed file name and the chosen groups
inline const QString css = QStringLiteral("css");
inline const QString dataOrder = QStringLiteral("dataOrder");
inline const QString fileName = QStringLiteral("fileName");
inline const QString groupsToUse = QStringLiteral("groupsToUse");

// The page's language ("" for the desktop's, else a code such as "de" or "pt-BR") and how
// its letter index files contacts ("latin" or "locale", settings/letterindex.h)
inline const QString pageLanguage = QStringLiteral("pageLanguage");
inline const QString letterIndex = QStringLiteral("letterIndex");

// Without a registered default: the folder of the last save, and the address book to read
inline const QString navLastCurrentDirectory = QStringLiteral("NSNavLastCurrentDirectory");
inline const QString addressBookPath = QStringLiteral("addressBookPath");
// NOLINTEND(readability-identifier-naming)

} // namespace SettingsKeys
