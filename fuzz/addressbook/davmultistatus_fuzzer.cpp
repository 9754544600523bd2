// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the reader of a CardDAV server's multistatus answers, as a hostile
// or broken server could send them, and reads every field of what came out.
#include "addressbook/carddav/davmultistatus.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "davmultistatus_fuzzer";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);

    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const Expected<DavMultistatus> answer = DavMultistatus::parse(bytes);
    if (!answer) {
        (void)answer.error().size();
        return 0;
    }
    qsizetype total = answer->syncToken.size();
    for (const DavResource &resource : answer->resources) {
        total += resource.href.size() + resource.etag.size() + resource.addressData.size()
            + resource.displayName.size() + resource.ctag.size() + resource.syncToken.size()
            + resource.principal.size() + resource.homeSet.size() + resource.defaultBook.size()
            + resource.status + int(resource.isAddressBook) + int(resource.canSyncCollection);
    }
    return total < 0 ? 1 : 0;
}
