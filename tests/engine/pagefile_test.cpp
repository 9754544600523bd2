// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagefile.h"

#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ReadRow : NamedRow
{
    QString url;
    bool mayRead;
};

class ReadableByThePage : public testing::TestWithParam<ReadRow>
{};

// An empty or relative entry must open nothing.
TEST_P(ReadableByThePage, areTheGivenFilesAndFoldersOnly)
{
    const QStringList readable{QString(), u"relative"_s, u"/res/"_s, u"/pages/page.html"_s};
    EXPECT_EQ(PageFile::mayRead(QUrl(GetParam().url), readable), GetParam().mayRead);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadableByThePage,
    testing::Values(ReadRow{"webAddress", u"https://example.org/font.woff"_s, true},
                    ReadRow{"dataAddress", u"data:text/css,p{}"_s, true},
                    ReadRow{"insideAFolder", u"file:///res/images/a.png"_s, true},
                    ReadRow{"theFileItself", u"file:///pages/page.html"_s, true},
                    ReadRow{"besideTheFile", u"file:///pages/other.css"_s, false},
                    ReadRow{"folderOfLongerName", u"file:///resources/a.png"_s, false},
                    ReadRow{"elsewhere", u"file:///etc/passwd"_s, false},
                    ReadRow{"upAndOut", u"file:///res/images/../../etc/passwd"_s, false},
                    ReadRow{"encodedUpAndOut", u"file:///res/%2E%2E/etc/passwd"_s, false},
                    ReadRow{"encodedSlashes", u"file:///res/..%2F..%2Fetc/passwd"_s, false},
                    ReadRow{"otherHost", u"file://host/res/a.png"_s, false}),
    RowName());

} // namespace
