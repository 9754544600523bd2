// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/htmltext.h"

#include "qtprinters.h"
#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct TextRow : NamedRow
{
    QString input;
    QString expected;
};

class CleanValue : public testing::TestWithParam<TextRow>
{};

TEST_P(CleanValue, escapesMarkupAndKeepsNumericReferences)
{
    EXPECT_EQ(cleanValue(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CleanValue,
    testing::Values(TextRow{"ampersandAndBrackets", u"Tom & Jerry <tj>"_s,
                            u"Tom &#38; Jerry &#60;tj&#62;"_s},
                    TextRow{"crlfGivesTwoBreaks", u"line1\r\nline2"_s, u"line1<br><br>line2"_s},
                    TextRow{"lineFeed", u"a\nb"_s, u"a<br>b"_s},
                    TextRow{"numericReferenceKept", u"&#65;"_s, u"&#65;"_s},
                    TextRow{"namedReferenceEscaped", u"&amp;"_s, u"&#38;amp;"_s},
                    TextRow{"quotesPass", u"\"it's\""_s, u"\"it's\""_s},
                    TextRow{"scriptTagDisarmed", u"<script>alert(1)</script>"_s,
                            u"&#60;script&#62;alert(1)&#60;/script&#62;"_s},
                    TextRow{"empty", QString(), QString()},
                    // An ampersand keeps its form only when "#6" itself follows it.
                    TextRow{"ampersandBeforeBracket", u"&<b"_s, u"&#38;&#60;b"_s},
                    TextRow{"ampersandBeforeReference", u"&&#65;"_s, u"&#38;&#65;"_s},
                    TextRow{"escapedAmpersandText", u"&#38;#6"_s, u"&#38;#38;#6"_s},
                    TextRow{"breakBetween", u"&\n#6"_s, u"&#38;<br>#6"_s},
                    TextRow{"otherReference", u"x&#6&#7"_s, u"x&#6&#38;#7"_s}),
    RowName());

TEST(AttributeForm, writesDoubleQuotesAsReferences)
{
    EXPECT_EQ(attributeForm(cleanValue(u"Dwayne \"The Rock\" <J>"_s)),
              u"Dwayne &#34;The Rock&#34; &#60;J&#62;"_s);
}

struct LinkRow : NamedRow
{
    QString scheme;
    QString linkValue;
    QString expected;
};

class LinkTarget : public testing::TestWithParam<LinkRow>
{};

TEST_P(LinkTarget, joinsSchemeAndValue)
{
    EXPECT_EQ(linkTarget(GetParam().scheme, GetParam().linkValue), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LinkTarget,
    testing::Values(LinkRow{"prefixed", u"mailto:"_s, u"abc"_s, u"mailto:abc"_s},
                    LinkRow{"placeholder", u"xmpp:%@?message"_s, u"abc"_s, u"xmpp:abc?message"_s},
                    LinkRow{"twoPlaceholders", u"%@/%@"_s, u"a"_s, u"a/a"_s},
                    LinkRow{"alreadyPrefixed", u"tel:"_s, u"tel:123"_s, u"tel:123"_s},
                    LinkRow{"prefixTestIsCaseSensitive", u"tel:"_s, u"TEL:123"_s, u"tel:TEL:123"_s},
                    LinkRow{"blankScheme", u" "_s, u"x"_s, u" x"_s},
                    LinkRow{"quoteCannotEndTheAttribute", u"http://"_s,
                            u"x\" onmouseover=\"alert(1)"_s,
                            u"http://x%22 onmouseover=%22alert(1)"_s},
                    LinkRow{"quoteInScheme", u"a\"%@"_s, u"b"_s, u"a%22b"_s}),
    RowName());

struct ItemRow : NamedRow
{
    QString label;
    QString scheme;
    QString value;
    QString linkValue;
    QString expected;
};

class DataItem : public testing::TestWithParam<ItemRow>
{};

TEST_P(DataItem, isOneLineOfMarkup)
{
    const ItemRow &row = GetParam();
    EXPECT_EQ(makeDataItem(u"email"_s, row.label, row.scheme, row.value, row.linkValue),
              row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DataItem,
    testing::Values(
        ItemRow{"linked", u"Work"_s, u"mailto:"_s, u"abc"_s, u"abc"_s,
                u"\t\t\t\t<div class=\"email\"><span class=\"label\">Work</span><span "
                u"class=\"value\"><a href=\"mailto:abc\">abc</a></span></div>\n"_s},
        ItemRow{"emptySchemeNoLink", u"Work"_s, QString(), u"a<b"_s, u"a<b"_s,
                u"\t\t\t\t<div class=\"email\"><span class=\"label\">Work</span><span "
                u"class=\"value\">a&#60;b</span></div>\n"_s},
        ItemRow{"hostileLabelEscaped", u"<script>x</script>"_s, QString(), u"v"_s, u"v"_s,
                u"\t\t\t\t<div class=\"email\"><span class=\"label\">&#60;script&#62;x&#60;/"
                u"script&#62;</span><span class=\"value\">v</span></div>\n"_s},
        ItemRow{"emptyLabel", QString(), QString(), u"v"_s, u"v"_s,
                u"\t\t\t\t<div class=\"email\"><span class=\"label\"></span><span "
                u"class=\"value\">v</span></div>\n"_s},
        ItemRow{"percentInValueNotExpanded", u"%1"_s, u"x:"_s, u"%2"_s, u"%3"_s,
                u"\t\t\t\t<div class=\"email\"><span class=\"label\">%1</span><span "
                u"class=\"value\"><a href=\"x:%3\">%2</a></span></div>\n"_s},
        ItemRow{"javascriptValueStaysInsideTheAttribute", u"Home"_s, u"http://"_s,
                u"javascript:alert(1)"_s, u"\"><script>alert(1)</script>"_s,
                u"\t\t\t\t<div class=\"email\"><span class=\"label\">Home</span><span "
                u"class=\"value\"><a href=\"http://%22><script>alert(1)</script>\">"
                u"javascript:alert(1)</a></span></div>\n"_s}),
    RowName());

} // namespace
