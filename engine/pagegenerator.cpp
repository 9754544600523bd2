// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagegenerator.h"

#include "addressbook/groupselection.h"
#include "engine/cardjobs.h"
#include "engine/contactcardwriter.h"
#include "engine/genericpictures.h"
#include "engine/htmltext.h"
#include "engine/lettersections.h"
#include "engine/pagefile.h"
#include "engine/pagehead.h"
#include "engine/pagelanguage.h"
#include "engine/pagestream.h"
#include "settings/exportsettings.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "util/dateformatsnapshot.h"
#include "util/stringadditions.h"
#include "util/systemlog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QList<ChosenGroup> chosenGroups(const ExportSettings &settings)
{
    QList<ChosenGroup> chosen;
    for (const GroupChoice &choice : settings.groupsToUse.value_or(QList<GroupChoice>()))
        chosen.append({choice.name, choice.include});
    return chosen;
}

// The head with the style sheet and the letter index, filled in one pass: neither is searched
// for placeholders, so the style sheet stays as the user wrote it.
QString pageHead(const QString &css, const QString &letterIndex, const PageLanguage &language)
{
    return u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"\n"
           "\t\t\"http://www.w3.org/TR/html4/loose.dtd\">\n"
           "%1\n"
           "<head>\n"
           "\t<title>%2</title>\n"
           "\t<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">\n"
           "\t<meta name=\"robots\" content=\"noindex, nofollow\">\n"
           "%3"
           "\t<style type=\"text/css\" title=\"text/css\" media=\"all\">\n"
           "%4\n"
           "\t</style>\n"
           "</head>\n"
           "<body>\n"
           "\t<div id=\"toc_box\">\n\t\t<div id=\"toc\">%5</div>\n\t</div>\n"
           "\t<div>&nbsp;</div>\n"_s.arg(
               htmlStartTag(language),
               cleanValue(language.text(QT_TRANSLATE_NOOP("ui", "Address Book"))),
               directionStyleElement(language), styleElementText(css), letterIndex);
}

QList<const ABPerson *> inPageOrder(const QList<LetterSection> &sections)
{
    QList<const ABPerson *> people;
    for (const LetterSection &section : sections)
        people.append(section.members);
    return people;
}

// What the card's worker left for the page's thread, in the order it happened there.
void finishCard(const WrittenCard &card, GenericPictures &generics, PictureSaving pictures)
{
    const bool generic = !card.genericPicture.isEmpty();
    const qsizetype split = generic ? card.genericAt : card.log.size();
    for (const QString &line : card.log.first(split))
        systemLog(line);
    if (generic)
        generics.use(card.genericPicture, pictures == PictureSaving::Save);
    for (const QString &line : card.log.sliced(split))
        systemLog(line);
}

// The anchors and cards of every section. The cards are written on the thread pool ahead of
// the one this thread hands to the page; the page is the same as when written one by one.
void appendSections(const std::function<void(QByteArrayView)> &page,
                    const QList<LetterSection> &sections, CardJobs &cards,
                    GenericPictures &generics, PictureSaving pictures,
                    const GenerationProgress &progress)
{
    qsizetype written = 0;
    qsizetype total = 0;
    for (const LetterSection &section : sections)
        total += section.members.size();
    for (const LetterSection &section : sections) {
        const QString title = cleanValue(section.title);
        page(
            u"\t<a class=\"toc_anchor\" name=\"toc_%1\">%2</a>\n"_s.arg(attributeForm(title), title)
                .toUtf8());
        for (qsizetype i = 0; i < section.members.size(); ++i) {
            if (progress)
                progress(static_cast<double>(written) / static_cast<double>(total));
            const WrittenCard card = cards.take();
            finishCard(card, generics, pictures);
            page(card.text);
            ++written;
        }
    }
}

// A URI holds ASCII alone: a letter beyond it ("Б") goes into the link as its UTF-8 bytes,
// percent-encoded, which browsers decode to find the anchor named "toc_Б".
QString letterIndex(const QList<LetterSection> &sections)
{
    QString index = u"\n"_s;
    for (const LetterSection &section : sections)
        index += u"\t\t\t<a class=\"toc_link\" href=\"#toc_%1\">%2</a> \n"_s.arg(
            QEV_NSStringAdditionsSubset::addPercentEscapes(section.title),
            cleanValue(section.title));
    return index + u"\t\t"_s;
}

} // namespace

