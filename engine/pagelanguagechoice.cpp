// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagelanguagechoice.h"

#include "util/systemlog.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

QString desktopLanguage(const QStringList &available)
{
    for (const QString &language : QLocale().uiLanguages()) {
        if (const std::optional<QString> known = PageLanguage::known(language, available))
            return *known;
    }
    return u"en"_s;
}

} // namespace

PageLanguageChoice::PageLanguageChoice(Bundle bundle)
    : m_bundle(std::move(bundle))
{}

QString PageLanguageChoice::resolvedCode(const QString &choice, const QStringList &available)
{
    return PageLanguage::known(choice, available).value_or(desktopLanguage(available));
}

const PageLanguage &PageLanguageChoice::languageFor(const QString &choice)
{
    if (m_language && m_choice == choice)
        return *m_language;
    const QStringList available = PageLanguage::available(m_bundle);
    const QString code = resolvedCode(choice, available);
    if (!choice.isEmpty() && !PageLanguage::known(choice, available))
        systemLog(u"pageLanguage \"%1\" is no language the page can be written in (%2); the "
                  "desktop's, %3, is used."_s.arg(choice, available.join(u", "_s), code));
    m_language = std::make_unique<PageLanguage>(code, m_bundle);
    m_choice = choice;
    return *m_language;
}
