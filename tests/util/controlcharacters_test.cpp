// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/controlcharacters.h"

#include "qtprinters.h"
#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ControlRow : NamedRow
{
    QString input;
    QString inPage;
    QString inMessage;
};

class ControlCharacters : public testing::TestWithParam<ControlRow>
{};

TEST_P(ControlCharacters, leaveThePageAndShowInMessages)
{
    EXPECT_EQ(withoutPageControls(GetParam().input), GetParam().inPage);
    EXPECT_EQ(visibleControls(GetParam().input), GetParam().inMessage);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ControlCharacters,
    testing::Values(
        ControlRow{"plainText", u"Zoë Ω"_s, u"Zoë Ω"_s, u"Zoë Ω"_s},
        ControlRow{"terminalEscape", u"a\u001B[2Jb"_s, u"a[2Jb"_s, u"a\\x1B[2Jb"_s},
        ControlRow{"nulAndBell", u"\u0000\u0007"_s, u""_s, u"\\x00\\x07"_s},
        ControlRow{"deleteAndEightBitControls", u"\u007F\u0085\u009B"_s, u""_s,
                   u"\\x7F\\x85\\x9B"_s},
        ControlRow{"tabAndLineFeedStay", u"a\tb\nc"_s, u"a\tb\nc"_s, u"a\tb\nc"_s},
        // A carriage return breaks a line of the page but rewrites a line of the terminal.
        ControlRow{"carriageReturn", u"a\rb"_s, u"a\rb"_s, u"a\\x0Db"_s},
        ControlRow{"formatCharactersAreNoControls", u"a\u200Eb"_s, u"a\u200Eb"_s, u"a\u200Eb"_s}),
    RowName());

} // namespace
