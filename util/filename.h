// SPDX-License-Identifier: GPL-3.0-or-later
// File names as the bytes the system gives. Qt reads a name as UTF-8 and turns every byte
// that is not into U+FFFD, after which the file cannot be found again; old disks and
// archives hold names in other encodings ("M\xFCller.vcf" in Latin-1). Here each such byte
// becomes a lone surrogate, U+DC80 to U+DCFF, which no valid text holds: the name goes back
// to its exact bytes when the file is opened, and messages show the byte as "\xFC".
// Names that are valid UTF-8 come out as Qt gives them.
//
//   const QString name = decodeFileName(entry->d_name);
//   const int fd = ::open(encodeFileName(name).constData(), O_RDONLY | O_CLOEXEC);
//   if (fd < 0) report(printableFileName(name) + u": cannot be read"_s);
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

#include <sys/types.h>

/// bytes as text: UTF-8, each byte of a sequence that is not valid UTF-8 (a stray byte, a
/// sequence cut short, an overlong form, a surrogate, past U+10FFFF) as U+DC00 + the byte.
/// UTF-8 has no valid form of U+DC80..U+DCFF, so no name can pass for such an escape: the
/// three bytes of one written as UTF-8 anyway are escaped each.
[[nodiscard]] QString decodeFileName(QByteArrayView bytes);

/// The inverse of decodeFileName: each lone U+DC80..U+DCFF back to its byte, the rest as
/// UTF-8. The other lone surrogates, which no decoded name holds, become '?', as Qt writes
/// them.
[[nodiscard]] QByteArray encodeFileName(QStringView name);

/// For one line of a message: each escaped byte, and each control character that
/// visibleControls escapes, as "\xHH". Text that holds such names (a message naming them)
/// is shown the same way.
[[nodiscard]] QString printableFileName(QStringView name);

/// A program's arguments (main's argc and argv, the program first), each decoded as a file
/// name: Qt's own list has already lost the bytes of a name that is not UTF-8.
[[nodiscard]] QStringList decodeArguments(int argc, const char *const *argv);

/// name made absolute against the working folder and cleaned, as
/// QFileInfo::absoluteFilePath makes it, but keeping the escaped bytes, which that loses.
[[nodiscard]] QString absoluteFileName(const QString &name);

/// The type and permission bits of the file name names (links followed), or none when it
/// cannot be looked at; errno then says why.
[[nodiscard]] std::optional<mode_t> fileMode(const QString &name);
