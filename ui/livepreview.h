// SPDX-License-Identifier: GPL-3.0-or-later
// The web view of the live preview: shows each new page with the resource folder as its
// base address and keeps the reader's scroll position from one page to the next.
#pragma once

#include <QPointF>
#include <QWebEngineView>

class LivePreview final : public QWebEngineView
{
    Q_OBJECT

public:
    explicit LivePreview(QWidget *parent = nullptr);

    /// Loads html; once loaded, scrolls to where the previous page was.
    void showPage(const QString &html, const QUrl &baseUrl);

Q_SIGNALS:
    /// The page of the latest showPage() is loaded (a superseded one never says so).
    void pageShown(bool ok);

private:
    QPointF m_scrollPosition;
};
