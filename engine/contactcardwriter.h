// SPDX-License-Identifier: GPL-3.0-or-later
// Renders one contact as a card of the page: picture column, name column (name, job title,
// organization) and the data groups in the user's order. With picture saving on, it also
// writes the contact's picture, or the generic person or company picture once per
// generation, into the images folder; the preview renders with saving off.
//
//   ContactCardWriter cards(context, bundle, imagesFolder);
//   for (const ABPerson *person : people) cards.parseContact(*person, page, true);
//
// A generation calls preparePicture() for the cards ahead of the one it writes, so that
// their pictures are written on other threads meanwhile; the page stays the same.
#pragma once

#include "engine/cardcontext.h"
#include "engine/picturefiles.h"
#include "engine/picturejobs.h"
#include "util/bundle.h"

#include <QString>

#include <cstdint>
#include <optional>

class ABPerson;

/// Whether writing a card also writes its pictures into the images folder (a generation),
/// or only points at them (the preview).
enum class PictureSaving : std::uint8_t { Save, ReferenceOnly };

class ContactCardWriter final
{
public:
    ContactCardWriter(const CardContext &context, Bundle bundle, const QString &imagesFolder);

    /// Appends the card of person to page.
    void parseContact(const ABPerson &person, QString &page, PictureSaving pictures);
    /// Starts writing person's picture on the thread pool when its card, written later
    /// with saving on, will save one. False when too many pictures are in flight: call
    /// again after the next card.
    [[nodiscard]] bool preparePicture(const ABPerson &person);

private:
    [[nodiscard]] std::optional<QString> pictureReference(const ABPerson &person,
                                                          PictureSaving pictures);
    [[nodiscard]] std::optional<QString> genericPictureReference(const ABPerson &person,
                                                                 PictureSaving pictures);
    void appendPictureColumn(const ABPerson &person, const QString &name, QString &page,
                             PictureSaving pictures);
    void appendNameColumn(const ABPerson &person, const QString &name, QString &page) const;
    void appendDataColumn(const ABPerson &person, const QString &name, QString &page) const;

    CardContext m_context;
    Bundle m_bundle;
    PictureFiles m_pictures;
    PictureJobs m_pictureJobs;
    bool m_wroteGenericPersonJPG = false;
    bool m_wroteGenericCompanyJPG = false;
};
