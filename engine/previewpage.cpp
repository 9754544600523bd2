// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/previewpage.h"

#include "addressbook/vcard/vcardstore.h"
#include "engine/contactcardwriter.h"
#include "engine/htmltext.h"
#include "engine/pagehead.h"
#include "settings/exportsettings.h"
#include "util/systemlog.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

ABPerson readSample(const Bundle &bundle)
{
    QFile file(bundle.resourcesPath() + u"/sample.vcf"_s);
    if (!file.open(QIODevice::ReadOnly)) {
        systemLog(u"%1: the preview's sample contact cannot be read (%2)"_s.arg(
            file.fileName(), file.errorString()));
        return ABPerson(u"vorlin-sample:ABPerson"_s);
    }
    // The resource is UTF-8 text; the reader is given it as UTF-16 with a byte-order mark.
    const QString text = QString::fromUtf8(file.readAll());
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    VCardPersonRead read = initWithVCardRepresentation(utf16);
    for (const QString &problem : std::as_const(read.diagnostics))
        systemLog(u"%1: %2"_s.arg(file.fileName(), problem));
    return read.person ? std::move(*read.person) : ABPerson(u"vorlin-sample:ABPerson"_s);
}

// The template with each placeholder replaced by its value, in one pass: no value is searched
// for placeholders, so the style sheet and the card stay as they are.
QString filled(const QString &base, const QHash<QString, QString> &values)
{
    static const QRegularExpression kPlaceholder(u"<<(\\w+)>>"_s);
    QString page;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : kPlaceholder.globalMatch(base)) {
        page += QStringView(base).sliced(from, match.capturedStart() - from);
        page += values.value(match.captured(1), match.captured());
        from = match.capturedEnd();
    }
    return page + QStringView(base).sliced(from);
}

} // namespace

PreviewPage::PreviewPage(Bundle bundle)
    : m_bundle(std::move(bundle))
    , m_previewPerson(readSample(m_bundle))
    , m_languages(m_bundle)
{}

QString PreviewPage::baseHTML()
{
    static const QString kBase = QStringList{
        u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\""_s,
        u"\t\t\"http://www.w3.org/TR/html4/loose.dtd\">"_s,
        u"<<html>>"_s,
        u"<head>"_s,
        u"\t<title><<title>></title>"_s,
        u"\t<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">"_s,
        u"<<direction>>\t<style type=\"text/css\" title=\"text/css\" media=\"all\">"_s,
        u"<<css>>"_s,
        u"\t</style>"_s,
        u"</head>"_s,
        u"<body>"_s,
        u"\t<div id=\"toc_box\">"_s,
        u"\t\t<div id=\"toc\">"_s,
        u"\t\t\t<a class=\"toc_link\" href=\"#toc_<<l>>\"><<l>></a> "_s,
        u"\t\t</div>"_s,
        u"\t</div>"_s,
        u"\t<div>&nbsp;</div>"_s,
        u"\t<a class=\"toc_anchor\" name=\"toc_<<l>>\"><<l>></a>"_s,
        u"\t<<card>></body>"_s,
        u"</html>"_s,
    }.join(u'\n');
    return kBase;
}

QString PreviewPage::render(const CardContext &context, const QString &css) const
{
    const PageLanguage &language = m_languages.languageFor(context.settings.pageLanguage);
    ABPerson sample = m_previewPerson;
    sample.setValue(language.text(QT_TRANSLATE_NOOP("ui", "sampleNote")), kABNoteProperty);
    QString card;
    ContactCardWriter(
        CardContext{context.settings, context.dateFormats, context.addressBook, language}, m_bundle,
        QString())
        .parseContact(sample, card, PictureSaving::ReferenceOnly);
    return filled(baseHTML(),
                  {{u"html"_s, htmlStartTag(language)},
                   {u"title"_s, cleanValue(language.text(QT_TRANSLATE_NOOP("ui", "Address Book")))},
                   {u"direction"_s, directionStyleElement(language)},
                   {u"css"_s, styleElementText(css)},
                   {u"l"_s, context.settings.sortByLast ? u"S"_s : u"J"_s},
                   {u"card"_s, card}});
}

QUrl PreviewPage::baseUrl() const
{
    return QUrl::fromLocalFile(m_bundle.resourcesPath() + u'/');
}
