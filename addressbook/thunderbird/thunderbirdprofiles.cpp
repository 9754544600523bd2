// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/thunderbird/thunderbirdprofiles.h"

#include "addressbook/thunderbird/thunderbirdprefs.h"
#include "util/filename.h"
#include "util/regularfile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kMaxIniSize = qint64{1} << 20;
// The program's type of a book kept in a local file (its nsIAbManager.JS_DIRECTORY_TYPE).
constexpr qint64 kLocalBookType = 101;
const QString kServers = u"ldap_2.servers."_s;
const QString kPersonalId = u"pab"_s;
const QString kHistoryId = u"history"_s;
const QString kPersonalFile = u"abook.sqlite"_s;

// Below the home folder: Thunderbird's own, then Flatpak's, then Snap's.
const std::array kInstallations{u".thunderbird"_s,
                                u".var/app/org.mozilla.Thunderbird/.thunderbird"_s,
                                u"snap/thunderbird/common/.thunderbird"_s};

struct IniSection
{
    QString name;
    QHash<QString, QString> values;
};

QList<IniSection> parseIni(const QByteArray &text)
{
    QList<IniSection> sections;
    for (const QByteArray &raw : text.split('\n')) {
        const QString line = decodeFileName(raw).trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']'))
            sections.append({line.sliced(1, line.size() - 2), {}});
        else if (const qsizetype equals = line.indexOf(u'='); equals > 0 && !sections.isEmpty())
            sections.last().values.insert(line.first(equals).trimmed(),
                                          line.sliced(equals + 1).trimmed());
    }
    return sections;
}

struct FoundProfile
{
    QString name;
    QString folder;
    bool isDefault = false;
};

// One installation's profiles, its default one marked: the one its [Install...] section names
// (how Thunderbird has chosen since version 68), else the one marked Default=1, else the only one.
QList<FoundProfile> installationProfiles(const QString &root)
{
    const Expected<std::optional<QByteArray>> ini
        = readRegularFile(root + u"/profiles.ini"_s, kMaxIniSize);
    if (!ini || !*ini)
        return {};
    const QList<IniSection> sections = parseIni(**ini);
    QList<FoundProfile> profiles;
    QStringList paths;
    qsizetype marked = -1;
    for (const IniSection &section : sections) {
        const QString path = section.values.value(u"Path"_s);
        if (!section.name.startsWith(u"Profile"_s) || path.isEmpty())
            continue;
        const bool relative = section.values.value(u"IsRelative"_s, u"1"_s) != u"0"_s;
        profiles.append({section.values.value(u"Name"_s),
                         QDir::cleanPath(relative ? root + u'/' + path : path)});
        paths.append(path);
        if (marked < 0 && section.values.value(u"Default"_s) == u"1"_s)
            marked = profiles.size() - 1;
    }
    qsizetype chosen = profiles.size() == 1 ? 0 : marked;
    for (const IniSection &section : sections) {
        if (section.name.startsWith(u"Install"_s)
            && paths.contains(section.values.value(u"Default"_s))) {
            chosen = paths.indexOf(section.values.value(u"Default"_s));
            break;
        }
    }
    if (chosen >= 0)
        profiles[chosen].isDefault = true;
    return profiles;
}

bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && name != u"."_s && name != u".."_s;
}

struct BookEntry
{
    QString id;
    QString file;
    QString description;
};

// What prefs.js says of one book, over Thunderbird's defaults for the two built-in ones.
std::optional<BookEntry> bookEntry(const ThunderbirdPrefs &prefs, const QString &id)
{
    const bool builtIn = id == kPersonalId || id == kHistoryId;
    const QString key = kServers + id + u'.';
    const std::optional<qint64> type = prefs.integer(key + u"dirType"_s);
    if (type.value_or(builtIn ? kLocalBookType : 0) != kLocalBookType)
        return std::nullopt;
    const QString file = prefs.text(key + u"filename"_s)
                             .value_or(id == kPersonalId      ? kPersonalFile
                                           : id == kHistoryId ? u"history.sqlite"_s
                                                              : QString());
    if (!isPlainFileName(file))
        return std::nullopt;
    // The built-in books' descriptions are Thunderbird's own texts unless the user renamed them;
    // the window shows ours in its own language.
    QString description = prefs.text(key + u"description"_s).value_or(QString());
    if (description.isEmpty() || description.startsWith(u"chrome://"_s))
        description = id == kPersonalId
            ? QString::fromLatin1(QT_TRANSLATE_NOOP("ui", "Personal Address Book"))
            : id == kHistoryId ? QString::fromLatin1(QT_TRANSLATE_NOOP("ui", "Collected Addresses"))
                               : file;
    return BookEntry{id, file, description};
}

QStringList bookIds(const ThunderbirdPrefs &prefs)
{
    QStringList ids{kPersonalId, kHistoryId};
    for (const QString &name : prefs.namesStartingWith(kServers)) {
        const QString id = name.sliced(kServers.size()).section(u'.', 0, 0);
        if (!id.isEmpty() && !ids.contains(id))
            ids.append(id);
    }
    return ids;
}

