// SPDX-License-Identifier: GPL-3.0-or-later
// The language a page is written in: the texts of its catalogue (labels, "Birthday", the
// title, the prefixes sorting ignores), its locale for dates and sorting, and its writing
// direction. Made once per generation and shared, read only, by every card's worker; unlike
// QCoreApplication::translate, which speaks the window's language, it speaks the page's.
//
//   const PageLanguage german(u"de"_s, bundle);
//   german.text(QT_TRANSLATE_NOOP("ui", "Birthday")); // "Geburtstag"
#pragma once

#include "addressbook/comparators.h"
#include "util/bundle.h"
#include "util/bundletranslations.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

class PageLanguage final
{
public:
    /// The languages a page can be written in, as BCP 47 codes ("de", "pt-BR"): English and
    /// every language the bundle has a catalogue for, in the order of their codes.
    [[nodiscard]] static QStringList available(const Bundle &bundle);
    /// The language of available that code names, in its spelling there: the code itself
    /// ("pt_BR" and "PT-br" name "pt-BR"), else the language it narrows ("de-AT" names
    /// "de"); none when it names none of them.
    [[nodiscard]] static std::optional<QString> known(const QString &code,
                                                      const QStringList &available);
    /// The name of the language of code in that language, as a list of languages shows it:
    /// "Deutsch", "español", "português (Brasil)"; the code itself where none is known.
    [[nodiscard]] static QString nativeName(const QString &code);
    /// English from the program's own texts, with the default locale as it is at first use:
    /// what a card context made without a language shows.
    [[nodiscard]] static const PageLanguage &builtIn();

    /// The language code names, one of available(bundle), with its catalogue from bundle.
    PageLanguage(const QString &code, const Bundle &bundle);

    /// The BCP 47 code: "en", "de", "pt-BR".
    [[nodiscard]] const QString &code() const { return m_code; }
    [[nodiscard]] bool isEnglish() const;
    /// The desktop's locale when it speaks this language (keeping its region's formats),
    /// else the language's own.
    [[nodiscard]] const QLocale &locale() const { return m_locale; }
    [[nodiscard]] bool isRightToLeft() const;

    /// The text of the "ui" table for key in this language; key itself where no catalogue
    /// has one.
    [[nodiscard]] QString text(const QString &key) const;
    [[nodiscard]] QString text(const char *key) const;
    /// The order names sort in: the locale's collation, case ignored, and the "stripList"
    /// prefixes of this language.
    [[nodiscard]] NameOrder nameOrder() const { return {m_collator, m_prefixes}; }
    [[nodiscard]] const QStringList &stripPrefixes() const { return m_prefixes; }

private:
    PageLanguage(QString code, std::optional<BundleTranslations> texts);

    QString m_code;
    QLocale m_locale;
    std::optional<BundleTranslations> m_texts;
    QStringList m_prefixes;
    QCollator m_collator;
};
