// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/papersize.h"

#include <QLocale>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

std::optional<Paper> paperFromName(const QString &name)
{
    if (name.compare(u"a4"_s, Qt::CaseInsensitive) == 0)
        return Paper::A4;
    if (name.compare(u"letter"_s, Qt::CaseInsensitive) == 0)
        return Paper::Letter;
    return std::nullopt;
}

Paper paperForLocale(const QString &localeName)
{
    // The territories whose paper size is Letter in the Unicode locale data.
    static constexpr std::array kLetterTerritories{
        QLocale::Belize,       QLocale::Canada,     QLocale::Chile,       QLocale::Colombia,
        QLocale::CostaRica,    QLocale::ElSalvador, QLocale::Guatemala,   QLocale::Mexico,
        QLocale::Nicaragua,    QLocale::Panama,     QLocale::Philippines, QLocale::PuertoRico,
        QLocale::UnitedStates, QLocale::Venezuela};
    // "en_US.UTF-8@euro": QLocale wants the language and territory alone.
    const QString name = localeName.section(u'.', 0, 0).section(u'@', 0, 0);
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        return Paper::A4;
    const QLocale::Territory territory = QLocale(name).territory();
    return std::ranges::find(kLetterTerritories, territory) != kLetterTerritories.end()
        ? Paper::Letter
        : Paper::A4;
}

Paper systemPaper()
{
    for (const char *variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return paperForLocale(value);
    }
    return Paper::A4;
}

QPageSize pageSize(Paper paper)
{
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}
