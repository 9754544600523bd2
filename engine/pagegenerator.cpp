// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagegenerator.h"

#include "addressbook/groupselection.h"
#include "engine/contactcardwriter.h"
#include "engine/lettersections.h"
#include "engine/pagefile.h"
#include "engine/pagestream.h"
#include "engine/uitext.h"
#include "settings/exportsettings.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
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

QString pageHead(const QString &css)
{
    return u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"\n"
           "\t\t\"http://www.w3.org/TR/html4/loose.dtd\">\n"
           "<html>\n"
           "<head>\n"
           "\t<title>%1</title>\n"
           "\t<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">\n"
           "\t<meta name=\"robots\" content=\"noindex, nofollow\">\n"
           "\t<style type=\"text/css\" title=\"text/css\" media=\"all\">\n"
           "%2\n"
           "\t</style>\n"
           "</head>\n"
           "<body>\n"
           "\t<div id=\"toc_box\">\n\t\t<div id=\"toc\"><<toc>></div>\n\t</div>\n"
           "\t<div>&nbsp;</div>\n"_s.arg(uiText("Address Book"), css);
}

QList<const ABPerson *> inPageOrder(const QList<LetterSection> &sections)
{
    QList<const ABPerson *> people;
    for (const LetterSection &section : sections)
        people.append(section.members);
    return people;
}

// The anchors and cards of every section. Pictures of the cards ahead are written on other
// threads while this one writes cards; the page is the same as when written one by one.
void appendSections(const std::function<void(QStringView)> &page,
                    const QList<LetterSection> &sections, ContactCardWriter &cards,
                    PictureSaving pictures, const GenerationProgress &progress)
{
    const QList<const ABPerson *> inOrder = inPageOrder(sections);
    qsizetype ahead = 0;
    qsizetype written = 0;
    QString text;
    for (const LetterSection &section : sections) {
        page(u"\t<a class=\"toc_anchor\" name=\"toc_%1\">%1</a>\n"_s.arg(section.title));
        for (const ABPerson *person : section.members) {
            while (pictures == PictureSaving::Save && ahead < inOrder.size()
                   && cards.preparePicture(*inOrder.at(ahead)))
                ++ahead;
            if (progress)
                progress(static_cast<double>(written) / static_cast<double>(inOrder.size()));
            text.resize(0); // keeps the room the last card took
            cards.parseContact(*person, text, pictures);
            page(text);
            ++written;
        }
    }
}

QString letterIndex(const QList<LetterSection> &sections)
{
    QString index = u"\n"_s;
    for (const LetterSection &section : sections)
        index += u"\t\t\t<a class=\"toc_link\" href=\"#toc_%1\">%1</a> \n"_s.arg(section.title);
    return index + u"\t\t"_s;
}

} // namespace

PageGenerator::PageGenerator(PreferencesStore &store, ExportSettings &settings,
                             const ContactStore &addressBook, Bundle bundle)
    : m_store(store)
    , m_settings(settings)
    , m_addressBook(addressBook)
    , m_bundle(std::move(bundle))
{}

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
    if (m_settings.includeImage && pictures == PictureSaving::Save)
        makeTargetFolder(imagesFolder);

    GenerationReport report;
    PageStream page(target.absoluteFilePath());
    writePageText([&page](QStringView text) { page.append(text); }, imagesFolder, pictures,
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
    return chosenPeople().size();
}

QList<const ABPerson *> PageGenerator::chosenPeople()
{
    readStoredSettings(m_settings, m_store);
    return peopleFromSelectedGroups(m_addressBook, chosenGroups(m_settings), m_settings.sortByLast);
}

QByteArray PageGenerator::pageText(const QString &imagesFolder, PictureSaving pictures,
                                   const GenerationProgress &progress, qsizetype &contactCount)
{
    QString text;
    writePageText([&text](QStringView piece) { text += piece; }, imagesFolder, pictures, progress,
                  contactCount);
    return text.toUtf8();
}

void PageGenerator::writePageText(const PageSink &page, const QString &imagesFolder,
                                  PictureSaving pictures, const GenerationProgress &progress,
                                  qsizetype &contactCount)
{
    if (progress)
        progress(std::nullopt);
    const QList<const ABPerson *> people = chosenPeople();
    contactCount = people.size();
    const QList<LetterSection> sections = fileIntoSections(people, m_settings);
    if (progress)
        progress(0.0);

    // The index goes into the head only: the cards hold contact text, which must never be
    // able to place markup.
    const QString head = pageHead(m_store.objectForKey(SettingsKeys::css).toString());
    page(QEV_NSStringAdditionsSubset::snr(head, u"<<toc>>"_s, letterIndex(sections)));
    const CardContext context{m_settings, m_store, m_addressBook};
    ContactCardWriter cards(context, m_bundle, imagesFolder);
    appendSections(page, sections, cards, pictures, progress);
    page(u"</body>\n</html>\n");
}

bool PageGenerator::makeTargetFolder(const QString &path)
{
    const QStringList components = QDir::cleanPath(path).split(u'/');
    QString prefix;
    bool lastCreation = false;
    for (const QString &component : components) {
        prefix
            = prefix.isEmpty() && component.isEmpty() ? u"/"_s : QDir(prefix).filePath(component);
        if (component.isEmpty() || QFileInfo::exists(prefix))
            continue;
        lastCreation = QDir().mkdir(prefix);
    }
    return lastCreation;
}
