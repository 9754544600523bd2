// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop's address book needs to know of a contact's vCard before the vCard
// store's reader makes a person of it: its UID (which names it in messages and tells which
// person it becomes), whether it is a contact list, and the address its PHOTO links to (the
// server keeps every picture in a file of its own). The card is only split into its lines for
// it, which costs a small part of reading it; libebook would parse it whole.
//
//   const CardOutline outline = CardOutline::of(vcard);
//   if (!outline.isList && outline.photoLink.startsWith("file://")) read(outline.photoLink);
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct CardOutline
{
    QString uid;          // as the vCard reader takes it
    QByteArray photoLink; // the first PHOTO's address, escapes undone, where it is a link
    bool isList = false;  // X-EVOLUTION-LIST:TRUE

    /// The outline of the first card of vcard; an empty one where there is none.
    [[nodiscard]] static CardOutline of(QByteArrayView vcard);
};