int rank(const BookEntry &book)
{
    return book.id == kPersonalId ? 0 : book.id == kHistoryId ? 2 : 1;
}

QString namesOf(const QList<ThunderbirdProfile> &profiles)
{
    QStringList names;
    for (const ThunderbirdProfile &profile : profiles)
        names.append(profile.name);
    return names.isEmpty() ? u"none"_s : names.join(u", "_s);
}

QString installationsIn(const QString &home)
{
    QStringList folders;
    for (const QString &installation : kInstallations)
        folders.append(printableFileName(QString(home + u'/' + installation)));
    return folders.join(u", "_s);
}

} // namespace

ThunderbirdProfiles ThunderbirdProfiles::find(const QString &home)
{
    ThunderbirdProfiles found;
    found.m_home = home;
    bool haveDefault = false;
    for (const QString &installation : kInstallations) {
        for (const FoundProfile &profile : installationProfiles(home + u'/' + installation)) {
            const bool isDefault = profile.isDefault && !haveDefault;
            haveDefault = haveDefault || isDefault;
            found.m_profiles.append(
                {profile.name, profile.folder, QFileInfo(profile.folder).fileName(), isDefault});
        }
    }
    // A name that two profiles share, or that a book name could not hold, gives way to the
    // profile's folder name.
    QHash<QString, int> uses;
    for (const ThunderbirdProfile &profile : std::as_const(found.m_profiles))
        ++uses[profile.name];
    for (ThunderbirdProfile &profile : found.m_profiles) {
        if (uses.value(profile.name) > 1 || !isPlainFileName(profile.name))
            profile.name = profile.folderName;
    }
    return found;
}

QList<ThunderbirdBookFile> ThunderbirdProfiles::books(const ThunderbirdProfile &profile)
{
    const ThunderbirdPrefs prefs = ThunderbirdPrefs::readProfile(profile.folder);
    QList<BookEntry> entries;
    QStringList files;
    for (const QString &id : bookIds(prefs)) {
        std::optional<BookEntry> entry = bookEntry(prefs, id);
        if (!entry || files.contains(entry->file)
            || !QFileInfo::exists(profile.folder + u'/' + entry->file))
            continue;
        files.append(entry->file);
        entries.append(*std::move(entry));
    }
    std::ranges::stable_sort(entries, [](const BookEntry &left, const BookEntry &right) {
        if (rank(left) != rank(right))
            return rank(left) < rank(right);
        return left.description.compare(right.description, Qt::CaseInsensitive) < 0;
    });
    QList<ThunderbirdBookFile> books;
    for (const BookEntry &entry : std::as_const(entries))
        books.append({kThunderbirdScheme + profile.name + u'/' + entry.file, entry.description,
                      profile.folder + u'/' + entry.file, profile.name});
    return books;
}

const ThunderbirdProfile *ThunderbirdProfiles::profileNamed(const QString &name) const
{
    for (const auto matches : {&ThunderbirdProfile::name, &ThunderbirdProfile::folderName}) {
        const auto found = std::ranges::find(m_profiles, name, matches);
        if (found != m_profiles.end())
            return &*found;
    }
    return nullptr;
}

Expected<ThunderbirdBookFile> ThunderbirdProfiles::resolve(const QString &book) const
{
    const QString profileName = book.section(u'/', 0, 0);
    const QString file = book.contains(u'/') ? book.section(u'/', 1) : kPersonalFile;
    const auto isDefault = [](const ThunderbirdProfile &profile) {
        return profile.isDefault;
    };
    const auto defaultProfile = std::ranges::find_if(m_profiles, isDefault);
    const ThunderbirdProfile *profile = !profileName.isEmpty() ? profileNamed(profileName)
        : defaultProfile != m_profiles.end()                   ? &*defaultProfile
                                                               : nullptr;
    if (m_profiles.isEmpty())
        return Unexpected(u"no profile of Thunderbird in %1"_s.arg(installationsIn(m_home)));
    if (!profile && profileName.isEmpty())
        return Unexpected(
            u"no default profile of Thunderbird (profiles: %1)"_s.arg(namesOf(m_profiles)));
    if (!profile)
        return Unexpected(u"no profile of Thunderbird named \"%1\" (profiles: %2)"_s.arg(
            printableFileName(profileName), namesOf(m_profiles)));
    if (!isPlainFileName(file))
        return Unexpected(
            u"\"%1\" is no file name in the profile's folder"_s.arg(printableFileName(file)));
    for (ThunderbirdBookFile &listed : books(*profile)) {
        if (QFileInfo(listed.path).fileName() == file)
            return std::move(listed);
    }
    return ThunderbirdBookFile{kThunderbirdScheme + profile->name + u'/' + file, file,
                               profile->folder + u'/' + file, profile->name};
}
