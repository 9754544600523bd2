// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/eds/linkedpicture.h"

#include "util/regularfile.h"

#include <cerrno>

using namespace Qt::StringLiterals;

Expected<QByteArray> LinkedPicture::read(const QString &path, const QDeadlineTimer &deadline)
{
    Expected<std::optional<QByteArray>> read = readRegularFile(path, kMaxSize, deadline);
    if (!read) {
        // The address book's time, not the file's, ran out.
        if (deadline.hasExpired())
            return Unexpected(u"not read in the time the address book may take"_s);
        return Unexpected(read.error());
    }
    if (!*read)
        return Unexpected(qt_error_string(ENOENT));
    return std::move(**read);
}
