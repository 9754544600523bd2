// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the widget tests: GoogleTest first, then a QApplication on the offscreen
// platform, so widgets can be made, shown and painted without a display. The window speaks
// English, from the build tree bundle's catalogue, as it does for an English user.
#include <QApplication>
#include <QTranslator>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The web view's Chromium cannot sandbox itself as root (CI).
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QTranslator english;
    if (english.load(
            QStringLiteral(VORLIN_TEST_BUNDLE_CONTENTS "/Resources/translations/vorlin_en.qm")))
        QCoreApplication::installTranslator(&english);
    return RUN_ALL_TESTS();
}
