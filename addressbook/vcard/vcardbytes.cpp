// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardbytes.h"
#include "addressbook/vcard/vcardreader.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

// How many bytes at the start are looked at: the first lines of any card.
constexpr qsizetype kSampleBytes = 512;

struct Signature
{
    QByteArrayView start;
    QLatin1StringView kind;
};

constexpr std::array kSignatures{
    Signature{"PK\x03\x04", "a zip archive"_L1},
    Signature{"PK\x05\x06", "a zip archive"_L1}, // one with no files in it
    Signature{"\x7F"
              "ELF",
              "a program"_L1},
};

QString signatureKind(QByteArrayView data)
{
    for (const Signature &signature : kSignatures) {
        if (data.startsWith(signature.start))
            return signature.kind;
    }
    return {};
}

QByteArrayView head(QByteArrayView data)
{
    return data.first(std::min(data.size(), kSampleBytes));
}

bool holdsBegin(QByteArrayView text)
{
    constexpr QByteArrayView kBegin = "BEGIN:VCARD";
    for (qsizetype at = 0; at + kBegin.size() <= text.size(); ++at) {
        if (equalsIgnoringCase(text.sliced(at, kBegin.size()), kBegin))
            return true;
    }
    return false;
}

} // namespace

// The names and parameters of a card are ASCII, so in UTF-16 one byte of each is zero, on
// the same side every time; text in an 8-bit set has no zero byte, and binary data has them on
// both sides. Letters beyond Latin (a long Chinese note early on) leave fewer zeros, but hardly
// ever one on the other side, so a handful is enough.
std::optional<QStringConverter::Encoding> unmarkedUtf16(QByteArrayView data)
{
    constexpr qsizetype kMinZeros = 8; // "BEGIN:VCARD" alone has 11
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF")
        || !signatureKind(data).isEmpty())
        return std::nullopt;
    const QByteArrayView sample = head(data);
    std::array<qsizetype, 2> zeros{0, 0}; // at even and at odd offsets
    for (qsizetype at = 0; at < sample.size(); ++at)
        zeros[std::size_t(at % 2)] += sample[at] == '\0';
    const auto oneSided = [](qsizetype many, qsizetype few) {
        return many >= kMinZeros && few * 8 <= many;
    };
    if (oneSided(zeros[1], zeros[0]))
        return QStringConverter::Utf16LE;
    if (oneSided(zeros[0], zeros[1]))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

// Text has no zero bytes; a card file that has one near its start still says BEGIN:VCARD
// there.
QString binaryKind(QByteArrayView data)
{
    if (QString kind = signatureKind(data); !kind.isEmpty())
        return kind;
    const QByteArrayView sample = head(data);
    if (sample.contains('\0') && !holdsBegin(sample) && !unmarkedUtf16(data))
        return u"binary data"_s;
    return {};
}
