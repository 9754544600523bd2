// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/entrylabels.h"

#include "addressbook/labeltable.h"
#include "util/stringadditions.h"

namespace {

// Custom labels may all differ; past this many the table starts over rather than grow
// with the address book.
constexpr qsizetype maximumLabels = 1024;

QString shownForm(const QString &storedLabel)
{
    if (storedLabel.isEmpty())
        return storedLabel;
    return QEV_NSStringAdditionsSubset::titleCaseString(ABLocalizedPropertyOrLabel(storedLabel));
}

} // namespace

const QString &EntryLabels::shown(const QString &storedLabel)
{
    if (const auto found = m_shown.constFind(storedLabel); found != m_shown.constEnd())
        return *found;
    if (m_shown.size() >= maximumLabels)
        m_shown.clear();
    return *m_shown.insert(storedLabel, shownForm(storedLabel));
}
