// SPDX-License-Identifier: GPL-3.0-or-later
// Control characters in contact text. A page may carry none but tab and the line breaks
// (HTML 4.01 forbids the rest), and a terminal obeys them (an escape sequence can rewrite
// what the user sees), so the page leaves them out and messages show them as escapes.
//
//   withoutPageControls(u"a\u0000b\tc"_s)  // "ab\tc"
//   visibleControls(u"a\u001B[2Jb\n"_s)   // "a\\x1B[2Jb\n"
#pragma once

#include <QString>

/// True for a control character (U+0000 to U+001F, U+007F to U+009F: Unicode's controls,
/// a set fixed for good) other than tab, line feed and carriage return. Inline, as the page's
/// text is checked character by character.
[[nodiscard]] inline bool isPageControl(QChar c)
{
    const char16_t code = c.unicode();
    if (code < 0x20)
        return code != u'\t' && code != u'\n' && code != u'\r';
    return code >= 0x7F && code <= 0x9F;
}

/// The text without the characters that isPageControl names.
[[nodiscard]] QString withoutPageControls(const QString &text);

/// The text with every control character but tab and line feed written as "\xHH" (upper-case
/// hex), for one line of a message.
[[nodiscard]] QString visibleControls(const QString &text);
