// SPDX-License-Identifier: GPL-3.0-or-later
// What one card says, in the terms of the address book: a person with its properties and
// picture, or a group card with its name and members; plus the UID and categories through
// which the store ties cards together. The dialects of the common exporters are mapped by
// vcarddialect.h (docs/ARCHITECTURE.md lists every property and parameter).
#pragma once

#include "addressbook/abperson.h"
#include "addressbook/vcard/vcardcardkeys.h"
#include "addressbook/vcard/vcarddiagnostics.h"
#include "addressbook/vcard/vcardhashedtext.h"
#include "addressbook/vcard/vcardreader.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

struct VCardMemberReference
{
    VCardHashedText reference; // as VCardIdentifiers::reference gives it
    QString written;           // as the card wrote it, for messages
    qsizetype line = 0;
};

struct VCardPersonCard
{
    ABPerson person;
    QStringList categories;
};

struct VCardGroupCard
{
    std::optional<QString> name;
    QList<VCardMemberReference> members;
};

struct VCardContact
{
    qsizetype line = 0;
    VCardHashedText wantedId;  // VCardIdentifiers makes it unique; the person has none yet
    VCardHashedText reference; // the UID as MEMBER lines refer to it
    std::variant<VCardPersonCard, VCardGroupCard> card;
};

/// Maps one card. Problems with single values are reported; the card is always read.
[[nodiscard]] VCardContact readContact(const VCardCard &card, VCardDiagnostics &diagnostics,
                                       VCardCardKeys &keys);
