// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/launcher.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QMap>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A bundle and system in memory that records what the launcher asks of them.
class FakePlatform final : public LauncherPlatform
{
public:
    QVariantMap info{
        {u"CFBundleExecutable"_s, u"Vorlin-svc"_s},
        {u"CFBundleDisplayName"_s, u"Vorlin"_s},
        {u"CFBundleName"_s, u"VorlinName"_s},
        {u"LSEnvironment"_s, QVariantMap{{u"MinimumSystemVersion"_s, u"10.4"_s}}},
    };
    QMap<QString, QString> strings; // "table/key" -> text
    QVariant systemVersion = u"10.4.11"_s;
    QMap<QString, QString> executables{{u"Vorlin"_s, u"/b/Vorlin.app/Contents/MacOS/Vorlin"_s}};
    std::optional<qsizetype> pressedButton = 0;

    QByteArrayList replacedWith; // the arguments, when replaceProcess was called
    std::vector<Alert> alerts;
    int updaterOpenings = 0;
    QByteArray errors;

    void setMinimum(const QVariant &minimum)
    {
        info[u"LSEnvironment"_s] = QVariantMap{{u"MinimumSystemVersion"_s, minimum}};
    }

    QVariant infoValue(const QString &key) override { return info.value(key); }
    std::optional<QString> localizedString(const QString &table, const QString &key) override
    {
        const auto found = strings.constFind(table + u'/' + key);
        return found == strings.cend() ? std::nullopt : std::optional<QString>(*found);
    }
    QVariant systemVersionValue(const QString &key) override
    {
        return key == u"ProductVersion" ? systemVersion : QVariant();
    }
    std::optional<QString> pathForAuxiliaryExecutable(const QString &name) override
    {
        const auto found = executables.constFind(name);
        return found == executables.cend() ? std::nullopt : std::optional<QString>(*found);
    }
    QString replaceProcess(const QByteArray &path, const QByteArrayList &arguments) override
    {
        EXPECT_EQ(path, arguments.value(0));
        replacedWith = arguments;
        return u"Permission denied"_s;
    }
    std::optional<qsizetype> runAlert(const Alert &alert) override
    {
        alerts.push_back(alert);
        return pressedButton;
    }
    void openSoftwareUpdate() override { ++updaterOpenings; }
    void writeError(const QByteArray &text) override { errors += text; }
};

int runLauncher(FakePlatform &platform, std::vector<const char *> argv = {"/usr/bin/vorlin"})
{
    const int argc = int(argv.size());
    argv.push_back(nullptr);
    return Launcher::main(platform, argc, argv.data());
}

Alert updateAlert(const QString &minimum)
{
    return {u"Vorlin"_s,
            u"Vorlin requires Mac OS X %1 or later."_s.arg(minimum),
            u"Please use Software Update to upgrade to Mac OS X %1 or later.\n"_s.arg(minimum),
            {u"Open Software Update"_s, u"Quit"_s}};
}

Alert installAlert(const QString &minimum)
{
    return {u"Vorlin"_s,
            u"Vorlin requires Mac OS X %1 or later."_s.arg(minimum),
            u"Please install Mac OS X %1 or later.\n"_s.arg(minimum),
            {u"Quit"_s}};
}

// --- GetVersionComponentsFromString --------------------------------------------------------

struct VersionRow : NamedRow
{
    QString text;
    std::int32_t major, minor, patch;
};

class VersionComponents : public testing::TestWithParam<VersionRow>
{};

