// SPDX-License-Identifier: GPL-3.0-or-later
// Finding Thunderbird's books: profiles of three installations (two sharing a profile name),
// a default chosen by the installation, books named in prefs.js beside the two built-in
// ones, directory servers and synchronised books left out.
#include "addressbook/thunderbird/thunderbirdprefs.h"
#include "addressbook/thunderbird/thunderbirdprofiles.h"

#include "rowname.h"
#include "thunderbirdhome.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ThunderbirdProfilesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        home.writeProfilesIni(ThunderbirdHome::kNative,
                              "[Install4F96D1932A9F858E]\nDefault=k2.work\nLocked=1\n\n"
                              "[Profile1]\nName=work\nIsRelative=1\nPath=k2.work\n\n"
                              "[Profile0]\nName=default\nIsRelative=1\nPath=k1.default\n"
                              "Default=1\n\n[General]\nStartWithLastProfile=1\nVersion=2\n",
                              {u"k1.default"_s, u"k2.work"_s});
        home.writeProfilesIni(ThunderbirdHome::kFlatpak,
                              "[Profile0]\nName=default\nIsRelative=1\nPath=f1.default\n",
                              {u"f1.default"_s});
        home.writeProfilesIni(ThunderbirdHome::kSnap,
                              "[Profile0]\r\nName = snappy\r\nIsRelative=0\r\nPath="
                                  + home.path(u"elsewhere/s1.snappy"_s).toUtf8() + "\r\n",
                              {});
        home.write(
            work + u"/prefs.js"_s,
            "// Mozilla User Preferences\n"
            "user_pref(\"ldap_2.servers.Family.description\", \"Family \\\"and\\\" friends\");\n"
            "user_pref(\"ldap_2.servers.Family.dirType\", 101);\n"
            "user_pref(\"ldap_2.servers.Family.filename\", \"abook-1.sqlite\");\n"
            "user_pref(\"ldap_2.servers.Acme.carddav.url\", \"https://dav.example.org/\");\n"
            "user_pref(\"ldap_2.servers.Acme.description\", \"Acme\");\n"
            "user_pref(\"ldap_2.servers.Acme.dirType\", 102);\n"
            "user_pref(\"ldap_2.servers.Acme.filename\", \"abook-2.sqlite\");\n"
            "user_pref(\"ldap_2.servers.Corp.description\", \"Corporate\");\n"
            "user_pref(\"ldap_2.servers.Corp.filename\", \"ldap.sqlite\");\n"
            "user_pref(\"ldap_2.servers.Corp.uri\", \"ldap://ldap.example.org/dc=example\");\n"
            "user_pref(\"ldap_2.servers.Gone.dirType\", 101);\n"
            "user_pref(\"ldap_2.servers.Gone.filename\", \"abook-3.sqlite\");\n"
            "user_pref(\"ldap_2.servers.Zoe.description\", \"Zo\\u00e9's\");\n"
            "user_pref(\"ldap_2.servers.Zoe.dirType\", 101);\n"
            "user_pref(\"ldap_2.servers.Zoe.filename\", \"abook-4.sqlite\");\n"
            "user_pref(\"ldap_2.servers.Odd.dirType\", 101);\n"
            "user_pref(\"ldap_2.servers.Odd.filename\", \"../k1.default/abook.sqlite\");\n");
        for (const QString &file : {u"abook.sqlite"_s, u"history.sqlite"_s, u"abook-1.sqlite"_s,
                                    u"abook-2.sqlite"_s, u"ldap.sqlite"_s, u"abook-4.sqlite"_s})
            home.write(work + u'/' + file, {});
        home.write(u".thunderbird/k1.default/abook.sqlite"_s, {});
    }

    ThunderbirdHome home;
    const QString work = u".thunderbird/k2.work"_s;
};

QStringList bookLines(const QList<ThunderbirdBookFile> &books, const QString &home)
{
    QStringList lines;
    for (const ThunderbirdBookFile &book : books)
        lines.append(u"%1 | %2 | %3"_s.arg(book.name, book.description,
                                           QDir(home).relativeFilePath(book.path)));
    return lines;
}

} // namespace

// A name two installations share gives way to the folders' names; the default profile is the
// one the first installation's [Install...] section names, not the one marked Default=1.
TEST_F(ThunderbirdProfilesTest, findsTheProfilesOfEveryInstallation)
{
    QStringList found;
    const ThunderbirdProfiles profiles = ThunderbirdProfiles::find(home.path());
    for (const ThunderbirdProfile &profile : profiles.profiles())
        found.append(u"%1 %2%3"_s.arg(profile.name,
                                      QDir(home.path()).relativeFilePath(profile.folder),
                                      profile.isDefault ? u" default"_s : QString()));
    EXPECT_EQ(found,
              (QStringList{u"work .thunderbird/k2.work default"_s,
                           u"k1.default .thunderbird/k1.default"_s,
                           u"f1.default .var/app/org.mozilla.Thunderbird/.thunderbird/f1.default"_s,
                           u"snappy elsewhere/s1.snappy"_s}));
}

