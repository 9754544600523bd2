// SPDX-License-Identifier: GPL-3.0-or-later
// Files contacts under the letter of their name for the page's index: "A" to "Z" in the
// order their first contact comes, then "0-9" and "*" (everything else) when they hold any.
#pragma once

#include <QList>
#include <QString>

class ABPerson;
struct ExportSettings;

struct LetterSection
{
    QString title;
    QList<const ABPerson *> members;
};

/// The sections of people, who keep their order within each section.
[[nodiscard]] QList<LetterSection> fileIntoSections(const QList<const ABPerson *> &people,
                                                    const ExportSettings &settings);
