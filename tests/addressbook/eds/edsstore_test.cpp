// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's address books, read from a real address-book server in a private session
// (private-session.sh): each test fills a new address book through libebook and reads it
// through the eds store or vorlin-export.
#include "addressbook/abproperties.h"
#include "addressbook/contactdate.h"
#include "addressbook/eds/addressbookname.h"
#include "addressbook/eds/edsstore.h"
#include "addressbook/group.h"
#include "addressbook/multivalue.h"
#include "cli/exportprocess.h"
#include "describe.h"
#include "qtprinters.h"
#include "scratchaddressbook.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray card(const QByteArray &lines)
{
    QByteArray text = "BEGIN:VCARD\nVERSION:3.0\n" + lines + "\nEND:VCARD\n";
    return text.replace("\n", "\r\n");
}

ContactStoreRead readBook(const ScratchAddressBook &book)
{
    Expected<ContactStoreRead> read = readEdsStore(book.uid());
    if (!read) {
        ADD_FAILURE() << read.error().toStdString();
        return {std::make_unique<MemoryContactStore>(), {}, 0, 0, {}};
    }
    return std::move(*read);
}

const ABPerson *personNamed(const ContactStore &store, const QString &firstName)
{
    for (const ABPerson *person : store.people()) {
        if (person->stringForProperty(kABFirstNameProperty) == firstName)
            return person;
    }
    return nullptr;
}

const Group *groupNamed(const ContactStore &store, const QString &name)
{
    for (const Group *group : store.groups()) {
        if (group->name() == name)
            return group;
    }
    return nullptr;
}

QStringList firstNames(const QList<const ABPerson *> &people)
{
    QStringList names;
    for (const ABPerson *person : people)
        names.append(person->stringForProperty(kABFirstNameProperty).value_or(QString()));
    names.sort();
    return names;
}

QStringList warnings(const QString &err)
{
    return err.split(u'\n').filter(u"warning"_s);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray fileUri(const QString &path)
{
    return QUrl::fromLocalFile(path).toEncoded();
}

QString namedPipeIn(const QTemporaryDir &folder)
{
    QString path = folder.filePath(u"pipe"_s);
    if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        ADD_FAILURE() << "cannot make " << path.toStdString();
    return path;
}

} // namespace

// The server rewrites what it stores (its own properties, pictures moved into files); what a
// user sees must not change. The demo book has companies, labels, item groups, pictures,
// categories and dates.
TEST(EdsStore, givesTheSamePageAsTheVCardFile)
{
    const QString demo = QString::fromUtf8(VORLIN_DEMO_CONTACTS);
    ScratchAddressBook book(u"Demo"_s);
    const QList<QByteArray> cards = splitCards(fileBytes(demo));
    ASSERT_EQ(book.add(cards).size(), cards.size());

    QTemporaryDir home;
    const Outcome fromFile = runExport(
        home.path(), {u"--quiet"_s, u"--address-book"_s, demo, u"--output"_s, u"file/page.html"_s});
    ASSERT_EQ(fromFile.status, 0) << fromFile.err.toStdString();
    QDir(home.filePath(u".config"_s)).removeRecursively(); // the same first run for both
    const Outcome fromServer = runExport(
        home.path(),
        {u"--quiet"_s, u"--address-book"_s, book.name(), u"--output"_s, u"eds/page.html"_s});
    ASSERT_EQ(fromServer.status, 0) << fromServer.err.toStdString();
    EXPECT_EQ(warnings(fromServer.err), warnings(fromFile.err));

    const QByteArray page = fileBytes(home.filePath(u"file/page.html"_s));
    ASSERT_FALSE(page.isEmpty());
    EXPECT_EQ(fileBytes(home.filePath(u"eds/page.html"_s)), page);
    const QStringList pictures = QDir(home.filePath(u"file/images"_s)).entryList(QDir::Files);
    EXPECT_FALSE(pictures.isEmpty());
    EXPECT_EQ(QDir(home.filePath(u"eds/images"_s)).entryList(QDir::Files), pictures);
}

