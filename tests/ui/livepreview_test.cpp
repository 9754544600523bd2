// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllertestsupport.h"
#include "engine/pagefile.h"
#include "qtprinters.h"
#include "rowname.h"
#include "settings/settingskeys.h"
#include "ui/livepreview.h"

#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>

using namespace Qt::StringLiterals;

namespace {

// Scripts of our own run in a world apart, as the preview's do: the page's own stay off.
QVariant evaluateIn(LivePreview &view, const QString &script)
{
    auto answer = std::make_shared<std::optional<QVariant>>();
    QEventLoop loop;
    view.page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                               [answer, waiting = QPointer(&loop)](const QVariant &result) {
                                   *answer = result;
                                   if (waiting)
                                       waiting->quit();
                               });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    if (!answer->has_value())
        loop.exec();
    return answer->value_or(QVariant());
}

// The sample card's picture must load from the bundle's resource folder.
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
    EXPECT_GT(evaluateIn(view, u"document.images.length ? document.images[0].naturalWidth : -1"_s)
                  .toInt(),
              0);
}

struct PaddingRow : NamedRow
{
    qsizetype padding; // bytes of style-sheet comment: over 2 MB the page goes through a file
};

const auto kPaddings
    = testing::Values(PaddingRow{"throughItsAddress", 0}, PaddingRow{"throughAFile", 3'000'000});

class UserStyleSheet : public Controller, public testing::WithParamInterface<PaddingRow>
{};

// The style sheet applies whole, however long (an embedded font passes the 2 MB of a data
// address), and its "</style>" neither ends the element nor changes what the CSS says.
TEST_P(UserStyleSheet, appliesWholeWithinItsElement)
{
    store.setObject(
        u"/*%1*/ body { color: rgb(1, 2, 3) } body::after { content: \"</style>\" }"
        " </style><p id=\"escaped\"></p><style>"_s.arg(QString(GetParam().padding, u'x')),
        SettingsKeys::css);
    LivePreview view;
    view.resize(600, 400);
    view.show();
    QSignalSpy shown(&view, &LivePreview::pageShown);
    view.showPage(controller.previewHtml(), controller.previewBaseUrl());
    ASSERT_TRUE(shown.wait(30000));
    EXPECT_TRUE(shown.first().first().toBool());
    EXPECT_EQ(evaluateIn(view,
                         u"[getComputedStyle(document.body).color, "
                         "getComputedStyle(document.body, '::after').content, "
                         "document.getElementById('escaped')].join('|')"_s)
                  .toString(),
              u"rgb(1, 2, 3)|\"</style>\"|"_s);
}

INSTANTIATE_TEST_SUITE_P(LivePreview, UserStyleSheet, kPaddings, RowName());

const QUrl kResources = QUrl::fromLocalFile(Bundle(kBundle).resourcesPath() + u'/');

// 5000 pixels tall, with its number in #marker; with `padding` bytes of style-sheet comment.
QString tallPage(int number, qsizetype padding = 0)
{
    return u"<html><head><style>/*%1*/ body { height: 5000px }</style></head><body>"
           "<p id=\"marker\">%2</p><img src=\"images/genericPerson.png\"></body></html>"_s
               .arg(QString(padding, u'x'))
               .arg(number);
}

class LivePreviewTest : public testing::Test
{
protected:
    LivePreviewTest()
    {
        view.resize(600, 400);
        view.show();
    }

    // Hands the pages over `gap` milliseconds apart and waits until the last one is shown.
    // (Waits run a real event loop: the engine's own work runs on it.)
    bool showPages(const QStringList &pages, int gap = 0)
    {
        qsizetype before = 0;
        for (const QString &html : pages) {
            before = shown.size();
            view.showPage(html, kResources);
            if (gap > 0)
                QTest::qWait(gap);
        }
        while (shown.size() <= before) {
            if (!shown.wait(60000))
                return false;
        }
        return true;
    }

    QVariant evaluate(const QString &script) { return evaluateIn(view, script); }

    bool scrollTo(int y)
    {
        evaluate(u"window.scrollTo(0, %1)"_s.arg(y));
        return evaluate(u"window.scrollY"_s).toInt() == y;
    }

    LivePreview view;
    QSignalSpy shown{&view, &LivePreview::pageShown};
};

struct BurstRow : NamedRow
{
    int pages;
    int gapMs;
    qsizetype padding;
};

class PageBurst : public LivePreviewTest, public testing::WithParamInterface<BurstRow>
{};

// Pages arriving faster than they load must not move the reader; nor may the next page
// undo where the reader scrolled afterwards.
TEST_P(PageBurst, keepsTheReadersPosition)
{
    const BurstRow &row = GetParam();
    ASSERT_TRUE(showPages({tallPage(0, row.padding)}));
    ASSERT_TRUE(scrollTo(1500));
    QStringList burst;
    for (int number = 1; number <= row.pages; ++number)
        burst << tallPage(number, row.padding);
    ASSERT_TRUE(showPages(burst, row.gapMs));
    EXPECT_EQ(evaluate(u"marker.textContent"_s).toInt(), row.pages);
    EXPECT_EQ(evaluate(u"window.scrollY"_s).toInt(), 1500);
    ASSERT_TRUE(scrollTo(400));
    ASSERT_TRUE(showPages({tallPage(0, row.padding)}));
    EXPECT_EQ(evaluate(u"window.scrollY"_s).toInt(), 400);
}

