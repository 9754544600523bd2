// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the vCard store as one file: the line splitter, the decoders, the
// dialect mapping, the tying of groups and members, then the group walk, the sort and the
// address layout over whatever came out.
#include "addressbook/abperson.h"
#include "addressbook/groupselection.h"
#include "addressbook/vcard/vcardstore.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "vcard_fuzzer";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);

    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ContactStoreRead read = readVCardData(bytes, QStringLiteral("fuzz.vcf"));
    const ContactStore &store = *read.store;

    QList<ChosenGroup> everything{{ungroupedContactsName(), true}};
    for (const QString &groupName : allGroupNames(store))
        everything.append({groupName, true});
    const QList<const ABPerson *> people = peopleFromSelectedGroups(store, everything, true);
    for (const ABPerson *person : people) {
        const std::optional<MultiValue> addresses
            = person->multiValueForProperty(kABAddressProperty);
        for (qsizetype i = 0; addresses && i < addresses->count(); ++i)
            (void)store.formattedAddressFromDictionary(addresses->valueAtIndex(i).toMap());
    }
    (void)initWithVCardRepresentation(bytes);
    return 0;
}
