// SPDX-License-Identifier: GPL-3.0-or-later
// The one main of every test program: GoogleTest first, then a headless Qt application
// object, so that Qt's locale, text codecs and event loop are there for the tests.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
