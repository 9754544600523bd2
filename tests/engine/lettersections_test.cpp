// SPDX-License-Identifier: GPL-3.0-or-later
// Filing under the alphabet of the page's language: the letters in that alphabet's order,
// each one run of contacts in the order given, other scripts and digits in the reserves.
#include "engine/lettersections.h"

#include "addressbook/memorycontactstore.h"
#include "engine/pagelanguage.h"
#include "settings/exportsettings.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

struct AlphabetRow : NamedRow
{
    QString code;
    QStringList lastNames; // in the order sorting left them
    QStringList sections;  // "letter: names"
};

class LocaleLetters : public testing::TestWithParam<AlphabetRow>
{};

// Each section as "title: last names" in its order.
QStringList described(const QList<LetterSection> &sections)
{
    QStringList lines;
    for (const LetterSection &section : sections) {
        QStringList names;
        for (const ABPerson *person : section.members)
            names.append(person->stringForProperty(kABLastNameProperty).value_or(QString()));
        lines.append(section.title + u": "_s + names.join(u' '));
    }
    return lines;
}

TEST_P(LocaleLetters, followTheLanguagesAlphabet)
{
    const AlphabetRow &row = GetParam();
    MemoryContactStore store;
    QList<const ABPerson *> people;
    for (const QString &name : row.lastNames) {
        ABPerson contact(name + u":ABPerson"_s);
        contact.setValue(name, kABLastNameProperty);
        people.append(&store.addPerson(std::move(contact)));
    }
    ExportSettings settings;
    settings.letterIndex = LetterIndex::Locale;
    const QTemporaryDir noCatalogues;
    const PageLanguage language(row.code, Bundle(noCatalogues.path()));
    EXPECT_EQ(described(fileIntoSections(people, settings, language)), row.sections);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LocaleLetters,
    testing::Values(
        AlphabetRow{
            "russianThenLatin",
            u"ru"_s,
            {u"Андреев"_s, u"Ёлкин"_s, u"Иванов"_s, u"Яковлев"_s, u"Smith"_s},
            {u"А: Андреев"_s, u"Е: Ёлкин"_s, u"И: Иванов"_s, u"Я: Яковлев"_s, u"S: Smith"_s}},
        AlphabetRow{"swedishAfterZ",
                    u"sv"_s,
                    {u"Andersson"_s, u"Olsson"_s, u"Zander"_s, u"Åberg"_s, u"Ärlig"_s, u"Öberg"_s},
                    {u"A: Andersson"_s, u"O: Olsson"_s, u"Z: Zander"_s, u"Å: Åberg"_s,
                     u"Ä: Ärlig"_s, u"Ö: Öberg"_s}},
        AlphabetRow{"germanFoldsUmlauts",
                    u"de"_s,
                    {u"Adler"_s, u"Ärger"_s, u"Öztürk"_s, u"Zeller"_s},
                    {u"A: Adler Ärger"_s, u"O: Öztürk"_s, u"Z: Zeller"_s}},
        AlphabetRow{"japaneseKanaRows",
                    u"ja"_s,
                    {u"Smith"_s, u"がっこう"_s, u"さとう"_s, u"サトウ"_s, u"たなか"_s, u"山田"_s},
                    {u"S: Smith"_s, u"か: がっこう"_s, u"さ: さとう サトウ"_s, u"た: たなか"_s,
                     u"*: 山田"_s}},
        AlphabetRow{"chinesePinyinInitials",
                    u"zh-CN"_s,
                    {u"李"_s, u"Smith"_s, u"王"_s, u"张"_s},
                    {u"L: 李"_s, u"S: Smith"_s, u"W: 王"_s, u"Z: 张"_s}},
        AlphabetRow{"otherScriptsToTheReserve",
                    u"de"_s,
                    {u"Adler"_s, u"Борис"_s, u"محمد"_s, u"Ωmega"_s},
                    {u"A: Adler"_s, u"*: Борис محمد Ωmega"_s}},
        AlphabetRow{"arabicOwnLetters",
                    u"ar"_s,
                    {u"Adler"_s, u"محمد"_s, u"أحمد"_s},
                    {u"ا: أحمد"_s, u"م: محمد"_s, u"A: Adler"_s}},
        AlphabetRow{"digitsOfAnyScript",
                    u"en"_s,
                    {u"7even"_s, u"٣ Arabic"_s, u"$mith"_s, u"Berg"_s, u""_s},
                    {u"B: Berg"_s, u"0-9: 7even ٣ Arabic"_s, u"*: $mith "_s}},
        AlphabetRow{"lettersKeepTheirOrderWhenOthersComeBetween",
                    u"en"_s,
                    {u"Berg"_s, u"Adler"_s, u"Brandt"_s},
                    {u"A: Adler"_s, u"B: Berg Brandt"_s}}),
    RowName());

} // namespace
