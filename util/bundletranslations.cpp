// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/bundletranslations.h"

#include "util/systemlog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString cataloguePath(const Bundle &bundle, const QString &language)
{
    return bundle.resourcesPath() + u"/translations/vorlin_" + language + u".qm";
}

// "de-AT" -> "de_AT", "de": the file names follow Qt's "_" convention.
QStringList candidateNames(const QString &language)
{
    QStringList names;
    QString name = language;
    name.replace(u'-', u'_');
    while (!name.isEmpty()) {
        names.append(name);
        name.truncate(std::max<qsizetype>(name.lastIndexOf(u'_'), 0));
    }
    return names;
}

std::unique_ptr<QTranslator> loadCatalogue(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return nullptr;
    auto catalogue = std::make_unique<QTranslator>();
    if (!catalogue->load(path)) {
        systemLog(u"cannot read the translation catalogue "_s + path);
        return nullptr;
    }
    return catalogue;
}

std::unique_ptr<QTranslator> loadBestCatalogue(const Bundle &bundle, const QStringList &languages)
{
    for (const QString &language : languages) {
        for (const QString &name : candidateNames(language)) {
            if (auto catalogue = loadCatalogue(cataloguePath(bundle, name)))
                return catalogue;
        }
    }
    return nullptr;
}

} // namespace

BundleTranslations::BundleTranslations() = default;
BundleTranslations::BundleTranslations(BundleTranslations &&) noexcept = default;
BundleTranslations &BundleTranslations::operator=(BundleTranslations &&) noexcept = default;
BundleTranslations::~BundleTranslations() = default;

BundleTranslations BundleTranslations::load(const Bundle &bundle, const QStringList &languages)
{
    BundleTranslations translations;
    auto best = loadBestCatalogue(bundle, languages);
    const QString englishPath = cataloguePath(bundle, u"en"_s);
    const bool bestIsEnglish = best && QFileInfo(best->filePath()) == QFileInfo(englishPath);
    if (best)
        translations.m_catalogues.push_back(std::move(best));
    if (!bestIsEnglish) {
        if (auto english = loadCatalogue(englishPath))
            translations.m_catalogues.push_back(std::move(english));
    }
    return translations;
}

std::optional<QString> BundleTranslations::lookup(const QString &table, const QString &key) const
{
    const QByteArray context = table.toUtf8();
    const QByteArray sourceText = key.toUtf8();
    for (const auto &catalogue : m_catalogues) {
        QString text = catalogue->translate(context.constData(), sourceText.constData());
        if (!text.isEmpty())
            return text;
    }
    return std::nullopt;
}

void BundleTranslations::install()
{
    auto qtCatalogue = std::make_unique<QTranslator>();
    if (language() != u"en"_s
        && qtCatalogue->load(u"qtbase_"_s + language(),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        m_qtCatalogue = std::move(qtCatalogue);
        QCoreApplication::installTranslator(m_qtCatalogue.get());
    }
    // The application asks the most recently installed translator first.
    for (auto it = m_catalogues.rbegin(); it != m_catalogues.rend(); ++it)
        QCoreApplication::installTranslator(it->get());
}

QString BundleTranslations::language() const
{
    if (m_catalogues.empty() || m_catalogues.front()->language().isEmpty())
        return u"en"_s;
    return m_catalogues.front()->language();
}

QStringList BundleTranslations::files() const
{
    QStringList paths;
    for (const auto &catalogue : m_catalogues)
        paths.append(catalogue->filePath());
    return paths;
}
