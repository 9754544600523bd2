// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagelanguage.h"

#include <QDir>

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kEnglishCode = u"en";

// The desktop's regional formats stay where it speaks the page's language (a German desktop
// in Austria writes Austrian month names); the C locale speaks English.
QLocale localeFor(const QString &code)
{
    const QLocale desktop;
    const QLocale language(code);
    const bool desktopSpeaksIt = desktop.language() == QLocale::C
        ? language.language() == QLocale::English
        : desktop.language() == language.language() && desktop.script() == language.script();
    return desktopSpeaksIt ? desktop : language;
}

} // namespace

QString PageLanguage::nativeName(const QString &code)
{
    // ICU rather than QLocale: Qt names a language by its default region's variant
    // ("español de España"), where the catalogue speaks the language as a whole.
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = icu::Locale::forLanguageTag(code.toStdString(), status);
    icu::UnicodeString name;
    if (U_SUCCESS(status))
        locale.getDisplayName(locale, name);
    if (name.isEmpty())
        return code;
    return QStringView(name.getBuffer(), name.length()).toString();
}

QStringList PageLanguage::available(const Bundle &bundle)
{
    QStringList codes{kEnglishCode.toString()};
    const QDir catalogues(bundle.resourcesPath() + u"/translations"_s);
    for (const QString &file : catalogues.entryList({u"vorlin_*.qm"_s}, QDir::Files)) {
        // "vorlin_pt_BR.qm" -> "pt-BR"
        QString code = file.sliced(7, file.size() - 10);
        code.replace(u'_', u'-');
        if (!codes.contains(code))
            codes.append(code);
    }
    codes.sort();
    return codes;
}

std::optional<QString> PageLanguage::known(const QString &code, const QStringList &available)
{
    QString wanted = code;
    wanted.replace(u'_', u'-');
    while (!wanted.isEmpty()) {
        const auto found
            = std::find_if(available.cbegin(), available.cend(), [&](const QString &c) {
                  return c.compare(wanted, Qt::CaseInsensitive) == 0;
              });
        if (found != available.cend())
            return *found;
        wanted.truncate(std::max<qsizetype>(wanted.lastIndexOf(u'-'), 0));
    }
    return std::nullopt;
}

const PageLanguage &PageLanguage::builtIn()
{
    static const PageLanguage kEnglish(kEnglishCode.toString(), std::nullopt);
    return kEnglish;
}

PageLanguage::PageLanguage(const QString &code, const Bundle &bundle)
    : PageLanguage(code, BundleTranslations::load(bundle, {code}))
{}

PageLanguage::PageLanguage(QString code, std::optional<BundleTranslations> texts)
    : m_code(std::move(code))
    , m_locale(localeFor(m_code))
    , m_texts(std::move(texts))
    , m_collator(makeNameCollator(m_locale))
{
    // A language without a list of its own has no prefixes (its text would be the key).
    const QString listKey = QString::fromUtf8(QT_TRANSLATE_NOOP("ui", "stripList"));
    if (const std::optional<QString> list
        = m_texts ? m_texts->lookup(u"ui"_s, listKey) : std::nullopt)
        m_prefixes = list->split(u'|', Qt::SkipEmptyParts);
    // The collator sets itself up on first use: done here, so the workers only read it.
    (void)m_collator.sortKey(QString());
}

bool PageLanguage::isEnglish() const
{
    return m_code == kEnglishCode;
}

bool PageLanguage::isRightToLeft() const
{
    return m_locale.textDirection() == Qt::RightToLeft;
}

QString PageLanguage::text(const QString &key) const
{
    // The catalogues are only read: QTranslator::translate keeps no state, so the workers
    // ask at once.
    return m_texts ? m_texts->lookup(u"ui"_s, key).value_or(key) : key;
}

QString PageLanguage::text(const char *key) const
{
    return text(QString::fromUtf8(key));
}
