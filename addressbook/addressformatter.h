// SPDX-License-Identifier: GPL-3.0-or-later
// Lays out an address record in lines, the way the record's country writes addresses. The
// layouts are data (addresslayouts.cpp) in the compact notation of address-format
// databases: %A street lines, %C city, %S state or region, %Z postal code, %N name,
// %O organization, %D district, %X sorting code, %n a line break; anything else is text.
// A record holds no name, organization, district or sorting code, so those stay empty. The
// country is chosen by the record's country code, else its country name, else the given
// default (the user's locale); an unknown country is laid out as in the United States.
//
//   format({{street, "1 Main St"}, {city, "Springfield"}, {state, "IL"}, {zip, "62701"}})
//   // "1 Main St\nSpringfield IL 62701"
#pragma once

#include "addressbook/abproperties.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <QVariantMap>

class AddressFormatter final
{
public:
    /// Built once, on first use.
    [[nodiscard]] static const AddressFormatter &shared();

    AddressFormatter();

    /// The address in lines joined by "\n"; lines left empty are dropped, a part the
    /// country's layout has no place for gets a line of its own, and the country name, when
    /// the record has one, is the last line.
    [[nodiscard]] QString format(const QVariantMap &address) const;
    [[nodiscard]] QString format(const QVariantMap &address, const QString &defaultCountry) const;
    /// The same for a record given as its values, which a person keeps without a map.
    [[nodiscard]] QString format(const ABAddressFields &address,
                                 const QString &defaultCountry) const;

    /// The upper-case ISO 3166 code of a country name in English or in the country's own
    /// language ("Deutschland", "United States of America"), or of a code; empty when
    /// unknown.
    [[nodiscard]] QString countryCode(const QString &nameOrCode) const;
    /// The layout used for a country code.
    [[nodiscard]] QStringView layout(const QString &countryCode) const;

    /// The country of the user's locale; "US" where the locale has none.
    [[nodiscard]] static QString localeCountry();

private:
    QHash<QString, QString> m_codeByName;
};
