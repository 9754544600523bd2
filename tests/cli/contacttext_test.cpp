// SPDX-License-Identifier: GPL-3.0-or-later
// Contact text through the built vorlin-export: links, control characters and dates as the
// page and the terminal receive them.
#include "util/propertylist.h"

#include "exporthome.h"
#include "qtprinters.h"
#include "rowname.h"

using namespace Qt::StringLiterals;

namespace {

const QByteArray kEve = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:eve\r\nN:Vance;Eve;;;\r\n"
                        "URL;TYPE=HOME:https://example.org/eve\r\n"
                        "URL;TYPE=WORK:javascript:alert(1)\r\n"
                        "URL;TYPE=OTHER: JaVaScRiPt:alert(2)\r\n"
                        "NOTE:bell\x07 escape\x1B[2J end\r\n"
                        "BDAY:1985-03-05\r\n"
                        "X-ANNIVERSARY:\x1B]0;title\x07\r\n"
                        "END:VCARD\r\n";

class ContactText : public ExportHome
{
protected:
    // Exports eve's card, with webURIScheme stored when one is given.
    Outcome exportEve(const std::optional<QString> &webScheme = {},
                      const QProcessEnvironment &environment = {})
    {
        write(u"book.vcf"_s, kEve);
        if (webScheme) {
            write(u".config/vorlin/Library/Preferences/org.vorlin.Vorlin.plist"_s,
                  *toXmlPropertyList(QVariantMap{{u"webURIScheme"_s, *webScheme}}));
        }
        return runExport(home.path(),
                         {u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"a.html"_s},
                         environment);
    }
};

struct SchemeRow : NamedRow
{
    std::optional<QString> webScheme;
    QStringList linked;
};

class WebLinks : public ContactText, public testing::WithParamInterface<SchemeRow>
{};

TEST_P(WebLinks, keepTheirOwnSchemeAndNeverRunAScript)
{
    const Outcome result = exportEve(GetParam().webScheme);
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QString page = read(u"a.html"_s);
    for (const QString &target : GetParam().linked)
        EXPECT_TRUE(page.contains(u"<a href=\""_s + target + u'"')) << target.toStdString();
    EXPECT_EQ(page.count(u"<a href=\"http"_s), GetParam().linked.size());
    EXPECT_FALSE(page.contains(u"href=\"javascript"_s, Qt::CaseInsensitive));
    EXPECT_FALSE(page.contains(u"href=\" javascript"_s, Qt::CaseInsensitive));
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, WebLinks,
    testing::Values(
        SchemeRow{"defaultScheme",
                  std::nullopt,
                  {u"https://example.org/eve"_s, u"http://javascript:alert(1)"_s,
                   u"http://JaVaScRiPt:alert(2)"_s}},
        SchemeRow{"placeholderScheme", u"%@"_s, {u"https://example.org/eve"_s}},
        SchemeRow{"schemeTheValueBeginsWith", u"javascript:"_s, {u"https://example.org/eve"_s}}),
    RowName());

TEST_F(ContactText, controlCharactersLeaveThePageAndShowEscapedOnTheTerminal)
{
    const Outcome result = exportEve();
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QString page = read(u"a.html"_s);
    EXPECT_TRUE(page.contains(u"bell escape[2J end"_s));
    EXPECT_FALSE(page.contains(u'\x1B') || page.contains(u'\x07'));
    EXPECT_TRUE(result.err.contains(u"\"\\x1B]0;title\\x07\" is not a date"_s))
        << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(u'\x1B') || result.err.contains(u'\x07'));
}

// Japanese writes its month with one letter ("M月"); padded, March read "03月".
TEST_F(ContactText, datesFollowTheLocalesOwnPadding)
{
    QProcessEnvironment japanese;
    japanese.insert(u"LC_ALL"_s, u"ja_JP.UTF-8"_s);
    const Outcome result = exportEve({}, japanese);
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(read(u"a.html"_s).contains(u"1985年3月5日"_s));
}

// The sample contact's own web page is linked as it is written, and nothing is written.
TEST_F(ContactText, previewWritesNoFileAtAll)
{
    write(u"book.vcf"_s, kEve);
    const QStringList before = entries();
    const Outcome result = run({u"--preview-html"_s});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(u"<a href=\"https://juliettesommer.example\">"_s))
        << result.out.toStdString();
    EXPECT_EQ(entries(), before);
}

} // namespace
