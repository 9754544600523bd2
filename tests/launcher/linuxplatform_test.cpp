// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/launcher.h"
#include "launcher/linuxplatform.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

LinuxPlatform buildTreePlatform()
{
    return LinuxPlatform(Bundle(QString::fromUtf8(VORLIN_TEST_BUNDLE_CONTENTS)));
}

struct DisplayRow : NamedRow
{
    QStringList environment; // NAME=value
    bool display;
};

class Display : public testing::TestWithParam<DisplayRow>
{};

TEST_P(Display, isJudgedFromTheEnvironment)
{
    QProcessEnvironment environment;
    for (const QString &variable : GetParam().environment)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    EXPECT_EQ(hasDisplay(environment), GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Display,
    testing::Values(DisplayRow{"x11", {u"DISPLAY=:0"_s}, true},
                    DisplayRow{"wayland", {u"WAYLAND_DISPLAY=wayland-0"_s}, true},
                    DisplayRow{"none", {}, false},
                    DisplayRow{"emptyDisplay", {u"DISPLAY="_s, u"WAYLAND_DISPLAY="_s}, false},
                    DisplayRow{
                        "offscreen", {u"DISPLAY=:0"_s, u"QT_QPA_PLATFORM=offscreen"_s}, false},
                    DisplayRow{"minimalWithOptions",
                               {u"WAYLAND_DISPLAY=w"_s, u"QT_QPA_PLATFORM=minimal:enable_fonts"_s},
                               false},
                    DisplayRow{"namedPlatform", {u"DISPLAY=:0"_s, u"QT_QPA_PLATFORM=xcb"_s}, true}),
    RowName());

struct UpdaterRow : NamedRow
{
    QStringList executables;
    QStringList plainFiles;
    QStringList command; // program name, then arguments; empty: none
};

class SoftwareUpdater : public testing::TestWithParam<UpdaterRow>
{};

TEST_P(SoftwareUpdater, isTheFirstOneInstalled)
{
    QTemporaryDir dir;
    const auto create = [&](const QStringList &names, QFile::Permissions permissions) {
        for (const QString &name : names) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.setPermissions(permissions);
        }
    };
    create(GetParam().executables, QFile::ReadOwner | QFile::ExeOwner);
    create(GetParam().plainFiles, QFile::ReadOwner);
    const std::optional<QStringList> command = softwareUpdaterCommand({dir.path()});
    if (GetParam().command.isEmpty()) {
        EXPECT_EQ(command, std::nullopt);
        return;
    }
    QStringList expected = GetParam().command;
    expected.first() = dir.filePath(expected.first());
    EXPECT_EQ(command, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SoftwareUpdater,
    testing::Values(UpdaterRow{"none", {}, {}, {}},
                    UpdaterRow{"gnomeFirst",
                               {u"update-manager"_s, u"plasma-discover"_s, u"gnome-software"_s},
                               {},
                               {u"gnome-software"_s, u"--mode=updates"_s}},
                    UpdaterRow{"plasma",
                               {u"update-manager"_s, u"plasma-discover"_s},
                               {},
                               {u"plasma-discover"_s, u"--mode"_s, u"update"_s}},
                    UpdaterRow{"updateManager", {u"update-manager"_s}, {}, {u"update-manager"_s}},
                    UpdaterRow{"notExecutableIsNotInstalled",
                               {u"update-manager"_s},
                               {u"gnome-software"_s},
                               {u"update-manager"_s}}),
    RowName());

TEST(LinuxPlatform, readsTheBundleInfoPlist)
{
    LinuxPlatform platform = buildTreePlatform();
    EXPECT_EQ(platform.infoValue(u"CFBundleExecutable"_s), QVariant(u"Vorlin-svc"_s));
    EXPECT_EQ(platform.infoValue(u"LSEnvironment"_s).toMap().value(u"MinimumSystemVersion"_s),
              QVariant(u"4.19"_s));
    EXPECT_FALSE(platform.infoValue(u"Missing"_s).isValid());
}

TEST(LinuxPlatform, findsNoEntryWhereTheTablesHaveNone)
{
    LinuxPlatform platform = buildTreePlatform();
    EXPECT_EQ(platform.localizedString(u"ui_svc"_s, u"s999"_s), std::nullopt);
    EXPECT_EQ(platform.localizedString(u"ui"_s, u"s002"_s), std::nullopt);
    EXPECT_EQ(platform.localizedString(u"InfoPlist"_s, u"CFBundleVersion"_s), std::nullopt);
}

// The English catalogue words some texts for Linux; each must still fit the launcher's use.
TEST(LinuxPlatform, englishTextsKeepTheShapeOfTheDefaults)
{
    LinuxPlatform platform = buildTreePlatform();
    for (const Launcher::LauncherText &text : Launcher::kLauncherTexts) {
        const QString key = text.key.toString();
        const std::optional<QString> english = platform.localizedString(u"ui_svc"_s, key);
        if (!english)
            continue;
        EXPECT_EQ(english->count(u"%@"), text.defaultText.count(u"%@")) << key.toStdString();
        EXPECT_EQ(english->endsWith(u'\n'), text.defaultText.endsWith(u'\n')) << key.toStdString();
        EXPECT_FALSE(english->contains(u"Mac OS")) << key.toStdString();
    }
    for (const QString &key : {u"s002"_s, u"s003"_s, u"s004"_s, u"s006"_s})
        EXPECT_TRUE(platform.localizedString(u"ui_svc"_s, key)) << key.toStdString();
}

TEST(LinuxPlatform, knowsOnlyTheProductVersion)
{
    LinuxPlatform platform = buildTreePlatform();
    const QString release = platform.systemVersionValue(u"ProductVersion"_s).toString();
    ASSERT_FALSE(release.isEmpty());
    EXPECT_TRUE(release.front().isDigit()) << release.toStdString();
    EXPECT_FALSE(platform.systemVersionValue(u"ProductBuildVersion"_s).isValid());
}

TEST(LinuxPlatform, failedReplacementReturnsTheReason)
{
    LinuxPlatform platform = buildTreePlatform();
    EXPECT_EQ(platform.replaceProcess("/nonexistent/Vorlin", {"/nonexistent/Vorlin", "a"}),
              u"No such file or directory"_s);
}

} // namespace
