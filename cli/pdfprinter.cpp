// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pdfprinter.h"

#include "cli/printedpage.h"
#include "engine/pagefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMutex>
#include <QPageLayout>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// What the page asks for with @page; the engine's own default would be none.
constexpr QMarginsF kPageMargins(12, 12, 12, 12);

QString terminationReason(QWebEnginePage::RenderProcessTerminationStatus status, int exitCode)
{
    switch (status) {
    case QWebEnginePage::CrashedTerminationStatus:
        return u"the web engine crashed while printing (status %1)"_s.arg(exitCode);
    case QWebEnginePage::KilledTerminationStatus:
        return u"the web engine was killed while printing, perhaps for lack of memory"_s;
    case QWebEnginePage::AbnormalTerminationStatus:
    case QWebEnginePage::NormalTerminationStatus:
        break;
    }
    return u"the web engine stopped while printing (status %1)"_s.arg(exitCode);
}

// The engine reports its set-up on Qt's log (no graphics card offscreen, no sandbox as
// root): noise when the print succeeds, the likely reason when it fails. So its messages are
// kept while it prints and handed back only with a failure. Any thread may log.
class EngineLog final
{
public:
    EngineLog() { s_previous = qInstallMessageHandler(&EngineLog::keep); }
    ~EngineLog()
    {
        qInstallMessageHandler(s_previous);
        const QMutexLocker lock(&s_mutex);
        s_lines.clear();
    }
    EngineLog(const EngineLog &) = delete;
    EngineLog &operator=(const EngineLog &) = delete;

    [[nodiscard]] static QString lines()
    {
        const QMutexLocker lock(&s_mutex);
        return s_lines.isEmpty() ? QString()
                                 : u"\nThe web engine said:\n  "_s + s_lines.join(u"\n  "_s);
    }

private:
    static void keep(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        const QMutexLocker lock(&s_mutex);
        s_lines.append(message.trimmed());
    }

    static inline QtMessageHandler s_previous = nullptr;
    static inline QMutex s_mutex;
    static inline QStringList s_lines;
};

// Of the local files, the page may load its copy and its pictures only: its style sheet must
// not bring other files of the user's into the PDF. The engine asks before each load.
class PageFence final : public QWebEngineUrlRequestInterceptor
{
public:
    PageFence(const QString &pagePath, const QString &folder)
        : m_readable{pagePath, QDir(folder).filePath(u"images"_s)}
    {}

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (!PageFile::mayRead(info.requestUrl(), m_readable))
            info.block(true);
    }

private:
    QStringList m_readable;
};

} // namespace

void PdfPrinter::prepareProcess()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

PdfPrinter::PdfPrinter(Paper paper)
    : m_paper(paper)
{}

QString PdfPrinter::print(const QByteArray &page, const QString &folder, QSaveFile &pdf) const
{
    PrintedPage copy;
    const Expected<QString> pagePath = copy.write(page, folder);
    if (!pagePath) {
        pdf.cancelWriting();
        return pagePath.error();
    }
    const EngineLog log;
    const QString failure = printFile(*pagePath, folder, pdf);
    if (failure.isEmpty())
        return {};
    pdf.cancelWriting();
    return failure + EngineLog::lines();
}

QString PdfPrinter::printFile(const QString &pagePath, const QString &folder, QSaveFile &pdf) const
{
    // Declared before the page, whose destruction may still call back into them.
    QEventLoop loop;
    QString failure;
    QByteArray bytes;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        failure
            = u"%1: the web engine did not finish printing within %2 seconds: the page "
              "may be too large, or its style sheet wait on a file or server that never answers"_s
                  .arg(pdf.fileName())
                  .arg(kDeadline.count());
        loop.quit();
    });
    timer.start(kDeadline);

    PageFence fence(pagePath, folder);
    QWebEngineProfile profile; // off the record: nothing is kept in the user's home
    QWebEnginePage webPage(&profile);
    webPage.settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    webPage.setUrlRequestInterceptor(&fence);
    QObject::connect(&webPage, &QWebEnginePage::loadFinished, &loop, [&](bool ok) {
        if (!ok)
            failure = u"%1: the page could not be loaded for printing"_s.arg(pdf.fileName());
        loop.quit();
    });
    QObject::connect(&webPage, &QWebEnginePage::renderProcessTerminated, &loop,
                     [&](QWebEnginePage::RenderProcessTerminationStatus status, int exitCode) {
                         failure
                             = u"%1: %2"_s.arg(pdf.fileName(), terminationReason(status, exitCode));
                         loop.quit();
                     });
    webPage.load(QUrl::fromLocalFile(pagePath));
    loop.exec();
    if (failure.isEmpty()) {
        webPage.printToPdf(
            [&](const QByteArray &result) {
                bytes = result;
                loop.quit();
            },
            QPageLayout(pageSize(m_paper), QPageLayout::Portrait, kPageMargins,
                        QPageLayout::Millimeter));
        loop.exec();
        if (failure.isEmpty() && bytes.isEmpty())
            failure = u"%1: the web engine could not print the page"_s.arg(pdf.fileName());
    }
    if (failure.isEmpty() && (pdf.write(bytes) != bytes.size() || !pdf.commit()))
        failure = u"%1: %2"_s.arg(pdf.fileName(), pdf.errorString());
    return failure;
}
