// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardcharset.h"
#include "addressbook/vcard/vcardreader.h"

#include <QStringDecoder>

#include <unicode/ucsdet.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView kFallback = "windows-1252";
// Enough text for any guess; the rest of a large file adds nothing.
constexpr qsizetype kMaxSample = 64 * 1024;

bool declaresCharset(QByteArrayView data)
{
    constexpr QByteArrayView name = "CHARSET";
    for (qsizetype at = data.indexOf('='); at >= 0; at = data.indexOf('=', at + 1)) {
        if (at >= name.size()
            && equalsIgnoringCase(data.sliced(at - name.size(), name.size()), name))
            return true;
    }
    return false;
}

// The values of the lines that hold 8-bit bytes: the names and parameters around them are
// ASCII, which would only weaken the guess.
QByteArray sampleOf(QByteArrayView data)
{
    QByteArray sample;
    qsizetype start = 0;
    while (start < data.size() && sample.size() < kMaxSample) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        const QByteArrayView line = data.sliced(start, end - start);
        if (std::any_of(line.begin(), line.end(), [](char c) { return uchar(c) >= 0x80; }))
            sample.append(line.sliced(line.indexOf(':') + 1)).append('\n');
        start = end + 1;
    }
    return sample;
}

struct Guess
{
    QByteArray name;
    int confidence = 0;
};

// ICU offers UTF-16 and UTF-32 for any text; without a byte-order mark those are never
// what a vCard file is.
bool isUnicodeGuess(const char *name)
{
    return qstrncmp(name, "UTF-", 4) == 0;
}

// The two best guesses of distinct sets, best first.
std::pair<Guess, Guess> bestTwo(QByteArrayView sample)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCharsetDetector, decltype(&ucsdet_close)> detector(ucsdet_open(&status),
                                                                              &ucsdet_close);
    ucsdet_setText(detector.get(), sample.data(), int32_t(sample.size()), &status);
    int32_t count = 0;
    const UCharsetMatch **matches = ucsdet_detectAll(detector.get(), &count, &status);
    std::pair<Guess, Guess> best;
    for (int32_t i = 0; U_SUCCESS(status) && i < count; ++i) {
        const char *name = ucsdet_getName(matches[i], &status);
        if (!U_SUCCESS(status) || isUnicodeGuess(name) || best.first.name == name)
            continue;
        Guess guess{name, ucsdet_getConfidence(matches[i], &status)};
        if (best.first.name.isEmpty())
            best.first = std::move(guess);
        else if (best.second.name.isEmpty())
            best.second = std::move(guess);
    }
    return best;
}

// ISO-8859-1 leaves 0x80 to 0x9F to control characters nobody types; Windows-1252 puts
// the curly quotes and the euro sign there.
QByteArray decodable(QByteArray name)
{
    return name == "ISO-8859-1" ? kFallback.toByteArray() : name;
}

std::optional<QByteArray> decoded(QByteArrayView data, const QByteArray &charset)
{
    QStringDecoder decoder(charset.constData());
    if (!decoder.isValid())
        return std::nullopt;
    const QString text = decoder.decode(data);
    if (decoder.hasError())
        return std::nullopt;
    return text.toUtf8();
}

} // namespace

std::optional<QByteArray> LegacyText::detect(QByteArrayView data)
{
    const auto [best, next] = bestTwo(sampleOf(data));
    if (best.confidence < kMinConfidence || best.confidence - next.confidence < kMinLead)
        return std::nullopt;
    return decodable(best.name);
}

std::optional<LegacyText> LegacyText::decode(QByteArrayView data)
{
    if (data.isValidUtf8() || declaresCharset(data))
        return std::nullopt;
    LegacyText text;
    if (const std::optional<QByteArray> charset = detect(data)) {
        // A guess that leaves bytes undecoded was wrong.
        if (std::optional<QByteArray> utf8 = decoded(data, *charset)) {
            text.m_utf8 = std::move(*utf8);
            text.m_charset = *charset;
            text.m_detected = true;
            return text;
        }
    }
    text.m_charset = kFallback.toByteArray();
    text.m_utf8 = QString(QStringDecoder(kFallback.data()).decode(data)).toUtf8();
    return text;
}

QString LegacyText::message() const
{
    const QString charset = QString::fromLatin1(m_charset);
    return m_detected
        ? u"text is not UTF-8 and names no character set; read as %1, the set it resembles"_s.arg(
            charset)
        : u"text is not UTF-8 and names no character set, nor resembles one clearly; read as %1"_s
              .arg(charset);
}
