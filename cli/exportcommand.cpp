// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exportcommand.h"

#include "addressbook/groupselection.h"
#include "addressbook/memorycontactstore.h"
#include "addressbook/vcardstore.h"
#include "cli/terminalprogress.h"
#include "engine/pagegenerator.h"
#include "engine/previewpage.h"
#include "settings/exportsettings.h"
#include "settings/groupchoice.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "settings/settingspaths.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString expandedHome(const QString &path)
{
    if (path == u"~" || path.startsWith(u"~/"))
        return QDir::homePath() + path.mid(1);
    return path;
}

} // namespace

ExportCommand::ExportCommand(PreferencesStore &store, Bundle bundle, std::FILE *out, std::FILE *err)
    : m_store(store)
    , m_bundle(std::move(bundle))
    , m_out(out)
    , m_err(err)
{}

int ExportCommand::run(const ExportOptions &options)
{
    if (options.previewHtml)
        return printPreview();

    const QString stored = m_store.objectForKey(SettingsKeys::addressBookPath).toString();
    const std::optional<QString> path = addressBookPath(
        options.addressBook, stored.isEmpty() ? std::nullopt : std::optional(expandedHome(stored)));
    if (!path) {
        print(m_err,
              u"vorlin-export: no address book to read. Name one with --address-book PATH "
              "(a .vcf file or a folder of them), or store its path as the preference "
              "\"addressBookPath\".\n"_s);
        return ExportExit::unusableInput;
    }
    const QFileInfo source(*path);
    if (!source.exists() || !source.isReadable()) {
        print(m_err,
              u"vorlin-export: %1: %2\n"_s.arg(
                  *path, source.exists() ? u"cannot be read"_s : u"no such file or folder"_s));
        return ExportExit::unusableInput;
    }
    const ContactStoreRead read = readVCardStore(*path);
    for (const QString &problem : read.diagnostics)
        print(m_err, u"vorlin-export: warning: %1\n"_s.arg(problem));
    refreshGroups(*read.store);

    const QString target = outputPath(options);
    PageGenerator::makeTargetFolder(QFileInfo(target).absolutePath());
    ExportSettings settings;
    readDefaults(settings, m_store, SettingsPaths::addressBookPreferencesFile());
    PageGenerator generator(m_store, settings, *read.store, m_bundle);
    TerminalProgress progress(!options.quiet, m_err);
    const Expected<GenerationReport> result
        = generator.generateHTML(target, [&](std::optional<double> f) { progress.update(f); });
    if (!result) {
        print(m_err, u"vorlin-export: %1\n"_s.arg(result.error()));
        return ExportExit::pageNotWritten;
    }
    print(m_out, target + u'\n');
    return ExportExit::success;
}

int ExportCommand::printPreview()
{
    ExportSettings settings;
    readDefaults(settings, m_store, SettingsPaths::addressBookPreferencesFile());
    const MemoryContactStore noAddressBook;
    const PreviewPage preview(m_bundle);
    print(m_out,
          preview.render(CardContext{settings, m_store, noAddressBook},
                         m_store.objectForKey(SettingsKeys::css).toString()));
    return ExportExit::success;
}

QString ExportCommand::outputPath(const ExportOptions &options) const
{
    if (options.output)
        return QFileInfo(*options.output).absoluteFilePath();
    const QString lastFolder
        = m_store.objectForKey(SettingsKeys::navLastCurrentDirectory).toString();
    const QString folder
        = lastFolder.isEmpty() ? QDir::homePath() + u"/Desktop"_s : expandedHome(lastFolder);
    return QDir(folder).filePath(m_store.objectForKey(SettingsKeys::fileName).toString());
}

// As the window's Refresh does at start: stored choices kept, new groups ticked, vanished
// ones dropped; so a first run exports everything.
void ExportCommand::refreshGroups(const ContactStore &addressBook)
{
    const QVariant stored = m_store.objectForKey(SettingsKeys::groupsToUse);
    const std::optional<QList<GroupChoice>> previous
        = stored.isValid() ? std::optional(groupChoicesFromVariant(stored)) : std::nullopt;
    m_store.setObject(
        groupChoicesToVariant(refreshedGroupChoices(allGroupNames(addressBook), previous)),
        SettingsKeys::groupsToUse);
}

void ExportCommand::print(std::FILE *stream, const QString &text) const
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}
