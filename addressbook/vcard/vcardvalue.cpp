// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardvalue.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace VCardValue {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool isUtf8(QByteArrayView name)
{
    return equalsIgnoringCase(name, "UTF-8") || equalsIgnoringCase(name, "UTF8");
}

QByteArray decodeInFallback(QByteArrayView bytes)
{
    QStringDecoder decoder("windows-1252");
    return (decoder.isValid() ? QString(decoder.decode(bytes)) : QString::fromLatin1(bytes))
        .toUtf8();
}

// Valid UTF-8 is taken as it is; anything else is read as Windows-1252 (what desktop
// exports that are not UTF-8 nearly always are), so no character is lost.
Utf8 checkedUtf8(Utf8 bytes, qsizetype line, VCardDiagnostics &diagnostics)
{
    if (isValidUtf8(bytes.view()))
        return bytes;
    diagnostics.report(line, u"text is not valid UTF-8; read as Windows-1252"_s);
    return Utf8(decodeInFallback(bytes.view()));
}

Utf8 decodeCharset(Utf8 bytes, QByteArrayView charset, qsizetype line,
                   VCardDiagnostics &diagnostics)
{
    if (charset.isEmpty() || isUtf8(charset))
        return checkedUtf8(std::move(bytes), line, diagnostics);
    QStringDecoder decoder(charset.toByteArray().constData());
    if (!decoder.isValid()) {
        diagnostics.report(
            line,
            u"unknown character set \"%1\"; read as UTF-8"_s.arg(QString::fromLatin1(charset)));
        return checkedUtf8(std::move(bytes), line, diagnostics);
    }
    const QString text = decoder.decode(bytes.view());
    if (decoder.hasError())
        diagnostics.report(line, u"text is not valid %1"_s.arg(QString::fromLatin1(charset)));
    return Utf8(text.toUtf8());
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmedBlanks(QByteArrayView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text[start]))
        ++start;
    while (end > start && isBlank(text[end - 1]))
        --end;
    return text.sliced(start, end - start);
}

} // namespace

QByteArray decodeQuotedPrintable(QByteArrayView encoded)
{
    QByteArray decoded;
    decoded.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '=' && i + 2 < encoded.size()) {
            const int high = hexDigit(encoded[i + 1]);
            const int low = hexDigit(encoded[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded.append(char(high * 16 + low));
                i += 2;
                continue;
            }
        }
        decoded.append(c);
    }
    return decoded;
}

std::optional<QByteArray> decodeBase64(QByteArrayView encoded)
{
    QByteArray compact;
    compact.reserve(encoded.size());
    for (const char c : encoded) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            compact.append(c);
    }
    auto result = QByteArray::fromBase64Encoding(std::move(compact),
                                                 QByteArray::AbortOnBase64DecodingErrors);
    if (!result)
        return std::nullopt;
    QByteArray bytes = std::move(*result);
    bytes.squeeze();
    return bytes;
}

std::optional<QString> asciiLowered(QStringView text)
{
    QString lowered(text.size(), Qt::Uninitialized);
    QChar *out = lowered.data();
    char16_t bits = 0; // of every character, to tell ASCII at the end
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        bits |= c;
        out[i] = QChar(char16_t(c + (char16_t(c - u'A') < 26 ? u'a' - u'A' : 0)));
    }
    if (bits >= 0x80)
        return std::nullopt;
    return lowered;
}

bool isValidUtf8(QByteArrayView bytes)
{
    return bytes.isValidUtf8();
}

Utf8 text(const VCardProperty &property, VCardDiagnostics &diagnostics, bool validUtf8)
{
    const QByteArrayView charset = property.parameter("CHARSET").value_or(QByteArrayView());
    const bool quotedPrintable = property.isQuotedPrintable();
    if (validUtf8 && !quotedPrintable && (charset.isEmpty() || isUtf8(charset)))
        return Utf8(property.value);
    Utf8 bytes
        = quotedPrintable ? Utf8(decodeQuotedPrintable(property.value)) : Utf8(property.value);
    return decodeCharset(std::move(bytes), charset, property.line, diagnostics);
}

Parts split(QByteArrayView text, char separator)
{
    Parts parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == separator) {
            parts.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.sliced(start));
    return parts;
}

Utf8 Utf8::trimmed() &&
{
    m_view = trimmedBlanks(m_view);
    return std::move(*this);
}

Utf8 Utf8::narrowed(QByteArrayView part) &&
{
    m_view = part;
    return std::move(*this);
}

Utf8 plain(Utf8 &&text)
{
    Utf8 result = plain(text.view());
    return result.ownsBytes() ? std::move(result) : std::move(text).narrowed(result.view());
}

Utf8 plain(QByteArrayView text)
{
    Utf8 unescaped = unescape(trimmedBlanks(text));
    // Only an escaped blank or tab ("\ ") can be left at the start, and only a copy holds one.
    return unescaped.ownsBytes() ? std::move(unescaped).trimmed() : std::move(unescaped);
}

Utf8 unescape(QByteArrayView text)
{
    if (indexOfByte(text, '\\') < 0)
        return Utf8(text);
    // Written through a pointer: a value is never longer unescaped, and appending byte by
    // byte costs a check each.
    QByteArray plain(text.size(), Qt::Uninitialized);
    char *out = plain.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            *out++ = text[i];
            continue;
        }
        const char next = text[++i];
        *out++ = next == 'n' || next == 'N' ? '\n' : next;
    }
    plain.truncate(out - plain.constData());
    return Utf8(std::move(plain));
}

std::optional<QByteArray> inlineData(const VCardProperty &property, VCardDiagnostics &diagnostics)
{
    // Exporters escape the "," and ";" of a data: URI as in text, and some add ENCODING=b to
    // it; neither changes what the URI holds.
    const Utf8 unescaped = unescape(property.value.trimmed());
    const QByteArrayView value = unescaped.view();
    QByteArrayView payload = value;
    if (startsWithIgnoringCase(value, "data:")) {
        const qsizetype comma = value.indexOf(',');
        const QByteArrayView header = comma < 0 ? value : value.first(comma);
        if (comma < 0 || !header.toByteArray().toLower().endsWith(";base64")) {
            diagnostics.report(property.line, u"picture data: URI is not base64; left out"_s);
            return std::nullopt;
        }
        payload = value.sliced(comma + 1);
    } else if (!property.isBase64()
               && (value.contains(':') || property.hasParameter("VALUE", "uri")
                   || property.hasParameter("VALUE", "url"))) {
        return std::nullopt; // a link: pictures are never fetched
    }
    // Base64 as the card says, or as some exporters write it without saying so.
    std::optional<QByteArray> bytes = decodeBase64(payload);
    if (!bytes || bytes->isEmpty()) {
        diagnostics.report(property.line, u"picture is not valid base64; left out"_s);
        return std::nullopt;
    }
    return bytes;
}

} // namespace VCardValue
