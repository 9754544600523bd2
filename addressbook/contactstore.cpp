// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/contactstore.h"
#include "addressbook/addressformatter.h"
#include "addressbook/memorycontactstore.h"

ContactStore::~ContactStore() = default;

QString ContactStore::formattedAddressFromDictionary(const QVariantMap &address) const
{
    return AddressFormatter::shared().format(address);
}

QString ContactStore::formattedAddress(const ABAddressFields &address) const
{
    return AddressFormatter::shared().format(address, AddressFormatter::localeCountry());
}

namespace {

std::unique_ptr<ContactStore> &installedStore()
{
    static std::unique_ptr<ContactStore> store = std::make_unique<MemoryContactStore>();
    return store;
}

} // namespace

const ContactStore &sharedAddressBook()
{
    return *installedStore();
}

void setSharedAddressBook(std::unique_ptr<ContactStore> store)
{
    if (store)
        installedStore() = std::move(store);
}
