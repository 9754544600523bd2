// SPDX-License-Identifier: GPL-3.0-or-later
// The built Vorlin as a command, as its manual page describes it: what it prints and how it
// ends without a display, with one that does not answer, and with a wrong command line.
#include "rowname.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kNoDisplay
    = "Vorlin: cannot open the window: neither DISPLAY nor WAYLAND_DISPLAY names a display\n";
const QByteArray kUnreachable = "Vorlin: cannot open the window: the display cannot be reached\n";

struct CommandRow : NamedRow
{
    QStringList arguments;
    QStringList set; // NAME=value, after DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are unset
    int status = 0;
    QByteArray outputStart; // the first bytes of standard output
    QByteArray errors;      // all of standard error
};

class WindowCommand : public testing::TestWithParam<CommandRow>
{};

TEST_P(WindowCommand, answersOrSaysWhyInOneLine)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    for (const QString &variable : GetParam().set)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QString::fromUtf8(VORLIN_TEST_WINDOW), GetParam().arguments);

    ASSERT_TRUE(process.waitForFinished(30000)) << process.errorString().toStdString();
    const QByteArray output = process.readAllStandardOutput();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), GetParam().status);
    EXPECT_TRUE(output.startsWith(GetParam().outputStart)) << output.toStdString();
    EXPECT_EQ(process.readAllStandardError(), GetParam().errors);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WindowCommand,
    testing::Values(
        // The launcher starts Vorlin by its path inside the bundle; the user typed vorlin.
        CommandRow{"help", {u"--help"_s}, {}, 0, "Usage: vorlin [options] [address-book]\n", ""},
        CommandRow{"helpAll", {u"--help-all"_s}, {}, 0, "Usage: vorlin [options]", ""},
        CommandRow{"version", {u"-v"_s}, {}, 0, "Vorlin " VORLIN_TEST_VERSION "\n", ""},
        CommandRow{"noDisplay", {}, {}, 1, "", kNoDisplay},
        CommandRow{"noDisplayForABook", {u"book.vcf"_s}, {}, 1, "", kNoDisplay},
        // Named displays that nothing serves, as a stale SSH session leaves them.
        CommandRow{"unusableDisplay",
                   {},
                   {u"DISPLAY=:97"_s, u"XAUTHORITY=/nonexistent"_s},
                   1,
                   "",
                   kUnreachable},
        // --help and --version need no display, not even the one that is named.
        CommandRow{"helpOnAnUnusableDisplay",
                   {u"--help"_s},
                   {u"DISPLAY=:97"_s, u"XAUTHORITY=/nonexistent"_s},
                   0,
                   "Usage: vorlin",
                   ""},
        CommandRow{"versionOnAnUnusablePlatform",
                   {u"--version"_s},
                   {u"QT_QPA_PLATFORM=xcb"_s},
                   0,
                   "Vorlin ",
                   ""},
        // Qt's own options are no row of one-letter options: -reverse holds no -v.
        CommandRow{"qtOptionOnAnUnusableDisplay",
                   {u"-reverse"_s},
                   {u"DISPLAY=:97"_s, u"XAUTHORITY=/nonexistent"_s},
                   1,
                   "",
                   kUnreachable},
        CommandRow{"unusableWaylandDisplay",
                   {},
                   {u"WAYLAND_DISPLAY=vorlin-no-such-display"_s},
                   1,
                   "",
                   kUnreachable},
        CommandRow{"unusableChosenPlatform", {}, {u"QT_QPA_PLATFORM=xcb"_s}, 1, "", kUnreachable},
        // A chosen platform that needs no display runs; it still answers --version.
        CommandRow{"offscreenChosen",
                   {u"-platform"_s, u"offscreen"_s, u"--version"_s},
                   {},
                   0,
                   "Vorlin ",
                   ""},
        CommandRow{"twoBooks",
                   {u"a.vcf"_s, u"b.vcf"_s},
                   {},
                   1,
                   "",
                   "Vorlin: one address book at a time, not 2\n"},
        CommandRow{"optionAndArgument",
                   {u"--address-book"_s, u"a.vcf"_s, u"b.vcf"_s},
                   {},
                   1,
                   "",
                   "Vorlin: one address book at a time, not 2\n"},
        CommandRow{
            "unknownOption", {u"--bogus"_s}, {}, 1, "", "Vorlin: Unknown option 'bogus'.\n"}),
    RowName());

// What a file manager hands over is the address book the window opens: one that is gone is
// named, and the window opens all the same (ended here once it has said so).
TEST(WindowCommandArgument, isTheAddressBookToOpen)
{
    const QTemporaryDir settings;
    ASSERT_TRUE(settings.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, settings.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setReadChannel(QProcess::StandardError);
    const QString book = u"/nonexistent/a book.vcf"_s;
    process.start(QString::fromUtf8(VORLIN_TEST_WINDOW), {book});
    QByteArray errors;
    const QByteArray line = "Vorlin: " + book.toUtf8() + ": no such file or folder\n";
    while (!errors.contains(line) && process.waitForReadyRead(30000))
        errors += process.readAllStandardError();
    EXPECT_TRUE(errors.contains(line)) << errors.toStdString();
    EXPECT_EQ(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished();
}

} // namespace
