// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built vorlin-export where writes fail and pictures are not what they seem: every
// failure is reported with the system's reason, and nothing outside the address book and the
// page's folder is read or replaced.
#include "util/propertylist.h"

#include "exporthome.h"
#include "qtprinters.h"
#include "rowname.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kOneCard
    = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ann\r\nN:Lee;Ann;;;\r\nEND:VCARD\r\n";

QByteArray cardWithPhoto(const QByteArray &uid, const QByteArray &photo)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + uid + "\r\nN:" + uid
        + ";Pat;;;\r\nPHOTO;ENCODING=b:" + photo.toBase64() + "\r\nEND:VCARD\r\n";
}

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage filled(int side, const QColor &colour)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Pixels that no compression shrinks: 200 pixels a side make a PNG of over 100 KB.
QImage noise(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, random.generate() | 0xff000000U);
    return image;
}

// The child's files may grow to limit bytes: a longer write fails with "File too large", as
// one on a full disk fails, rather than ending the program.
ExportRun withFileSizeLimit(rlim_t limit)
{
    return {[limit] {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit small{limit, limit};
                setrlimit(RLIMIT_FSIZE, &small);
            },
            {}};
}

class FailedWrites : public ExportHome
{
protected:
    // A device that takes no byte. root gets one of its own in the home, so that a write
    // that replaced it with a file would harm nothing beyond the test.
    [[nodiscard]] QString fullDevice() const
    {
        if (geteuid() != 0)
            return QFileInfo::exists(u"/dev/full"_s) ? u"/dev/full"_s : QString();
        const QString own = home.filePath(u"full"_s);
        return ::mknod(own.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 7)) == 0
            ? own
            : QString();
    }
    static void expectDevice(const QString &path)
    {
        struct stat status
        {};
        ASSERT_EQ(::stat(path.toLocal8Bit().constData(), &status), 0);
        EXPECT_TRUE(S_ISCHR(status.st_mode)) << path.toStdString() << " was replaced";
    }
};

TEST_F(FailedWrites, aPageSentToAFullDeviceFailsWithTheReason)
{
    write(u"book.vcf"_s, kOneCard);
    const QString device = fullDevice();
    if (device.isEmpty())
        GTEST_SKIP() << "no device to write to";
    const Outcome result = run({u"--address-book"_s, u"book.vcf"_s, u"--output"_s, device});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(device + u": No space left on device\n"_s))
        << result.err.toStdString();
    EXPECT_EQ(result.out, QString());
    EXPECT_FALSE(result.err.contains(u"Generated Vorlin"_s));
    expectDevice(device);
    // A device has no folder of its own for pictures.
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(device).absolutePath() + u"/images"_s));
}

TEST_F(FailedWrites, aPageWrittenInPlaceThatFailsSaysItIsIncomplete)
{
    write(u"book.vcf"_s, kOneCard);
    write(u"locked/page.html"_s, "the previous page\n");
    const QString folder = home.filePath(u"locked"_s);
    ExportRun how = withFileSizeLimit(2000);
    // A folder that allows no temporary file, holding a page the user may write.
    if (geteuid() == 0) {
        constexpr uid_t kNobody = 65534;
        ASSERT_EQ(::chown(home.filePath(u"locked/page.html"_s).toLocal8Bit().constData(), kNobody,
                          kNobody),
                  0);
        ASSERT_TRUE(QFile::setPermissions(home.path(), QFileDevice::Permissions(0x7777)));
        how.inChild = [limited = how.inChild] {
            limited();
            // Still root, the child would write anywhere: it ends instead, failing the test.
            if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                ::_exit(127);
        };
    } else {
        ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }

    const Outcome result
        = run({u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"locked/page.html"_s}, how);
    QFile::setPermissions(folder, QFileDevice::Permissions(0x7755));

    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(folder
                                    + u"/page.html: File too large; the page was written "
                                      u"in place, and what is on disk now is incomplete"_s))
        << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(u"Generated Vorlin"_s));
}

