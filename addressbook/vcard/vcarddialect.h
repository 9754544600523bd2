// SPDX-License-Identifier: GPL-3.0-or-later
// The vCard dialects of the common exporters as pure functions of what a card says: which
// field a property name is (every alias in one sorted table), the labels its TYPE
// parameters give, how strongly an entry is preferred, dates, and messaging handles and
// services. vcardcontact.h assembles a person or a group from them.
//
//   VCardDialect::fieldOf("X-GTALK")                   // Field::Jabber
//   VCardDialect::handleOf("aim:goim?screenname=ann")  // "ann"
#pragma once

#include "addressbook/abproperties.h"
#include "addressbook/contactdate.h"
#include "addressbook/vcard/vcardreader.h"

#include <QByteArrayView>
#include <QString>

#include <climits>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace VCardDialect {

enum class Field : std::uint8_t {
    Unknown,
    Address,
    Birthday,
    Categories,
    CardPicture,
    Email,
    FormattedName,
    GroupKind,
    ListKind,
    ItemLabel,
    ItemCountry,
    Kind,
    ListMember,
    DeliveryLabel,
    Member,
    Messaging,
    Name,
    Note,
    Organization,
    OtherDate,
    Anniversary,
    Phone,
    Photo,
    Related,
    RelatedName,
    Spouse,
    Manager,
    Assistant,
    ShowAs,
    Title,
    Uid,
    Url,
    Aim,
    Icq,
    Jabber,
    Msn,
    Yahoo,
};

struct FieldName
{
    std::string_view name; // upper case
    Field field;
};

/// Every property name that is read, sorted; a name of no field is not listed.
[[nodiscard]] std::span<const FieldName> fieldNames();
/// The field of a property name, ignoring case; Unknown for any other name.
[[nodiscard]] Field fieldOf(QByteArrayView name);

/// A date as cards write it ("1985-04-12", "1985-4-12", "19850412", "--0412", "--04-12",
/// with or without a time); a year the card marks as left out (omittedYear, or the
/// placeholder year) gives a date without year. None for text that is no whole date.
[[nodiscard]] std::optional<ContactDate> parseDate(QByteArrayView text,
                                                   std::optional<int> omittedYear);
/// Whether text is a year and a month without a day ("1985-04"), which no date holds.
[[nodiscard]] bool isYearAndMonth(QByteArrayView text);

/// The TYPE parameters of a property that its label and preference depend on, as bits;
/// found in one pass, so that a line is looked at once for both.
using Types = unsigned;
[[nodiscard]] Types typesOf(const VCardProperty &property);

/// The label of a phone number from its TYPE parameters.
[[nodiscard]] QString phoneLabel(Types types);
/// home, work or other, from the TYPE parameters.
[[nodiscard]] QString placeLabel(Types types);

inline constexpr int kNotPreferred = INT_MAX;
/// The rank of a preferred entry: TYPE=pref (and a bare vCard 2.1 PREF) rank as PREF=1;
/// kNotPreferred when the entry is not preferred. types: typesOf(property).
[[nodiscard]] int preference(const VCardProperty &property, Types types);

/// The scheme of a URI ("aim" of "aim:ann"), or nothing when value is no URI.
[[nodiscard]] std::optional<QByteArrayView> schemeOf(QByteArrayView value);
/// The handle a messaging address names: "aim:goim?screenname=ann", "xmpp:ann@example.org",
/// "ymsgr:sendIM?ann" and plain "ann" all give the handle alone.
[[nodiscard]] QString handleOf(QByteArrayView value);
/// The messaging property a service name or URI scheme stands for ("gtalk", "ymsgr").
[[nodiscard]] std::optional<ABProperty> messagingService(QByteArrayView name);

} // namespace VCardDialect