TEST_P(VersionComponents, areReadLikeDecimalPrefixes)
{
    const VersionRow &row = GetParam();
    std::int32_t major = -7, minor = -7, patch = -7;
    const std::int32_t returned
        = Launcher::GetVersionComponentsFromString(&major, &minor, &patch, row.text);
    EXPECT_EQ(major, row.major);
    EXPECT_EQ(minor, row.minor);
    EXPECT_EQ(patch, row.patch);
    EXPECT_EQ(returned, row.patch);
}

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Rows, VersionComponents,
    testing::Values(VersionRow{"empty", u""_s, 0, 0, 0}, VersionRow{"majorOnly", u"10"_s, 10, 0, 0},
                    VersionRow{"majorMinor", u"10.4"_s, 10, 4, 0},
                    VersionRow{"full", u"10.4.11"_s, 10, 4, 11},
                    VersionRow{"fourthIgnored", u"1.2.3.4"_s, 1, 2, 3},
                    VersionRow{"emptyMiddle", u"10..4"_s, 10, 0, 4},
                    VersionRow{"digitsThenLetters", u"9a.4b"_s, 9, 4, 0},
                    VersionRow{"noDigits", u"x.y.z"_s, 0, 0, 0},
                    VersionRow{"kernelRelease", u"6.1.0-18-amd64"_s, 6, 1, 0},
                    VersionRow{"leadingBlanks", u" 10.\t4.\n2"_s, 10, 4, 2},
                    VersionRow{"blankAfterSign", u"- 1"_s, 0, 0, 0},
                    VersionRow{"signs", u"-1.+2.-0"_s, -1, 2, 0},
                    VersionRow{"tooLarge", u"99999999999.2147483648"_s, kInt32Max, kInt32Max, 0},
                    VersionRow{"tooSmall", u"-99999999999.-2147483648"_s, kInt32Min, kInt32Min, 0},
                    VersionRow{"otherDigitsAreNoDigits", u"\u0661\u0660.4"_s, 0, 4, 0}),
    RowName());

TEST(VersionComponents, leaveAbsentParametersAlone)
{
    std::int32_t minor = -7;
    EXPECT_EQ(Launcher::GetVersionComponentsFromString(nullptr, &minor, nullptr, u"3.4.5"), 5);
    EXPECT_EQ(minor, 4);
}

// --- The version check ---------------------------------------------------------------------

enum class Outcome { Start, UpdateAlert, InstallAlert };

struct CheckRow : NamedRow
{
    QVariant minimum; // invalid: no MinimumSystemVersion
    QVariant system;  // invalid: unknown
    Outcome outcome;
    QString shownMinimum;
};

class VersionCheck : public testing::TestWithParam<CheckRow>
{};

TEST_P(VersionCheck, startsTheApplicationOrExplains)
{
    const CheckRow &row = GetParam();
    FakePlatform platform;
    platform.setMinimum(row.minimum);
    platform.systemVersion = row.system;
    platform.pressedButton = std::nullopt;

    const int status = runLauncher(platform);

    if (row.outcome == Outcome::Start) {
        EXPECT_EQ(platform.replacedWith.value(0), "/b/Vorlin.app/Contents/MacOS/Vorlin");
        EXPECT_TRUE(platform.alerts.empty());
        EXPECT_EQ(status, 1); // the fake's replacement failed
        return;
    }
    EXPECT_TRUE(platform.replacedWith.isEmpty());
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts.front(),
              row.outcome == Outcome::UpdateAlert ? updateAlert(row.shownMinimum)
                                                  : installAlert(row.shownMinimum));
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(platform.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, VersionCheck,
    testing::Values(
        CheckRow{"newerPatchStarts", u"10.4"_s, u"10.4.11"_s, Outcome::Start, {}},
        CheckRow{"equalStarts", u"4.19"_s, u"4.19"_s, Outcome::Start, {}},
        CheckRow{"newerMinorStarts", u"10.9"_s, u"10.10"_s, Outcome::Start, {}},
        CheckRow{
            "newerMajorStartsDespiteMinor", u"4.19"_s, u"6.1.0-18-amd64"_s, Outcome::Start, {}},
        CheckRow{"olderPatchOffersTheUpdater", u"10.4.3"_s, u"10.4.2"_s, Outcome::UpdateAlert,
                 u"10.4.3"_s},
        CheckRow{"olderKernelPatchOffersTheUpdater", u"6.1.55"_s, u"6.1.20-amd64"_s,
                 Outcome::UpdateAlert, u"6.1.55"_s},
        CheckRow{"olderMinorAsksToInstall", u"10.4"_s, u"10.3.9"_s, Outcome::InstallAlert,
                 u"10.4"_s},
        CheckRow{"comparesNumbersNotText", u"10.10"_s, u"10.9.5"_s, Outcome::InstallAlert,
                 u"10.10"_s},
        CheckRow{"olderMajorAsksToInstall", u"4.19"_s, u"3.19.9"_s, Outcome::InstallAlert,
                 u"4.19"_s},
        CheckRow{"minimumShownAsWritten", u"10.04.0"_s, u"10.3"_s, Outcome::InstallAlert,
                 u"10.04.0"_s},
        CheckRow{"unknownSystemAsksToInstall", u"10.4"_s, {}, Outcome::InstallAlert, u"10.4"_s},
        CheckRow{"emptySystemAsksToInstall", u"1.0"_s, u""_s, Outcome::InstallAlert, u"1.0"_s},
        CheckRow{"nonTextSystemAsksToInstall", u"1.0"_s, 11, Outcome::InstallAlert, u"1.0"_s},
        CheckRow{"noMinimumMeansTheShippedOne", {}, u"4.19.0-1-amd64"_s, Outcome::Start, {}},
        CheckRow{"noMinimumStartsACurrentKernel", {}, u"6.1.0-18-amd64"_s, Outcome::Start, {}},
        CheckRow{"noMinimumRefusesAnOlderKernel",
                 {},
                 u"4.9.0-amd64"_s,
                 Outcome::InstallAlert,
                 u"4.19"_s},
        CheckRow{"emptyMinimumMeansTheShippedOne", u""_s, u"4.19.3"_s, Outcome::Start, {}},
        CheckRow{"nonTextMinimumMeansTheShippedOne", 99, u"3.2"_s, Outcome::InstallAlert,
                 u"4.19"_s}),
    RowName());

