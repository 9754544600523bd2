// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/calendarformatter.h"

#include <QList>
#include <QTimeZone>

#include <algorithm>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

QString padded(int value, int width)
{
    return u"%1"_s.arg(value, width, 10, QLatin1Char('0'));
}

QString utcOffset(const QDateTime &moment)
{
    const int offsetSeconds = moment.offsetFromUtc();
    const int minutes = std::abs(offsetSeconds) / 60;
    const QChar sign = offsetSeconds < 0 ? u'-' : u'+';
    return sign + padded(minutes / 60, 2) + padded(minutes % 60, 2);
}

// "%-m" writes what "%m" writes without its leading zeros ("03" gives "3", "00" gives "0").
QString withoutPadding(const QString &converted)
{
    qsizetype zeros = 0;
    while (zeros + 1 < converted.size() && converted.at(zeros) == u'0')
        ++zeros;
    return converted.sliced(zeros);
}

// Length of the run of equal characters that starts at position.
qsizetype repeatCount(QStringView text, qsizetype position)
{
    qsizetype end = position;
    while (end < text.size() && text.at(end) == text.at(position))
        ++end;
    return end - position;
}

QString literal(QStringView text)
{
    return text.toString().replace(u'%', u"%%"_s);
}

// A quoted section of a Qt format: 'text', with '' standing for one apostrophe.
qsizetype appendQuoted(QStringView qtFormat, qsizetype position, QString &out)
{
    ++position;
    while (position < qtFormat.size()) {
        if (qtFormat.at(position) == u'\'') {
            if (position + 1 < qtFormat.size() && qtFormat.at(position + 1) == u'\'') {
                out += u'\'';
                position += 2;
                continue;
            }
            return position + 1;
        }
        out += literal(qtFormat.sliced(position, 1));
        ++position;
    }
    return position;
}

// A one-letter number field ("M", "h") is written without padding, a doubled one ("MM")
// with a leading zero.
QString numberConversion(QChar specifier, qsizetype count)
{
    return (count == 1 ? u"%-"_s : u"%"_s) + specifier;
}

QString qtFieldToConversion(QChar field, qsizetype count, bool twelveHour)
{
    switch (field.unicode()) {
    case u'd':
        return count == 1 ? u"%e"_s : count == 2 ? u"%d"_s : count == 3 ? u"%a"_s : u"%A"_s;
    case u'M':
        return count <= 2 ? numberConversion(u'm', count) : count == 3 ? u"%b"_s : u"%B"_s;
    case u'y':
        return count == 2 ? u"%y"_s : u"%Y"_s;
    case u'h':
        return numberConversion(twelveHour ? u'I' : u'H', count);
    case u'H':
        return numberConversion(u'H', count);
    case u'm':
        return numberConversion(u'M', count);
    case u's':
        return numberConversion(u'S', count);
    case u'z':
        return u"%F"_s;
    case u'A':
    case u'a':
        return u"%p"_s;
    case u't':
        return u"%Z"_s;
    default:
        return {};
    }
}

} // namespace

CalendarFormatter::CalendarFormatter(const QLocale &locale)
    : m_locale(locale)
{}

QString CalendarFormatter::format(const QDateTime &moment, QStringView calendarFormat) const
{
    QString out;
    out.reserve(calendarFormat.size() * 2);
    for (qsizetype i = 0; i < calendarFormat.size(); ++i) {
        const QChar c = calendarFormat.at(i);
        if (c != u'%' || i + 1 == calendarFormat.size()) {
            out += c;
            continue;
        }
        const qsizetype start = i;
        const bool unpadded = calendarFormat.at(i + 1) == u'-' && i + 2 < calendarFormat.size();
        i += unpadded ? 2 : 1;
        const QString converted = conversion(moment, calendarFormat.at(i));
        if (converted.isNull())
            out += calendarFormat.sliced(start, i - start + 1);
        else
            out += unpadded ? withoutPadding(converted) : converted;
    }
    return out;
}

