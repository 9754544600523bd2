// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/dateadditions.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QHash>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

class FakeFormats final : public DateFormatSource
{
public:
    explicit FakeFormats(QHash<QString, QString> formats = {})
        : m_formats(std::move(formats))
    {}

    std::optional<QString> calendarFormatForKey(const QString &key) const override
    {
        const auto found = m_formats.constFind(key);
        if (found == m_formats.cend())
            return std::nullopt;
        return *found;
    }

private:
    QHash<QString, QString> m_formats;
};

const QEV_NSDateAdditions::DurationUnits kEnglishUnits{u"second"_s,  u"seconds"_s, u"minute"_s,
                                                       u"minutes"_s, u"hour"_s,    u"hours"_s,
                                                       u"day"_s,     u"days"_s};

struct DurationRow : NamedRow
{
    std::int32_t seconds;
    QString expected;
};

class ElapsedTime : public testing::TestWithParam<DurationRow>
{};

TEST_P(ElapsedTime, namesEachNonZeroPart)
{
    EXPECT_EQ(QEV_NSDateAdditions::elapsedTimeStringForSeconds(GetParam().seconds, kEnglishUnits),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ElapsedTime,
    testing::Values(DurationRow{"oneOfEach", 90061, u"1 day, 1 hour, 1 minute, 1 second"_s},
                    DurationRow{"pluralsWithoutDays", 7322, u"2 hours, 2 minutes, 2 seconds"_s},
                    DurationRow{"wholeHour", 3600, u"1 hour"_s},
                    DurationRow{"gapInTheMiddle", 86460, u"1 day, 1 minute"_s},
                    DurationRow{"wholeMinutes", 120, u"2 minutes"_s},
                    DurationRow{"secondsOnly", 59, u"59 seconds"_s},
                    DurationRow{"zero", 0, QString()}, DurationRow{"negative", -90061, QString()},
                    DurationRow{"largest", std::numeric_limits<std::int32_t>::max(),
                                u"24855 days, 3 hours, 14 minutes, 7 seconds"_s},
                    DurationRow{"smallest", std::numeric_limits<std::int32_t>::min(), QString()}),
    RowName());

class DateStrings : public testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(u"en_US"_s)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    const QDateTime moment{QDate(2026, 12, 17), QTime(21, 5, 0), QTimeZone::utc()};
};

TEST_F(DateStrings, useTheStoredFormatOfEachStyle)
{
    const FakeFormats formats({{u"NSDateFormatString"_s, u"long %Y"_s},
                               {u"NSTimeDateFormatString"_s, u"longtime %Y"_s},
                               {u"NSShortDateFormatString"_s, u"short %y"_s},
                               {u"NSShortTimeDateFormatString"_s, u"shorttime %y"_s},
                               {u"NSTimeFormatString"_s, u"time %M"_s}});
    const CalendarDate date(moment, QTimeZone::utc());
    namespace calendar = QEV_NSCalendarDateAdditions;
    EXPECT_EQ(calendar::longDateString(date, formats), u"long 2026"_s);
    EXPECT_EQ(calendar::longTimeDateString(date, formats), u"longtime 2026"_s);
    EXPECT_EQ(calendar::shortDateString(date, formats), u"short 26"_s);
    EXPECT_EQ(calendar::shortTimeDateString(date, formats), u"shorttime 26"_s);
    EXPECT_EQ(calendar::timeString(date, formats), u"time 05"_s);
}

TEST_F(DateStrings, followTheLocaleWithoutStoredFormat)
{
    const CalendarDate date(moment, QTimeZone::utc());
    const QLocale locale;
    EXPECT_EQ(QEV_NSCalendarDateAdditions::longDateString(date, FakeFormats()),
              locale.toString(moment.date(), QLocale::LongFormat));
    EXPECT_EQ(QEV_NSCalendarDateAdditions::shortDateString(
                  date, FakeFormats({{u"NSShortDateFormatString"_s, QString()}})),
              locale.toString(moment.date(), QLocale::ShortFormat));
}

TEST_F(DateStrings, areWrittenInTheDatesOwnTimeZone)
{
    const FakeFormats formats({{u"NSTimeDateFormatString"_s, u"%Y-%m-%d %H:%M %z"_s}});
    const CalendarDate date(moment, QTimeZone(9 * 3600));
    EXPECT_EQ(QEV_NSCalendarDateAdditions::longTimeDateString(date, formats),
              u"2026-12-18 06:05 +0900"_s);
}

TEST_F(DateStrings, plainDateIsShownInTheLocalTimeZone)
{
    const FakeFormats formats({{u"NSTimeDateFormatString"_s, u"%Y-%m-%d %H:%M %z"_s}});
    const CalendarDate local(moment, QTimeZone::systemTimeZone());
    EXPECT_EQ(QEV_NSDateAdditions::longTimeDateString(moment, formats),
              QEV_NSCalendarDateAdditions::longTimeDateString(local, formats));
}

TEST(CalendarDates, plainDateGetsLocalZoneAndDefaultFormat)
{
    const QDateTime moment(QDate(2026, 1, 2), QTime(3, 4), QTimeZone::utc());
    const CalendarDate date = QEV_NSDateAdditions::calendarDate(moment);
    EXPECT_EQ(date.moment(), moment);
    EXPECT_EQ(date.timeZone(), QTimeZone::systemTimeZone());
    EXPECT_EQ(date.calendarFormat(), u"%Y-%m-%d %H:%M:%S %z"_s);
}

TEST(CalendarDates, calendarDateOfACalendarDateIsItself)
{
    const CalendarDate date(QDateTime::currentDateTimeUtc(), QTimeZone::utc(), u"%Y"_s);
    EXPECT_EQ(&QEV_NSDateAdditions::calendarDate(date), &date);
}

} // namespace
