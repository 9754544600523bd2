// SPDX-License-Identifier: GPL-3.0-or-later
// Generates the whole page: takes a fresh settings snapshot, collects and sorts the contacts
// of the chosen groups, files them under their letters, writes head, index, sections and
// cards in the page's language (engine/pagelanguage.h), and saves the page atomically. The window
// and vorlin-export both run it and show its progress.
//
//   PageGenerator generator(store, settings, addressBook);
//   const GenerationResult result = generator.generateHTML(path, [](auto fraction) { ... });
#pragma once

#include "engine/pagelanguagechoice.h"
#include "settings/exportoverrides.h"
#include "util/bundle.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include "util/expected.h"

#include <cstdint>
#include <functional>
#include <optional>

class ABPerson;
class ContactStore;
class PreferencesStore;
struct ExportSettings;
enum class PictureSaving : std::uint8_t;

/// What a successful generation did.
struct GenerationReport
{
    qsizetype contactCount = 0;
    double seconds = 0;
};

/// Progress of a generation: none while the contacts are collected, then the fraction of
/// cards written (0 to 1).
using GenerationProgress = std::function<void(std::optional<double> fraction)>;

class PageGenerator final
{
public:
    /// settings is the caller's snapshot, refreshed from store by every generation; its phone
    /// formats are the caller's to read (readDefaults), once.
    PageGenerator(PreferencesStore &store, ExportSettings &settings,
                  const ContactStore &addressBook, Bundle bundle = Bundle::main());

    /// Laid over the stored settings by every generation from now on (vorlin-export's
    /// --language and --letter-index).
    void setOverrides(ExportOverrides overrides);

    /// Writes the page to path, its pictures to "images" beside it, and once the page is
    /// written whole stores the file name as "fileName". On success the system log gets one
    /// line; a failure says "<file>: <reason>". A path naming a folder is refused before
    /// anything is written, as is an "images" that is a link; a page sent to a device or a
    /// pipe gets no pictures.
    [[nodiscard]] Expected<GenerationReport> generateHTML(const QString &path,
                                                          const GenerationProgress &progress = {});

    /// The number of contacts a generation would write now, with the stored settings; it
    /// refreshes the snapshot as a generation does.
    [[nodiscard]] qsizetype contactCount();

    /// Creates path and every missing folder above it. A folder that cannot be made shows,
    /// with its reason, in the write into it that follows.
    static void makeTargetFolder(const QString &path);

    /// The page generateHTML writes, as UTF-8, with the pictures written into imagesFolder
    /// when pictures says so; it stores nothing and writes no page.
    [[nodiscard]] QByteArray pageText(const QString &imagesFolder, PictureSaving pictures,
                                      const GenerationProgress &progress, qsizetype &contactCount);

private:
    /// Where the page's text goes, piece by piece as UTF-8, in page order.
    using PageSink = std::function<void(QByteArrayView)>;

    /// Refreshes the settings snapshot, with the overrides, and gives the page's language.
    [[nodiscard]] const PageLanguage &refreshedLanguage();
    [[nodiscard]] QList<const ABPerson *> chosenPeople(const PageLanguage &language) const;
    void writePageText(const PageSink &page, const QString &imagesFolder, PictureSaving pictures,
                       const GenerationProgress &progress, qsizetype &contactCount);

    PreferencesStore &m_store;
    ExportSettings &m_settings;
    const ContactStore &m_addressBook;
    Bundle m_bundle;
    ExportOverrides m_overrides;
    PageLanguageChoice m_languages;
};
