// SPDX-License-Identifier: GPL-3.0-or-later
// Names each row of a data-driven GoogleTest table after its own `name` field, so a failure
// reads as the case it shows.
#pragma once

#include <gtest/gtest.h>

#include <string>

struct RowName
{
    template<typename Row>
    std::string operator()(const testing::TestParamInfo<Row> &info) const
    {
        return info.param.name;
    }
};
