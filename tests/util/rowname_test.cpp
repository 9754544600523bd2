// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowname.h"

namespace {

struct SampleRow : NamedRow
{
    int value = 0;
};

// A failing row of a table is reported by its name, not by the bytes of the row.
TEST(NamedRow, printsAsItsName)
{
    EXPECT_EQ(testing::PrintToString(SampleRow{"emptyNote", 7}), "row \"emptyNote\"");
}

} // namespace
