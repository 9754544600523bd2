// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/launcher.h"

#include <QVariantMap>

#include <compare>
#include <limits>

using namespace Qt::StringLiterals;

namespace Launcher {

namespace {

struct VersionTriple
{
    std::int32_t major = 0;
    std::int32_t minor = 0;
    std::int32_t patch = 0;

    // Major first, then minor, then patch, each a signed comparison.
    // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 misreads the defaulted <=>
    friend auto operator<=>(const VersionTriple &, const VersionTriple &) = default;
};

VersionTriple versionTriple(QStringView version)
{
    VersionTriple triple;
    GetVersionComponentsFromString(&triple.major, &triple.minor, &triple.patch, version);
    return triple;
}

bool isCSpace(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// Like strtol's decimal prefix, but held within 32 bits instead of overflowing.
std::int32_t integerPrefix(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(value * 10 + (text[i].unicode() - u'0'), kLimit);
    value = negative ? -value : std::min(value, kLimit - 1);
    return std::int32_t(value);
}

std::optional<QString> stringValue(const QVariant &value)
{
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

QString localized(LauncherPlatform &platform, const LauncherText &text)
{
    return LocalizedStringForKey(platform, text.key.toString(), text.defaultText.toString());
}

// Fills the "%@" placeholders of a string-table text in order, or as "%1$@", "%2$@" where a
// translation reorders them; "%%" is a percent sign. The objects are inserted as they are,
// so a "%@" inside one stays text.
QString formatObjects(QStringView format, const QStringList &objects)
{
    QString result;
    qsizetype next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QStringView rest = format.sliced(i);
        if (rest.startsWith(u"%@")) {
            result += objects.value(next++);
            ++i;
        } else if (rest.startsWith(u"%%")) {
            result += u'%';
            ++i;
        } else if (rest.size() >= 4 && rest[0] == u'%' && rest[1] >= u'1' && rest[1] <= u'9'
                   && rest.sliced(2).startsWith(u"$@")) {
            result += objects.value(rest[1].unicode() - u'1');
            i += 3;
        } else {
            result += format[i];
        }
    }
    return result;
}

QString minimumSystemVersion(LauncherPlatform &platform)
{
    const QVariant environment = platform.infoValue(u"LSEnvironment"_s);
    if (environment.typeId() == QMetaType::QVariantMap) {
        const auto minimum = stringValue(environment.toMap().value(u"MinimumSystemVersion"_s));
        if (minimum && !minimum->isEmpty())
            return *minimum;
    }
    return kDefaultMinimumSystemVersion.toString();
}

// "Vorlin-svc" starts "Vorlin", any other name its ".real" companion; "-svc" names nothing.
std::optional<QString> applicationExecutableName(const QString &launcherName)
{
    constexpr QStringView kSuffix = u"-svc";
    if (!launcherName.endsWith(kSuffix))
        return launcherName + u".real";
    if (launcherName.size() == kSuffix.size())
        return std::nullopt;
    return launcherName.chopped(kSuffix.size());
}

void writeErrorLine(LauncherPlatform &platform, const QString &line)
{
    platform.writeError("ERROR: " + line.toUtf8() + '\n');
}

int startApplication(LauncherPlatform &platform, const QString &launcherName, int argc,
                     const char *const argv[])
{
    const std::optional<QString> name = applicationExecutableName(launcherName);
    if (!name) {
        writeErrorLine(platform,
                       u"the launcher name \"%1\" names no application"_s.arg(launcherName));
        return Exit::notStarted;
    }
    const std::optional<QString> path = platform.pathForAuxiliaryExecutable(*name);
    if (!path) {
        writeErrorLine(platform, u"the application %1 is missing from the bundle"_s.arg(*name));
        return Exit::notStarted;
    }
    QByteArrayList arguments{path->toUtf8()};
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const QString reason = platform.replaceProcess(arguments.first(), arguments);
    writeErrorLine(platform, u"cannot start %1: %2"_s.arg(*path, reason));
    return Exit::notStarted;
}

int explain(LauncherPlatform &platform, const QString &minimum, bool sameRelease)
{
    std::optional<QString> name = LocalizedInfoStringForKey(
        platform, QString::fromLatin1(QT_TRANSLATE_NOOP("InfoPlist", "CFBundleDisplayName")));
    if (!name)
        name = LocalizedInfoStringForKey(
            platform, QString::fromLatin1(QT_TRANSLATE_NOOP("InfoPlist", "CFBundleName")));
    const bool named = name && !name->isEmpty();

    Alert alert;
    alert.title = named ? *name : QString();
    alert.message
        = formatObjects(localized(platform, kRequiresText),
                        {named ? *name : localized(platform, kThisApplicationText), minimum});
    const LauncherText &advice = sameRelease ? kUpdateAdviceText : kInstallAdviceText;
    alert.informativeText = formatObjects(localized(platform, advice), {minimum});
    if (sameRelease)
        alert.buttons.append(localized(platform, kOpenUpdateText));
    alert.buttons.append(localized(platform, kQuitText));

    const std::optional<qsizetype> pressed = platform.runAlert(alert);
    if (sameRelease && pressed == 0)
        platform.openSoftwareUpdate();
    return Exit::alertShown;
}

} // namespace

int main(LauncherPlatform &platform, int argc, const char *const argv[])
{
    const std::optional<QString> launcherName
        = stringValue(platform.infoValue(u"CFBundleExecutable"_s));
    if (!launcherName || launcherName->isEmpty()) {
        const QByteArray self = argc > 0 ? QByteArray(argv[0]) : QByteArray();
        platform.writeError("ERROR: " + self + " must be run from inside a .app wrapper\n");
        return Exit::notStarted;
    }
    const QString minimum = minimumSystemVersion(platform);
    const std::optional<QString> system
        = stringValue(platform.systemVersionValue(u"ProductVersion"_s));
    if (!system || system->isEmpty())
        return explain(platform, minimum, false);

    const VersionTriple required = versionTriple(minimum);
    const VersionTriple running = versionTriple(*system);
    if (running >= required)
        return startApplication(platform, *launcherName, argc, argv);
    const bool sameRelease = running.major == required.major && running.minor == required.minor;
    return explain(platform, minimum, sameRelease);
}

std::int32_t GetVersionComponentsFromString(std::int32_t *major, std::int32_t *minor,
                                            std::int32_t *patch, QStringView version)
{
    const QList<QStringView> components = version.split(u'.');
    const auto component = [&](qsizetype index) {
        return index < components.size() ? integerPrefix(components[index]) : 0;
    };
    if (major)
        *major = component(0);
    if (minor)
        *minor = component(1);
    const std::int32_t patchValue = component(2);
    if (patch)
        *patch = patchValue;
    return patchValue;
}

QString LocalizedStringForKey(LauncherPlatform &platform, const QString &key,
                              const QString &defaultText)
{
    return platform.localizedString(u"ui_svc"_s, key).value_or(defaultText);
}

std::optional<QString> LocalizedInfoStringForKey(LauncherPlatform &platform, const QString &key)
{
    if (std::optional<QString> text = platform.localizedString(u"InfoPlist"_s, key))
        return text;
    return stringValue(platform.infoValue(key));
}

} // namespace Launcher
