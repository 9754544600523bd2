// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/defaultsregistration.h"

#include "settings/datakind.h"
#include "settings/letterindex.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "settings/valuetransformer.h"
#include "util/systemlog.h"

#include <QFile>

#include <mutex>

using namespace Qt::StringLiterals;

namespace {

void registerValueTransformers()
{
    ValueTransformer::setValueTransformer(std::make_shared<QEV_NilToBlankStringTransformer>(),
                                          u"QEV_NilToBlankStringTransformer"_s);
}

// The style sheet ships with the program; without it pages still work, only unstyled.
QString defaultStyleSheet(const Bundle &bundle)
{
    const std::optional<QString> path = bundle.pathForResource(u"default"_s, u"css"_s);
    QFile file(path.value_or(bundle.resourcesPath() + u"/default.css"_s));
    if (!file.open(QIODevice::ReadOnly)) {
        systemLog(u"%1: the default style sheet cannot be read (%2); pages get none."_s.arg(
            file.fileName(), file.errorString()));
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace

QVariantMap defaultSettings(const QString &css)
{
    using namespace SettingsKeys;
    QVariantMap defaults;
    for (const QString *key : {&sortByLast, &includeImage, &includeGenericImages, &includeJobTitle,
                               &includeOrganization})
        defaults.insert(*key, true);
    for (const DataKindInfo &row : dataKinds()) {
        defaults.insert(row.includeKey.toString(), true);
        if (!row.schemeKey.isEmpty())
            defaults.insert(row.schemeKey.toString(), row.defaultScheme.toString());
    }
    for (const MessagingServiceInfo &row : messagingServices()) {
        defaults.insert(row.includeKey.toString(), true);
        defaults.insert(row.schemeKey.toString(), row.defaultScheme.toString());
    }
    defaults.insert(SettingsKeys::css, css);
    defaults.insert(dataOrder, QVariantList{0, 1, 2, 3, 4, 5, 6, 7});
    defaults.insert(fileName, u"vorlin.html"_s);
    defaults.insert(groupsToUse, QVariantList{});
    defaults.insert(pageLanguage, u""_s);
    defaults.insert(letterIndex, letterIndexName(LetterIndex::Latin));
    return defaults;
}

void registerDefaultSettings(PreferencesStore &store, const Bundle &bundle)
{
    static std::once_flag isInitialized;
    std::call_once(isInitialized, [&] {
        registerValueTransformers();
        store.registerDefaults(defaultSettings(defaultStyleSheet(bundle)));
    });
}
