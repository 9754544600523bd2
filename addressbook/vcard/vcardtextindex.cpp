// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardtextindex.h"

#include <bit>

void VCardTextIndex::reserve(qsizetype count)
{
    const std::size_t wanted = std::bit_ceil(2 * std::size_t(std::max<qsizetype>(count, 1)));
    if (wanted > m_slots.size())
        rehash(std::max(wanted, kMinSlots));
}

// Every text in is different from the others, so moving them needs no comparing.
void VCardTextIndex::rehash(std::size_t slotCount)
{
    std::vector<Slot> old(slotCount);
    old.swap(m_slots);
    for (const Slot &slot : old) {
        if (!slot.isFree())
            m_slots[probe(slot.hash, [](quint32) { return false; })] = slot;
    }
}
