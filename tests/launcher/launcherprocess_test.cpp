// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built Vorlin-svc from a bundle of its own, with a stub in the application's place.
#include "launcher/launcher.h"
#include "util/propertylist.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kBuildContents = QString::fromUtf8(VORLIN_TEST_BUNDLE_CONTENTS);

struct Finished
{
    int status = -1;
    QByteArray errors;
};

class BuiltLauncher : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir().mkpath(contents() + u"/MacOS"_s));
        ASSERT_TRUE(QDir().mkpath(contents() + u"/Resources/translations"_s));
        ASSERT_TRUE(QFile::copy(QString::fromUtf8(VORLIN_TEST_LAUNCHER), launcher()));
        ASSERT_TRUE(QFile::copy(QString::fromUtf8(VORLIN_TEST_STUB), stub()));
        const QString english = u"/Resources/translations/vorlin_en.qm"_s;
        ASSERT_TRUE(QFile::copy(kBuildContents + english, contents() + english));
        writeInfoPlist(u"1.0"_s);
    }

    [[nodiscard]] QString contents() const { return m_dir.path() + u"/Vorlin.app/Contents"_s; }
    [[nodiscard]] QString launcher() const { return contents() + u"/MacOS/Vorlin-svc"_s; }
    [[nodiscard]] QString stub() const { return contents() + u"/MacOS/Vorlin"_s; }
    [[nodiscard]] QString stubOutput() const { return m_dir.path() + u"/arguments"_s; }

    // The build tree's Info.plist with another minimum system version.
    void writeInfoPlist(const QString &minimum) const
    {
        QVariantMap info
            = readPropertyListFile(kBuildContents + u"/Info.plist"_s).value_or(QVariant()).toMap();
        ASSERT_FALSE(info.isEmpty());
        info[u"LSEnvironment"_s] = QVariantMap{{u"MinimumSystemVersion"_s, minimum}};
        QFile file(contents() + u"/Info.plist"_s);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(toXmlPropertyList(info).value_or(QByteArray()));
    }

    [[nodiscard]] Finished run(const QString &program, const QStringList &arguments,
                               QProcessEnvironment environment
                               = QProcessEnvironment::systemEnvironment()) const
    {
        environment.insert(u"VORLIN_STUB_OUTPUT"_s, stubOutput());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << process.errorString().toStdString();
        return {process.exitCode(), process.readAllStandardError()};
    }

    // What the stub received, or nothing when it did not run.
    [[nodiscard]] QStringList received() const
    {
        QFile file(stubOutput());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList arguments;
        for (const QByteArray &argument : file.readAll().split('\0'))
            arguments.append(QString::fromUtf8(argument));
        arguments.removeLast(); // after the last NUL
        return arguments;
    }

    [[nodiscard]] QString stubPath() const { return QFileInfo(stub()).canonicalFilePath(); }

private:
    QTemporaryDir m_dir;
};

TEST_F(BuiltLauncher, replacesItselfWithTheApplication)
{
    const QStringList arguments{u"--address-book"_s, u"/home/zoë/my contacts.vcf"_s};
    const Finished finished = run(launcher(), arguments);
    EXPECT_EQ(finished.status, 42) << finished.errors.toStdString();
    EXPECT_EQ(received(), QStringList{stubPath()} + arguments);
}

TEST_F(BuiltLauncher, worksThroughALinkFromElsewhere)
{
    const QString bin = QFileInfo(contents() + u"/../../bin"_s).absoluteFilePath();
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QFile::link(u"../Vorlin.app/Contents/MacOS/Vorlin-svc"_s, bin + u"/vorlin"_s));
    const Finished finished = run(bin + u"/vorlin"_s, {u"one"_s});
    EXPECT_EQ(finished.status, 42) << finished.errors.toStdString();
    EXPECT_EQ(received(), (QStringList{stubPath(), u"one"_s}));
}

struct HeadlessRow : NamedRow
{
    QStringList set; // NAME=value
    QStringList unset;
};

class HeadlessLauncher : public BuiltLauncher, public testing::WithParamInterface<HeadlessRow>
{};

TEST_P(HeadlessLauncher, explainsOnStandardError)
{
    writeInfoPlist(u"999.1"_s);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &variable : GetParam().set)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    for (const QString &variable : GetParam().unset)
        environment.remove(variable);

    const Finished finished = run(launcher(), {}, environment);

    EXPECT_EQ(finished.status, 0);
    EXPECT_EQ(finished.errors,
              "Vorlin requires Linux kernel 999.1 or later.\n"
              "Please install Linux kernel 999.1 or later.\n");
    EXPECT_EQ(received(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HeadlessLauncher,
    testing::Values(
        HeadlessRow{"offscreen", {u"QT_QPA_PLATFORM=offscreen"_s, u"DISPLAY=:99"_s}, {}},
        HeadlessRow{"minimal", {u"QT_QPA_PLATFORM=minimal"_s}, {}},
        HeadlessRow{"noDisplay", {}, {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s}},
        // Named displays that nothing serves, as a stale SSH session leaves them.
        HeadlessRow{"unusableDisplay",
                    {u"DISPLAY=:97"_s, u"XAUTHORITY=/nonexistent"_s},
                    {u"QT_QPA_PLATFORM"_s, u"WAYLAND_DISPLAY"_s}},
        HeadlessRow{"unusableWaylandDisplay",
                    {u"WAYLAND_DISPLAY=vorlin-no-such-display"_s},
                    {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s}},
        HeadlessRow{"unusableChosenPlatform",
                    {u"QT_QPA_PLATFORM=xcb"_s, u"DISPLAY=:97"_s},
                    {u"WAYLAND_DISPLAY"_s}}),
    RowName());

TEST(ShippedInfoPlist, statesTheLaunchersOwnMinimum)
{
    const QVariantMap info
        = readPropertyListFile(kBuildContents + u"/Info.plist"_s).value_or(QVariant()).toMap();
    EXPECT_EQ(info.value(u"LSEnvironment"_s).toMap().value(u"MinimumSystemVersion"_s),
              Launcher::kDefaultMinimumSystemVersion.toString());
}

TEST_F(BuiltLauncher, outsideABundleSaysSo)
{
    ASSERT_TRUE(QFile::remove(contents() + u"/Info.plist"_s));
    const Finished finished = run(launcher(), {u"a"_s});
    EXPECT_EQ(finished.status, 1);
    EXPECT_EQ(finished.errors,
              "ERROR: " + launcher().toUtf8() + " must be run from inside a .app wrapper\n");
    EXPECT_EQ(received(), QStringList());
}

TEST_F(BuiltLauncher, namesABrokenInfoPlist)
{
    QFile file(contents() + u"/Info.plist"_s);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<plist><dict><key>CFBundleExecutable</key>");
    file.close();
    const Finished finished = run(launcher(), {});
    EXPECT_EQ(finished.status, 1);
    EXPECT_TRUE(finished.errors.contains(QByteArray(contents().toUtf8() + "/Info.plist")))
        << finished.errors.toStdString();
    EXPECT_TRUE(finished.errors.endsWith(" must be run from inside a .app wrapper\n"));
}

TEST_F(BuiltLauncher, withoutTheApplicationEndsWithStatusOne)
{
    ASSERT_TRUE(QFile::remove(stub()));
    const Finished finished = run(launcher(), {});
    EXPECT_EQ(finished.status, 1);
    EXPECT_EQ(finished.errors, "ERROR: the application Vorlin is missing from the bundle\n");
}

} // namespace
