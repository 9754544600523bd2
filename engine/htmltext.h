// SPDX-License-Identifier: GPL-3.0-or-later
// Text on its way into the page: escaping for element content and attributes, the style
// sheet's guard, and the one-line data item that shows one labelled value, linked through its
// scheme. Contact data comes from other people's cards, so nothing in it may change the page's
// markup; nor may the style sheet leave its element.
//
//   makeDataItem(u"email"_s, u"Work"_s, u"mailto:"_s, u"abc"_s, u"abc"_s)
//   // "\t\t\t\t<div class=\"email\"><span class=\"label\">Work</span><span
//   //  class=\"value\"><a href=\"mailto:abc\">abc</a></span></div>\n"
#pragma once

#include <QString>

#include <optional>

/// Escapes "<", ">" and "&" as numeric references and turns CR and LF into "<br>".
/// A numeric reference already in the text ("&#65;") stays as it is. Control characters
/// other than tab and the line breaks are left out. One pass, so its time grows with the
/// text alone.
[[nodiscard]] QString cleanValue(const QString &text);

/// A cleaned text made fit for a double-quoted attribute: each double quote as "&#34;".
[[nodiscard]] QString attributeForm(const QString &cleanedText);

/// The style sheet as the text of the page's <style> element: every "</" before "style" (in
/// any case) becomes "<\/", which the page's parser does not read as the element's end, and
/// which means the same "/" to CSS inside and outside strings. The rest stays as it is.
[[nodiscard]] QString styleElementText(const QString &css);

/// The link target for linkValue under scheme, ready for a double-quoted attribute, by the
/// first rule that applies: "%@" in the scheme replaced by the value; the value alone when
/// it already begins with the scheme (case-sensitive) or with a scheme of its own followed
/// by "//" ("https://example.org"); else scheme + value. Contact text is never trusted: a
/// target that a browser would read as a "javascript:", "vbscript:" or "data:" link gives
/// none. In the target every double quote becomes "%22", "&", "<" and ">" become numeric
/// references (so no reference in contact text can hide a scheme), and control characters
/// are left out; callers pass the target as a link reads it, not escaped for the page.
[[nodiscard]] std::optional<QString> linkTarget(const QString &scheme, const QString &linkValue);

/// One data item: a div of cssClass with the cleaned label and the cleaned value, the value
/// linked to linkTarget(scheme, linkValue) unless the scheme is empty or there is no target,
/// and followed by the cleaned valueSuffix outside the link (" (AIM)").
[[nodiscard]] QString makeDataItem(QStringView cssClass, const QString &label,
                                   const QString &scheme, const QString &value,
                                   const QString &linkValue, const QString &valueSuffix = {});
/// The same item appended to out, as a card is written.
void appendDataItem(QString &out, QStringView cssClass, const QString &label, const QString &scheme,
                    const QString &value, const QString &linkValue,
                    const QString &valueSuffix = {});
