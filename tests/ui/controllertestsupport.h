// SPDX-License-Identifier: GPL-3.0-or-later
// A controller on a settings folder of its own, where the programs look for it (so
// vorlin-export run by a test reads the same settings), with the string tables installed.
#pragma once

#include "ui/appcontroller.h"
#include "uitestsupport.h"
#include "util/bundletranslations.h"

#include <QProcess>
#include <QTemporaryDir>

inline const QString kBundle = QStringLiteral(VORLIN_TEST_BUNDLE_CONTENTS);

/// Runs vorlin-export quietly on the address book, writing the page to output, as another
/// program beside the window would.
inline void runVorlinExport(const QString &addressBook, const QString &output)
{
    QProcess exporter;
    exporter.start(kBundle + QStringLiteral("/MacOS/vorlin-export"),
                   {QStringLiteral("--quiet"), QStringLiteral("--address-book"), addressBook,
                    QStringLiteral("--output"), output});
    ASSERT_TRUE(exporter.waitForFinished(30000));
    ASSERT_EQ(exporter.exitCode(), 0) << exporter.readAllStandardError().toStdString();
}

// Points the programs' settings at a folder of its own and installs the string tables; made
// before the store and the controller that read them.
struct ConfigHome
{
    ConfigHome()
    {
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        static BundleTranslations translations = BundleTranslations::load(Bundle(kBundle));
        static const bool kInstalled = (translations.install(), true);
        (void)kInstalled;
    }
    ~ConfigHome() { qunsetenv("XDG_CONFIG_HOME"); }
    QTemporaryDir dir;
};

// The store lives where the programs look for it, so vorlin-export reads the same settings.
class Controller : public testing::Test
{
protected:
    Controller()
    {
        store.registerDefaults(defaultSettings(QStringLiteral("body {}")));
        ValueTransformer::setValueTransformer(std::make_shared<QEV_NilToBlankStringTransformer>(),
                                              QStringLiteral("QEV_NilToBlankStringTransformer"));
    }

    [[nodiscard]] QString previewBody() const
    {
        const QString &html = controller.previewHtml();
        return html.mid(html.indexOf(QStringLiteral("<body>")));
    }

    ConfigHome m_home;
    QTemporaryDir &m_dir = m_home.dir;
    PreferencesStore store{PreferencesStore::standardFiles()};
    AppController controller{store, Bundle(kBundle)};
};
