// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of data-driven GoogleTest tables: each row derives from NamedRow, so its name
// names the test case (RowName) and is what a failing row prints, instead of the bytes of
// the whole row.
//
//   struct PhoneRow : NamedRow { QString number; QString expected; };
//   INSTANTIATE_TEST_SUITE_P(Rows, Phone, testing::Values(PhoneRow{"plain", ...}), RowName());
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <ostream>
#include <string>

struct NamedRow
{
    std::string name;
};

// Found through the row's base class wherever the row is declared.
template<typename Row>
requires std::derived_from<Row, NamedRow>
void PrintTo(const Row &row, std::ostream *out)
{
    *out << "row \"" << row.name << '"';
}

struct RowName
{
    template<typename Row>
    std::string operator()(const testing::TestParamInfo<Row> &info) const
    {
        return info.param.name;
    }
};
