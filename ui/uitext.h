// SPDX-License-Identifier: GPL-3.0-or-later
// The window's texts: the "ui" string table in the user's language. lupdate files every
// literal handed to UiText::tr under "ui", so the catalogues list each text the window shows;
// texts kept in tables are marked where they are written, with QT_TRANSLATE_NOOP("ui", ...).
//
//   UiText::tr("Generate...")                 // "Erstellen …" in German
//   UiText::tr("%n contact(s)", nullptr, 3)   // the language's plural form of "3 contacts"
#pragma once

#include <QCoreApplication>

class UiText
{
    Q_DECLARE_TR_FUNCTIONS(ui)
};
