// SPDX-License-Identifier: GPL-3.0-or-later
// vorlin-export: writes the address book as one HTML page with the settings of the Vorlin
// window, or prints the window's preview page.
#include "cli/exportcommand.h"
#include "cli/pdfprinter.h"
#include "engine/pagelanguage.h"
#include "settings/defaultsregistration.h"
#include "settings/preferencesstore.h"
#include "util/bundletranslations.h"
#include "util/filename.h"
#include "util/platformstartquiet.h"

#include <QGuiApplication>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    // A GUI application, because some picture formats (SVG with text) and the PDF's web
    // engine need one; on the offscreen platform, because a command shows no window and must
    // not depend on a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PdfPrinter::prepareProcess();
    std::optional<PlatformStartQuiet> quiet(std::in_place);
    QGuiApplication application(argc, argv);
    quiet.reset();
    QCoreApplication::setApplicationName(u"vorlin-export"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(VORLIN_VERSION));

    // Qt's own list of arguments has already lost the bytes of a file name that is not UTF-8;
    // argv holds what is left once Qt has taken its own options.
    const Bundle bundle = Bundle::main();
    const ExportOptionsParse parse
        = parseExportOptions(decodeArguments(argc, argv), PageLanguage::available(bundle));
    if (!parse.options) {
        const bool failed = parse.exitStatus != ExportExit::success;
        const QString message = failed ? printableFileName(parse.message) : parse.message;
        std::fputs(message.toUtf8().constData(), failed ? stderr : stdout);
        return parse.exitStatus;
    }
    BundleTranslations translations = BundleTranslations::load(bundle);
    translations.install();
    PreferencesStore &store = PreferencesStore::standard();
    registerDefaultSettings(store, bundle);
    return ExportCommand(store, bundle).run(*parse.options);
}
