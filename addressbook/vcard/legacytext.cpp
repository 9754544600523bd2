// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/legacytext.h"
#include "addressbook/vcard/vcardreader.h"

#include <QList>
#include <QStringDecoder>

#include <unicode/ucsdet.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView kFallback = "windows-1252";
// Enough text for any guess; the rest of a large file adds nothing.
constexpr qsizetype kMaxSample = qsizetype{64} * 1024;

bool namesCharset(QByteArrayView line)
{
    constexpr QByteArrayView kName = "CHARSET=";
    const QByteArrayView head = line.first(std::max<qsizetype>(line.indexOf(':'), 0));
    for (qsizetype at = 0; at + kName.size() <= head.size(); ++at) {
        if (equalsIgnoringCase(head.sliced(at, kName.size()), kName))
            return true;
    }
    return false;
}

// The value of a content line that needs decoding, from after its name and parameters
// (ASCII) to the end of its last folded continuation.
struct LegacyLine
{
    qsizetype start;
    qsizetype end;
};

qsizetype physicalLineEnd(QByteArrayView data, qsizetype start)
{
    const qsizetype newline = data.indexOf('\n', start);
    return newline < 0 ? data.size() : newline + 1;
}

// Writers fold in the middle of a UTF-8 sequence too, so a folded line is UTF-8 when its
// pieces are, joined.
bool isUtf8(QByteArrayView line)
{
    if (line.isValidUtf8())
        return true;
    QByteArray joined;
    for (qsizetype start = 0;;) {
        const qsizetype end = physicalLineEnd(line, start);
        QByteArrayView piece = line.sliced(start, end - start);
        while (piece.endsWith('\n') || piece.endsWith('\r'))
            piece.chop(1);
        joined.append(piece);
        if (end >= line.size())
            break;
        start = end + 1; // past the blank that marks the fold
    }
    return joined.isValidUtf8();
}

// The content lines to decode: not UTF-8, and naming no set.
QList<LegacyLine> legacyLines(QByteArrayView data)
{
    QList<LegacyLine> lines;
    for (qsizetype start = 0; start < data.size();) {
        qsizetype end = physicalLineEnd(data, start);
        while (end < data.size() && (data[end] == ' ' || data[end] == '\t'))
            end = physicalLineEnd(data, end);
        const QByteArrayView line = data.sliced(start, end - start);
        if (!namesCharset(line) && !isUtf8(line))
            lines.append({start + line.indexOf(':') + 1, end});
        start = end;
    }
    return lines;
}

QByteArray sampleOf(QByteArrayView data, const QList<LegacyLine> &lines)
{
    QByteArray sample;
    for (qsizetype i = 0; i < lines.size() && sample.size() < kMaxSample; ++i)
        sample.append(data.sliced(lines[i].start, lines[i].end - lines[i].start));
    return sample;
}

struct Guess
{
    QByteArray name;
    int confidence = 0;
};

// ICU offers UTF-8, UTF-16 and UTF-32 for any text; these lines are known not to be UTF-8,
// and without a byte-order mark the others are never what a vCard file is.
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
std::optional<QByteArray> detect(QByteArrayView sample)
{
    const auto [best, next] = bestTwo(sample);
    if (best.confidence < LegacyText::kMinConfidence
        || best.confidence - next.confidence < LegacyText::kMinLead)
        return std::nullopt;
    return best.name == "ISO-8859-1" ? kFallback.toByteArray() : best.name;
}

struct Decoded
{
    QByteArray utf8;
    bool complete; // whether the set had a character for every byte
};

// data with the lines decoded from charset (Latin-1 where the system lacks it).
Decoded decoded(QByteArrayView data, const QList<LegacyLine> &lines, const QByteArray &charset)
{
    QStringDecoder decoder(charset.constData());
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Latin1);
    Decoded result{{}, true};
    result.utf8.reserve(data.size() + data.size() / 2);
    qsizetype copied = 0;
    for (const LegacyLine &line : lines) {
        result.utf8.append(data.sliced(copied, line.start - copied));
        decoder.resetState();
        result.utf8.append(
            QString(decoder.decode(data.sliced(line.start, line.end - line.start))).toUtf8());
        result.complete = result.complete && !decoder.hasError();
        copied = line.end;
    }
    result.utf8.append(data.sliced(copied));
    return result;
}

} // namespace

std::optional<LegacyText> LegacyText::decode(QByteArrayView data)
{
    if (data.isValidUtf8())
        return std::nullopt;
    const QList<LegacyLine> lines = legacyLines(data);
    if (lines.isEmpty())
        return std::nullopt;
    LegacyText text;
    if (const std::optional<QByteArray> charset = detect(sampleOf(data, lines))) {
        // A guess that leaves bytes undecoded was wrong.
        Decoded guess = decoded(data, lines, *charset);
        if (guess.complete) {
            text.m_utf8 = std::move(guess.utf8);
            text.m_charset = *charset;
            text.m_detected = true;
            return text;
        }
    }
    text.m_charset = kFallback.toByteArray();
    text.m_utf8 = decoded(data, lines, text.m_charset).utf8;
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
