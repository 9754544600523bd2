// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardcheckedread.h"
#include "addressbook/vcard/vcardvalue.h"

#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

struct Share
{
    qint64 start;
    qint64 end;
    qint64 got = 0;
    // The span checked, from just after the share's first line break (the file's start for the
    // first share) to just after its last; empty while no line break was seen.
    qint64 checkedFrom = -1;
    qint64 checkedTo = -1;
    bool valid = true;
    int error = 0;
};

bool isValidUtf8(const char *bytes, qint64 from, qint64 to)
{
    return VCardValue::isValidUtf8(QByteArrayView(bytes + from, to - from));
}

// Checks what the piece [from, to) completes: up to its last line break.
void checkPiece(const char *bytes, qint64 from, qint64 to, Share &share)
{
    if (share.checkedFrom < 0) {
        const auto *first
            = static_cast<const char *>(std::memchr(bytes + from, '\n', std::size_t(to - from)));
        if (!first)
            return;
        share.checkedFrom = share.checkedTo = first + 1 - bytes;
    }
    const auto *last = static_cast<const char *>(
        ::memrchr(bytes + share.checkedTo, '\n', std::size_t(to - share.checkedTo)));
    if (!last)
        return;
    const qint64 end = last + 1 - bytes;
    share.valid = share.valid && isValidUtf8(bytes, share.checkedTo, end);
    share.checkedTo = end;
}

void readShare(int descriptor, char *bytes, qsizetype pieceBytes, Share &share)
{
    if (share.start == 0)
        share.checkedFrom = share.checkedTo = 0;
    qint64 at = share.start;
    while (at < share.end) {
        const ssize_t got = ::pread(descriptor, bytes + at,
                                    std::size_t(std::min<qint64>(pieceBytes, share.end - at)), at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            share.error = errno;
            return;
        }
        if (got == 0)
            break;
        checkPiece(bytes, at, at + got, share);
        at += got;
    }
    share.got = at - share.start;
}

std::vector<Share> sharesOf(qint64 size, qint64 pieceBytes, int threads)
{
    const qint64 pieces = (size + pieceBytes - 1) / pieceBytes;
    const qint64 count = std::clamp<qint64>(threads, 1, std::max<qint64>(pieces, 1));
    const qint64 shareBytes = (pieces + count - 1) / count * pieceBytes;
    std::vector<Share> shares;
    for (qint64 start = 0; start < size || shares.empty(); start += shareBytes)
        shares.push_back({start, std::min(size, start + shareBytes)});
    return shares;
}

} // namespace

VCardCheckedRead VCardCheckedRead::read(int descriptor, char *into, qint64 size,
                                        const VCardFileReading &reading)
{
    // A piece of no bytes would read nothing and take the file for cut short.
    const qsizetype pieceBytes = std::max<qsizetype>(reading.pieceBytes, 1);
    std::vector<Share> shares = sharesOf(size, pieceBytes, reading.threads);
    const auto readOne = [&](Share &share) {
        readShare(descriptor, into, pieceBytes, share);
    };
    if (shares.size() == 1)
        readOne(shares.front());
    else
        QtConcurrent::blockingMap(shares, readOne);

    // The spans between those the shares checked, in file order; a share cut short ends the
    // file, whatever the shares after it read.
    VCardCheckedRead result;
    qint64 checkedTo = 0;
    for (const Share &share : shares) {
        if (share.error != 0) {
            result.error = share.error;
            return result;
        }
        if (share.checkedFrom >= 0) {
            result.validUtf8 = result.validUtf8 && share.valid
                && isValidUtf8(into, checkedTo, share.checkedFrom);
            checkedTo = share.checkedTo;
        }
        result.size = share.start + share.got;
        if (share.got < share.end - share.start)
            break;
    }
    result.validUtf8 = result.validUtf8 && isValidUtf8(into, checkedTo, result.size);
    return result;
}
