// SPDX-License-Identifier: GPL-3.0-or-later
// Preferences and the address book's phone formats come from files anyone can edit, so the
// property-list reader must survive any bytes, and what it reads must write back.
#include "util/propertylist.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     static_cast<qsizetype>(size));
    const Expected<QVariant> read = parsePropertyList(bytes, QStringLiteral("fuzz"));
    if (read)
        (void)toXmlPropertyList(*read);
    return 0;
}