INSTANTIATE_TEST_SUITE_P(LivePreview, PageBurst,
                         testing::Values(BurstRow{"allAtOnce", 30, 0, 0},
                                         BurstRow{"everyFewMilliseconds", 30, 3, 0},
                                         BurstRow{"aboutOneLoadApart", 20, 15, 0},
                                         BurstRow{"over2MBEach", 4, 5, 3'000'000}),
                         RowName());

class PageFence : public LivePreviewTest, public testing::WithParamInterface<PaddingRow>
{};

// The page is static and reads local files in the resource folder only: its script, and a
// picture and a style sheet from elsewhere, are left out; the folder's own picture is not.
TEST_P(PageFence, runsNoScriptAndReadsTheResourceFolderOnly)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::copy(kResources.toLocalFile() + u"images/genericPerson.png"_s,
                            elsewhere.filePath(u"x.png"_s)));
    QFile css(elsewhere.filePath(u"x.css"_s));
    ASSERT_TRUE(css.open(QIODevice::WriteOnly) && css.write("body { color: rgb(1, 2, 3) }") > 0);
    css.close();
    const QString outside = QUrl::fromLocalFile(elsewhere.path()).toString();
    QString page = tallPage(1, GetParam().padding);
    page.replace(u"<style>"_s, u"<style>@import url(%1/x.css);"_s.arg(outside));
    page.replace(u"</body>"_s,
                 u"<img src=\"%1/x.png\"><script>marker.textContent = 'ran'</script>"
                 "</body>"_s.arg(outside));
    ASSERT_TRUE(showPages({page}));
    EXPECT_EQ(evaluate(u"marker.textContent"_s).toString(), u"1"_s);
    EXPECT_EQ(evaluate(u"[...document.images].map(i => i.naturalWidth > 0).join()"_s).toString(),
              u"true,false"_s);
    EXPECT_NE(evaluate(u"getComputedStyle(document.body).color"_s).toString(), u"rgb(1, 2, 3)"_s);
}

INSTANTIATE_TEST_SUITE_P(LivePreview, PageFence, kPaddings, RowName());

// Over the data-address limit the page still shows, its relative picture from the resource
// folder, written where only the user can read it.
TEST_F(LivePreviewTest, showsAPageOver2MB)
{
    ASSERT_TRUE(showPages({tallPage(7, 3'000'000)}));
    EXPECT_TRUE(shown.last().first().toBool());
    EXPECT_EQ(evaluate(u"marker.textContent"_s).toInt(), 7);
    EXPECT_EQ(evaluate(u"document.baseURI"_s).toUrl(), kResources);
    EXPECT_TRUE(
        evaluate(u"document.images[0].complete && document.images[0].naturalWidth > 0"_s).toBool());
    EXPECT_EQ(QFile::permissions(view.url().toLocalFile()),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}

// With no folder to write the large page to, the view says so instead of staying blank.
TEST_F(LivePreviewTest, saysWhyALargePageCannotBeShown)
{
    QTemporaryFile notAFolder;
    ASSERT_TRUE(notAFolder.open());
    const QByteArray savedTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", notAFolder.fileName().toUtf8());
    const bool loaded = showPages({tallPage(1, 3'000'000)});
    qputenv("TMPDIR", savedTemp);
    ASSERT_TRUE(loaded);
    const QString text = evaluate(u"document.body.innerText"_s).toString();
    EXPECT_TRUE(text.contains(u"cannot be shown"_s) && text.contains(notAFolder.fileName()))
        << text.toStdString();
}

struct BaseRow : NamedRow
{
    QString html;
    QString expected;
};

class PageWithBase : public testing::TestWithParam<BaseRow>
{};

TEST_P(PageWithBase, putsTheBaseFirstInTheHead)
{
    EXPECT_EQ(PageFile::withBase(GetParam().html, QUrl(u"file:///r/a&b/"_s)), GetParam().expected);
}

const QString kBase = u"<base href=\"file:///r/a&amp;b/\">"_s;
INSTANTIATE_TEST_SUITE_P(PreviewPageFile, PageWithBase,
                         testing::Values(BaseRow{"afterHead", u"<html><head><title>"_s,
                                                 u"<html><head>"_s + kBase + u"<title>"_s},
                                         BaseRow{"afterHeadOfAnyCase", u"<HEAD lang=\"en\">x"_s,
                                                 u"<HEAD lang=\"en\">"_s + kBase + u"x"_s},
                                         BaseRow{"headerIsNotHead", u"<header>x"_s,
                                                 kBase + u"<header>x"_s}),
                         RowName());

// setHtml's limit counts the page percent-encoded: a non-letter byte takes three characters.
TEST(PreviewPageFile, isNeededOverTheEncodedLimit)
{
    const qsizetype room = qsizetype{2} * 1024 * 1024 - u"data:text/html;charset=UTF-8,"_s.size();
    EXPECT_FALSE(PreviewPageFile::isNeededFor(QString(room, u'a')));
    EXPECT_TRUE(PreviewPageFile::isNeededFor(QString(room + 1, u'a')));
    EXPECT_TRUE(PreviewPageFile::isNeededFor(QString(room / 5, u'é')));
}

} // namespace
