// SPDX-License-Identifier: GPL-3.0-or-later
// Thunderbird's books as the program reads them: cards of both kinds, lists, categories and
// pictures; the same page as from the same contacts in a .vcf file; the listing of every
// book, also without a desktop session; a locked book stopping an export.
#include "addressbook/eds/addressbookstamp.h"
#include "addressbook/group.h"
#include "addressbook/thunderbird/thunderbirdstore.h"

#include "bookwriterprocess.h"
#include "cli/exportprocess.h"
#include "thunderbirdhome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kProfile = u".thunderbird/k1.default"_s;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray vCard(const QByteArray &lines)
{
    QByteArray text = "BEGIN:VCARD\nVERSION:4.0\n" + lines + "\nEND:VCARD\n";
    return text.replace("\n", "\r\n");
}

// One profile, the default one, in Thunderbird's own installation.
void writeProfile(const ThunderbirdHome &home)
{
    home.writeProfilesIni(ThunderbirdHome::kNative,
                          "[Profile0]\nName=default\nIsRelative=1\nPath=k1.default\nDefault=1\n",
                          {u"k1.default"_s});
}

QStringList warnings(const QString &err)
{
    return err.split(u'\n').filter(u"warning"_s);
}

QString describeGroups(const ContactStore &store)
{
    QStringList groups;
    for (const Group *group : store.groups()) {
        QStringList members;
        for (const ABPerson *person : group->members())
            members.append(person->uniqueId());
        groups.append(group->name().value_or(u"?"_s) + u": "_s + members.join(u", "_s));
    }
    return groups.join(u"; "_s);
}

} // namespace

TEST(ThunderbirdStore, readsCardsListsCategoriesAndPictures)
{
    const ThunderbirdHome home;
    writeProfile(home);
    const QByteArray picture = fileBytes(QString::fromUtf8(VORLIN_SAMPLE_PICTURE));
    home.write(kProfile + u"/Photos/ann.png"_s, picture);
    home.writeBook(
        kProfile + u"/abook.sqlite"_s,
        {{u"ann"_s,
          {{"_vCard", vCard("FN:Ann Lee\nN:Lee;Ann;;;\nCATEGORIES:Family\nUID:ann")},
           {"DisplayName", "Ann Lee"},
           {"PhotoName", "ann.png"}}},
         {u"bob"_s, {{"FirstName", "Bob"}, {"PhotoName", "../prefs.js"}}},
         {u"cat"_s, {{"_vCard", vCard("KIND:group\nFN:Not a person")}, {"DisplayName", "Cat"}}},
         {u"dan"_s, {{"FirstName", "Dan"}, {"PhotoName", "gone.png"}}}},
        {{u"friends"_s, u"Friends"_s, {u"ann"_s, u"bob"_s, u"ghost"_s}}});

    const Expected<ContactStoreRead> read = readThunderbirdStore({});
    ASSERT_TRUE(read) << read.error().toStdString();
    QStringList people;
    for (const ABPerson *person : read->store->people())
        people.append(person->uniqueId() + u' '
                      + person->stringForProperty(kABFirstNameProperty).value_or(QString()));
    EXPECT_EQ(people,
              (QStringList{u"ann:ABPerson Ann"_s, u"bob:ABPerson Bob"_s, u"cat:ABPerson Cat"_s,
                           u"dan:ABPerson Dan"_s}));
    EXPECT_EQ(describeGroups(*read->store),
              u"Friends: ann:ABPerson, bob:ABPerson; Family: ann:ABPerson"_s);
    EXPECT_EQ(read->store->people().constFirst()->imageData(), picture);
    const QString book = u"thunderbird:default/abook.sqlite"_s;
    EXPECT_EQ(read->diagnostics,
              (QStringList{book + u"/bob: picture left out: \"../prefs.js\" is no file name"_s,
                           book + u"/cat: its vCard holds no person; read from its other fields"_s,
                           book + u"/dan: picture left out: "_s + home.path(kProfile)
                               + u"/Photos/gone.png: no such file"_s,
                           book
                               + u"/friends: member \"ghost\" is no card of the address book; "
                                 "ignored"_s}));
}

