// SPDX-License-Identifier: GPL-3.0-or-later
// Vorlin: the window that turns an address book into one HTML page, with a live preview.
//   Vorlin [--address-book PATH] [--screenshot FILE]
#include "settings/defaultsregistration.h"
#include "settings/preferencesstore.h"
#include "ui/appcontroller.h"
#include "ui/livepreview.h"
#include "ui/mainwindow.h"
#include "ui/panelcolors.h"
#include "util/bundletranslations.h"
#include "util/controlcharacters.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// For the README's pictures: the real window, taken once the preview has been painted.
void saveScreenshotWhenShown(MainWindow &window, const QString &file)
{
    QObject::connect(
        window.preview(), &LivePreview::pageShown, &window,
        [&window, file] {
            QTimer::singleShot(1500, &window, [&window, file] {
                const bool saved = window.grab().save(file, "png");
                if (!saved)
                    std::fprintf(stderr, "Vorlin: cannot write %s\n", qPrintable(file));
                QCoreApplication::exit(saved ? 0 : 1);
            });
        },
        Qt::SingleShotConnection);
}

} // namespace

int main(int argc, char *argv[])
{
    // Chromium refuses to run its sandbox as root (containers, CI); it must be told before
    // the first web view exists.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Vorlin"_s);
    QApplication::setApplicationVersion(QStringLiteral(VORLIN_VERSION));
    QApplication::setDesktopFileName(u"org.vorlin.Vorlin"_s);
    LivePreview::preferColorScheme(PanelColors::isDark(QApplication::palette()));

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Turns an address book into one HTML page."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption addressBook(
        u"address-book"_s,
        u"The address book: a .vcf file or a folder of them, or eds: (the desktop's default "
        "address book) or eds:UID."_s,
        u"PATH"_s);
    parser.addOption(addressBook);
    const QCommandLineOption screenshot(
        u"screenshot"_s,
        u"Saves a picture of the window as FILE (PNG) once the preview is shown, then quits."_s,
        u"FILE"_s);
    parser.addOption(screenshot);
    parser.process(application);

    const Bundle bundle = Bundle::main();
    BundleTranslations translations = BundleTranslations::load(bundle);
    translations.install();
    PreferencesStore &store = PreferencesStore::standard();
    registerDefaultSettings(store, bundle);

    AppController controller(store, bundle);
    const std::optional<QString> path = controller.startAddressBookPath(
        parser.isSet(addressBook) ? std::optional(parser.value(addressBook)) : std::nullopt);
    if (path && !controller.openAddressBook(*path))
        std::fprintf(stderr, "Vorlin: %s\n", qPrintable(visibleControls(controller.openError())));
    MainWindow window(controller);
    controller.updatePreview();
    window.placeWindow();
    window.show();
    window.raise();
    window.activateWindow();
    if (parser.isSet(screenshot))
        saveScreenshotWhenShown(window, parser.value(screenshot));
    return QApplication::exec();
}
