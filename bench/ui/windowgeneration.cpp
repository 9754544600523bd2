// SPDX-License-Identifier: GPL-3.0-or-later
// How long a generation takes in the window against vorlin-export on the same address book,
// with the same settings, both writing pictures: the window's time is Generate's (after the
// save dialog), the command's is the whole run. Prints the median of each over the runs. The
// whole window is shown, preview included, on the display there is (offscreen without one):
// run it under xvfb-run to count what drawing the window costs.
//   xvfb-run build/bench/bench/ui_window_generation BOOK.vcf [runs]
#include "settings/defaultsregistration.h"
#include "settings/preferencesstore.h"
#include "ui/appcontroller.h"
#include "ui/livepreview.h"
#include "ui/mainwindow.h"
#include "util/bundletranslations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

double medianSeconds(int runs, const std::function<void()> &run)
{
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        run();
        seconds.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds.at(seconds.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: ui_window_generation BOOK.vcf [runs]\n");
        return 2;
    }
    const QString book = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    QTemporaryDir work;
    qputenv("XDG_CONFIG_HOME", work.filePath(u"config"_s).toUtf8());
    const Bundle bundle(QStringLiteral(VORLIN_BENCH_BUNDLE_CONTENTS));
    BundleTranslations translations = BundleTranslations::load(bundle);
    translations.install();
    PreferencesStore &store = PreferencesStore::standard();
    registerDefaultSettings(store, bundle);
    AppController controller(store, bundle);
    if (!controller.openAddressBook(book)) {
        std::fprintf(stderr, "%s\n", qPrintable(controller.openError()));
        return 2;
    }
    MainWindow window(controller);
    window.setRevealer([](const QString &) {});
    controller.updatePreview();
    window.show();
    QEventLoop shown;
    QObject::connect(window.preview(), &LivePreview::pageShown, &shown, &QEventLoop::quit);
    shown.exec();

    const double inWindow
        = medianSeconds(runs, [&] { window.generateTo(work.filePath(u"window/vorlin.html"_s)); });
    const double byCommand = medianSeconds(runs, [&] {
        QProcess::execute(bundle.executablesPath() + u"/vorlin-export"_s,
                          {u"--quiet"_s, u"--address-book"_s, book, u"--output"_s,
                           work.filePath(u"cli/vorlin.html"_s)});
    });
    std::printf("generation of %lld contacts, median of %d runs (s)\n",
                static_cast<long long>(controller.contactCount()), runs);
    std::printf("  window: %.3f  vorlin-export: %.3f  ratio %.2f\n", inWindow, byCommand,
                inWindow / byCommand);
    return 0;
}