QString CalendarFormatter::conversion(const QDateTime &moment, QChar specifier) const
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    switch (specifier.unicode()) {
    case u'%':
        return u"%"_s;
    case u'a':
        return m_locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
    case u'A':
        return m_locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
    case u'b':
        return m_locale.monthName(date.month(), QLocale::ShortFormat);
    case u'B':
        return m_locale.monthName(date.month(), QLocale::LongFormat);
    case u'c':
        return format(moment, u"%X %x");
    case u'd':
        return padded(date.day(), 2);
    case u'e':
        return QString::number(date.day());
    case u'F':
        return padded(time.msec(), 3);
    case u'H':
        return padded(time.hour(), 2);
    case u'I':
        return hour12(moment);
    case u'j':
        return padded(date.dayOfYear(), 3);
    case u'm':
        return padded(date.month(), 2);
    case u'M':
        return padded(time.minute(), 2);
    case u'p':
        return time.hour() < 12 ? m_locale.amText() : m_locale.pmText();
    case u'S':
        return padded(time.second(), 2);
    case u'w':
        return QString::number(date.dayOfWeek() % 7);
    case u'x':
        return format(moment, fromQtFormat(m_locale.dateFormat(QLocale::ShortFormat)));
    case u'X':
        return format(moment, fromQtFormat(m_locale.timeFormat(QLocale::ShortFormat)));
    case u'y':
        return padded(date.year() % 100, 2);
    case u'Y':
        return QString::number(date.year());
    case u'Z':
        return moment.timeZoneAbbreviation();
    case u'z':
        return utcOffset(moment);
    default:
        return {};
    }
}

QString CalendarFormatter::hour12(const QDateTime &moment) const
{
    const int hour = moment.time().hour() % 12;
    return padded(hour == 0 ? 12 : hour, 2);
}

QString CalendarFormatter::fromQtFormat(QStringView qtFormat)
{
    const bool twelveHour = qtFormat.contains(u'a', Qt::CaseInsensitive);
    QString out;
    qsizetype i = 0;
    while (i < qtFormat.size()) {
        const QChar c = qtFormat.at(i);
        if (c == u'\'') {
            i = appendQuoted(qtFormat, i, out);
            continue;
        }
        const qsizetype count = repeatCount(qtFormat, i);
        const QString conversion = qtFieldToConversion(c, count, twelveHour);
        out += conversion.isEmpty() ? literal(qtFormat.sliced(i, count)) : conversion;
        // "AP" and "ap" are one field each, as is a run of one letter.
        i += count;
        const bool markerPair = (c == u'A' || c == u'a') && i < qtFormat.size()
            && qtFormat.at(i) == (c == u'A' ? u'P' : u'p');
        if (markerPair)
            ++i;
    }
    return out;
}

QString CalendarFormatter::withoutYear(QStringView calendarFormat)
{
    // Split into literal runs and conversions, then drop each year-bound conversion with its
    // own word and one separator: the one before it or, when it comes first, the one after.
    struct Piece
    {
        QString text;
        bool conversion;
    };
    QList<Piece> pieces;
    for (qsizetype i = 0; i < calendarFormat.size(); ++i) {
        const bool isConversion = calendarFormat.at(i) == u'%' && i + 1 < calendarFormat.size();
        const bool unpadded
            = isConversion && calendarFormat.at(i + 1) == u'-' && i + 2 < calendarFormat.size();
        const qsizetype length = unpadded ? 3 : isConversion ? 2 : 1;
        const QString text = calendarFormat.sliced(i, length).toString();
        i += length - 1;
        if (!isConversion && !pieces.isEmpty() && !pieces.last().conversion)
            pieces.last().text += text;
        else
            pieces.append({text, isConversion});
    }
    const auto needsYear = [](const Piece &piece) {
        static const QString kYearBound = u"YyaAwj"_s;
        return piece.conversion && kYearBound.contains(piece.text.back());
    };
    const auto isLiteral = [&pieces](qsizetype at) {
        return at >= 0 && at < pieces.size() && !pieces.at(at).conversion;
    };
    // A literal that starts with a letter ("年", "日") is the word of the conversion before it;
    // so is the literal that ends the format (" г."). Any other literal separates two
    // conversions.
    const auto startsWithWord = [&pieces](qsizetype at) {
        return pieces.at(at).text.front().isLetter();
    };
    for (qsizetype i = 0; i < pieces.size();) {
        if (!needsYear(pieces.at(i))) {
            ++i;
            continue;
        }
        if (isLiteral(i + 1) && (i + 2 == pieces.size() || startsWithWord(i + 1)))
            pieces.removeAt(i + 1);
        pieces.removeAt(i);
        const bool firstConversion = std::none_of(pieces.cbegin(), pieces.cbegin() + i,
                                                  [](const Piece &p) { return p.conversion; });
        if (firstConversion && isLiteral(i) && !startsWithWord(i)) {
            pieces.removeAt(i);
        } else if (!firstConversion && isLiteral(i - 1) && !startsWithWord(i - 1)) {
            pieces.removeAt(i - 1);
            --i;
        }
    }
    QString result;
    for (const Piece &piece : std::as_const(pieces))
        result += piece.text;
    return result;
}
