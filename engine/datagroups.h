// SPDX-License-Identifier: GPL-3.0-or-later
// The writers of a card's data groups, one per kind of data. Each appends its group to the
// card text (or nothing when the contact has no such data) and returns the first-group flag
// for the next writer: false once it has written a group, else the flag it was given. Only
// addEmail uses the card's (cleaned) name, to name the recipient in the link.
//
//   bool first = true;
//   first = addPhones(person, name, card, first, context);
//   first = addEmail(person, name, card, first, context);
#pragma once

#include "engine/cardcontext.h"

#include <QString>

class ABPerson;

using DataGroupWriter = bool (*)(const ABPerson &person, const QString &cleanedName, QString &card,
                                 bool isFirstDataGroup, const CardContext &context);

bool addPhones(const ABPerson &person, const QString &cleanedName, QString &card,
               bool isFirstDataGroup, const CardContext &context);
bool addEmail(const ABPerson &person, const QString &cleanedName, QString &card,
              bool isFirstDataGroup, const CardContext &context);
bool addWeb(const ABPerson &person, const QString &cleanedName, QString &card,
            bool isFirstDataGroup, const CardContext &context);
bool addDates(const ABPerson &person, const QString &cleanedName, QString &card,
              bool isFirstDataGroup, const CardContext &context);
bool addRelatedNames(const ABPerson &person, const QString &cleanedName, QString &card,
                     bool isFirstDataGroup, const CardContext &context);
bool addNote(const ABPerson &person, const QString &cleanedName, QString &card,
             bool isFirstDataGroup, const CardContext &context);
/// The five messaging services in the order AIM, ICQ, Jabber, MSN, Yahoo!, each with its
/// own switch and scheme; a service whose data cannot be read is left out, the others stay.
bool addInstantMessages(const ABPerson &person, const QString &cleanedName, QString &card,
                        bool isFirstDataGroup, const CardContext &context);
/// Postal addresses laid out as their country writes them, city and state joined by a comma.
bool addPostals(const ABPerson &person, const QString &cleanedName, QString &card,
                bool isFirstDataGroup, const CardContext &context);
