// SPDX-License-Identifier: GPL-3.0-or-later
// The generic person and company pictures of a page, written into its images folder the
// first time a card shows one; a failed write is logged, and the card still points at it.
//
//   GenericPictures generics(bundle, files);
//   generics.use(u"genericPerson.png"_s, true);
//   card += GenericPictures::reference(u"genericPerson.png"_s); // "images/genericPerson.png"
#pragma once

#include "engine/picturefiles.h"
#include "util/bundle.h"

#include <QSet>
#include <QString>

class GenericPictures final
{
public:
    GenericPictures(Bundle bundle, PictureFiles files);

    /// A card shows the generic picture fileName: with save, the picture is written unless
    /// an earlier card used it already (saved or not).
    void use(const QString &fileName, bool save);
    /// The reference to fileName in the images folder, from the page.
    [[nodiscard]] static QString reference(const QString &fileName);

private:
    Bundle m_bundle;
    PictureFiles m_files;
    QSet<QString> m_used;
};