TEST_F(ThunderbirdProfilesTest, listsTheLocalBooksThatAreThere)
{
    const ThunderbirdProfiles profiles = ThunderbirdProfiles::find(home.path());
    EXPECT_EQ(
        bookLines(ThunderbirdProfiles::books(profiles.profiles().constFirst()), home.path()),
        (QStringList{
            u"thunderbird:work/abook.sqlite | Personal Address Book | %1/abook.sqlite"_s.arg(work),
            u"thunderbird:work/abook-1.sqlite | Family \"and\" friends | %1/abook-1.sqlite"_s.arg(
                work),
            u"thunderbird:work/abook-4.sqlite | Zoé's | %1/abook-4.sqlite"_s.arg(work),
            u"thunderbird:work/history.sqlite | Collected Addresses | %1/history.sqlite"_s.arg(
                work)}));
}

struct ResolveRow : NamedRow
{
    QString book;
    QString expected; // "<name> | <description> | <path>", or the error
};

class ThunderbirdResolve : public ThunderbirdProfilesTest,
                           public testing::WithParamInterface<ResolveRow>
{};

TEST_P(ThunderbirdResolve, findsTheFileOfABookName)
{
    const Expected<ThunderbirdBookFile> file
        = ThunderbirdProfiles::find(home.path()).resolve(GetParam().book);
    EXPECT_EQ(file ? bookLines({*file}, home.path()).constFirst() : file.error(),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ThunderbirdResolve,
    testing::Values(
        ResolveRow{
            {"defaultProfile"},
            {},
            u"thunderbird:work/abook.sqlite | Personal Address Book | .thunderbird/k2.work/abook.sqlite"_s},
        ResolveRow{
            {"profileAlone"},
            u"k1.default"_s,
            u"thunderbird:k1.default/abook.sqlite | Personal Address Book | .thunderbird/k1.default/abook.sqlite"_s},
        ResolveRow{
            {"listedBook"},
            u"work/abook-1.sqlite"_s,
            u"thunderbird:work/abook-1.sqlite | Family \"and\" friends | .thunderbird/k2.work/abook-1.sqlite"_s},
        ResolveRow{
            {"byFolderName"},
            u"k2.work/history.sqlite"_s,
            u"thunderbird:work/history.sqlite | Collected Addresses | .thunderbird/k2.work/history.sqlite"_s},
        ResolveRow{
            {"fileNotListed"},
            u"snappy/abook-9.sqlite"_s,
            u"thunderbird:snappy/abook-9.sqlite | abook-9.sqlite | elsewhere/s1.snappy/abook-9.sqlite"_s},
        ResolveRow{
            {"sharedName"},
            u"default"_s,
            u"no profile of Thunderbird named \"default\" (profiles: work, k1.default, f1.default, snappy)"_s},
        ResolveRow{{"pathOutOfTheProfile"},
                   u"work/../k1.default/abook.sqlite"_s,
                   u"\"../k1.default/abook.sqlite\" is no file name in the profile's folder"_s}),
    RowName());

TEST(ThunderbirdProfiles, saysWhereItLookedWhenThereIsNone)
{
    const ThunderbirdHome home;
    const Expected<ThunderbirdBookFile> file = ThunderbirdProfiles::find(home.path()).resolve({});
    ASSERT_FALSE(file);
    EXPECT_EQ(file.error(),
              u"no profile of Thunderbird in %1/.thunderbird, %1/.var/app/org.mozilla.Thunderbird/"
              ".thunderbird, %1/snap/thunderbird/common/.thunderbird"_s.arg(home.path()));
}

struct PrefsRow : NamedRow
{
    QByteArray text;
    QString pref;
    std::optional<QString> textValue;
    std::optional<qint64> integer;
};

class ThunderbirdPrefsParse : public testing::TestWithParam<PrefsRow>
{};

TEST_P(ThunderbirdPrefsParse, readsEachValueAsWritten)
{
    const ThunderbirdPrefs prefs = ThunderbirdPrefs::parse(GetParam().text);
    EXPECT_EQ(prefs.text(GetParam().pref), GetParam().textValue);
    EXPECT_EQ(prefs.integer(GetParam().pref), GetParam().integer);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ThunderbirdPrefsParse,
    testing::Values(
        PrefsRow{{"escapes"},
                 "user_pref(\"a\", \"x\\\"y\\\\z\\n\\u00e9\\x41\");",
                 u"a"_s,
                 u"x\"y\\z\néA"_s,
                 {}},
        PrefsRow{{"outsideTheBasicPlane"},
                 "user_pref(\"a\", \"\\uD83D\\uDE00!\");",
                 u"a"_s,
                 u"\U0001F600!"_s,
                 {}},
        PrefsRow{{"singleQuotesAndBlanks"}, "  user_pref ( 'b' ,\t'q' ) ;", u"b"_s, u"q"_s, {}},
        PrefsRow{{"negativeInteger"}, "user_pref(\"c\", -5);", u"c"_s, {}, -5},
        PrefsRow{{"commentedOut"},
                 "/* user_pref(\"e\", \"no\");\n*/ user_pref(\"e\", \"yes\"); // \"no\"\n"
                 "# user_pref(\"e\", \"no\");",
                 u"e"_s,
                 u"yes"_s,
                 {}},
        PrefsRow{
            {"lineCutShort"}, "user_pref(\"f\", \nuser_pref(\"g\", \"ok\");", u"g"_s, u"ok"_s, {}}),
    RowName());
