// SPDX-License-Identifier: GPL-3.0-or-later
// Compresses bytes into a zlib stream looking for one kind of repeat only: runs of the byte
// before. Each block codes its bytes and run lengths by how often they occur (Huffman codes
// made for the block). After PNG's row filters a photo is mostly small differences with
// runs where it is flat, so this comes out about as small as a search for repeats of every
// kind, several times faster. A block that would not shrink is stored as it is, so the
// stream is never more than a few bytes per 64 KiB larger than its input.
//
//   RunLengthDeflate deflate;
//   QByteArray out(RunLengthDeflate::bound(data.size()), Qt::Uninitialized);
//   out.truncate(deflate.compress(data, reinterpret_cast<uchar *>(out.data())));
#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class RunLengthDeflate final
{
public:
    /// The most bytes compress writes for size bytes.
    [[nodiscard]] static std::size_t bound(std::size_t size);

    /// Writes data as a zlib stream to out, which has room for bound(data.size()) bytes;
    /// returns how many bytes it wrote.
    std::size_t compress(std::span<const uchar> data, uchar *out);

private:
    // A byte (below 256) or a run of the byte before (kRunToken + its length).
    std::vector<std::uint16_t> m_tokens;
};