TEST_F(FailedWrites, aPictureThatCannotBeWrittenKeepsItsReferenceAndNamesTheReason)
{
    const QByteArray photo = pngOf(noise(200));
    ASSERT_GT(photo.size(), 100'000);
    write(u"book.vcf"_s, cardWithPhoto("big", photo) + kOneCard);
    const Outcome result = run({u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"a.html"_s},
                               withFileSizeLimit(60'000));
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(read(u"a.html"_s).contains(u"src=\"images/big.png\""_s));
    const QStringList lines = result.err.split(u'\n').filter(u"big"_s);
    ASSERT_EQ(lines.size(), 1) << result.err.toStdString();
    EXPECT_TRUE(lines.first().contains(u"File too large"_s)) << lines.first().toStdString();
    EXPECT_FALSE(result.err.contains(u"Unknown error"_s));
}

TEST_F(FailedWrites, aLinkInThePicturesPlaceIsReplacedNotFollowed)
{
    const QString device = fullDevice();
    if (device.isEmpty())
        GTEST_SKIP() << "no device to link to";
    write(u"book.vcf"_s, cardWithPhoto("linked", pngOf(filled(8, Qt::red))));
    write(u"elsewhere.png"_s, "not to be replaced\n");
    QDir().mkpath(home.filePath(u"images"_s));
    ASSERT_TRUE(QFile::link(device, home.filePath(u"images/linked.png"_s)));
    ASSERT_EQ(run({u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"a.html"_s}).status, 0);
    expectDevice(device);
    const QFileInfo picture(home.filePath(u"images/linked.png"_s));
    EXPECT_FALSE(picture.isSymLink());
    EXPECT_EQ(QImage(picture.filePath()).pixelColor(0, 0), QColor(Qt::red));
}

// Whoever planted the link would choose where the pictures go.
TEST_F(FailedWrites, anImagesFolderThatIsALinkIsRefused)
{
    write(u"book.vcf"_s, cardWithPhoto("linked", pngOf(filled(8, Qt::red))));
    QDir().mkpath(home.filePath(u"elsewhere"_s));
    ASSERT_TRUE(QFile::link(home.filePath(u"elsewhere"_s), home.filePath(u"images"_s)));
    const Outcome result = run({u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"a.html"_s});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(home.filePath(u"images"_s) + u": a link, not a folder"_s))
        << result.err.toStdString();
    EXPECT_TRUE(QDir(home.filePath(u"elsewhere"_s)).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(home.filePath(u"a.html"_s)));
}

TEST_F(FailedWrites, aPdfIsNeverWrittenOverADevice)
{
    const QString device = fullDevice();
    if (device.isEmpty())
        GTEST_SKIP() << "no device to write to";
    write(u"book.vcf"_s, kOneCard);
    const Outcome result
        = run({u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"a.html"_s, u"--pdf"_s, device});
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.contains(device + u": not a regular file"_s))
        << result.err.toStdString();
    expectDevice(device);
}

// --- Pictures are data, never a door ------------------------------------------------------

class Pictures : public ExportHome
{
protected:
    // An SVG photo that draws text and names a picture of the user's.
    void writeSvgCard()
    {
        write(u"secret.png"_s, pngOf(filled(64, Qt::magenta)));
        const QByteArray secret = home.filePath(u"secret.png"_s).toUtf8();
        write(u"book.vcf"_s,
              cardWithPhoto("drawn",
                            "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                            "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"64\" "
                            "height=\"64\"><image width=\"64\" height=\"64\" xlink:href=\""
                                + secret
                                + "\"/><image width=\"64\" height=\"64\" xlink:href=\"file://"
                                + secret + "\"/><text x=\"4\" y=\"40\">Hi</text></svg>"));
    }
    const QStringList exportArguments{u"--address-book"_s, u"book.vcf"_s, u"--output"_s,
                                      u"a.html"_s};
};

TEST_F(Pictures, anSvgPhotoGetsTheGenericPictureWithAMessage)
{
    writeSvgCard();
    const Outcome result = run(exportArguments);
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(read(u"a.html"_s).contains(u"src=\"images/genericPerson.png\""_s));
    EXPECT_EQ(entries(u"images"_s), QStringList{u"images/genericPerson.png"_s});
    EXPECT_EQ(result.err.count(u"drawn:ABPerson: an SVG picture is not shown"_s), 1)
        << result.err.toStdString();
}

TEST_F(Pictures, anSvgPhotoOpensNoOtherFile)
{
    const QString strace = QStandardPaths::findExecutable(u"strace"_s);
    if (strace.isEmpty())
        GTEST_SKIP() << "strace is not installed";
    writeSvgCard();
    const QString trace = home.filePath(u"trace"_s);
    // The leak checker of the sanitizer build cannot run under a tracer.
    QProcessEnvironment untraceable;
    const QString sanitizer = qEnvironmentVariable("ASAN_OPTIONS");
    untraceable.insert(u"ASAN_OPTIONS"_s,
                       sanitizer + (sanitizer.isEmpty() ? u""_s : u":"_s) + u"detect_leaks=0"_s);
    const Outcome result = runExport(home.path(), exportArguments, untraceable,
                                     {{},
                                      {strace, u"-f"_s, u"-qq"_s, u"-e"_s,
                                       u"trace=open,openat,openat2,creat"_s, u"-o"_s, trace}});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    QFile opened(trace);
    ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
    const QByteArray calls = opened.readAll();
    EXPECT_TRUE(calls.contains("book.vcf")); // the trace saw the files the export opened
    EXPECT_FALSE(calls.contains("secret.png"));
}

struct GenericNameRow : NamedRow
{
    QByteArray uid;
    QString ownFile;
};

class GenericNames : public ExportHome, public testing::WithParamInterface<GenericNameRow>
{};

TEST_P(GenericNames, neverTakeOverTheGenericPicture)
{
    // The contact with the photo sorts first, so a shared name would have the generic
    // picture written over its own.
    write(u"book.vcf"_s, cardWithPhoto(GetParam().uid, pngOf(filled(8, Qt::red))) + kOneCard);
    ASSERT_EQ(run({u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"a.html"_s}).status, 0);
    EXPECT_TRUE(read(u"a.html"_s).contains(u"src=\"images/%1\""_s.arg(GetParam().ownFile)));
    EXPECT_EQ(QImage(home.filePath(u"images/"_s + GetParam().ownFile)).pixelColor(0, 0),
              QColor(Qt::red));
    EXPECT_EQ(QImage(home.filePath(u"images/genericPerson.png"_s)).size(), QSize(96, 96));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GenericNames,
    testing::Values(GenericNameRow{"person", "genericPerson", u"contact+genericPerson.png"_s},
                    GenericNameRow{"company", "genericCompany", u"contact+genericCompany.png"_s},
                    GenericNameRow{"otherCase", "GENERICperson", u"contact+GENERICperson.png"_s},
                    GenericNameRow{"prefixOnly", "genericPersons", u"genericPersons.png"_s}),
    RowName());

// --- Where the page goes ---------------------------------------------------------------------

struct StoredNameRow : NamedRow
{
    QString fileName;
};

class StoredFileName : public ExportHome, public testing::WithParamInterface<StoredNameRow>
{};

TEST_P(StoredFileName, thatNamesNoFileCountsAsNone)
{
    write(u"book.vcf"_s, kOneCard);
    QDir().mkpath(home.filePath(u"pages/folder"_s));
    write(u".config/vorlin/Library/Preferences/org.vorlin.Vorlin.plist"_s,
          *toXmlPropertyList(QVariantMap{{u"addressBookPath"_s, u"~/book.vcf"_s},
                                         {u"NSNavLastCurrentDirectory"_s, u"~/pages"_s},
                                         {u"fileName"_s, GetParam().fileName}}));
    const Outcome result = run({u"--quiet"_s});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, home.filePath(u"pages/vorlin.html"_s) + u'\n');
    EXPECT_TRUE(read(u"pages/vorlin.html"_s).contains(u"addressbook:ann:ABPerson"_s));
}

