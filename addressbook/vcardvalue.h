// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding the raw value of a vCard content line: transfer encodings (quoted-printable,
// base64, data: URIs), character sets, and the backslash escapes of text values. In
// escapes, "\n" and "\N" are a line feed and any other backslash pair stands for its second
// character (desktop exports write "http\://"), so "\;" and "\," never split a value.
#pragma once

#include "addressbook/vcarddiagnostics.h"
#include "addressbook/vcardreader.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <optional>

namespace VCardValue {

[[nodiscard]] QByteArray decodeQuotedPrintable(QByteArrayView encoded);
/// Blanks and line breaks inside are ignored; any other stray character makes it invalid.
[[nodiscard]] std::optional<QByteArray> decodeBase64(QByteArrayView encoded);

/// The text of a property: quoted-printable undone, then read in its CHARSET (UTF-8 when it
/// names none). Bytes that are not valid in that set are read as Windows-1252, with one
/// diagnostic. Escapes are left in place.
[[nodiscard]] QString text(const VCardProperty &property, VCardDiagnostics &diagnostics);

/// The parts of text between unescaped separators, escapes left in place.
using Parts = QVarLengthArray<QStringView, 8>;
[[nodiscard]] Parts split(QStringView text, QChar separator);
/// text with its backslash escapes resolved.
[[nodiscard]] QString unescape(QStringView text);
/// The same; text itself, not a copy, when it holds no escape.
[[nodiscard]] QString unescape(const QString &text);

/// The picture bytes of a PHOTO-like property: base64 (ENCODING=b / BASE64, or a value that
/// is no link), or a data: URI. None for a link (never fetched) and for a value that is not
/// valid base64 (diagnosed).
[[nodiscard]] std::optional<QByteArray> inlineData(const VCardProperty &property,
                                                   VCardDiagnostics &diagnostics);

} // namespace VCardValue