TEST(VersionCheck, withoutLSEnvironmentUsesTheDefaultMinimum)
{
    for (const QVariant &environment : {QVariant(), QVariant(u"10.9"_s)}) {
        FakePlatform platform;
        platform.info[u"LSEnvironment"_s] = environment;
        platform.systemVersion = u"4.18.9"_s;
        (void)runLauncher(platform);
        ASSERT_EQ(platform.alerts.size(), 1u);
        EXPECT_EQ(platform.alerts.front(), installAlert(u"4.19"_s));
    }
}

// --- The alert's buttons -------------------------------------------------------------------

struct ButtonRow : NamedRow
{
    QString system; // against the minimum 10.4.3
    std::optional<qsizetype> pressed;
    int updaterOpenings;
};

class AlertButtons : public testing::TestWithParam<ButtonRow>
{};

TEST_P(AlertButtons, onlyTheUpdateButtonOpensTheUpdater)
{
    const ButtonRow &row = GetParam();
    FakePlatform platform;
    platform.setMinimum(u"10.4.3"_s);
    platform.systemVersion = row.system;
    platform.pressedButton = row.pressed;

    EXPECT_EQ(runLauncher(platform), 0);
    EXPECT_EQ(platform.updaterOpenings, row.updaterOpenings);
}

INSTANTIATE_TEST_SUITE_P(Rows, AlertButtons,
                         testing::Values(ButtonRow{"openUpdater", u"10.4.2"_s, 0, 1},
                                         ButtonRow{"quit", u"10.4.2"_s, 1, 0},
                                         ButtonRow{"noDisplay", u"10.4.2"_s, std::nullopt, 0},
                                         ButtonRow{"onlyButtonIsQuit", u"10.3"_s, 0, 0}),
                         RowName());

// --- Starting the application --------------------------------------------------------------

struct NameRow : NamedRow
{
    QString launcher;
    QString application; // empty: none
};

class ApplicationName : public testing::TestWithParam<NameRow>
{};

