// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/stringadditions.h"

#include "qtprinters.h"
#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
namespace strings = QEV_NSStringAdditionsSubset;

namespace {

struct TransformRow : NamedRow
{
    QString input;
    QString expected;
};

// ---- title case -------------------------------------------------------------------------

class TitleCase : public testing::TestWithParam<TransformRow>
{};

TEST_P(TitleCase, matchesTheWordRules)
{
    EXPECT_EQ(strings::titleCaseString(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TitleCase,
    testing::Values(TransformRow{"smallWordsLoweredInside", u"the lord of the rings"_s,
                                 u"The Lord of the Rings"_s},
                    TransformRow{"andLowered", u"war and peace"_s, u"War and Peace"_s},
                    TransformRow{"restOfWordKept", u"hELLO wORLD"_s, u"HELLO WORLD"_s},
                    TransformRow{"overlappingSmallWords", u"a a a"_s, u"A a A"_s},
                    TransformRow{"leadingBlanksDropped", u"  x"_s, u"X"_s},
                    TransformRow{"separatorRunShrinks", u"x  y"_s, u"X Y"_s},
                    TransformRow{"trailingRunShrinks", u"x \t "_s, u"X "_s},
                    TransformRow{"tabKeptAndNoLowering", u"x\ty"_s, u"X\tY"_s},
                    TransformRow{"smallWordNextToTabKeepsCapital", u"war\tand peace"_s,
                                 u"War\tAnd Peace"_s},
                    TransformRow{"lastWordKeepsCapital", u"this is"_s, u"This Is"_s},
                    TransformRow{"onlyBlanksGiveEmpty", u"   "_s, QString()},
                    TransformRow{"fullCaseMapping", u"ßen"_s, u"SSen"_s},
                    TransformRow{"noBreakSpaceInsideWordKept", u"x\u00A0y"_s, u"X\u00A0y"_s},
                    TransformRow{"noBreakSpaceBeforeWordDropped", u"\u00A0x"_s, u"X"_s},
                    TransformRow{"lineSeparatorSkipped", u"\u2028home fax"_s, u"Home Fax"_s},
                    TransformRow{"empty", QString(), QString()}),
    RowName());

// ---- keeping the characters of a set --------------------------------------------------

struct CleanRow : NamedRow
{
    QString input;
    QString allowed;
    QString expected;
};

class Clean : public testing::TestWithParam<CleanRow>
{};

TEST_P(Clean, keepsOnlyAllowedCharacters)
{
    EXPECT_EQ(strings::clean(GetParam().input, GetParam().allowed), GetParam().expected);
}

const QString kDigits = u"1234567890"_s;

INSTANTIATE_TEST_SUITE_P(
    Rows, Clean,
    testing::Values(CleanRow{"phoneText", u"+1 (555) 123-4567"_s, kDigits, u"15551234567"_s},
                    CleanRow{"emptyStaysEmpty", QString(), kDigits, QString()},
                    CleanRow{"nothingAllowed", u"abc"_s, kDigits, QString()},
                    CleanRow{"lettersBetweenDigits", u"0800-FLOWERS 2"_s, kDigits, u"08002"_s},
                    CleanRow{"fullWidthDigitsDropped", u"１２3"_s, kDigits, u"3"_s},
                    CleanRow{"allowedBlankInsideRun", u"1 2"_s, u"12 "_s, u"1 2"_s},
                    CleanRow{"allowedBlankAtStartSkipped", u"  1"_s, u"1 "_s, u"1"_s}),
    RowName());

// ---- trims ------------------------------------------------------------------------------

struct TrimRow : NamedRow
{
    QString (*trim)(const QString &, const QStringList &);
    QString input;
    QString expected;
};

class Trim : public testing::TestWithParam<TrimRow>
{};

TEST_P(Trim, dropsListedCharactersAtTheEnds)
{
    const QStringList lineBreaks{u"\n"_s, u"\r"_s};
    EXPECT_EQ(GetParam().trim(GetParam().input, lineBreaks), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Trim,
    testing::Values(TrimRow{"bothOnlyBreaks", strings::trimFromBoth, u"\r\n\r"_s, QString()},
                    TrimRow{"bothKeepsInside", strings::trimFromBoth, u"\na\r\nb\r"_s, u"a\r\nb"_s},
                    TrimRow{"bothKeepsBlanks", strings::trimFromBoth, u" a "_s, u" a "_s},
                    TrimRow{"startOnly", strings::trimFromStart, u"\n\na\n"_s, u"a\n"_s},
                    TrimRow{"endOnly", strings::trimFromEnd, u"\na\r\n"_s, u"\na"_s},
                    TrimRow{"emptyStart", strings::trimFromStart, QString(), QString()},
                    TrimRow{"emptyEnd", strings::trimFromEnd, QString(), QString()}),
    RowName());

// ---- stripping diacritics -------------------------------------------------------------

class StripDiacritical : public testing::TestWithParam<TransformRow>
{};

TEST_P(StripDiacritical, removesCombiningMarks)
{
    EXPECT_EQ(strings::stripDiacritical(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StripDiacritical,
    testing::Values(TransformRow{"cedillaAndCapital", u"ÇA"_s, u"CA"_s},
                    TransformRow{"ringAndUmlaut", u"Ångström"_s, u"Angstrom"_s},
                    TransformRow{"acute", u"Émile"_s, u"Emile"_s},
                    TransformRow{"alreadyDecomposed", u"E\u0301mile"_s, u"Emile"_s},
                    TransformRow{"strokeIsNoMark", u"Łódź"_s, u"Łodz"_s},
                    TransformRow{"hangulStaysDecomposed", u"\uD55C"_s, u"\u1112\u1161\u11AB"_s},
                    TransformRow{"empty", QString(), QString()}),
    RowName());

// ---- percent escaping -----------------------------------------------------------------

class PercentEscapes : public testing::TestWithParam<TransformRow>
{};

TEST_P(PercentEscapes, escapeAllButLettersDigitsAndTwelveMarks)
{
    EXPECT_EQ(strings::addPercentEscapes(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PercentEscapes,
    testing::Values(TransformRow{"blankAndAmpersand", u"a b&c"_s, u"a%20b%26c"_s},
                    TransformRow{"colon", u"a:b"_s, u"a%3Ab"_s},
                    TransformRow{"parenthesesStay", u"(x)"_s, u"(x)"_s},
                    TransformRow{"twelveMarksStay", u"-_.!~*'()?$,"_s, u"-_.!~*'()?$,"_s},
                    TransformRow{"eightReservedEscaped", u" ;+:@&=/"_s,
                                 u"%20%3B%2B%3A%40%26%3D%2F"_s},
                    TransformRow{"quoteAndBrackets", u"\"<>[]{}|\\^`"_s,
                                 u"%22%3C%3E%5B%5D%7B%7D%7C%5C%5E%60"_s},
                    TransformRow{"percentAndNumberSign", u"100% #1"_s, u"100%25%20%231"_s},
                    TransformRow{"controlCharacters", u"a\nb\t"_s, u"a%0Ab%09"_s},
                    TransformRow{"twoByteUtf8", u"é"_s, u"%C3%A9"_s},
                    TransformRow{"asciiAroundUtf8", u"aé b"_s, u"a%C3%A9%20b"_s},
                    TransformRow{"fourByteUtf8", u"😀"_s, u"%F0%9F%98%80"_s},
                    TransformRow{"empty", QString(), QString()}),
    RowName());

// ---- search and replace ---------------------------------------------------------------

TEST(SearchAndReplace, matchesDoNotOverlap)
{
    EXPECT_EQ(strings::snr(u"aaa"_s, u"aa"_s, u"b"_s), u"ba"_s);
}

TEST(SearchAndReplace, comparesLiterally)
{
    EXPECT_EQ(strings::snr(u"Aa\u00E9e\u0301"_s, u"a"_s, u"x"_s), u"Ax\u00E9e\u0301"_s);
    EXPECT_EQ(strings::snr(u"\u00E9e\u0301"_s, u"\u00E9"_s, u"x"_s), u"xe\u0301"_s);
}

TEST(SearchAndReplace, emptySearchReplacesNothing)
{
    EXPECT_EQ(strings::snr(u"abc"_s, QString(), u"x"_s), u"abc"_s);
}

TEST(SearchAndReplace, replacementIsNotSearchedAgain)
{
    EXPECT_EQ(strings::snr(u"a&b"_s, u"&"_s, u"&amp;"_s), u"a&amp;b"_s);
}

TEST(SearchAndReplace, batchPassesSeeEarlierOutput)
{
    EXPECT_EQ(strings::snrBatch(u"ab"_s, {u"a"_s, u"b"_s}, {u"b"_s, u"c"_s}), u"cc"_s);
}

TEST(SearchAndReplace, batchSkipsPairsWithoutReplacement)
{
    EXPECT_EQ(strings::snrBatch(u"ab"_s, {u"a"_s, u"b"_s}, {u"x"_s}), u"xb"_s);
}

// ---- single characters ----------------------------------------------------------------

struct CharAtRow : NamedRow
{
    QString input;
    std::uint32_t index;
    std::optional<QString> expected;
};

class CharAtIndex : public testing::TestWithParam<CharAtRow>
{};

TEST_P(CharAtIndex, givesOneCodeUnitOrNothing)
{
    EXPECT_EQ(strings::charAtIndex(GetParam().input, GetParam().index), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CharAtIndex,
    testing::Values(CharAtRow{"allOnesMeansLast", u"abc"_s, 0xFFFFFFFFu, u"c"_s},
                    CharAtRow{"first", u"abc"_s, 0, u"a"_s},
                    CharAtRow{"pastTheEnd", u"abc"_s, 3, std::nullopt},
                    CharAtRow{"farPastTheEnd", u"abc"_s, 0x80000000u, std::nullopt},
                    CharAtRow{"emptyAllOnes", QString(), 0xFFFFFFFFu, std::nullopt},
                    CharAtRow{"emptyZero", QString(), 0, std::nullopt},
                    CharAtRow{"surrogateHalf", u"a😀"_s, 1, QString(QChar(0xD83D))}),
    RowName());

TEST(FirstCharacter, isTheFirstCodeUnit)
{
    EXPECT_EQ(strings::firstCharacter(u"a"_s), u"a"_s);
    EXPECT_EQ(strings::firstCharacter(QString()), QString());
    EXPECT_EQ(strings::firstCharacter(u"Émile"_s), u"É"_s);
    EXPECT_EQ(strings::firstCharacter(u"😀x"_s), QString(QChar(0xD83D)));
}

TEST(Characters, splitsIntoCodeUnits)
{
    EXPECT_EQ(strings::characters(u"ab"_s), (QStringList{u"a"_s, u"b"_s}));
    EXPECT_TRUE(strings::characters(QString()).isEmpty());
    EXPECT_EQ(strings::characters(u"😀"_s).size(), 2);
}

// ---- tests ----------------------------------------------------------------------------

TEST(Tests, blankMeansEmptyOnly)
{
    EXPECT_TRUE(strings::isBlankString(QString()));
    EXPECT_FALSE(strings::isBlankString(u" "_s));
}

struct PrefixRow : NamedRow
{
    QString input;
    QString prefix;
    bool hasPrefix;
    QString deprefixed;
};

class Prefix : public testing::TestWithParam<PrefixRow>
{};

TEST_P(Prefix, ignoresCase)
{
    EXPECT_EQ(strings::hasCaseInsensitivePrefix(GetParam().input, GetParam().prefix),
              GetParam().hasPrefix);
    EXPECT_EQ(strings::deprefixCaseInsensitive(GetParam().input, GetParam().prefix),
              GetParam().deprefixed);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Prefix,
    testing::Values(PrefixRow{"title", u"dr. Smith"_s, u"Dr. "_s, true, u"Smith"_s},
                    PrefixRow{"emptyPrefixNeverMatches", u"Smith"_s, QString(), false, u"Smith"_s},
                    PrefixRow{"longerPrefix", u"Dr"_s, u"Dr. "_s, false, u"Dr"_s},
                    PrefixRow{"emptyReceiver", QString(), u"x"_s, false, QString()},
                    PrefixRow{"wholeText", u"THE"_s, u"the"_s, true, QString()},
                    PrefixRow{"nonAscii", u"ÉCOLE"_s, u"éc"_s, true, u"OLE"_s},
                    PrefixRow{"asciiPrefixBeforeAccent", u"Ärzte"_s, u"ar"_s, false, u"Ärzte"_s}),
    RowName());

struct ContainsRow : NamedRow
{
    QString haystack;
    QString needle;
    bool considerCase;
    bool expected;
};

class Contains : public testing::TestWithParam<ContainsRow>
{};

TEST_P(Contains, findsNeedle)
{
    EXPECT_EQ(
        strings::containsString(GetParam().haystack, GetParam().needle, GetParam().considerCase),
        GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Contains,
    testing::Values(
        ContainsRow{"numberSign", u"555-#"_s, u"#"_s, false, true},
        ContainsRow{"emptyNeedle", u"abc"_s, QString(), true, false},
        ContainsRow{"caseIgnored", u"ABC"_s, u"b"_s, false, true},
        ContainsRow{"caseConsidered", u"ABC"_s, u"b"_s, true, false},
        ContainsRow{"canonicalEquivalence", u"\u00C9mile"_s, u"E\u0301"_s, true, true},
        ContainsRow{"absent", u"abc"_s, u"d"_s, false, false},
        ContainsRow{"baseLetterNotInComposedAccent", u"caf\u00E9"_s, u"e"_s, true, false},
        ContainsRow{"baseLetterNotInDecomposedAccent", u"cafe\u0301"_s, u"e"_s, false, false},
        ContainsRow{"composedNeedleInDecomposedText", u"cafe\u0301"_s, u"\u00C9"_s, false, true},
        ContainsRow{"laterWholeMatchFound", u"\u00E9te"_s, u"e"_s, true, true},
        ContainsRow{"accentAloneNotFound", u"caf\u00E9"_s, u"\u0301"_s, true, false},
        ContainsRow{"letterWithoutComposedForm", u"q\u0301"_s, u"q"_s, true, false},
        ContainsRow{"accentsNotStripped", u"\u00E9"_s, u"\u00E8"_s, true, false},
        ContainsRow{"surrogatePairWhole", u"a\U0001F600b"_s, u"\U0001F600"_s, true, true}),
    RowName());

TEST(CharacterSets, holdTheirFixedMembers)
{
    const strings::CharacterSet &white = strings::allWhitespaceCharacterSet();
    EXPECT_EQ(white, (strings::CharacterSet{u' ', u'\t', u'\n', u'\r', QChar(0x0B), QChar(0x0C)}));
    EXPECT_EQ(&white, &strings::allWhitespaceCharacterSet());
    EXPECT_EQ(strings::newlineCharacterSet(), (strings::CharacterSet{u'\n', u'\r'}));
}

} // namespace
