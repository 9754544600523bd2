// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/lettersections.h"

#include "engine/letteralphabet.h"
#include "engine/namerecord.h"
#include "engine/pagelanguage.h"
#include "settings/exportsettings.h"

#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QStringList &allLetters()
{
    static const QStringList kAllLetters
        = u"A|B|C|D|E|F|G|H|I|J|K|L|M|N|O|P|Q|R|S|T|U|V|W|X|Y|Z"_s.split(u'|');
    return kAllLetters;
}

const QStringList &allNumbers()
{
    static const QStringList kAllNumbers = u"1|2|3|4|5|6|7|8|9|0"_s.split(u'|');
    return kAllNumbers;
}

// The two sections after the letters.
struct Reserves
{
    LetterSection numbers{u"0-9"_s, {}};
    LetterSection others{u"*"_s, {}};

    void appendTo(QList<LetterSection> &sections)
    {
        for (LetterSection *reserve : {&numbers, &others}) {
            if (!reserve->members.isEmpty())
                sections.append(std::move(*reserve));
        }
    }
};

// Working out a name takes a while; the names are worked out on every core.
template<typename Place>
QList<Place> placesOf(const QList<const ABPerson *> &people, const ExportSettings &settings,
                      const PageLanguage &language,
                      const std::function<Place(const NameRecord &)> &placeOfName)
{
    return QtConcurrent::blockingMapped<QList<Place>>(people, [&](const ABPerson *person) {
        return placeOfName(makeNameFromPerson(*person, settings, language.stripPrefixes()));
    });
}

QList<LetterSection> latinSections(const QList<const ABPerson *> &people,
                                   const ExportSettings &settings, const PageLanguage &language)
{
    QList<LetterSection> sections;
    Reserves reserves;
    const QStringList initials = placesOf<QString>(
        people, settings, language, [](const NameRecord &name) { return name.initial; });
    for (qsizetype i = 0; i < people.size(); ++i) {
        const ABPerson *person = people.at(i);
        const QString &initial = initials.at(i);
        if (allLetters().contains(initial)) {
            const auto section
                = std::find_if(sections.begin(), sections.end(),
                               [&](const LetterSection &s) { return s.title == initial; });
            if (section != sections.end())
                section->members.append(person);
            else
                sections.append({initial, {person}});
        } else if (allNumbers().contains(initial)) {
            reserves.numbers.members.append(person);
        } else {
            reserves.others.members.append(person);
        }
    }
    reserves.appendTo(sections);
    return sections;
}

// A place of the alphabet, or one of these two.
constexpr int kNumbersPlace = -1;
constexpr int kOthersPlace = -2;

int alphabetPlace(const QString &name, const LetterAlphabet &alphabet)
{
    if (name.isEmpty())
        return kOthersPlace;
    if (name.front().isDigit())
        return kNumbersPlace;
    return alphabet.letterOf(name).value_or(kOthersPlace);
}

QList<LetterSection> localeSections(const QList<const ABPerson *> &people,
                                    const ExportSettings &settings, const PageLanguage &language)
{
    const LetterAlphabet alphabet(language.code());
    const QList<int> places
        = placesOf<int>(people, settings, language, [&](const NameRecord &name) {
              return alphabetPlace(name.sortName, alphabet);
          });
    std::vector<QList<const ABPerson *>> letters(static_cast<std::size_t>(alphabet.placeCount()));
    Reserves reserves;
    for (qsizetype i = 0; i < people.size(); ++i) {
        const int place = places.at(i);
        if (place >= 0)
            letters.at(static_cast<std::size_t>(place)).append(people.at(i));
        else
            (place == kNumbersPlace ? reserves.numbers : reserves.others)
                .members.append(people.at(i));
    }
    QList<LetterSection> sections;
    for (std::size_t place = 0; place < letters.size(); ++place) {
        if (!letters[place].isEmpty())
            sections.append({alphabet.letter(static_cast<int>(place)), std::move(letters[place])});
    }
    reserves.appendTo(sections);
    return sections;
}

} // namespace

QList<LetterSection> fileIntoSections(const QList<const ABPerson *> &people,
                                      const ExportSettings &settings, const PageLanguage &language)
{
    return settings.letterIndex == LetterIndex::Locale ? localeSections(people, settings, language)
                                                       : latinSections(people, settings, language);
}
