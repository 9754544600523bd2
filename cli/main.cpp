// SPDX-License-Identifier: GPL-3.0-or-later
// vorlin-export: writes the address book as one HTML page with the settings of the Vorlin
// window, or prints the window's preview page.
#include "cli/exportcommand.h"
#include "cli/pdfprinter.h"
#include "settings/defaultsregistration.h"
#include "settings/preferencesstore.h"
#include "util/bundletranslations.h"

#include <QGuiApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform looks up the session's runtime folder, which a root shell or a cron
// job lacks; Qt's warning about it would then start every run, for a folder this command
// does not need.
void withoutRuntimeFolderWarning(QtMsgType type, const QMessageLogContext &context,
                                 const QString &message)
{
    if (!message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"))
        qtHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    // A GUI application, because some picture formats (SVG with text) and the PDF's web
    // engine need one; on the offscreen platform, because a command shows no window and must
    // not depend on a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PdfPrinter::prepareProcess();
    qtHandler = qInstallMessageHandler(withoutRuntimeFolderWarning);
    QGuiApplication application(argc, argv);
    qInstallMessageHandler(qtHandler);
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
