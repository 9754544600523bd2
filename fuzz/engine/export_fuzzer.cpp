// SPDX-License-Identifier: GPL-3.0-or-later
// The whole export of one vCard file: reading, choosing every group, sorting, filing under
// letters and writing every card with the registered defaults, pictures decoded but not
// written (their folder cannot exist). Every page must keep the promises of pagepromises.h;
// a page that breaks one stops the run with the reason.
#include "addressbook/groupselection.h"
#include "addressbook/vcard/vcardstore.h"
#include "engine/contactcardwriter.h"
#include "engine/pagegenerator.h"
#include "pagepromises.h"
#include "settings/defaultsregistration.h"
#include "settings/exportsettings.h"
#include "settings/groupchoice.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "util/systemlog.h"

#include <QFile>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// Made once: the application (a GUI one on the offscreen platform, as vorlin-export runs),
// the bundle and a store that is never saved.
struct Exporter
{
    Exporter()
    {
        // Decoders warn about every broken picture; printing that would be most of the work.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        QFile css(bundle.resourcesPath() + u"/default.css"_s);
        if (!css.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "export_fuzzer: %s missing\n", qPrintable(css.fileName()));
            std::abort();
        }
        store.registerDefaults(defaultSettings(QString::fromUtf8(css.readAll())));
    }

    int argc = 1;
    char name[14] = "export_fuzzer";
    char *argv[2] = {name, nullptr};
    bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application{argc, argv};
    Bundle bundle{QString::fromUtf8(VORLIN_FUZZ_BUNDLE_CONTENTS)};
    PreferencesStore store{{u"/nonexistent/vorlin-fuzz/prefs.plist"_s, {}}};
    SystemLogCapture quiet{[](const QString &) {
    }};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Exporter exporter;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ContactStoreRead read = readVCardData(bytes, u"fuzz.vcf"_s);
    // As a first run of vorlin-export: every group chosen.
    exporter.store.registerDefaults(
        {{SettingsKeys::groupsToUse,
          groupChoicesToVariant(refreshedGroupChoices(allGroupNames(*read.store), std::nullopt))}});
    ExportSettings settings;
    PageGenerator generator(exporter.store, settings, *read.store, exporter.bundle);
    qsizetype contacts = 0;
    const QByteArray page
        = generator.pageText(u"/dev/null/images"_s, PictureSaving::Save, {}, contacts);
    if (const std::optional<QString> broken = brokenPagePromise(QString::fromUtf8(page))) {
        std::fprintf(stderr, "export_fuzzer: the page breaks a promise: %s\n", qPrintable(*broken));
        std::abort();
    }
    return 0;
}