// A contact list names its members by UID in e-mail lines, marked as the list's own (parent
// "0") or not marked; a nested list is a list line, and its members are repeated in the outer
// list marked with the nested list's UID.
TEST(EdsStore, readsContactListsAsNestedGroups)
{
    ScratchAddressBook book(u"Lists"_s);
    book.add({
        card("UID:ann\nFN:Ann\nN:;Ann;;;\nEMAIL:ann@example.org"),
        card("UID:bob\nFN:Bob\nN:;Bob;;;\nEMAIL:bob@example.org"),
        card("UID:cat\nFN:Cat\nN:;Cat;;;"),
        card("UID:inner\nFN:Inner\nN:;Inner;;;\nX-EVOLUTION-LIST:TRUE\n"
             "EMAIL;X-EVOLUTION-DEST-CONTACT-UID=bob;X-EVOLUTION-DEST-EMAIL-NUM=0:bob@example.org"),
        card("UID:outer\nFN:Outer\nN:;Outer;;;\nX-EVOLUTION-LIST:TRUE\n"
             "EMAIL;X-EVOLUTION-PARENT-UID=0;X-EVOLUTION-DEST-CONTACT-UID=ann:ann@example.org\n"
             "EMAIL:someone@example.org\n"
             "X-EVOLUTION-CONTACT-LIST-INFO;X-EVOLUTION-CONTACT-LIST-UID=inner:Inner\n"
             "EMAIL;X-EVOLUTION-PARENT-UID=inner;X-EVOLUTION-DEST-CONTACT-UID=bob:bob@example.org"),
    });
    const ContactStoreRead read = readBook(book);
    EXPECT_TRUE(read.diagnostics.isEmpty()) << read.diagnostics.join(u'\n').toStdString();
    EXPECT_EQ(firstNames(read.store->people()), (QStringList{u"Ann"_s, u"Bob"_s, u"Cat"_s}));
    const Group *outer = groupNamed(*read.store, u"Outer"_s);
    const Group *inner = groupNamed(*read.store, u"Inner"_s);
    ASSERT_TRUE(outer && inner);
    EXPECT_EQ(firstNames(outer->members()), QStringList{u"Ann"_s});
    EXPECT_EQ(outer->subgroups(), QList<const Group *>{inner});
    EXPECT_EQ(firstNames(inner->members()), QStringList{u"Bob"_s});
}

TEST(EdsStore, readsDatesPicturesAndMessaging)
{
    QTemporaryDir folder;
    const QByteArray picture("\x89PNG\r\n\x1a\nlocal", 13);
    const QString picturePath = folder.filePath(u"face.png"_s);
    QFile pictureFile(picturePath);
    ASSERT_TRUE(pictureFile.open(QIODevice::WriteOnly));
    pictureFile.write(picture);
    pictureFile.close();

    ScratchAddressBook book(u"Details"_s);
    book.add({
        card("UID:dan\nN:;Dan;;;\nBDAY:--04-15\n"
             "IMPP;X-SERVICE-TYPE=Jabber:xmpp:dan@example.org\nIMPP:aim:goim?screenname=danaim\n"
             "PHOTO;ENCODING=b;TYPE=PNG:iVBORw0KGgppbmxpbmU="),
        card("UID:eve\nN:;Eve;;;\nBDAY:1990-02-28\nPHOTO;VALUE=uri:file://" + picturePath.toUtf8()),
        card("UID:fay\nN:;Fay;;;\nPHOTO;VALUE=uri:https://example.org/fay.png"),
    });
    const ContactStoreRead read = readBook(book);
    const ABPerson *dan = personNamed(*read.store, u"Dan"_s);
    const ABPerson *eve = personNamed(*read.store, u"Eve"_s);
    const ABPerson *fay = personNamed(*read.store, u"Fay"_s);
    ASSERT_TRUE(dan && eve && fay);

    EXPECT_EQ(describe(dan->valueForProperty(kABBirthdayProperty)), u"--04-15"_s);
    EXPECT_EQ(describe(eve->valueForProperty(kABBirthdayProperty)), u"1990-02-28"_s);
    EXPECT_EQ(describe(dan->valueForProperty(kABJabberInstantProperty)),
              u"other: dan@example.org"_s);
    EXPECT_EQ(describe(dan->valueForProperty(kABAIMInstantProperty)), u"other: danaim"_s);
    EXPECT_EQ(dan->imageData(), QByteArray("\x89PNG\r\n\x1a\ninline", 14));
    EXPECT_EQ(eve->imageData(), picture);
    EXPECT_FALSE(fay->imageData()); // a network address is never fetched
}

