// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/calendarformatter.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QTimeZone>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct FormatRow : NamedRow
{
    QString format;
    QString expected;
};

// Thursday 5 March 2026, 14:07:09.045, one hour east of UTC.
QDateTime sampleMoment()
{
    return QDateTime(QDate(2026, 3, 5), QTime(14, 7, 9, 45), QTimeZone(3600));
}

class CalendarFormat : public testing::TestWithParam<FormatRow>
{};

TEST_P(CalendarFormat, writesEachConversion)
{
    const CalendarFormatter formatter(QLocale(u"en_US"_s));
    EXPECT_EQ(formatter.format(sampleMoment(), GetParam().format), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CalendarFormat,
    testing::Values(FormatRow{"isoLike", u"%Y-%m-%d %H:%M:%S %z"_s, u"2026-03-05 14:07:09 +0100"_s},
                    FormatRow{"names", u"%A %a %B %b"_s, u"Thursday Thu March Mar"_s},
                    FormatRow{"unpaddedDay", u"%e"_s, u"5"_s},
                    FormatRow{"twoDigitYear", u"%y"_s, u"26"_s},
                    FormatRow{"dayOfYear", u"%j"_s, u"064"_s},
                    FormatRow{"twelveHourClock", u"%I %p"_s, u"02 PM"_s},
                    FormatRow{"milliseconds", u"%F"_s, u"045"_s},
                    FormatRow{"weekdayNumberFromSunday", u"%w"_s, u"4"_s},
                    FormatRow{"percentSign", u"100%%"_s, u"100%"_s},
                    FormatRow{"unknownConversionKept", u"%q"_s, u"%q"_s},
                    FormatRow{"trailingPercentKept", u"a%"_s, u"a%"_s},
                    FormatRow{"literalTextOnly", u"Vorlin"_s, u"Vorlin"_s},
                    FormatRow{"unpaddedNumbers", u"%-m/%-d %-H:%-M:%-S"_s, u"3/5 14:7:9"_s},
                    FormatRow{"unpaddedTwelveHourClock", u"%-I %p"_s, u"2 PM"_s},
                    FormatRow{"unpaddedNameUnchanged", u"%-B"_s, u"March"_s},
                    FormatRow{"unpaddedUnknownKept", u"%-q"_s, u"%-q"_s},
                    FormatRow{"trailingDashKept", u"a%-"_s, u"a%-"_s}),
    RowName());

TEST(CalendarFormat, midnightIsTwelveOnTheTwelveHourClock)
{
    const QDateTime midnight(QDate(2026, 1, 1), QTime(0, 30), QTimeZone::utc());
    EXPECT_EQ(CalendarFormatter(QLocale(u"en_US"_s)).format(midnight, u"%I:%M %p"), u"12:30 AM"_s);
}

TEST(CalendarFormat, westOfUtcHasNegativeOffset)
{
    const QDateTime moment(QDate(2026, 1, 1), QTime(0, 0), QTimeZone(-(3 * 3600 + 30 * 60)));
    EXPECT_EQ(CalendarFormatter().format(moment, u"%z"), u"-0330"_s);
}

TEST(CalendarFormat, namesFollowTheLocale)
{
    EXPECT_EQ(CalendarFormatter(QLocale(u"de_DE"_s)).format(sampleMoment(), u"%A, %e. %B"),
              u"Donnerstag, 5. März"_s);
}

class QtFormatTranslation : public testing::TestWithParam<FormatRow>
{};

TEST_P(QtFormatTranslation, givesCalendarNotation)
{
    EXPECT_EQ(CalendarFormatter::fromQtFormat(GetParam().format), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QtFormatTranslation,
    testing::Values(FormatRow{"longDate", u"dddd, d MMMM yyyy"_s, u"%A, %e %B %Y"_s},
                    FormatRow{"shortUsDate", u"M/d/yy"_s, u"%-m/%e/%y"_s},
                    FormatRow{"paddedFields", u"dd.MM. HH:mm:ss"_s, u"%d.%m. %H:%M:%S"_s},
                    FormatRow{"unpaddedMinutesAndSeconds", u"m:s"_s, u"%-M:%-S"_s},
                    FormatRow{"twelveHourTime", u"h:mm AP"_s, u"%-I:%M %p"_s},
                    FormatRow{"paddedTwelveHourTime", u"hh:mm ap"_s, u"%I:%M %p"_s},
                    FormatRow{"twentyFourHourTime", u"HH:mm:ss t"_s, u"%H:%M:%S %Z"_s},
                    FormatRow{"unpaddedHourWithoutMarker", u"h:mm"_s, u"%-H:%M"_s},
                    FormatRow{"unpaddedTwentyFourHour", u"H:mm"_s, u"%-H:%M"_s},
                    FormatRow{"quotedText", u"d 'de' MMMM"_s, u"%e de %B"_s},
                    FormatRow{"doubledApostrophe", u"'it''s' yy"_s, u"it's %y"_s},
                    FormatRow{"percentInLiteral", u"d%"_s, u"%e%%"_s}),
    RowName());

// The translated locale format writes what Qt itself writes, padding included: a date and
// a time of single digits show where a one-letter field was padded.
class LocaleDefaults : public testing::TestWithParam<const char *>
{};

TEST_P(LocaleDefaults, agreeWithQt)
{
    const QLocale locale(QString::fromLatin1(GetParam()));
    const QDateTime moment(QDate(2026, 3, 5), QTime(9, 5, 7), QTimeZone::utc());
    const CalendarFormatter formatter(locale);
    for (const auto style : {QLocale::LongFormat, QLocale::ShortFormat}) {
        const QString qtFormat = locale.dateFormat(style);
        EXPECT_EQ(formatter.format(moment, CalendarFormatter::fromQtFormat(qtFormat)),
                  locale.toString(moment.date(), style))
            << qtFormat.toStdString();
    }
    EXPECT_EQ(formatter.format(
                  moment, CalendarFormatter::fromQtFormat(locale.timeFormat(QLocale::ShortFormat))),
              locale.toString(moment.time(), QLocale::ShortFormat));
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleDefaults,
                         testing::Values("en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "pt_BR",
                                         "fi_FI", "nl_NL", "ko_KR", "zh_CN"));

} // namespace

namespace {

class WithoutYear : public testing::TestWithParam<FormatRow>
{};

TEST_P(WithoutYear, dropsYearBoundConversionsWithTheirSeparator)
{
    EXPECT_EQ(CalendarFormatter::withoutYear(GetParam().format), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WithoutYear,
    testing::Values(FormatRow{"usLong", u"%A, %B %e, %Y"_s, u"%B %e"_s},
                    FormatRow{"germanLong", u"%A, %e. %B %Y"_s, u"%e. %B"_s},
                    FormatRow{"yearFirst", u"%Y-%m-%d"_s, u"%m-%d"_s},
                    FormatRow{"japanese", u"%Y年%m月%e日"_s, u"%m月%e日"_s},
                    FormatRow{"twoDigitYear", u"%d/%m/%y"_s, u"%d/%m"_s},
                    FormatRow{"noYear", u"%e %B"_s, u"%e %B"_s},
                    FormatRow{"percentSignKept", u"%e%%%Y"_s, u"%e%%"_s},
                    FormatRow{"onlyYear", u"%Y"_s, QString()},
                    FormatRow{"unpaddedKept", u"%-m/%-d/%y"_s, u"%-m/%-d"_s},
                    FormatRow{"unpaddedYearDropped", u"%-y-%-m"_s, u"%-m"_s},
                    FormatRow{"russianYearWord", u"%A, %-e %B %Y г."_s, u"%-e %B"_s},
                    FormatRow{"japaneseWeekdayLast", u"%Y年%-m月%-e日%A"_s, u"%-m月%-e日"_s},
                    FormatRow{"spanishConnector", u"%A, %-e de %B de %Y"_s, u"%-e de %B"_s},
                    FormatRow{"weekdayAfterTheYear", u"%-e %B %Y, %A"_s, u"%-e %B"_s}),
    RowName());

} // namespace
