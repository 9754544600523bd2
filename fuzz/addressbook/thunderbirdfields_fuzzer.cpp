// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the field-by-field mapping of Thunderbird's older cards: each line
// is one property, its name before the first '=' and its value after (a value may hold any
// byte but a line break), then every property of the person that came out is read back and
// its addresses laid out.
#include "addressbook/memorycontactstore.h"
#include "addressbook/thunderbird/thunderbirdfields.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "thunderbirdfields_fuzzer";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);

    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    ThunderbirdCard card{QStringLiteral("fuzz"), {}};
    for (const QByteArray &line : bytes.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals >= 0)
            card.properties.push_back({line.first(equals), line.sliced(equals + 1)});
    }
    VCardDiagnostics diagnostics(QStringLiteral("fuzz"));
    const ABPerson person = personFromFields(card, diagnostics);
    for (int i = 0; i < kABPropertyCount; ++i)
        (void)person.valueForProperty(static_cast<ABProperty>(i));
    const MemoryContactStore store;
    person.forEachAddress([&store](const QString &, const ABAddressFields &address) {
        (void)store.formattedAddress(address);
    });
    (void)diagnostics.lines();
    return 0;
}
