// SPDX-License-Identifier: GPL-3.0-or-later
// A throw-away bundle and page folder for the card and page tests: generic pictures and a
// sample card of the test's own, so the tests depend on no shipped artwork.
#pragma once

#include "rowname.h"
#include "util/bundle.h"
#include "util/dateformatsource.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <vector>

class NoDateFormats final : public DateFormatSource
{
public:
    std::optional<QString> calendarFormatForKey(const QString &) const override
    {
        return QStringLiteral("%Y-%m-%d");
    }
};

inline QByteArray pngBytes(int side, QColor colour)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class TestBundle
{
public:
    TestBundle()
    {
        QDir().mkpath(resources() + QStringLiteral("/images"));
        for (const char *name : {"genericPerson", "genericCompany"})
            QImage(48, 48, QImage::Format_ARGB32)
                .save(resources() + QStringLiteral("/images/%1.png").arg(QLatin1String(name)));
    }

    [[nodiscard]] Bundle bundle() const
    {
        return Bundle(m_dir.filePath(QStringLiteral("Contents")));
    }
    [[nodiscard]] QString resources() const { return bundle().resourcesPath(); }

private:
    QTemporaryDir m_dir;
};

// A limit on the size of the files the process writes, standing in for a full disk even
// for root; a write past it fails instead of raising a signal. Lifted when it goes.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
        : m_previousHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limited = m_before;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_before{};
    void (*m_previousHandler)(int);
};

/// A style sheet and what the page's <style> element must hold for it: the placeholders of
/// both page templates kept as text, and the element's end tag escaped as CSS reads it alike.
struct StyleSheetRow : NamedRow
{
    QString css;
    QString elementText;
};

inline const std::vector<StyleSheetRow> kStyleSheetRows{
    {{"letterIndex"}, QStringLiteral("p::before { content: \"<<toc>>\" }"), {}},
    {{"cardAndLetter"}, QStringLiteral("/* <<card>> <<l>> */"), {}},
    {{"styleSheet"}, QStringLiteral("/* <<css>> */"), {}},
    {{"argumentMarkers"}, QStringLiteral("/* %1 %2 %3 */"), {}},
    {{"endTagThenScript"},
     QStringLiteral("</style><script>document.title='ran'</script>"),
     QStringLiteral("<\\/style><script>document.title='ran'</script>")},
    {{"endTagOfAnyCaseAndEnding"},
     QStringLiteral("</STYLE >x</sTyLe/>"),
     QStringLiteral("<\\/STYLE >x<\\/sTyLe/>")},
    {{"endTagInAString"},
     QStringLiteral("p::after { content: \"</style>\" }"),
     QStringLiteral("p::after { content: \"<\\/style>\" }")},
    {{"endTagAfterABackslash"}, QStringLiteral("\\</style>"), QStringLiteral("\\<\\/style>")},
    {{"otherTagsAndBlanks"}, QStringLiteral("</div> <style> </ style> </stylo"), {}}};

/// Whether page holds one <style> element, and its text is the row's (the style sheet itself
/// when the row gives none).
inline testing::AssertionResult holdsStyleElementOf(const QString &page, const StyleSheetRow &row)
{
    const QString element = QStringLiteral("media=\"all\">\n%1\n\t</style>\n")
                                .arg(row.elementText.isEmpty() ? row.css : row.elementText);
    if (page.count(QStringLiteral("</style"), Qt::CaseInsensitive) != 1 || !page.contains(element))
        return testing::AssertionFailure() << page.toStdString();
    return testing::AssertionSuccess();
}