// Each problem names the book and the contact; the contact and the others are still read.
TEST(EdsStore, namesTheContactOfEachProblem)
{
    ScratchAddressBook book(u"Problems"_s);
    book.add(
        {card("UID:gus\nN:;Gus;;;\nBDAY:sometime\nPHOTO;VALUE=uri:file:///nonexistent/gus.png"),
         card("UID:hal\nN:;Hal;;;")});
    const ContactStoreRead read = readBook(book);
    EXPECT_EQ(firstNames(read.store->people()), (QStringList{u"Gus"_s, u"Hal"_s}));
    const QString gus = book.name() + u"/gus"_s;
    ASSERT_EQ(read.diagnostics.size(), 2) << read.diagnostics.join(u'\n').toStdString();
    EXPECT_TRUE(read.diagnostics[0].startsWith(gus + u": picture left out: "_s))
        << read.diagnostics[0].toStdString();
    static const QRegularExpression kDate(u"^eds:[^:]+/gus:\\d+: \"sometime\" is not a date"_s);
    EXPECT_TRUE(kDate.match(read.diagnostics[1]).hasMatch()) << read.diagnostics[1].toStdString();
}

// A linked picture is read only from a regular file: a named pipe (which would block for ever)
// or a device is left out at once, with one line naming the contact. A LOGO is never read,
// wherever it links.
TEST(EdsStore, readsOnlyRegularPictureFiles)
{
    QTemporaryDir folder;
    const QString picture = folder.filePath(u"a face.png"_s);
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(VORLIN_SAMPLE_PICTURE), picture));
    const QString pipe = namedPipeIn(folder);

    ScratchAddressBook book(u"Linked pictures"_s);
    book.add({
        card("UID:jon\nN:;Jon;;;\nPHOTO;VALUE=uri:" + fileUri(picture)
             + "\nLOGO;VALUE=uri:" + fileUri(pipe)),
        card("UID:kim\nN:;Kim;;;\nPHOTO;VALUE=uri:" + fileUri(pipe)),
        card("UID:lou\nN:;Lou;;;\nPHOTO;VALUE=uri:file:///dev/zero"),
    });
    const ContactStoreRead read = readBook(book);
    const ABPerson *jon = personNamed(*read.store, u"Jon"_s);
    const ABPerson *kim = personNamed(*read.store, u"Kim"_s);
    const ABPerson *lou = personNamed(*read.store, u"Lou"_s);
    ASSERT_TRUE(jon && kim && lou);
    EXPECT_EQ(jon->imageData(), fileBytes(picture));
    EXPECT_FALSE(kim->imageData());
    EXPECT_FALSE(lou->imageData());
    QStringList diagnostics = read.diagnostics;
    diagnostics.sort();
    EXPECT_EQ(diagnostics,
              (QStringList{
                  book.name() + u"/kim: picture left out: "_s + pipe
                      + u": not a regular file but a named pipe"_s,
                  book.name()
                      + u"/lou: picture left out: /dev/zero: not a regular file but a device"_s}));
}

// Each person gets the picture its own card links to, also where UIDs make the same
// identifier (the reader numbers them), where the server escapes the link (a file name
// with ';' and ','), and where a contact list (whose picture is never read) is among the
// cards.
TEST(EdsStore, givesEachLinkedPictureToItsOwnContact)
{
    QTemporaryDir folder;
    const auto pictureFile = [&folder](const QString &name) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(name.toUtf8()) > 0);
        return fileUri(file.fileName());
    };
    ScratchAddressBook book(u"Alike"_s);
    book.add({
        card("UID:m n\nN:;Mia;;;\nPHOTO;VALUE=uri:" + pictureFile(u"mia.png"_s)),
        card("UID:m_n\nN:;Ned;;;\nPHOTO;VALUE=uri:" + pictureFile(u"ned.png"_s)),
        card("UID:m_n-2\nN:;Ola;;;"),
        card("UID:pia\nN:;Pia;;;\nPHOTO;VALUE=uri:" + pictureFile(u"p;i,a.png"_s)),
        card("UID:list\nN:;List;;;\nX-EVOLUTION-LIST:TRUE\nPHOTO;VALUE=uri:"
             + fileUri(namedPipeIn(folder))),
    });
    const ContactStoreRead read = readBook(book);
    EXPECT_TRUE(read.diagnostics.isEmpty()) << read.diagnostics.join(u'\n').toStdString();
    const ABPerson *mia = personNamed(*read.store, u"Mia"_s);
    const ABPerson *ned = personNamed(*read.store, u"Ned"_s);
    const ABPerson *ola = personNamed(*read.store, u"Ola"_s);
    const ABPerson *pia = personNamed(*read.store, u"Pia"_s);
    ASSERT_TRUE(mia && ned && ola && pia);
    EXPECT_EQ(mia->imageData(), QByteArray("mia.png"));
    EXPECT_EQ(ned->imageData(), QByteArray("ned.png"));
    EXPECT_FALSE(ola->imageData());
    EXPECT_EQ(pia->imageData(), QByteArray("p;i,a.png"));
}