PageGenerator::PageGenerator(PreferencesStore &store, ExportSettings &settings,
                             const ContactStore &addressBook, Bundle bundle)
    : m_store(store)
    , m_settings(settings)
    , m_addressBook(addressBook)
    , m_bundle(std::move(bundle))
    , m_languages(m_bundle)
{}

void PageGenerator::setOverrides(ExportOverrides overrides)
{
    m_overrides = std::move(overrides);
}

Expected<GenerationReport> PageGenerator::generateHTML(const QString &path,
                                                       const GenerationProgress &progress)
{
    QElapsedTimer timer;
    timer.start();
    const QFileInfo target(path);
    if (!PageFile::namesAFile(path) || target.isDir())
        return Unexpected(u"%1: is a folder; the page needs a file name"_s.arg(path));
    // A page sent to a device or a pipe has no folder of its own to put pictures in.
    const PictureSaving pictures
        = PageFile::isSpecialFile(path) ? PictureSaving::ReferenceOnly : PictureSaving::Save;
    const QString imagesFolder = target.absolutePath() + u"/images"_s;
    if (m_settings.includeImage && pictures == PictureSaving::Save) {
        // Whoever planted the link would choose where the pictures go.
        if (QFileInfo(imagesFolder).isSymLink())
            return Unexpected(
                u"%1: a link, not a folder; pictures are never written through a link"_s.arg(
                    imagesFolder));
        makeTargetFolder(imagesFolder);
    }

    GenerationReport report;
    PageStream page(target.absoluteFilePath());
    writePageText([&page](QByteArrayView text) { page.appendUtf8(text); }, imagesFolder, pictures,
                  progress, report.contactCount);
    if (const Expected<void> written = page.commit(); !written)
        return Unexpected(written.error());
    m_store.setObject(target.fileName(), SettingsKeys::fileName);
    report.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    systemLog(QString::asprintf("Generated Vorlin for %d contacts in %f seconds.",
                                static_cast<int>(report.contactCount), report.seconds));
    return report;
}

qsizetype PageGenerator::contactCount()
{
    return chosenPeople(refreshedLanguage()).size();
}

const PageLanguage &PageGenerator::refreshedLanguage()
{
    readStoredSettings(m_settings, m_store);
    m_overrides.applyTo(m_settings);
    return m_languages.languageFor(m_settings.pageLanguage);
}

QList<const ABPerson *> PageGenerator::chosenPeople(const PageLanguage &language) const
{
    return peopleFromSelectedGroups(m_addressBook, chosenGroups(m_settings), m_settings.sortByLast,
                                    language.nameOrder());
}

QByteArray PageGenerator::pageText(const QString &imagesFolder, PictureSaving pictures,
                                   const GenerationProgress &progress, qsizetype &contactCount)
{
    QByteArray text;
    writePageText([&text](QByteArrayView piece) { text += piece; }, imagesFolder, pictures,
                  progress, contactCount);
    return text;
}

void PageGenerator::writePageText(const PageSink &page, const QString &imagesFolder,
                                  PictureSaving pictures, const GenerationProgress &progress,
                                  qsizetype &contactCount)
{
    if (progress)
        progress(std::nullopt);
    const PageLanguage &language = refreshedLanguage();
    const QList<const ABPerson *> people = chosenPeople(language);
    contactCount = people.size();
    const QList<LetterSection> sections = fileIntoSections(people, m_settings, language);
    if (progress)
        progress(0.0);

    // The index goes into the head only: the cards hold contact text, which must never be
    // able to place markup.
    page(pageHead(m_store.objectForKey(SettingsKeys::css).toString(), letterIndex(sections),
                  language)
             .toUtf8());
    // The cards are written on other threads: they read the date formats as they are now.
    const DateFormatSnapshot dateFormats(m_store);
    const CardContext context{m_settings, dateFormats, m_addressBook, language};
    CardJobs cards(context, m_bundle, imagesFolder, pictures, inPageOrder(sections));
    GenericPictures generics(m_bundle, PictureFiles(imagesFolder));
    appendSections(page, sections, cards, generics, pictures, progress);
    page("</body>\n</html>\n");
}

void PageGenerator::makeTargetFolder(const QString &path)
{
    QDir().mkpath(path);
}
