// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/livepreview.h"

#include "engine/uitext.h"

using namespace Qt::StringLiterals;

LivePreview::LivePreview(QWidget *parent)
    : QWebEngineView(parent)
{
    setObjectName(u"webView"_s);
    setAccessibleName(uiText("Preview"));
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (!m_scrollPosition.isNull())
            page()->runJavaScript(
                u"window.scrollTo(%1, %2)"_s.arg(m_scrollPosition.x()).arg(m_scrollPosition.y()));
        Q_EMIT pageShown(ok);
    });
}

void LivePreview::showPage(const QString &html, const QUrl &baseUrl)
{
    // setHtml starts every page at the top; the reader should stay where they were.
    m_scrollPosition = page()->scrollPosition();
    setHtml(html, baseUrl);
}