// The window reads from a slot, inside Qt's event loop (GLib's default context); the store's
// own context must not wait on that one.
TEST(EdsStore, readsFromInsideQtsEventLoop)
{
    ScratchAddressBook book(u"In a slot"_s);
    book.add({card("N:;Ida;;;")});
    QEventLoop loop;
    qsizetype people = -1;
    QTimer::singleShot(0, &loop, [&] {
        const Expected<ContactStoreRead> read = readEdsStore(book.uid());
        people = read ? read->store->people().size() : -2;
        loop.quit();
    });
    QTimer::singleShot(60'000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(people, 1);
}

TEST(EdsStore, namesTheBooksThereAreForAnUnknownUid)
{
    const Expected<ContactStoreRead> read = readEdsStore(u"no-such-book"_s);
    ASSERT_FALSE(read);
    EXPECT_TRUE(read.error().startsWith(u"eds:no-such-book: no such address book"_s))
        << read.error().toStdString();
    // The built-in book's display name follows the locale.
    EXPECT_TRUE(read.error().contains(u"eds:system-address-book ("_s))
        << read.error().toStdString();
}

TEST(EdsStore, listsTheBooksWithTheirContacts)
{
    ScratchAddressBook book(u"Two Friends"_s);
    book.add({card("N:;Gil;;;"), card("N:;Hal;;;")});
    QTemporaryDir home;
    const Outcome run = runExport(home.path(), {u"--list-address-books"_s});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(book.name() + u"\tTwo Friends\t2 contacts\n"_s))
        << run.out.toStdString();
    static const QRegularExpression kBuiltIn(
        u"^eds:system-address-book\t[^\t]+\t0 contacts\tdefault$"_s,
        QRegularExpression::MultilineOption);
    EXPECT_TRUE(kBuiltIn.match(run.out).hasMatch()) << run.out.toStdString();
}

// Without a reachable session bus (no server at all) the export stops at once, as for a
// missing address book; the listing leaves the desktop's books out and says so.
TEST(EdsStore, failsSoonWithoutAServer)
{
    QTemporaryDir home;
    QProcessEnvironment environment;
    environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"unix:path="_s + home.filePath(u"no-bus"_s));
    QElapsedTimer clock;
    clock.start();
    const Outcome run = runExport(home.path(), {u"--address-book"_s, u"eds:"_s}, environment);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(u"vorlin-export: eds: (the desktop's default address book): "
                                 "the desktop's address-book server cannot be reached: "_s))
        << run.err.toStdString();
    EXPECT_LT(clock.elapsed(), 30'000);

    // The listing goes on without the desktop's books; this home has no others.
    const Outcome listing = runExport(home.path(), {u"--list-address-books"_s}, environment);
    EXPECT_EQ(listing.status, 0);
    EXPECT_TRUE(listing.out.isEmpty()) << listing.out.toStdString();
    EXPECT_TRUE(listing.err.contains(u"server cannot be reached"_s)) << listing.err.toStdString();
}

TEST(AddressBookName, tellsDesktopBooksFromPaths)
{
    EXPECT_TRUE(isDesktopAddressBookName(u"eds:"_s));
    EXPECT_TRUE(isDesktopAddressBookName(u"eds:system-address-book"_s));
    EXPECT_FALSE(isDesktopAddressBookName(u"contacts/eds:old.vcf"_s));
    EXPECT_EQ(canonicalAddressBookName(u"eds:abc"_s), u"eds:abc"_s);
    EXPECT_EQ(canonicalAddressBookName(u"book.vcf"_s), QDir::current().filePath(u"book.vcf"_s));
    const Expected<ContactStoreRead> missing = openAddressBook(u"nope.vcf"_s);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(), u"nope.vcf: no such file or folder"_s);
}
