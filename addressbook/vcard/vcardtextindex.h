// SPDX-License-Identifier: GPL-3.0-or-later
// Where a text stands in a list its owner fills, found by the hash a VCardHashedText carries.
// The table holds no text: each slot is the low half of a hash and a position, in one flat
// array probed in line, so a lookup mostly costs one cache line, which the caller can have
// fetched while it works on something else, and the texts stay where they are.
//
//   VCardTextIndex index;
//   const auto same = [&](quint32 at) { return texts[at] == text.text; };
//   if (!index.insert(text.hash, quint32(texts.size()), same)) texts.push_back(text.text);
#pragma once

#include <QtGlobal>

#include <cstddef>
#include <optional>
#include <vector>

class VCardTextIndex final
{
public:
    /// Makes room for that many positions in all.
    void reserve(qsizetype count);
    /// Has the slots a lookup of that hash starts at fetched into the cache.
    void prefetch(std::size_t hash) const
    {
        if (!m_slots.empty())
            __builtin_prefetch(&m_slots[home(quint32(hash))]);
    }

    /// The position of the text same() takes for the one looked up, among those of its hash.
    template<typename Same>
    [[nodiscard]] std::optional<quint32> find(std::size_t hash, const Same &same) const
    {
        if (m_slots.empty())
            return std::nullopt;
        const Slot &slot = m_slots[probe(quint32(hash), same)];
        return slot.isFree() ? std::nullopt : std::optional<quint32>(slot.position);
    }

    /// Adds position under hash unless same() takes a text already in: then that text's
    /// position is returned and nothing is added.
    template<typename Same>
    std::optional<quint32> insert(std::size_t hash, quint32 position, const Same &same)
    {
        if (2 * (m_count + 1) > m_slots.size())
            rehash(std::max<std::size_t>(2 * m_slots.size(), kMinSlots));
        Slot &slot = m_slots[probe(quint32(hash), same)];
        if (!slot.isFree())
            return slot.position;
        slot = {quint32(hash), position};
        ++m_count;
        return std::nullopt;
    }

private:
    struct Slot
    {
        static constexpr quint32 kFree = ~quint32(0);
        quint32 hash = 0;
        quint32 position = kFree;

        [[nodiscard]] bool isFree() const { return position == kFree; }
    };
    static constexpr std::size_t kMinSlots = 16;

    [[nodiscard]] std::size_t home(quint32 hash) const { return hash & (m_slots.size() - 1); }
    // The slot of the text same() takes, else the free slot where it would go.
    template<typename Same>
    [[nodiscard]] std::size_t probe(quint32 hash, const Same &same) const
    {
        for (std::size_t at = home(hash);; at = (at + 1) & (m_slots.size() - 1)) {
            const Slot &slot = m_slots[at];
            if (slot.isFree() || (slot.hash == hash && same(slot.position)))
                return at;
        }
    }
    void rehash(std::size_t slotCount);

    std::vector<Slot> m_slots; // a power of two of them, at most half taken
    std::size_t m_count = 0;
};
