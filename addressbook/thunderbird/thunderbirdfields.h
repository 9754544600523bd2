// SPDX-License-Identifier: GPL-3.0-or-later
// A card of Thunderbird's address book written before it kept whole vCards (version
// 102): one property per field. Each field is mapped by a table onto the person the same
// card gives once Thunderbird has turned it into a vCard (as its own conversion writes it)
// and the vCard store has read that, so a book reads the same before and after Thunderbird
// converts it:
//
//   FirstName, LastName, AdditionalNames, NamePrefix, NameSuffix   the name parts
//   DisplayName                 the first name of a card with no name parts (unless it is the
//                               company's name)
//   Company, Department, JobTitle, Notes
//   PrimaryEmail (primary), SecondEmail                  e-mail "other"
//   HomePhone, WorkPhone, FaxNumber, PagerNumber, CellularNumber
//                               phone "home", "work", "other fax", "pager", "mobile"
//   WebPage1, WebPage2          web page "work", "home"
//   Home... / Work... POBox, Address2, Address, City, State, ZipCode, Country
//                               address "home" / "work" (box, second line, street as lines)
//   BirthYear/Month/Day         birthday (without a year, a date without year)
//   AnniversaryYear/Month/Day   other date "anniversary"
//   _AimScreenName, _ICQ, _JabberId, _GoogleTalk, _MSN, _Yahoo   the messaging services
//
// The picture (PhotoName) lies in a folder of the profile; the store reads it.
//
//   VCardDiagnostics diagnostics(origin);
//   ABPerson person = personFromFields(card, diagnostics);
#pragma once

#include "addressbook/abperson.h"
#include "addressbook/thunderbird/thunderbirdrecords.h"
#include "addressbook/vcard/vcarddiagnostics.h"

/// The person of a card's fields, without an identifier. A date that is no date is left out
/// with a problem reported; everything else is taken as it is.
[[nodiscard]] ABPerson personFromFields(const ThunderbirdCard &card, VCardDiagnostics &diagnostics);