TEST_P(ApplicationName, followsFromTheLauncherName)
{
    const NameRow &row = GetParam();
    FakePlatform platform;
    platform.info[u"CFBundleExecutable"_s] = row.launcher;
    platform.executables = {{row.application, u"/b/MacOS/"_s + row.application}};

    EXPECT_EQ(runLauncher(platform), 1);

    if (row.application.isEmpty()) {
        EXPECT_TRUE(platform.replacedWith.isEmpty());
        EXPECT_EQ(platform.errors, "ERROR: the launcher name \"-svc\" names no application\n");
    } else {
        EXPECT_EQ(platform.replacedWith.value(0), (u"/b/MacOS/"_s + row.application).toUtf8());
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ApplicationName,
                         testing::Values(NameRow{"suffixRemoved", u"Vorlin-svc"_s, u"Vorlin"_s},
                                         NameRow{"noSuffix", u"Tool"_s, u"Tool.real"_s},
                                         NameRow{"suffixIsCaseSensitive", u"Tool-SVC"_s,
                                                 u"Tool-SVC.real"_s},
                                         NameRow{"onlyTheLastSuffix", u"a-svc-svc"_s, u"a-svc"_s},
                                         NameRow{"onlySuffix", u"-svc"_s, {}}),
                         RowName());

struct ArgumentsRow : NamedRow
{
    std::vector<const char *> argv;
    QByteArrayList expected;
};

class ApplicationArguments : public testing::TestWithParam<ArgumentsRow>
{};

TEST_P(ApplicationArguments, passUnchangedExceptTheFirst)
{
    FakePlatform platform;
    (void)runLauncher(platform, GetParam().argv);
    EXPECT_EQ(platform.replacedWith, GetParam().expected);
}

const QByteArray kVorlinPath = "/b/Vorlin.app/Contents/MacOS/Vorlin";

INSTANTIATE_TEST_SUITE_P(
    Rows, ApplicationArguments,
    testing::Values(
        ArgumentsRow{"three",
                     {"vorlin", "--address-book", "/home/a b/contacts.vcf"},
                     {kVorlinPath, "--address-book", "/home/a b/contacts.vcf"}},
        ArgumentsRow{"onlyTheProgram", {"vorlin"}, {kVorlinPath}},
        ArgumentsRow{"none", {}, {kVorlinPath}},
        ArgumentsRow{"bytesAsTheyAre", {"vorlin", "\xff\xfe", ""}, {kVorlinPath, "\xff\xfe", ""}}),
    RowName());

TEST(StartApplication, failureEndsWithStatusOneAndSaysWhy)
{
    FakePlatform platform;
    EXPECT_EQ(runLauncher(platform), 1);
    EXPECT_EQ(platform.errors,
              "ERROR: cannot start /b/Vorlin.app/Contents/MacOS/Vorlin: Permission denied\n");

    FakePlatform missing;
    missing.executables.clear();
    EXPECT_EQ(runLauncher(missing), 1);
    EXPECT_TRUE(missing.replacedWith.isEmpty());
    EXPECT_TRUE(missing.alerts.empty());
    EXPECT_EQ(missing.errors, "ERROR: the application Vorlin is missing from the bundle\n");
}

TEST(StartApplication, needsTheLauncherNameFromTheBundle)
{
    for (const QVariant &name : {QVariant(), QVariant(u""_s), QVariant(QVariantList{})}) {
        FakePlatform platform;
        platform.info[u"CFBundleExecutable"_s] = name;
        EXPECT_EQ(runLauncher(platform, {"/opt/x/Vorlin-svc", "a"}), 1);
        EXPECT_EQ(platform.errors,
                  "ERROR: /opt/x/Vorlin-svc must be run from inside a .app wrapper\n");
        EXPECT_TRUE(platform.replacedWith.isEmpty());
        EXPECT_TRUE(platform.alerts.empty());
    }
}

// --- The alert's texts ---------------------------------------------------------------------

struct NamingRow : NamedRow
{
    QVariant displayName; // invalid: absent
    QVariant bundleName;
    QString infoPlistTable; // "key=text" in the InfoPlist table, or empty
    QString title;
    QString shownName;
};

class AlertNaming : public testing::TestWithParam<NamingRow>
{};

TEST_P(AlertNaming, usesTheDisplayNameElseTheBundleName)
{
    const NamingRow &row = GetParam();
    FakePlatform platform;
    platform.info[u"CFBundleDisplayName"_s] = row.displayName;
    platform.info[u"CFBundleName"_s] = row.bundleName;
    if (!row.infoPlistTable.isEmpty()) {
        const QStringList entry = row.infoPlistTable.split(u'=');
        platform.strings[u"InfoPlist/"_s + entry[0]] = entry[1];
    }
    platform.systemVersion = u"1.0"_s;

    (void)runLauncher(platform);

    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts.front().title, row.title);
    EXPECT_EQ(platform.alerts.front().message,
              row.shownName + u" requires Mac OS X 10.4 or later.");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AlertNaming,
    testing::Values(
        NamingRow{"displayName", u"Vorlin"_s, u"Vor"_s, {}, u"Vorlin"_s, u"Vorlin"_s},
        NamingRow{"bundleNameWhenNoDisplayName", {}, u"Vor"_s, {}, u"Vor"_s, u"Vor"_s},
        NamingRow{
            "emptyDisplayNameHasNoFallBack", u""_s, u"Vor"_s, {}, u""_s, u"This application"_s},
        NamingRow{"noNameAtAll", {}, {}, {}, u""_s, u"This application"_s},
        NamingRow{"nonTextNameIsNoName", 5, {}, {}, u""_s, u"This application"_s},
        NamingRow{"localizedDisplayName",
                  u"Vorlin"_s,
                  {},
                  u"CFBundleDisplayName=Vörlin"_s,
                  u"Vörlin"_s,
                  u"Vörlin"_s},
        NamingRow{"localizedBundleName", {}, u"Vor"_s, u"CFBundleName=Vör"_s, u"Vör"_s, u"Vör"_s},
        NamingRow{"placeholdersInTheNameStayText",
                  u"50%@ %1$@ %%"_s,
                  {},
                  {},
                  u"50%@ %1$@ %%"_s,
                  u"50%@ %1$@ %%"_s}),
    RowName());