// Cards of both kinds and a list give the page that the same contacts give from a .vcf file,
// pictures included.
TEST(ThunderbirdStore, givesTheSamePageAsTheVCardFile)
{
    const ThunderbirdHome home;
    writeProfile(home);
    home.write(kProfile + u"/Photos/bob.png"_s,
               fileBytes(QString::fromUtf8(VORLIN_SAMPLE_PICTURE)));
    const QByteArray ann = vCard("FN:Ann Lee\nN:Lee;Ann;;;\nEMAIL;PREF=1:ann@example.org\n"
                                 "TEL;TYPE=work:+1 555 0100\nNOTE:Met in Lisbon\nUID:ann-1");
    home.writeBook(kProfile + u"/abook.sqlite"_s,
                   {{u"ann-1"_s, {{"_vCard", ann}, {"PrimaryEmail", "ann@example.org"}}},
                    {u"bob-2"_s,
                     {{"FirstName", "Bob"},
                      {"LastName", "Ray"},
                      {"DisplayName", "Bob Ray"},
                      {"PrimaryEmail", "bob@example.org"},
                      {"WorkPhone", "+1 555 0101"},
                      {"HomeAddress", "1 Main St"},
                      {"HomeCity", "Springfield"},
                      {"HomeState", "IL"},
                      {"HomeZipCode", "62701"},
                      {"HomeCountry", "USA"},
                      {"Company", "Acme"},
                      {"BirthYear", "1985"},
                      {"BirthMonth", "4"},
                      {"BirthDay", "12"},
                      {"PhotoName", "bob.png"}}}},
                   {{u"list-3"_s, u"Friends"_s, {u"ann-1"_s, u"bob-2"_s}}});
    home.write(u"contacts.vcf"_s,
               ann
                   + vCard("FN:Bob Ray\nN:Ray;Bob;;;\nEMAIL;PREF=1:bob@example.org\n"
                           "TEL;TYPE=work:+1 555 0101\n"
                           "ADR;TYPE=home:;;1 Main St;Springfield;IL;62701;USA\nORG:Acme\n"
                           "BDAY:1985-04-12\nPHOTO:data:image/png;base64,"
                           + fileBytes(QString::fromUtf8(VORLIN_SAMPLE_PICTURE)).toBase64()
                           + "\nUID:bob-2")
                   + vCard("KIND:group\nFN:Friends\nMEMBER:urn:uuid:ann-1\n"
                           "MEMBER:urn:uuid:bob-2\nUID:list-3"));

    const Outcome fromFile
        = runExport(home.path(),
                    {u"--quiet"_s, u"--address-book"_s, home.path(u"contacts.vcf"_s), u"--output"_s,
                     u"file/page.html"_s});
    ASSERT_EQ(fromFile.status, 0) << fromFile.err.toStdString();
    QDir(home.path(u".config"_s)).removeRecursively(); // the same first run for both
    const Outcome fromBook = runExport(home.path(),
                                       {u"--quiet"_s, u"--address-book"_s, u"thunderbird:"_s,
                                        u"--output"_s, u"thunderbird/page.html"_s});
    ASSERT_EQ(fromBook.status, 0) << fromBook.err.toStdString();
    EXPECT_EQ(warnings(fromBook.err), warnings(fromFile.err));
    const QByteArray page = fileBytes(home.path(u"file/page.html"_s));
    ASSERT_TRUE(page.contains("Springfield"));
    EXPECT_EQ(fileBytes(home.path(u"thunderbird/page.html"_s)), page);
    const QStringList pictures = QDir(home.path(u"file/images"_s)).entryList(QDir::Files);
    EXPECT_FALSE(pictures.isEmpty());
    EXPECT_EQ(QDir(home.path(u"thunderbird/images"_s)).entryList(QDir::Files), pictures);
}

