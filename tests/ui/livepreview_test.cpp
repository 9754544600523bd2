// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllertestsupport.h"
#include "ui/livepreview.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>

using namespace Qt::StringLiterals;

namespace {

// The one test with the real web view: the sample card's picture must load from the
// bundle's resource folder.
TEST_F(Controller, realWebViewLoadsTheSamplePicture)
{
    LivePreview view;
    view.resize(600, 400);
    view.show();
    QSignalSpy shown(&view, &LivePreview::pageShown);
    controller.updatePreview();
    view.showPage(controller.previewHtml(), controller.previewBaseUrl());
    ASSERT_TRUE(shown.wait(30000));
    ASSERT_TRUE(shown.first().first().toBool());
    QVariant width;
    bool answered = false;
    view.page()->runJavaScript(u"document.images.length ? document.images[0].naturalWidth : -1"_s,
                               [&](const QVariant &result) {
                                   width = result;
                                   answered = true;
                               });
    QTRY_VERIFY_WITH_TIMEOUT(answered, 10000);
    EXPECT_GT(width.toInt(), 0);
}

} // namespace
