// SPDX-License-Identifier: GPL-3.0-or-later
// Reads one address book the way vorlin-export does and prints how many contacts it holds:
// the parse alone, timed from outside by bench/run.
#include "addressbook/vcard/vcardstore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: vcard_parse FILE\n", stderr);
        return 2;
    }
    const ContactStoreRead read = readVCardStore(arguments.at(1));
    std::printf("%lld\n", static_cast<long long>(read.store->people().size()));
    return 0;
}
