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
                    TextRow{"otherReference", u"x&#6&#7"_s, u"x&#6&#38;#7"_s},
                    TextRow{"controlsLeftOutTabKept", u"a\u0000b\u001B[2Jc\u007Fd\u009Be\tf"_s,
                            u"ab[2Jcde\tf"_s},
                    TextRow{"controlBesideMarkup", u"<\u0007&"_s, u"&#60;&#38;"_s}),
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
    std::optional<QString> expected;
};

class LinkTarget : public testing::TestWithParam<LinkRow>
{};

TEST_P(LinkTarget, joinsSchemeAndValue)
{
    EXPECT_EQ(linkTarget(GetParam().scheme, GetParam().linkValue), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LinkTarget,
    testing::Values(
        LinkRow{"prefixed", u"mailto:"_s, u"abc"_s, u"mailto:abc"_s},
        LinkRow{"placeholder", u"xmpp:%@?message"_s, u"abc"_s, u"xmpp:abc?message"_s},
        LinkRow{"twoPlaceholders", u"%@/%@"_s, u"a"_s, u"a/a"_s},
        LinkRow{"alreadyPrefixed", u"tel:"_s, u"tel:123"_s, u"tel:123"_s},
        LinkRow{"prefixTestIsCaseSensitive", u"tel:"_s, u"TEL:123"_s, u"tel:TEL:123"_s},
        LinkRow{"blankScheme", u" "_s, u"x"_s, u" x"_s},
        LinkRow{"quoteCannotEndTheAttribute", u"http://"_s, u"x\" onmouseover=\"alert(1)"_s,
                u"http://x%22 onmouseover=%22alert(1)"_s},
        LinkRow{"quoteInScheme", u"a\"%@"_s, u"b"_s, u"a%22b"_s},
        LinkRow{"ownSchemeKept", u"http://"_s, u"https://example.org"_s, u"https://example.org"_s},
        LinkRow{"ownSchemeOfAnyCaseKept", u"http://"_s, u"FTP://host/a"_s, u"FTP://host/a"_s},
        LinkRow{"schemeWithDigitsAndMarks", u"http://"_s, u"svn+ssh.1-a://h"_s,
                u"svn+ssh.1-a://h"_s},
        LinkRow{"schemeWithoutSlashesGetsOurs", u"http://"_s, u"https:x.org"_s,
                u"http://https:x.org"_s},
        LinkRow{"digitFirstIsNoScheme", u"http://"_s, u"1a://x"_s, u"http://1a://x"_s},
        LinkRow{"slashesWithoutSchemeGetOurs", u"http://"_s, u"://x"_s, u"http://://x"_s},
        LinkRow{"placeholderWinsOverOwnScheme", u"xmpp:%@?message"_s, u"https://x"_s,
                u"xmpp:https://x?message"_s},
        LinkRow{"ampersandCannotFormAReference", u"http://"_s, u"x.org/?a=1&b=2"_s,
                u"http://x.org/?a=1&#38;b=2"_s},
        LinkRow{"referenceCannotHideAScheme", u"%@"_s, u"&#106;avascript:alert(1)"_s,
                u"&#38;#106;avascript:alert(1)"_s},
        LinkRow{"controlsLeftOut", u"http://"_s, u"a\u0000b\u001Bc"_s, u"http://abc"_s},
        // Whatever the user's scheme, contact text never becomes a script link.
        LinkRow{"scriptUnderPlaceholder", u"%@"_s, u"javascript:alert(1)"_s, std::nullopt},
        LinkRow{"scriptOfItsOwnScheme", u"http://"_s, u"javascript://%0Aalert(1)"_s, std::nullopt},
        LinkRow{"scriptThatBeginsWithTheScheme", u"java"_s, u"javascript:x"_s, std::nullopt},
        LinkRow{"scriptAsTheUsersScheme", u"javascript:"_s, u"void(0)"_s, std::nullopt},
        LinkRow{"scriptOfAnyCase", u"%@"_s, u"JaVaScRiPt:x"_s, std::nullopt},
        LinkRow{"scriptBehindBlanksAndControls", u"%@"_s, u" \t\u0001\u00A0javascript:x"_s,
                std::nullopt},
        LinkRow{"scriptSplitByLineBreaks", u"%@"_s, u"java\r\nscr\tipt:x"_s, std::nullopt},
        LinkRow{"visualBasicScript", u"%@"_s, u"VBScript:x"_s, std::nullopt},
        LinkRow{"dataTarget", u"%@"_s, u"data:text/html,<b>"_s, std::nullopt},
        LinkRow{"scriptWordLaterIsHarmless", u"http://"_s, u"x.org/javascript:"_s,
                u"http://x.org/javascript:"_s}),
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
        ItemRow{
            "javascriptValueStaysInsideTheAttribute", u"Home"_s, u"http://"_s,
            u"javascript:alert(1)"_s, u"\"><script>alert(1)</script>"_s,
            u"\t\t\t\t<div class=\"email\"><span class=\"label\">Home</span><span "
            u"class=\"value\"><a href=\"http://%22&#62;&#60;script&#62;alert(1)&#60;/script&#62;\">"
            u"javascript:alert(1)</a></span></div>\n"_s},
        ItemRow{"scriptTargetShownAsText", u"Home"_s, u"%@"_s, u"javascript:alert(1)"_s,
                u"javascript:alert(1)"_s,
                u"\t\t\t\t<div class=\"email\"><span class=\"label\">Home</span><span "
                u"class=\"value\">javascript:alert(1)</span></div>\n"_s}),
    RowName());

} // namespace
