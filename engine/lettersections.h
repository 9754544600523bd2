// SPDX-License-Identifier: GPL-3.0-or-later
// Files contacts under the letter of their name for the page's index, as "letterIndex"
// says. Latin: "A" to "Z" in the order their first contact comes. Locale: the letters of
// the page's language (engine/letteralphabet.h) in that alphabet's order, each holding its
// contacts in the order given, so every letter is one run of the page. Either way "0-9"
// and "*" (everything else) follow when they hold anyone.
#pragma once

#include <QList>
#include <QString>

class ABPerson;
class PageLanguage;
struct ExportSettings;

struct LetterSection
{
    QString title;
    QList<const ABPerson *> members;
};

/// The sections of people, who keep their order within each section; names lose the
/// language's strip prefixes first.
[[nodiscard]] QList<LetterSection> fileIntoSections(const QList<const ABPerson *> &people,
                                                    const ExportSettings &settings,
                                                    const PageLanguage &language);
