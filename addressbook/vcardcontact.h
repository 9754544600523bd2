// SPDX-License-Identifier: GPL-3.0-or-later
// What one card says, in the terms of the address book: a person with its properties and
// picture, or a group card with its name and members; plus the UID and categories through
// which the store ties cards together. This is where the dialects of the common exporters
// are mapped (docs/ARCHITECTURE.md lists every property and parameter).
#pragma once

#include "addressbook/abperson.h"
#include "addressbook/vcarddiagnostics.h"
#include "addressbook/vcardidentifiers.h"
#include "addressbook/vcardreader.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct VCardMemberReference
{
    QString reference; // as VCardIdentifiers::reference gives it
    QString written;   // as the card wrote it, for messages
    qsizetype line = 0;
};

struct VCardContact
{
    qsizetype line = 0;
    QString reference;              // the UID as MEMBER lines refer to it
    std::optional<ABPerson> person; // set for a person card
    bool isGroup = false;           // a group card: the three fields below
    QString groupId;
    std::optional<QString> groupName;
    QList<VCardMemberReference> members;
    QStringList categories; // of a person card
};

/// Maps one card. Problems with single values are reported; the card is always read.
[[nodiscard]] VCardContact readContact(const VCardCard &card, VCardDiagnostics &diagnostics,
                                       VCardIdentifiers &identifiers);
