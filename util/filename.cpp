// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/filename.h"

#include "util/controlcharacters.h"

#include <QDir>

#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Whether byte at index lies in [low, high]; past the end, it does not.
bool within(QByteArrayView bytes, qsizetype index, uchar low, uchar high)
{
    if (index >= bytes.size())
        return false;
    const auto byte = uchar(bytes[index]);
    return byte >= low && byte <= high;
}

bool continuesFrom(QByteArrayView bytes, qsizetype index, qsizetype end)
{
    for (; index < end; ++index) {
        if (!within(bytes, index, 0x80, 0xBF))
            return false;
    }
    return true;
}

// The length of the valid UTF-8 sequence bytes start with, or 0 (the table of RFC 3629:
// the lead byte bounds the second, which keeps out overlong forms, surrogates and
// everything past U+10FFFF).
qsizetype validSequence(QByteArrayView bytes)
{
    const auto lead = uchar(bytes.front());
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return continuesFrom(bytes, 1, 2) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const uchar low = lead == 0xE0 ? 0xA0 : 0x80;
        const uchar high = lead == 0xED ? 0x9F : 0xBF;
        return within(bytes, 1, low, high) && continuesFrom(bytes, 2, 3) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const uchar low = lead == 0xF0 ? 0x90 : 0x80;
        const uchar high = lead == 0xF4 ? 0x8F : 0xBF;
        return within(bytes, 1, low, high) && continuesFrom(bytes, 2, 4) ? 4 : 0;
    }
    return 0;
}

// How many bytes at the start of bytes are valid UTF-8.
qsizetype validPrefix(QByteArrayView bytes)
{
    qsizetype valid = 0;
    while (valid < bytes.size()) {
        const qsizetype length = validSequence(bytes.sliced(valid));
        if (length == 0)
            break;
        valid += length;
    }
    return valid;
}

// A low surrogate that follows a high one is half of a character, not an escaped byte.
bool isEscapedByte(QStringView name, qsizetype index)
{
    const char16_t code = name[index].unicode();
    return code >= kEscapeBase + 0x80 && code <= kEscapeBase + 0xFF
        && (index == 0 || !name[index - 1].isHighSurrogate());
}

uchar escapedByte(QChar c)
{
    return uchar(c.unicode() - kEscapeBase);
}

} // namespace

QString decodeFileName(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    while (!bytes.isEmpty()) {
        const qsizetype valid = validPrefix(bytes);
        name += QString::fromUtf8(bytes.first(valid));
        if (valid < bytes.size())
            name += QChar(char16_t(kEscapeBase + uchar(bytes[valid])));
        bytes = bytes.sliced(std::min(valid + 1, bytes.size()));
    }
    return name;
}

QByteArray encodeFileName(QStringView name)
{
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isEscapedByte(name, i))
            continue;
        bytes += name.sliced(start, i - start).toUtf8();
        bytes += char(escapedByte(name[i]));
        start = i + 1;
    }
    return bytes + name.sliced(start).toUtf8();
}

QString printableFileName(QStringView name)
{
    QString shown;
    shown.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isEscapedByte(name, i))
            shown += QString::asprintf("\\x%02X", escapedByte(name[i]));
        else
            shown += name[i];
    }
    return visibleControls(shown);
}

QStringList decodeArguments(int argc, const char *const *argv)
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments.append(decodeFileName(argv[i]));
    return arguments;
}

QString absoluteFileName(const QString &name)
{
    const std::unique_ptr<char, decltype(&std::free)> folder(::getcwd(nullptr, 0), &std::free);
    if (QDir::isAbsolutePath(name) || !folder)
        return QDir::cleanPath(name);
    return QDir::cleanPath(decodeFileName(folder.get()) + u'/' + name);
}

std::optional<mode_t> fileMode(const QString &name)
{
    struct stat status = {};
    if (::stat(encodeFileName(name).constData(), &status) != 0)
        return std::nullopt;
    return status.st_mode;
}
