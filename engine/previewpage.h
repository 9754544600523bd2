// SPDX-License-Identifier: GPL-3.0-or-later
// The live preview's page: the sample contact's card under the current settings and style
// sheet, framed like the exported page with one letter of index, so the same style sheet
// applies, and in the page's language. The template and the sample contact are made once;
// each render makes one card.
//
//   PreviewPage preview(Bundle::main());
//   view->setHtml(preview.render(context, css), preview.baseUrl());
#pragma once

#include "addressbook/abperson.h"
#include "engine/cardcontext.h"
#include "engine/pagelanguagechoice.h"
#include "util/bundle.h"

#include <QString>
#include <QUrl>

class PreviewPage final
{
public:
    /// Reads the bundle's "sample.vcf". A sample that cannot be read is logged; the preview
    /// then shows an empty card.
    explicit PreviewPage(Bundle bundle);

    /// The 20-line template with its placeholders "<<html>>", "<<title>>", "<<direction>>",
    /// "<<css>>", "<<l>>" and "<<card>>".
    [[nodiscard]] static QString baseHTML();

    /// The page for the settings of context (refresh them first) and the style sheet css (see
    /// styleElementText), in the language the settings choose, whatever context's; the
    /// sample's note is that language's "sampleNote". The placeholders are filled in one
    /// pass: one in the style sheet or the card stays as text.
    [[nodiscard]] QString render(const CardContext &context, const QString &css) const;

    /// Where the page's relative references ("images/...") resolve: the resource folder.
    [[nodiscard]] QUrl baseUrl() const;

    /// The sample contact as the bundle holds it.
    [[nodiscard]] const ABPerson &previewPerson() const { return m_previewPerson; }

private:
    Bundle m_bundle;
    ABPerson m_previewPerson;
    /// The language of the latest render, kept for the next: the preview renders on every
    /// change of a setting.
    mutable PageLanguageChoice m_languages;
};
