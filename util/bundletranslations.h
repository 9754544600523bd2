// SPDX-License-Identifier: GPL-3.0-or-later
// The bundle's string tables ("ui", "ui_svc", "InfoPlist"): Qt translation catalogues in
// Resources/translations/vorlin_<language>.qm, one per language, in which the context is the
// table's name and the source text is the key.
//
//   BundleTranslations translations = BundleTranslations::load(Bundle::main());
//   translations.lookup(u"ui_svc"_s, u"s005"_s); // "Quit" in the user's language, or nothing
//   translations.install(); // QCoreApplication::translate(table, key) finds the texts too
#pragma once

#include "util/bundle.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QTranslator;

class BundleTranslations final
{
public:
    /// Loads the catalogue of the first of languages (most wanted first, "de-AT" also
    /// trying "de") that the bundle has and, behind it, the English one. A bundle without
    /// catalogues gives empty tables: every lookup has its own fall-back. A catalogue that
    /// exists but cannot be read is logged and skipped.
    [[nodiscard]] static BundleTranslations
    load(const Bundle &bundle, const QStringList &languages = QLocale().uiLanguages());

    BundleTranslations(BundleTranslations &&) noexcept;
    BundleTranslations &operator=(BundleTranslations &&) noexcept;
    ~BundleTranslations();

    /// The text for key in table from the first catalogue that has it; nothing when none
    /// has (an entry with an empty text counts as none).
    [[nodiscard]] std::optional<QString> lookup(const QString &table, const QString &key) const;

    /// Hands the catalogues to the QCoreApplication (which must exist), best language
    /// first, while this object lives. QCoreApplication::translate(table, key) then gives
    /// the text, or the key itself where no catalogue has an entry. Qt's own catalogue of
    /// the same language comes too, where the system has it, for Qt's standard buttons and
    /// dialogs.
    void install();

    /// The language of the best catalogue ("de", "pt_BR"); "en" when none was found.
    [[nodiscard]] QString language() const;

    /// The files loaded, best language first.
    [[nodiscard]] QStringList files() const;

private:
    BundleTranslations();

    std::vector<std::unique_ptr<QTranslator>> m_catalogues;
    std::unique_ptr<QTranslator> m_qtCatalogue;
};
