// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcardvalue.h"

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
    return name.compare("UTF-8", Qt::CaseInsensitive) == 0
        || name.compare("UTF8", Qt::CaseInsensitive) == 0;
}

QString decodeInFallback(QByteArrayView bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
}

// Reads bytes as UTF-8; on invalid sequences, as Windows-1252 (what desktop exports that
// are not UTF-8 nearly always are), so no character is lost.
QString decodeUtf8(QByteArrayView bytes, qsizetype line, VCardDiagnostics &diagnostics)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (!decoder.hasError())
        return text;
    diagnostics.report(line, u"text is not valid UTF-8; read as Windows-1252"_s);
    return decodeInFallback(bytes);
}

QString decodeCharset(QByteArrayView bytes, QByteArrayView charset, qsizetype line,
                      VCardDiagnostics &diagnostics)
{
    if (charset.isEmpty() || isUtf8(charset))
        return decodeUtf8(bytes, line, diagnostics);
    QStringDecoder decoder(charset.toByteArray().constData());
    if (!decoder.isValid()) {
        diagnostics.report(
            line,
            u"unknown character set \"%1\"; read as UTF-8"_s.arg(QString::fromLatin1(charset)));
        return decodeUtf8(bytes, line, diagnostics);
    }
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        diagnostics.report(line, u"text is not valid %1"_s.arg(QString::fromLatin1(charset)));
    return text;
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

QString text(const VCardProperty &property, VCardDiagnostics &diagnostics)
{
    const QByteArrayView charset = property.parameter("CHARSET").value_or(QByteArrayView());
    if (property.isQuotedPrintable())
        return decodeCharset(decodeQuotedPrintable(property.value), charset, property.line,
                             diagnostics);
    return decodeCharset(property.value, charset, property.line, diagnostics);
}

Parts split(QStringView text, QChar separator)
{
    Parts parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            ++i;
        } else if (text[i] == separator) {
            parts.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.sliced(start));
    return parts;
}

QString unescape(const QString &text)
{
    return text.contains(u'\\') ? unescape(QStringView(text)) : text;
}

QString unescape(QStringView text)
{
    if (!text.contains(u'\\'))
        return text.toString();
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            plain.append(text[i]);
            continue;
        }
        const QChar next = text[++i];
        plain.append(next == u'n' || next == u'N' ? QChar(u'\n') : next);
    }
    return plain;
}

std::optional<QByteArray> inlineData(const VCardProperty &property, VCardDiagnostics &diagnostics)
{
    QByteArrayView payload;
    const QByteArrayView value = property.value.trimmed();
    if (property.isBase64()) {
        payload = value;
    } else if (value.first(std::min<qsizetype>(5, value.size()))
                   .compare("data:", Qt::CaseInsensitive)
               == 0) {
        const qsizetype comma = value.indexOf(',');
        const QByteArrayView header = comma < 0 ? value : value.first(comma);
        if (comma < 0 || !header.toByteArray().toLower().endsWith(";base64")) {
            diagnostics.report(property.line, u"picture data: URI is not base64; left out"_s);
            return std::nullopt;
        }
        payload = value.sliced(comma + 1);
    } else if (value.contains(':') || property.hasParameter("VALUE", "uri")
               || property.hasParameter("VALUE", "url")) {
        return std::nullopt; // a link: pictures are never fetched
    } else {
        payload = value; // some exporters write base64 without saying so
    }
    std::optional<QByteArray> bytes = decodeBase64(payload);
    if (!bytes || bytes->isEmpty()) {
        diagnostics.report(property.line, u"picture is not valid base64; left out"_s);
        return std::nullopt;
    }
    return bytes;
}

} // namespace VCardValue
