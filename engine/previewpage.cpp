// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/previewpage.h"

#include "addressbook/vcard/vcardstore.h"
#include "engine/contactcardwriter.h"
#include "engine/uitext.h"
#include "settings/exportsettings.h"
#include "util/stringadditions.h"
#include "util/systemlog.h"

#include <QFile>
#include <QStringList>

using namespace Qt::StringLiterals;
using QEV_NSStringAdditionsSubset::snr;

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

} // namespace

PreviewPage::PreviewPage(Bundle bundle)
    : m_bundle(std::move(bundle))
    , m_previewPerson(readSample(m_bundle))
{
    m_previewPerson.setValue(uiText("sampleNote"), kABNoteProperty);
}

QString PreviewPage::baseHTML()
{
    static const QString base = QStringList{
        u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\""_s,
        u"\t\t\"http://www.w3.org/TR/html4/loose.dtd\">"_s,
        u"<html>"_s,
        u"<head>"_s,
        u"\t<title>Address Book</title>"_s,
        u"\t<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">"_s,
        u"\t<style type=\"text/css\" title=\"text/css\" media=\"all\">"_s,
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
    return base;
}

QString PreviewPage::render(const CardContext &context, const QString &css) const
{
    const QString letter = context.settings.sortByLast ? u"S"_s : u"J"_s;
    QString card;
    ContactCardWriter(context, m_bundle, QString())
        .parseContact(m_previewPerson, card, PictureSaving::ReferenceOnly);
    QString page = snr(baseHTML(), u"<<css>>"_s, css);
    page = snr(page, u"<<l>>"_s, letter);
    return snr(page, u"<<card>>"_s, card);
}

QUrl PreviewPage::baseUrl() const
{
    return QUrl::fromLocalFile(m_bundle.resourcesPath() + u'/');
}
