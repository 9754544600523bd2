// SPDX-License-Identifier: GPL-3.0-or-later
// Pure text operations that the page writer, the sorting code and the window call by name:
// literal search and replace, title case, trims, diacritic stripping, percent escaping and
// a few tests. Every index and length counts UTF-16 code units, so a character outside the
// Basic Multilingual Plane counts as two. No function changes its argument, and an empty
// receiver comes back unchanged from every function that returns a string.
//
//   titleCaseString(u"the lord of the rings"_s)  // "The Lord of the Rings"
//   addPercentEscapes(u"a b&c"_s)                 // "a%20b%26c"
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace QEV_NSStringAdditionsSubset {

using CharacterSet = QSet<QChar>;

/// The six separators of title case: space, tab, LF, CR, vertical tab and form feed.
/// Built once, on first use, safely from any thread.
[[nodiscard]] const CharacterSet &allWhitespaceCharacterSet();
/// LF and CR. Built once, on first use, safely from any thread.
[[nodiscard]] const CharacterSet &newlineCharacterSet();

/// True only for the empty string; a string of blanks is a value.
[[nodiscard]] bool isBlankString(const QString &receiver);
/// Locale-independent, full case mapping on both sides. An empty prefix never matches.
[[nodiscard]] bool hasCaseInsensitivePrefix(const QString &receiver, const QString &prefix);
/// The receiver without its first prefix.size() code units when it has that prefix
/// (ignoring case); otherwise the receiver unchanged.
[[nodiscard]] QString deprefixCaseInsensitive(const QString &receiver, const QString &prefix);
/// Canonically equivalent sequences match, and a match covers whole characters: "e" is
/// not found in "é", written composed or decomposed. An empty needle is never found.
[[nodiscard]] bool containsString(const QString &receiver, const QString &needle,
                                  bool considerCase);

/// One one-code-unit string per code unit, in order.
[[nodiscard]] QStringList characters(const QString &receiver);
/// The code unit at index as a string; the all-ones index means the last one. Past the
/// end, or on an empty receiver, there is none.
[[nodiscard]] std::optional<QString> charAtIndex(const QString &receiver, std::uint32_t index);
/// The first code unit as a string; a receiver of length 0 or 1 comes back unchanged.
[[nodiscard]] QString firstCharacter(const QString &receiver);

/// Replaces every occurrence of search, left to right, without overlaps, comparing code
/// units literally. An empty search string replaces nothing.
[[nodiscard]] QString snr(const QString &receiver, const QString &search,
                          const QString &replacement);
/// Applies the pairs (search[i], replacements[i]) in turn, each pass on the result of the
/// one before. Pairs without a replacement are not applied.
[[nodiscard]] QString snrBatch(const QString &receiver, const QStringList &search,
                               const QStringList &replacements);

/// Capitalises the first code unit of every word (the rest stays as it is), shrinks each run
/// of separators to its first character, drops leading blanks, and lowers the small words
/// ("a", "and", "of", "the", ...) where a space stands on both sides of them.
[[nodiscard]] QString titleCaseString(const QString &receiver);
/// Keeps the characters of allowed. Unicode white space survives only inside a run that
/// begins with another allowed character; clean(u"+1 (555) 123-4567"_s, u"0123456789"_s)
/// is "15551234567".
[[nodiscard]] QString clean(const QString &receiver, const QString &allowed);

/// Drops leading code units that, as one-character strings, are in characters.
[[nodiscard]] QString trimFromStart(const QString &receiver, const QStringList &characters);
/// Drops trailing code units that, as one-character strings, are in characters.
[[nodiscard]] QString trimFromEnd(const QString &receiver, const QStringList &characters);
/// trimFromStart, then trimFromEnd.
[[nodiscard]] QString trimFromBoth(const QString &receiver, const QStringList &characters);

/// The canonical decomposition without its combining marks, not recomposed:
/// "Ångström" gives "Angstrom".
[[nodiscard]] QString stripDiacritical(const QString &receiver);
/// Escapes everything but ASCII letters, digits and - _ . ! ~ * ' ( ) ? $ , as %XX of its
/// UTF-8 bytes (upper-case hex). The number and percent signs are escaped too, so a value
/// such as "100%" or "#1" survives as a link target.
[[nodiscard]] QString addPercentEscapes(const QString &receiver);

} // namespace QEV_NSStringAdditionsSubset