TEST(AlertTexts, comeFromTheStringTable)
{
    FakePlatform platform;
    platform.setMinimum(u"4.19.3"_s);
    platform.systemVersion = u"4.19.1"_s;
    platform.info.remove(u"CFBundleDisplayName"_s);
    platform.info.remove(u"CFBundleName"_s);
    platform.strings = {
        {u"ui_svc/s001"_s, u"Dieses Programm"_s},
        {u"ui_svc/s002"_s, u"Linux %2$@ wird für %1$@ benötigt (100%%)."_s},
        {u"ui_svc/s003"_s, u"Bitte auf %@ aktualisieren.\n"_s},
        {u"ui_svc/s004"_s, u"Aktualisieren"_s},
        {u"ui_svc/s005"_s, u"Beenden"_s},
        {u"ui/s005"_s, u"wrong table"_s},
    };

    (void)runLauncher(platform);

    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts.front(),
              (Alert{u""_s,
                     u"Linux 4.19.3 wird für Dieses Programm benötigt (100%)."_s,
                     u"Bitte auf 4.19.3 aktualisieren.\n"_s,
                     {u"Aktualisieren"_s, u"Beenden"_s}}));
}

TEST(AlertTexts, missingObjectsStayEmpty)
{
    FakePlatform platform;
    platform.systemVersion = u"1"_s;
    platform.strings[u"ui_svc/s006"_s] = u"%@ %@ %3$@|%"_s;
    (void)runLauncher(platform);
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts.front().informativeText, u"10.4  |%"_s);
}

// --- The lookups themselves ----------------------------------------------------------------

TEST(LocalizedStringForKey, givesTheDefaultWhereTheTableHasNoEntry)
{
    FakePlatform platform;
    platform.strings = {{u"ui_svc/s005"_s, u"Beenden"_s}, {u"InfoPlist/s004"_s, u"x"_s}};
    EXPECT_EQ(Launcher::LocalizedStringForKey(platform, u"s005"_s, u"Quit"_s), u"Beenden"_s);
    EXPECT_EQ(Launcher::LocalizedStringForKey(platform, u"s004"_s, u"Open"_s), u"Open"_s);
}

TEST(LocalizedInfoStringForKey, prefersTheTableThenTheInfoPlist)
{
    FakePlatform platform;
    platform.info[u"CFBundleVersion"_s] = 3;
    platform.strings = {{u"InfoPlist/CFBundleName"_s, u"Vör"_s}};
    EXPECT_EQ(Launcher::LocalizedInfoStringForKey(platform, u"CFBundleName"_s), u"Vör"_s);
    EXPECT_EQ(Launcher::LocalizedInfoStringForKey(platform, u"CFBundleDisplayName"_s), u"Vorlin"_s);
    EXPECT_EQ(Launcher::LocalizedInfoStringForKey(platform, u"CFBundleVersion"_s), std::nullopt);
    EXPECT_EQ(Launcher::LocalizedInfoStringForKey(platform, u"Missing"_s), std::nullopt);
}

} // namespace
