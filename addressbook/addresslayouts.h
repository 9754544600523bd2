// SPDX-License-Identifier: GPL-3.0-or-later
// The address layout of each country we know, as data: ISO 3166 code and layout in the
// compact notation that addressformatter.h describes.
#pragma once

#include <QStringView>

#include <span>

struct AddressLayout
{
    QStringView countryCode;
    QStringView layout;
};

/// Sorted by country code.
[[nodiscard]] std::span<const AddressLayout> addressLayouts();
