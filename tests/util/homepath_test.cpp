// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/homepath.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct HomeRow : NamedRow
{
    QString stored;
    QString folder; // "<home>" stands for the home folder here
};

class StoredFolder : public testing::TestWithParam<HomeRow>
{};

TEST_P(StoredFolder, hasOnlyALeadingTildeForTheHome)
{
    const QString expected = QString(GetParam().folder).replace(u"<home>"_s, QDir::homePath());
    EXPECT_EQ(expandedHome(GetParam().stored), expected);
    EXPECT_EQ(pageFolder(GetParam().stored), expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, StoredFolder,
                         testing::Values(HomeRow{"homeAlone", u"~"_s, u"<home>"_s},
                                         HomeRow{"belowHome", u"~/pages"_s, u"<home>/pages"_s},
                                         HomeRow{"anotherUsersHome", u"~ann/x"_s, u"~ann/x"_s},
                                         HomeRow{"tildeLater", u"/a/~/b"_s, u"/a/~/b"_s},
                                         HomeRow{"absolute", u"/srv/pages"_s, u"/srv/pages"_s}),
                         RowName());

} // namespace
