// SPDX-License-Identifier: GPL-3.0-or-later
// Renders one contact as a card of the page: picture column, name column (name, job title,
// organization) and the data groups in the user's order. With picture saving on, it also
// writes the contact's picture, or the generic person or company picture once per
// generation, into the images folder; the preview renders with saving off.
//
//   ContactCardWriter cards(context, bundle, imagesFolder);
//   for (const ABPerson *person : people) cards.parseContact(*person, page, true);
//
// A writer is used by one thread at a time; a generation gives each of its worker threads
// one (CardJobs), and their generic pictures are handed back to the page's thread.
#pragma once

#include "engine/cardcontext.h"
#include "engine/genericpictures.h"
#include "engine/picturefiles.h"
#include "util/bundle.h"

#include <QString>

#include <cstdint>
#include <functional>
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
    /// From now on a card that shows a generic picture hands its file name to use instead
    /// of writing it; the caller writes it (GenericPictures) where the card's turn comes.
    void handOverGenericPictures(std::function<void(const QString &fileName)> use);

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
    PictureFiles m_pictures;
    GenericPictures m_generics;
    std::function<void(const QString &fileName)> m_handOverGeneric;
};
