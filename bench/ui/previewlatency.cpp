// SPDX-License-Identifier: GPL-3.0-or-later
// How long the live preview takes to follow a change: from a control's edit (a switch
// clicked, a key typed into a scheme field, both through the settings binder as in the
// window) to the new page loaded in the web view (and, inside that, to the page being
// rendered), over 200 changes, offscreen. The edits' delayed saves run in the event loop
// between and during the measurements, as they do in the window. Prints the median and the
// 95th percentile in milliseconds.
//   build/bench/bench/ui_preview_latency [changes]
#include "settings/defaultsregistration.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "ui/appcontroller.h"
#include "ui/livepreview.h"
#include "ui/settingsbinder.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Figures
{
    double median;
    double p95;
};

// A key typed into the field, delivered as the window system delivers it.
void typeKey(QLineEdit &field, int index)
{
    const QString text = QString::number(index % 10);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + index % 10, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_0 + index % 10, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&field, &press);
    QCoreApplication::sendEvent(&field, &release);
}

Figures figures(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        return samples.at(static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1)));
    };
    return {at(0.5), at(0.95)};
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    const int changes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const Bundle bundle(QStringLiteral(VORLIN_BENCH_BUNDLE_CONTENTS));
    PreferencesStore &store = PreferencesStore::standard();
    registerDefaultSettings(store, bundle);
    AppController controller(store, bundle);
    LivePreview view;
    view.resize(700, 500);
    view.show();
    QCheckBox sortSwitch;
    controller.binder().bindValue(&sortSwitch, u"values."_s + SettingsKeys::sortByLast);
    QLineEdit schemeField;
    controller.binder().bindValue(
        &schemeField, u"values.phoneURIScheme"_s,
        {.transformerName = {}, .nullPlaceholder = {}, .continuous = true});

    QElapsedTimer clock;
    qint64 rendered = 0;
    QObject::connect(&controller, &AppController::previewChanged, &view,
                     [&](const QString &html, const QUrl &base) {
                         rendered = clock.nsecsElapsed();
                         view.showPage(html, base);
                     });
    QEventLoop loop;
    QObject::connect(&view, &LivePreview::pageShown, &loop, &QEventLoop::quit);
    controller.updatePreview();
    loop.exec(); // the first page starts Chromium; not counted

    std::vector<double> toLoaded;
    std::vector<double> toRendered;
    for (int i = 0; i < changes; ++i) {
        clock.start();
        // Alternate a switch and a keystroke in a scheme field, the two common changes.
        if (i % 2 == 0)
            sortSwitch.click();
        else
            typeKey(schemeField, i);
        loop.exec();
        toLoaded.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        toRendered.push_back(static_cast<double>(rendered) / 1e6);
    }
    const Figures loaded = figures(toLoaded);
    const Figures render = figures(toRendered);
    std::printf("preview latency over %d changes (ms)\n", changes);
    std::printf("  change -> page rendered: median %.2f  p95 %.2f\n", render.median, render.p95);
    std::printf("  change -> page loaded:   median %.2f  p95 %.2f\n", loaded.median, loaded.p95);
    return 0;
}