// Without a session bus the desktop's books are left out with one line on standard error;
// the folder of cards, every profile's books and a book that cannot be counted are listed.
TEST(ThunderbirdStore, listsEveryBookWithoutADesktopSession)
{
    const ThunderbirdHome home;
    writeProfile(home);
    home.writeProfilesIni(ThunderbirdHome::kFlatpak,
                          "[Profile0]\nName=flat\nIsRelative=1\nPath=f1.flat\n", {u"f1.flat"_s});
    home.write(kProfile + u"/prefs.js"_s,
               "user_pref(\"ldap_2.servers.Fam.description\", \"Family\");\n"
               "user_pref(\"ldap_2.servers.Fam.dirType\", 101);\n"
               "user_pref(\"ldap_2.servers.Fam.filename\", \"abook-1.sqlite\");\n"
               "user_pref(\"ldap_2.servers.Bad.description\", \"Broken\");\n"
               "user_pref(\"ldap_2.servers.Bad.dirType\", 101);\n"
               "user_pref(\"ldap_2.servers.Bad.filename\", \"abook-2.sqlite\");\n");
    const TestCard card{u"c"_s, {{"FirstName", "Cy"}}};
    home.writeBook(kProfile + u"/abook.sqlite"_s, {card, {u"d"_s, {{"FirstName", "Di"}}}});
    home.writeBook(kProfile + u"/abook-1.sqlite"_s, {card});
    home.write(kProfile + u"/abook-2.sqlite"_s, "not a database");
    home.writeBook(kProfile + u"/history.sqlite"_s, {});
    home.writeBook(ThunderbirdHome::kFlatpak + u"/f1.flat/abook.sqlite"_s, {card});
    home.write(u".local/share/contacts/one.vcf"_s, vCard("N:Lee;Ann;;;"));

    QProcessEnvironment environment;
    environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"unix:path="_s + home.path(u"no-bus"_s));
    environment.insert(u"DISPLAY"_s, {});
    const Outcome run = runExport(home.path(), {u"--list-address-books"_s}, environment);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.out.split(u'\n'),
        (QStringList{home.path(u".local/share/contacts"_s) + u"\tvCard\t1 contacts"_s,
                     u"thunderbird:default/abook.sqlite\tPersonal Address Book\t2 contacts"_s,
                     u"thunderbird:default/abook-2.sqlite\tBroken\t? contacts\tnot an address "
                     "book: not an SQLite database"_s,
                     u"thunderbird:default/abook-1.sqlite\tFamily\t1 contacts"_s,
                     u"thunderbird:default/history.sqlite\tCollected Addresses\t0 contacts"_s,
                     u"thunderbird:flat/abook.sqlite\tPersonal Address Book\t1 contacts"_s,
                     QString()}));
    const QStringList errors = run.err.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(errors.size(), 1) << run.err.toStdString();
    EXPECT_TRUE(errors.constFirst().startsWith(u"vorlin-export: the desktop's address books are "
                                               "not listed: the desktop's address-book server "
                                               "cannot be reached"_s))
        << run.err.toStdString();
}

TEST(ThunderbirdStore, stopsAnExportWhileTheBookIsLocked)
{
    const ThunderbirdHome home;
    writeProfile(home);
    const QString book = home.path(kProfile + u"/abook.sqlite"_s);
    home.writeBook(kProfile + u"/abook.sqlite"_s, {{u"c"_s, {{"FirstName", "Cy"}}}});
    const BookWriterProcess writer(u"exclusive"_s, book);
    const Outcome run = runExport(home.path(), {u"--address-book"_s, u"thunderbird:default"_s});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              u"vorlin-export: %1: locked by another program (writing it) for more than "
              "3 seconds\n"_s.arg(book));
}

// The window reads a book again when its stamp changes: Thunderbird's changes reach the log
// before the database.
TEST(ThunderbirdStore, stampChangesWithTheLog)
{
    const ThunderbirdHome home;
    writeProfile(home);
    home.writeBook(kProfile + u"/abook.sqlite"_s, {{u"c"_s, {{"FirstName", "Cy"}}}});
    const std::optional<AddressBookStamp> before = AddressBookStamp::of(u"thunderbird:"_s);
    ASSERT_TRUE(before && before->exists());
    EXPECT_EQ(AddressBookStamp::of(u"thunderbird:default/abook.sqlite"_s), before);
    const BookWriterProcess writer(u"hold"_s, home.path(kProfile + u"/abook.sqlite"_s));
    EXPECT_NE(AddressBookStamp::of(u"thunderbird:"_s), before);
    EXPECT_FALSE(AddressBookStamp::of(u"thunderbird:nobody"_s)->exists());
}
