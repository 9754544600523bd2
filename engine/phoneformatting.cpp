// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/phoneformatting.h"

#include "util/stringadditions.h"

#include <QVarLengthArray>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString digitsOf(const QString &text)
{
    return QEV_NSStringAdditionsSubset::clean(text, u"1234567890"_s);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// How many digits format holds when they begin digits, else 0; counted in place, as every
// number of a page is tried against every format.
qsizetype matchingPrefixLength(QStringView digits, QStringView format)
{
    qsizetype matched = 0;
    for (const QChar c : format) {
        if (!isDigit(c))
            continue;
        if (matched == digits.size() || digits[matched] != c)
            return 0;
        ++matched;
    }
    return matched;
}

struct PrefixedFormat
{
    const QString *format;
    qsizetype length;
};

// Formats whose digit prefix begins the number's digits, longest prefix first and, among
// equal lengths, later formats first; then every other format in list order.
QVarLengthArray<const QString *, 32> formatsToTry(QStringView digits, const QStringList &formats)
{
    QVarLengthArray<PrefixedFormat, 32> matching;
    QVarLengthArray<const QString *, 32> others;
    for (const QString &format : formats) {
        if (const qsizetype length = matchingPrefixLength(digits, format); length > 0)
            matching.append({&format, length});
        else
            others.append(&format);
    }
    std::stable_sort(
        matching.begin(), matching.end(),
        [](const PrefixedFormat &a, const PrefixedFormat &b) { return a.length < b.length; });
    QVarLengthArray<const QString *, 32> ordered;
    for (auto it = matching.crbegin(); it != matching.crend(); ++it)
        ordered.append(it->format);
    ordered.append(others.constData(), others.size());
    return ordered;
}

std::optional<QString> formattedWith(const QString &number, QStringView digits, QStringView format)
{
    if (digits.isEmpty())
        return number;
    QString output;
    output.reserve(format.size());
    qsizetype next = 0;
    for (const QChar c : format) {
        if (next == digits.size())
            return std::nullopt;
        if (c == digits[next] || c == u'#')
            output += digits[next++];
        else
            output += c;
    }
    if (next != digits.size() || output.contains(u'#'))
        return std::nullopt;
    return output;
}

} // namespace

QString formatPhoneNumber(const QString &number, const std::optional<QStringList> &formats)
{
    if (number.isEmpty() || !formats)
        return number;
    const QString digits = digitsOf(number);
    for (const QString *format : formatsToTry(digits, *formats)) {
        if (std::optional<QString> formatted = formattedWith(number, digits, *format))
            return *formatted;
    }
    return number;
}

std::optional<QString> formatPhoneNumber(const QString &number, const QString &format)
{
    return formattedWith(number, digitsOf(number), format);
}
