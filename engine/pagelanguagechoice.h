// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the page for the stored choice "pageLanguage": the language it names, or
// for "" the desktop's (the first of QLocale().uiLanguages() the bundle has a catalogue
// for, else English). A choice naming no such language reads as "", with one line in the
// log. The language of the latest choice is kept, so a preview rendered again and again, or
// a run that writes its page twice, loads its catalogue and reports a bad choice once.
//
//   PageLanguageChoice languages(bundle);
//   const PageLanguage &language = languages.languageFor(settings.pageLanguage);
#pragma once

#include "engine/pagelanguage.h"
#include "util/bundle.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class PageLanguageChoice final
{
public:
    explicit PageLanguageChoice(Bundle bundle);

    /// The code of the language choice names among available; for "", or a choice naming
    /// none, the desktop's.
    [[nodiscard]] static QString resolvedCode(const QString &choice, const QStringList &available);

    /// The language for choice, made when it differs from the one asked for before; it
    /// stays valid until then.
    [[nodiscard]] const PageLanguage &languageFor(const QString &choice);

private:
    Bundle m_bundle;
    std::optional<QString> m_choice;
    std::unique_ptr<PageLanguage> m_language;
};
