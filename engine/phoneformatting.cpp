// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/phoneformatting.h"

#include "util/stringadditions.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString digitsOf(const QString &text)
{
    return QEV_NSStringAdditionsSubset::clean(text, u"1234567890"_s);
}

struct PrefixedFormat
{
    QString format;
    qsizetype length;
};

// Formats whose digit prefix begins the number's digits, longest prefix first and, among
// equal lengths, later formats first; then every other format in list order.
QStringList formatsToTry(const QString &digits, const QStringList &formats)
{
    QList<PrefixedFormat> matching;
    QStringList others;
    for (const QString &format : formats) {
        const QString prefix = digitsOf(format);
        if (!prefix.isEmpty() && digits.startsWith(prefix))
            matching.append({format, prefix.size()});
        else
            others.append(format);
    }
    std::stable_sort(
        matching.begin(), matching.end(),
        [](const PrefixedFormat &a, const PrefixedFormat &b) { return a.length < b.length; });
    QStringList ordered;
    for (auto it = matching.crbegin(); it != matching.crend(); ++it)
        ordered.append(it->format);
    return ordered + others;
}

} // namespace

QString formatPhoneNumber(const QString &number, const std::optional<QStringList> &formats)
{
    if (number.isEmpty() || !formats)
        return number;
    for (const QString &format : formatsToTry(digitsOf(number), *formats)) {
        if (std::optional<QString> formatted = formatPhoneNumber(number, format))
            return *formatted;
    }
    return number;
}

std::optional<QString> formatPhoneNumber(const QString &number, const QString &format)
{
    const QString digits = digitsOf(number);
    if (digits.isEmpty())
        return number;
    QString output;
    qsizetype next = 0;
    for (const QChar c : format) {
        if (next == digits.size())
            return std::nullopt;
        if (c == digits.at(next) || c == u'#')
            output += digits.at(next++);
        else
            output += c;
    }
    if (next != digits.size() || output.contains(u'#'))
        return std::nullopt;
    return output;
}
