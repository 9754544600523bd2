// SPDX-License-Identifier: GPL-3.0-or-later
// The page a first run of vorlin-export writes from an address book, through the real
// generator: registered defaults with the bundled style sheet and every group ticked. Tests
// that need other preferences store them in `prepare` before the page is made.
//
//   const QString page = firstRunPage(u"book.vcf"_s, folder.path(), [](PreferencesStore &store) {
//       store.setObject(u"de"_s, SettingsKeys::pageLanguage);
//   });
#pragma once

#include "addressbook/groupselection.h"
#include "addressbook/vcard/vcardstore.h"
#include "engine/pagegenerator.h"
#include "settings/defaultsregistration.h"
#include "settings/exportsettings.h"
#include "settings/groupchoice.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "util/systemlog.h"

#include <QDir>
#include <QFile>

#include <functional>

inline const Bundle &buildTreeBundle()
{
    static const Bundle bundle(QString::fromUtf8(VORLIN_TEST_BUNDLE_CONTENTS));
    return bundle;
}

inline QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

inline QString bundledStyleSheet()
{
    return fileText(buildTreeBundle().resourcesPath() + QStringLiteral("/default.css"));
}

/// The page's text, or the generator's error in its place; the folder holds the preferences
/// and the page.
inline QString firstRunPage(const QString &addressBook, const QString &folder,
                            const std::function<void(PreferencesStore &)> &prepare = {})
{
    const QDir into(folder);
    PreferencesStore store({into.filePath(QStringLiteral("prefs/user.plist")), {}});
    store.registerDefaults(defaultSettings(bundledStyleSheet()));
    if (prepare)
        prepare(store);
    const ContactStoreRead read = readVCardStore(addressBook);
    store.setObject(
        groupChoicesToVariant(refreshedGroupChoices(allGroupNames(*read.store), std::nullopt)),
        SettingsKeys::groupsToUse);
    ExportSettings settings;
    PageGenerator generator(store, settings, *read.store, buildTreeBundle());
    const SystemLogCapture quiet([](const QString &) {});
    const QString page = into.filePath(QStringLiteral("page.html"));
    const Expected<GenerationReport> generated = generator.generateHTML(page);
    return generated ? fileText(page) : generated.error();
}
