// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/lettersections.h"

#include "engine/namerecord.h"

#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>

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

} // namespace

QList<LetterSection> fileIntoSections(const QList<const ABPerson *> &people,
                                      const ExportSettings &settings)
{
    QList<LetterSection> sections;
    LetterSection numbers{u"0-9"_s, {}};
    LetterSection others{u"*"_s, {}};
    // Working out a name takes a while; the initials are worked out on every core.
    const QStringList initials
        = QtConcurrent::blockingMapped<QStringList>(people, [&settings](const ABPerson *person) {
              return makeNameFromPerson(*person, settings).initial;
          });
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
            numbers.members.append(person);
        } else {
            others.members.append(person);
        }
    }
    for (LetterSection *reserve : {&numbers, &others}) {
        if (!reserve->members.isEmpty())
            sections.append(std::move(*reserve));
    }
    return sections;
}
