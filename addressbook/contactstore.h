// SPDX-License-Identifier: GPL-3.0-or-later
// What the program needs of an address book: its persons and groups, which groups hold a
// person, and how an address is laid out. The program only reads through it. The
// application opens one store (see vcardstore.h) and installs it as the shared one; tests
// build a MemoryContactStore.
//
//   for (const ABPerson *person : sharedAddressBook().people()) ...
#pragma once

#include "addressbook/abproperties.h"

#include <QList>
#include <QString>
#include <QVariantMap>

#include <memory>

class ABPerson;
class Group;

class ContactStore
{
public:
    ContactStore() = default;
    virtual ~ContactStore();
    ContactStore(const ContactStore &) = delete;
    ContactStore &operator=(const ContactStore &) = delete;

    /// Every group, in the store's order.
    [[nodiscard]] virtual QList<const Group *> groups() const = 0;
    /// Every person, in the store's order.
    [[nodiscard]] virtual QList<const ABPerson *> people() const = 0;
    /// The groups that hold person directly; empty for an ungrouped person and for a person
    /// that is not in this store.
    [[nodiscard]] virtual QList<const Group *> parentGroups(const ABPerson &person) const = 0;

    /// The address record laid out in lines separated by "\n", by the layout of its country
    /// (its country code, else its country name, else the user's locale).
    [[nodiscard]] QString formattedAddressFromDictionary(const QVariantMap &address) const;
    /// The same for a record given as its values.
    [[nodiscard]] QString formattedAddress(const ABAddressFields &address) const;
};

/// Whether a listing of address books opens every book to count its contacts, or only names
/// them (at once).
enum class ContactCounts : bool { Skip, Count };

/// The store installed last, the same object on every call until the next install; an empty
/// store before the first.
[[nodiscard]] const ContactStore &sharedAddressBook();
/// Makes store the shared one. Persons and groups of the store it replaces are gone.
void setSharedAddressBook(std::unique_ptr<ContactStore> store);
