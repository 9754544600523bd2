// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/printedpage.h"

#include "engine/pagefile.h"

#include <QDir>
#include <QSaveFile>
#include <QTextDocumentFragment>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// How the generator opens each card and its name; contact text is escaped, so it cannot
// forge either.
constexpr QByteArrayView kCardStart = "\t<div class=\"card\" id=\"addressbook:";
constexpr QByteArrayView kNameStart = "<div class=\"contactname\">";
constexpr QByteArrayView kNameEnd = "</div>";

QString cardName(QByteArrayView card)
{
    const qsizetype start = card.indexOf(kNameStart);
    if (start < 0)
        return {};
    const QByteArrayView rest = card.sliced(start + kNameStart.size());
    const QString html
        = QString::fromUtf8(rest.first(std::max<qsizetype>(rest.indexOf(kNameEnd), 0)));
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}

} // namespace

qsizetype PrintedPage::textBytes(QByteArrayView html)
{
    qsizetype text = 0;
    bool inTag = false;
    for (const char byte : html) {
        if (byte == '<' || byte == '>')
            inTag = byte == '<';
        else if (!inTag)
            ++text;
    }
    return text;
}

PrintedPage::Card PrintedPage::largestCard(QByteArrayView page)
{
    Card largest;
    for (qsizetype start = page.indexOf(kCardStart); start >= 0;) {
        const qsizetype next = page.indexOf(kCardStart, start + kCardStart.size());
        const QByteArrayView card = page.sliced(start, (next < 0 ? page.size() : next) - start);
        if (const qsizetype text = textBytes(card); text > largest.textBytes)
            largest = {cardName(card), text};
        start = next;
    }
    return largest;
}

Expected<QString> PrintedPage::write(const QByteArray &page, const QString &folder)
{
    if (!m_folder.isValid())
        return Unexpected(u"%1: %2"_s.arg(QDir::tempPath(), m_folder.errorString()));
    QSaveFile file(m_folder.filePath(u"page.html"_s));
    const QUrl base = QUrl::fromLocalFile(QDir(folder).absolutePath() + u'/');
    // The page holds the user's contacts: nobody else may read it, even for a moment.
    const bool written = file.open(QIODevice::WriteOnly)
        && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        && PageFile::writeAll(file, PageFile::withBase(QString::fromUtf8(page), base).toUtf8())
        && file.commit();
    if (!written)
        return Unexpected(u"%1: %2"_s.arg(file.fileName(), file.errorString()));
    return file.fileName();
}
