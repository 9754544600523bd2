// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding the raw value of a vCard content line: transfer encodings (quoted-printable,
// base64, data: URIs), character sets, and the backslash escapes of text values. In
// escapes, "\n" and "\N" are a line feed and any other backslash pair stands for its second
// character (desktop exports write "http\://"), so "\;" and "\," never split a value.
//
// Text stays UTF-8 throughout, as the address book keeps it: a value that already is valid
// UTF-8 without escapes is never copied.
#pragma once

#include "addressbook/vcard/vcarddiagnostics.h"
#include "addressbook/vcard/vcardreader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVarLengthArray>

#include <optional>

namespace VCardValue {

/// UTF-8 text that either points into the data or owns its bytes.
class Utf8 final
{
public:
    Utf8() = default;
    explicit Utf8(QByteArrayView view)
        : m_view(view)
    {}
    explicit Utf8(QByteArray bytes)
        : m_owned(std::move(bytes))
        , m_view(m_owned)
    {}
    Utf8(Utf8 &&other) noexcept = default; // QByteArray keeps its bytes where they are
    Utf8 &operator=(Utf8 &&other) noexcept = default;
    Utf8(const Utf8 &) = delete;
    Utf8 &operator=(const Utf8 &) = delete;

    [[nodiscard]] QByteArrayView view() const { return m_view; }
    [[nodiscard]] bool isEmpty() const { return m_view.isEmpty(); }
    /// Whether it holds its bytes itself, rather than pointing into someone else's.
    [[nodiscard]] bool ownsBytes() const { return !m_owned.isNull(); }
    /// Without blanks and tabs at either end.
    [[nodiscard]] Utf8 trimmed() &&;
    /// The same bytes, seen through part, which must lie within view().
    [[nodiscard]] Utf8 narrowed(QByteArrayView part) &&;
    [[nodiscard]] QString toString() const { return QString::fromUtf8(m_view); }

private:
    QByteArray m_owned;
    QByteArrayView m_view;
};

using Parts = QVarLengthArray<QByteArrayView, 8>;

[[nodiscard]] QByteArray decodeQuotedPrintable(QByteArrayView encoded);
/// Blanks and line breaks inside are ignored; any other stray character makes it invalid.
[[nodiscard]] std::optional<QByteArray> decodeBase64(QByteArrayView encoded);
/// Qt's check, which also refuses overlong forms, surrogates and code points past Unicode; a
/// function of its own so that pieces of a text can be mapped to it.
[[nodiscard]] bool isValidUtf8(QByteArrayView bytes);
/// text with A-Z made a-z, where it is ASCII alone; none otherwise, for the caller to fold
/// with the case tables (identifiers and handles nearly always are ASCII).
[[nodiscard]] std::optional<QString> asciiLowered(QStringView text);

/// The text of a property in UTF-8: quoted-printable undone, then read in its CHARSET
/// (UTF-8 when it names none). Bytes that are not valid in that set are read as
/// Windows-1252, with one diagnostic. Escapes are left in place. validUtf8 says the value
/// is known to be valid UTF-8 as written (it lies in a text that is), which spares the check.
[[nodiscard]] Utf8 text(const VCardProperty &property, VCardDiagnostics &diagnostics,
                        bool validUtf8 = false);

/// The parts of text between unescaped separators, escapes left in place.
[[nodiscard]] Parts split(QByteArrayView text, char separator);
/// text with its backslash escapes resolved.
[[nodiscard]] Utf8 unescape(QByteArrayView text);
/// unescape(text), trimmed. The result may point into text.
[[nodiscard]] Utf8 plain(QByteArrayView text);
/// The same, keeping text's own bytes alive where the result lies in them.
[[nodiscard]] Utf8 plain(Utf8 &&text);

/// The picture bytes of a PHOTO-like property: base64 (ENCODING=b / BASE64, or a value that
/// is no link), or a base64 data: URI (its "," and ";" may be escaped, and ENCODING=b may
/// be given too). None for a link (never fetched) and for a value that is not valid base64
/// (diagnosed).
[[nodiscard]] std::optional<QByteArray> inlineData(const VCardProperty &property,
                                                   VCardDiagnostics &diagnostics);

} // namespace VCardValue
