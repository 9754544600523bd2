// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/entrylabels.h"

#include "addressbook/labeltable.h"
#include "engine/pagelanguage.h"
#include "util/stringadditions.h"

namespace {

// Custom labels may all differ; past this many the table starts over rather than grow
// with the address book.
constexpr qsizetype kMaximumLabels = 1024;

// A capital right after a small letter is the label's own spelling, not the start of a word.
bool hasOwnCapitals(QStringView label)
{
    for (qsizetype i = 1; i < label.size(); ++i) {
        if (label[i].isUpper() && label[i - 1].isLower())
            return true;
    }
    return false;
}

QString capitalised(const QString &label, const PageLanguage &language)
{
    if (label.isEmpty() || hasOwnCapitals(label))
        return label;
    if (language.isEnglish())
        return QEV_NSStringAdditionsSubset::titleCaseString(label);
    return language.locale().toUpper(label.first(1)) + label.sliced(1);
}

} // namespace

EntryLabels::EntryLabels(const PageLanguage &language)
    : m_language(&language)
{}

const QString &EntryLabels::shown(const QString &storedLabel)
{
    if (const auto found = m_shown.constFind(storedLabel); found != m_shown.constEnd())
        return *found;
    if (m_shown.size() >= kMaximumLabels)
        m_shown.clear();
    const QString translated
        = storedLabel.isEmpty() ? storedLabel : m_language->text(normalizedLabel(storedLabel));
    return *m_shown.insert(storedLabel, capitalised(translated, *m_language));
}
