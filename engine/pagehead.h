// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's language puts in the head of the page and of the preview: the html start
// tag with its language and direction, and for right-to-left languages a small style sheet
// that mirrors what the default one places by side. English pages keep their plain
// "<html>" and no extra style.
//
//   htmlStartTag(arabic)          // "<html lang=\"ar\" dir=\"rtl\">"
//   directionStyleElement(arabic) // "\t<style type=\"text/css\" media=\"all\">\n...\t</style>\n"
#pragma once

#include <QString>

class PageLanguage;

[[nodiscard]] QString htmlStartTag(const PageLanguage &language);
/// Empty for a left-to-right language. Its rules carry "[dir=rtl]", which outweighs the
/// user's plain class rules; it comes before the user's style sheet, so a rule of the same
/// weight there still wins.
[[nodiscard]] QString directionStyleElement(const PageLanguage &language);
