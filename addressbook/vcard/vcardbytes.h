// SPDX-License-Identifier: GPL-3.0-or-later
// What the first bytes of a file show it to be, before any of it is read as text: UTF-16
// without a byte-order mark (some exporters write it so), or no text at all
// (an archive or a program named .vcf by mistake), which no character set makes cards of.
//
//   if (const auto order = unmarkedUtf16(bytes)) text = QStringDecoder(*order).decode(bytes);
//   else if (const QString kind = binaryKind(bytes); !kind.isEmpty()) report(kind);
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringConverter>

#include <optional>

/// The byte order of UTF-16 text that starts without a byte-order mark; none for anything
/// else, UTF-16 with a mark included.
[[nodiscard]] std::optional<QStringConverter::Encoding> unmarkedUtf16(QByteArrayView data);

/// What data is when it is no text: "a zip archive", "a program" or "binary data"; empty
/// for text, UTF-16 included.
[[nodiscard]] QString binaryKind(QByteArrayView data);
