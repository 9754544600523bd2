// SPDX-License-Identifier: GPL-3.0-or-later
// Vorlin: the window that turns an address book into one HTML page, with a live preview.
//   Vorlin [--address-book PATH | ADDRESS-BOOK] [--screenshot FILE]
#include "settings/defaultsregistration.h"
#include "settings/preferencesstore.h"
#include "ui/appcontroller.h"
#include "ui/livepreview.h"
#include "ui/mainwindow.h"
#include "ui/panelcolors.h"
#include "util/bundletranslations.h"
#include "util/filename.h"
#include "util/platformstartquiet.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <span>
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

// Without a display the window cannot open: one line and status 1, as the manual page says.
int reportNoDisplay(const char *reason)
{
    std::fprintf(stderr, "Vorlin: cannot open the window: %s\n", reason);
    return 1;
}

QtMessageHandler qtMessageHandler = nullptr;

// While the application is made, a fatal message means that no platform could connect to a
// display; Qt would abort after it.
void endWhenNoDisplayAnswers(QtMsgType type, const QMessageLogContext &context,
                             const QString &message)
{
    if (type == QtFatalMsg)
        std::_Exit(reportNoDisplay("the display cannot be reached"));
    qtMessageHandler(type, context, message);
}

// Whether a platform was chosen, in QT_QPA_PLATFORM or with Qt's own -platform option.
bool platformChosen(int argc, char *argv[])
{
    const std::span arguments(argv, std::size_t(argc));
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || std::any_of(arguments.begin(), arguments.end(), [](const char *argument) {
               return qstrcmp(argument, "-platform") == 0 || qstrcmp(argument, "--platform") == 0;
           });
}

// No display is named, so none can answer: the application is then made offscreen, where
// it says why it opens no window.
bool noDisplayNamed(int argc, char *argv[])
{
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !platformChosen(argc, argv);
}

// The options, --help and --version first, and the address book a file manager hands over.
void describeCommandLine(QCommandLineParser &parser, const QList<QCommandLineOption> &options)
{
    parser.setApplicationDescription(u"Turns an address book into one HTML page."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions(options);
    parser.addPositionalArgument(u"address-book"_s,
                                 u"The address book, as with --address-book: what a file "
                                 "manager hands over."_s,
                                 u"[address-book]"_s);
}

// --help and --version print text, for which no display is needed, not even one that is
// named: asked for, the application is made offscreen. Qt's own options are still among the
// arguments here; each is read as one word, so that no letter of one passes for -h or -v.
bool asksOnlyForText(QCommandLineParser &parser, const QStringList &arguments)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    (void)parser.parse(arguments);
    const bool text
        = parser.isSet(u"help"_s) || parser.isSet(u"help-all"_s) || parser.isSet(u"version"_s);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    return text;
}

// The address book of the command line: --address-book's, or the one argument that a file
// manager hands over ("Open with Vorlin"). An error when it names more than one.
Expected<std::optional<QString>> commandLineAddressBook(const QCommandLineParser &parser,
                                                        const QCommandLineOption &option)
{
    QStringList names = parser.positionalArguments();
    if (parser.isSet(option))
        names.prepend(parser.value(option));
    if (names.size() > 1)
        return Unexpected(u"one address book at a time, not %1"_s.arg(names.size()));
    return names.isEmpty() ? std::nullopt : std::optional(names.first());
}

} // namespace

int main(int argc, char *argv[])
{
    // Chromium refuses to run its sandbox as root (containers, CI); it must be told before
    // the first web view exists.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    const QCommandLineOption addressBook(
        u"address-book"_s,
        u"The address book: a .vcf file or a folder of them, eds: (the desktop's default "
        "address book), eds:UID, thunderbird:PROFILE/FILE (one of Thunderbird's), or the "
        "https:// address of a CardDAV address book or account."_s,
        u"PATH"_s);
    const QCommandLineOption screenshot(
        u"screenshot"_s,
        u"Saves a picture of the window as FILE (PNG) once the preview is shown, then quits."_s,
        u"FILE"_s);
    QCommandLineParser parser;
    describeCommandLine(parser, {addressBook, screenshot});
    const bool headless
        = asksOnlyForText(parser, decodeArguments(argc, argv)) || noDisplayNamed(argc, argv);
    if (headless)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The launcher starts Vorlin by its path inside the bundle; to the user, in --help and as
    // the window's instance name, it is the command vorlin.
    char command[] = "vorlin";
    if (argc > 0)
        argv[0] = command;
    qtMessageHandler = qInstallMessageHandler(endWhenNoDisplayAnswers);
    std::optional<PlatformStartQuiet> quiet(std::in_place);
    QApplication application(argc, argv);
    quiet.reset();
    qInstallMessageHandler(qtMessageHandler);
    QApplication::setApplicationName(u"Vorlin"_s);
    QApplication::setApplicationVersion(QStringLiteral(VORLIN_VERSION));
    QApplication::setDesktopFileName(u"org.vorlin.Vorlin"_s);
    LivePreview::preferColorScheme(PanelColors::isDark(QApplication::palette()));

    // Qt's own list of arguments has already lost the bytes of a file name that is not UTF-8;
    // argv holds what is left once Qt has taken its own options.
    parser.process(decodeArguments(argc, argv));
    const Expected<std::optional<QString>> commandLine
        = commandLineAddressBook(parser, addressBook);
    if (!commandLine) {
        std::fprintf(stderr, "Vorlin: %s\n", qPrintable(commandLine.error()));
        return 1;
    }
    if (headless)
        return reportNoDisplay("neither DISPLAY nor WAYLAND_DISPLAY names a display");

    const Bundle bundle = Bundle::main();
    BundleTranslations translations = BundleTranslations::load(bundle);
    translations.install();
    QApplication::setLayoutDirection(QLocale(translations.language()).textDirection());
    PreferencesStore &store = PreferencesStore::standard();
    registerDefaultSettings(store, bundle);

    AppController controller(store, bundle);
    const std::optional<QString> path = controller.startAddressBookPath(*commandLine);
    if (path && !controller.openAddressBook(*path))
        std::fprintf(stderr, "Vorlin: %s\n", qPrintable(printableFileName(controller.openError())));
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
