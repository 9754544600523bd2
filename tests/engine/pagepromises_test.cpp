// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-export fuzzer trusts this check: it must pass the pages the engine writes and
// catch each way a page could let contact data run or reach out.
#include "pagepromises.h"

#include "rowname.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(PagePromises, areKeptByTheGoldenPages)
{
    for (const QString &name : {u"demo.html.ref"_s, u"hostile.html.ref"_s}) {
        QFile file(QString::fromUtf8(VORLIN_SOURCE_DIR) + u"/tests/engine/data/"_s + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const std::optional<QString> broken = brokenPagePromise(QString::fromUtf8(file.readAll()));
        EXPECT_FALSE(broken) << name.toStdString() << ": " << broken->toStdString();
    }
}

struct BrokenRow : NamedRow
{
    QString body;
    QString reason;
};

class BrokenPromise : public testing::TestWithParam<BrokenRow>
{};

TEST_P(BrokenPromise, isNamed)
{
    const QString page = u"<html><body><div>"_s + GetParam().body + u"</div></body></html>"_s;
    const std::optional<QString> broken = brokenPagePromise(page);
    ASSERT_TRUE(broken);
    EXPECT_TRUE(broken->contains(GetParam().reason)) << broken->toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BrokenPromise,
    testing::Values(
        BrokenRow{"script", u"<SCRIPT>x</SCRIPT>"_s, u"<script>"_s},
        BrokenRow{"scriptWithoutBlank", u"<script/src=x></script>"_s, u"<script>"_s},
        BrokenRow{"eventAttribute", u"<img src=\"images/a.png\" OnError=\"x\">"_s, u"onerror"_s},
        BrokenRow{"unquotedEvent", u"<a href=#x onclick=y>a</a>"_s, u"onclick"_s},
        BrokenRow{"scriptLink", u"<a href=\" JavaScript:x\">a</a>"_s, u"runs code"_s},
        BrokenRow{"splitScheme", u"<a href=\"java&#9;script:x\">a</a>"_s, u"runs code"_s},
        BrokenRow{"encodedScheme", u"<a href=\"&#x76;bscript:x\">a</a>"_s, u"runs code"_s},
        BrokenRow{"dataPicture", u"<img src=\"data:image/png,x\">"_s, u"runs code"_s},
        BrokenRow{"pictureOutside", u"<img src=\"images/../x.png\">"_s, u"outside images/"_s},
        BrokenRow{"pictureElsewhere", u"<img src=\"/etc/x.png\">"_s, u"outside images/"_s},
        BrokenRow{"strayEndTag", u"</span>"_s, u"</span> closes <div>"_s},
        BrokenRow{"unclosed", u"<span>"_s, u"closes <span>"_s},
        BrokenRow{"tagCutByATag", u"<b"_s, u"broken by '<'"_s}),
    RowName());

TEST(PagePromises, quotedTextIsNoAttribute)
{
    EXPECT_FALSE(brokenPagePromise(
        u"<p><img src=\"images/a.png\" alt=\"x onclick=y javascript:z\"><br></p>"_s));
}

} // namespace
