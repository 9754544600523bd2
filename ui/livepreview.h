// SPDX-License-Identifier: GPL-3.0-or-later
// The web view of the live preview: shows each new page with the resource folder as its
// base address and keeps the reader's scroll position from one page to the next, however
// fast pages arrive. Pages too large for setHtml go through a private file; a page that
// cannot be shown at all leaves a line saying why. The page is static: none of its scripts
// run, and of the local files it reads only those in the resource folder and its own. Keyboard
// focus reaches it only by a click: it shows a sample, nothing in it is to be acted on, and Tab
// goes on to the style sheet.
#pragma once

#include "ui/previewpagefile.h"

#include <QPointF>
#include <QStringList>
#include <QWebEngineView>

#include <functional>
#include <memory>

class LivePreview final : public QWebEngineView
{
    Q_OBJECT

public:
    explicit LivePreview(QWidget *parent = nullptr);

    /// Tells the web engine whether the desktop prefers dark colours, so that a page with a
    /// dark variant shows it on a dark desktop as a browser there would. Heard only before
    /// the first web view exists; a scheme already given in QTWEBENGINE_CHROMIUM_FLAGS stands.
    static void preferColorScheme(bool dark);

    /// Loads html; once loaded, scrolls to where the reader was on the last page shown.
    /// A page handed over while another loads supersedes it.
    void showPage(const QString &html, const QUrl &baseUrl);

protected:
    bool event(QEvent *event) override;

Q_SIGNALS:
    /// The page of the latest showPage() is loaded and scrolled (a superseded one never says
    /// so).
    void pageShown(bool ok);

private:
    // Shown: the page in the view is the reader's; its position is read before the next.
    enum class Stage { Loading, ReadingPosition, Restoring, Shown };

    void readPosition();
    void positionRead(const QVariant &position);
    void loadLatest();
    void loadBegun();
    void restorePosition(bool ok);
    void scrollBack(quint64 number, bool ok, int attemptsLeft);
    void positionRestored(quint64 number, bool ok, bool moved, int attemptsLeft);
    void runScript(const QString &script,
                   std::function<void(LivePreview &, const QVariant &)> answer);

    Stage m_stage = Stage::Loading;
    QPointF m_scrollPosition;
    QString m_html; // the latest page, until it is loaded
    QUrl m_baseUrl;
    QStringList m_readable; // the local files and folders the page in the view may read
    quint64 m_pageNumber = 0;
    PreviewPageFile m_largePage;
    // Script answers can arrive while the base view is destroyed, after these members.
    std::shared_ptr<LivePreview *> m_self = std::make_shared<LivePreview *>(this);
};
