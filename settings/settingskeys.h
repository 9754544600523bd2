// SPDX-License-Identifier: GPL-3.0-or-later
// The names of Vorlin's settings, one constant per preference key, so a misspelt key is a
// compile error rather than a setting that silently reads as absent.
#pragma once

#include <QString>

namespace SettingsKeys {

// Switches
inline const QString sortByLast = QStringLiteral("sortByLast");
inline const QString includeImage = QStringLiteral("includeImage");
inline const QString includeGenericImages = QStringLiteral("includeGenericImages");
inline const QString includeJobTitle = QStringLiteral("includeJobTitle");
inline const QString includeOrganization = QStringLiteral("includeOrganization");
inline const QString includePhone = QStringLiteral("includePhone");
inline const QString includeEmail = QStringLiteral("includeEmail");
inline const QString includeWeb = QStringLiteral("includeWeb");
inline const QString includeDate = QStringLiteral("includeDate");
inline const QString includeRelatedName = QStringLiteral("includeRelatedName");
inline const QString includeInstantMessaging = QStringLiteral("includeInstantMessaging");
inline const QString includeAIM = QStringLiteral("includeAIM");
inline const QString includeICQ = QStringLiteral("includeICQ");
inline const QString includeJabber = QStringLiteral("includeJabber");
inline const QString includeMSN = QStringLiteral("includeMSN");
inline const QString includeYahoo = QStringLiteral("includeYahoo");
inline const QString includePostal = QStringLiteral("includePostal");
inline const QString includeNote = QStringLiteral("includeNote");

// Link schemes
inline const QString phoneURIScheme = QStringLiteral("phoneURIScheme");
inline const QString emailURIScheme = QStringLiteral("emailURIScheme");
inline const QString webURIScheme = QStringLiteral("webURIScheme");
inline const QString aimURIScheme = QStringLiteral("aimURIScheme");
inline const QString icqURIScheme = QStringLiteral("icqURIScheme");
inline const QString jabberURIScheme = QStringLiteral("jabberURIScheme");
inline const QString msnURIScheme = QStringLiteral("msnURIScheme");
inline const QString yahooURIScheme = QStringLiteral("yahooURIScheme");
inline const QString postalURIScheme = QStringLiteral("postalURIScheme");
inline const QString noteURIScheme = QStringLiteral("noteURIScheme");
inline const QString dateURIScheme = QStringLiteral("dateURIScheme");
inline const QString relatedNameURIScheme = QStringLiteral("relatedNameURIScheme");

// The style sheet, the data order, the proposed file name and the chosen groups
inline const QString css = QStringLiteral("css");
inline const QString dataOrder = QStringLiteral("dataOrder");
inline const QString fileName = QStringLiteral("fileName");
inline const QString groupsToUse = QStringLiteral("groupsToUse");

// Without a registered default: the folder of the last save, and the address book to read
inline const QString navLastCurrentDirectory = QStringLiteral("NSNavLastCurrentDirectory");
inline const QString addressBookPath = QStringLiteral("addressBookPath");

} // namespace SettingsKeys
