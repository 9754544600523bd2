// SPDX-License-Identifier: GPL-3.0-or-later
// vorlin-export: writes the address book as one HTML page with the settings of the Vorlin
// window, or prints the window's preview page.
#include "cli/exportcommand.h"
#include "cli/pdfprinter.h"
#include "settings/defaultsregistration.h"
#include "settings/preferencesstore.h"
#include "util/bundletranslations.h"
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

    const ExportOptionsParse parse = parseExportOptions(QCoreApplication::arguments());
    if (!parse.options) {
        std::fputs(parse.message.toUtf8().constData(), parse.exitStatus == 0 ? stdout : stderr);
        return parse.exitStatus;
    }
    const Bundle bundle = Bundle::main();
    BundleTranslations translations = BundleTranslations::load(bundle);
    translations.install();
    PreferencesStore &store = PreferencesStore::standard();
    registerDefaultSettings(store, bundle);
    return ExportCommand(store, bundle).run(*parse.options);
}
