// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/dateformatsnapshot.h"

#include "util/datestyle.h"

#include "qtprinters.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ChangingFormats final : public DateFormatSource
{
public:
    std::optional<QString> calendarFormatForKey(const QString &key) const override
    {
        const auto found = formats.constFind(key);
        return found == formats.cend() ? std::nullopt : std::optional<QString>(*found);
    }

    QHash<QString, QString> formats;
};

} // namespace

// Card writers on other threads read the snapshot while the preferences may change.
TEST(DateFormatSnapshot, keepsTheFormatsAsTheyWereWhenTaken)
{
    ChangingFormats source;
    source.formats.insert(u"NSDateFormatString"_s, u"%d %B %Y"_s);
    const DateFormatSnapshot snapshot(source);
    source.formats.insert(u"NSDateFormatString"_s, u"%Y"_s);
    source.formats.insert(u"NSTimeFormatString"_s, u"%H"_s);

    EXPECT_EQ(snapshot.calendarFormatForKey(u"NSDateFormatString"_s), u"%d %B %Y"_s);
    EXPECT_EQ(snapshot.calendarFormatForKey(u"NSTimeFormatString"_s), std::nullopt);
    EXPECT_EQ(calendarFormat(DateStyle::LongDate, snapshot), u"%d %B %Y"_s);
}