INSTANTIATE_TEST_SUITE_P(Rows, StoredFileName,
                         testing::Values(StoredNameRow{"empty", u""_s},
                                         StoredNameRow{"dot", u"."_s},
                                         StoredNameRow{"dotDot", u".."_s},
                                         StoredNameRow{"trailingSlash", u"sub/"_s},
                                         StoredNameRow{"existingFolder", u"folder"_s},
                                         StoredNameRow{"outsideTheFolder", u"../page.html"_s}),
                         RowName());

struct DesktopRow : NamedRow
{
    QByteArray userDirs; // the user's folder settings; none when empty
    QString folder;
};

class FirstPage : public ExportHome, public testing::WithParamInterface<DesktopRow>
{};

TEST_P(FirstPage, goesToTheUsersDesktopFolder)
{
    write(u"book.vcf"_s, kOneCard);
    if (!GetParam().userDirs.isEmpty())
        write(u".config/user-dirs.dirs"_s, GetParam().userDirs);
    const Outcome result = run({u"--address-book"_s, u"book.vcf"_s, u"--quiet"_s});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, home.filePath(GetParam().folder + u"/vorlin.html"_s) + u'\n');
    EXPECT_TRUE(
        read(GetParam().folder + u"/vorlin.html"_s).contains(u"addressbook:ann:ABPerson"_s));
}

INSTANTIATE_TEST_SUITE_P(Rows, FirstPage,
                         testing::Values(DesktopRow{"withoutFolderSettings", {}, u"Desktop"_s},
                                         DesktopRow{"namedInTheUsersLanguage",
                                                    "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
                                                    "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n",
                                                    u"Schreibtisch"_s}),
                         RowName());

} // namespace
