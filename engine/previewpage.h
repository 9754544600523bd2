// SPDX-License-Identifier: GPL-3.0-or-later
// The live preview's page: the sample contact's card under the current settings and style
// sheet, framed like the exported page with one letter of index, so the same style sheet
// applies. The template and the sample contact are made once; each render makes one card.
//
//   PreviewPage preview(Bundle::main());
//   view->setHtml(preview.render(context, css), preview.baseUrl());
#pragma once

#include "addressbook/abperson.h"
#include "engine/cardcontext.h"
#include "util/bundle.h"

#include <QString>
#include <QUrl>

class PreviewPage final
{
public:
    /// Reads the bundle's "sample.vcf" and gives the sample the "ui" text "sampleNote" as
    /// its note. A sample that cannot be read is logged; the preview then shows an empty card.
    explicit PreviewPage(Bundle bundle);

    /// The 20-line template with its placeholders "<<css>>", "<<l>>" and "<<card>>".
    [[nodiscard]] static QString baseHTML();

    /// The page for the settings of context (refresh them first) and the style sheet css (see
    /// styleElementText). The placeholders are filled in one pass: one in the style sheet or
    /// the card stays as text.
    [[nodiscard]] QString render(const CardContext &context, const QString &css) const;

    /// Where the page's relative references ("images/...") resolve: the resource folder.
    [[nodiscard]] QUrl baseUrl() const;

    [[nodiscard]] const ABPerson &previewPerson() const { return m_previewPerson; }

private:
    Bundle m_bundle;
    ABPerson m_previewPerson;
};
