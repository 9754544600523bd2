// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/livepreview.h"

#include "engine/pagefile.h"
#include "ui/uitext.h"

#include <QChildEvent>
#include <QTimer>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

#include <chrono>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// A page not complete yet is asked again a little later, for two seconds at most; then it is
// announced as it is.
constexpr int kScrollAttempts = 100;
constexpr std::chrono::milliseconds kRetryInterval{20};

// Blocks every local file the page asks for outside readable(); the engine asks on this
// thread before each load, the page's own included.
class LocalFileFence final : public QWebEngineUrlRequestInterceptor
{
public:
    LocalFileFence(std::function<QStringList()> readable, QObject *parent)
        : QWebEngineUrlRequestInterceptor(parent)
        , m_readable(std::move(readable))
    {}

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (!PageFile::mayRead(info.requestUrl(), m_readable()))
            info.block(true);
    }

private:
    std::function<QStringList()> m_readable;
};

} // namespace

LivePreview::LivePreview(QWidget *parent)
    : QWebEngineView(parent)
{
    setObjectName(u"webView"_s);
    setAccessibleName(UiText::tr("Preview"));
    setFocusPolicy(Qt::ClickFocus);
    // Our own scripts run in a world of their own, which this setting leaves on.
    settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    // Owned by the page, which may still load while the view is destroyed.
    page()->setUrlRequestInterceptor(new LocalFileFence(
        [self = std::weak_ptr(m_self)] {
            const std::shared_ptr<LivePreview *> view = self.lock();
            return view ? (*view)->m_readable : QStringList();
        },
        page()));
    connect(this, &QWebEngineView::loadStarted, this, &LivePreview::loadBegun);
    connect(this, &QWebEngineView::loadFinished, this, &LivePreview::restorePosition);
    // A page process that dies may leave the position read unanswered; the page still comes.
    connect(this, &QWebEngineView::renderProcessTerminated, this,
            [this] { positionRead(QVariant()); });
}

void LivePreview::preferColorScheme(bool dark)
{
    constexpr char kFlags[] = "QTWEBENGINE_CHROMIUM_FLAGS";
    QByteArray flags = qgetenv(kFlags);
    if (flags.contains("preferredColorScheme"))
        return;
    // Blink's scheme numbers: 0 dark, 1 light.
    flags += dark ? " --blink-settings=preferredColorScheme=0"
                  : " --blink-settings=preferredColorScheme=1";
    qputenv(kFlags, flags.trimmed());
}

// The page is drawn by a child widget that the engine makes and focuses; it is kept out of
// the Tab chain too.
bool LivePreview::event(QEvent *event)
{
    if (event->type() == QEvent::ChildPolished) {
        if (auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()))
            child->setFocusPolicy(Qt::ClickFocus);
    }
    return QWebEngineView::event(event);
}

void LivePreview::showPage(const QString &html, const QUrl &baseUrl)
{
    m_html = html;
    m_baseUrl = baseUrl;
    ++m_pageNumber;
    switch (m_stage) {
    case Stage::Shown:
        return readPosition();
    case Stage::ReadingPosition: // its answer loads the latest page
        return;
    case Stage::Loading:
    case Stage::Restoring:
        // The page in the view is not the reader's yet: the position to keep is still the
        // one read before it.
        return loadLatest();
    }
}

void LivePreview::readPosition()
{
    // Read from the page itself: the view's own figure lags a frame behind and reads the
    // top while a new page is being drawn.
    m_stage = Stage::ReadingPosition;
    runScript(u"document.readyState === 'complete' ? [window.scrollX, window.scrollY] : null"_s,
              [](LivePreview &view, const QVariant &position) { view.positionRead(position); });
}

void LivePreview::positionRead(const QVariant &position)
{
    if (m_stage != Stage::ReadingPosition)
        return;
    // Without an answer (a page still loading, or its process gone) the last known position
    // stays.
    if (const QVariantList xy = position.toList(); xy.size() == 2)
        m_scrollPosition = QPointF(xy.at(0).toDouble(), xy.at(1).toDouble());
    loadLatest();
}

void LivePreview::loadLatest()
{
    m_stage = Stage::Loading;
    const QString html = std::exchange(m_html, QString());
    m_readable = {m_baseUrl.toLocalFile()};
    if (!PreviewPageFile::isNeededFor(html))
        return setHtml(html, m_baseUrl);
    const Expected<QUrl> file = m_largePage.write(html, m_baseUrl);
    if (file) {
        m_readable.append(file->toLocalFile());
        return load(*file);
    }
    const QString why = UiText::tr("The preview cannot be shown.") + u' ' + file.error();
    setHtml(u"<p>%1</p>"_s.arg(why.toHtmlEscaped()));
}

void LivePreview::loadBegun()
{
    // A load that starts after the one we restored (its start is announced late) is ours
    // too: the page is not the reader's until that one has finished.
    if (m_stage != Stage::ReadingPosition)
        m_stage = Stage::Loading;
}

void LivePreview::restorePosition(bool ok)
{
    // A newer page already on its way finishes later; the earlier one is not the reader's.
    if (m_stage == Stage::ReadingPosition || page()->isLoading())
        return;
    m_stage = Stage::Restoring;
    scrollBack(m_pageNumber, ok, kScrollAttempts);
}

void LivePreview::scrollBack(quint64 number, bool ok, int attemptsLeft)
{
    // The engine at times reports a load finished while the page is still being parsed, or
    // runs the script on the page being replaced (no answer): only a complete page is
    // moved, since its pictures decide its height.
    runScript(u"document.readyState === 'complete' && (window.scrollTo(%1, %2), true)"_s
                  .arg(m_scrollPosition.x(), 0, 'f', 1)
                  .arg(m_scrollPosition.y(), 0, 'f', 1),
              [number, ok, attemptsLeft](LivePreview &view, const QVariant &moved) {
                  view.positionRestored(number, ok, moved.toBool(), attemptsLeft - 1);
              });
}

void LivePreview::positionRestored(quint64 number, bool ok, bool moved, int attemptsLeft)
{
    if (number != m_pageNumber || m_stage != Stage::Restoring || page()->isLoading())
        return;
    if (!moved && attemptsLeft > 0) {
        QTimer::singleShot(kRetryInterval, this, [this, number, ok, attemptsLeft] {
            scrollBack(number, ok, attemptsLeft);
        });
        return;
    }
    m_stage = Stage::Shown;
    Q_EMIT pageShown(ok);
}

void LivePreview::runScript(const QString &script,
                            std::function<void(LivePreview &, const QVariant &)> answer)
{
    page()->runJavaScript(
        script, QWebEngineScript::ApplicationWorld,
        [self = std::weak_ptr(m_self), answer = std::move(answer)](const QVariant &result) {
            if (const std::shared_ptr<LivePreview *> view = self.lock())
                answer(**view, result);
        });
}
