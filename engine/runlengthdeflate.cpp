// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/runlengthdeflate.h"

#include <QtEndian>

#include <libdeflate.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

// Two stored blocks' worth: small enough for the codes to follow changes in a picture,
// large enough that the code tables cost little.
constexpr std::size_t kStoredMax = 65535;
constexpr std::size_t kBlockBytes = 2 * kStoredMax;
// A stored block's type bits, padding to a byte and its length and the length's complement.
constexpr std::size_t kStoredFrameBytes = 6;
constexpr std::array<uchar, 2> kZlibHeader{0x78, 0x01}; // deflate, 32 KiB window
constexpr std::size_t kZlibFrameBytes = kZlibHeader.size() + 4;
constexpr std::size_t kSlackBytes = 8;

constexpr int kMinRun = 3;
constexpr int kMaxRun = 258;
constexpr std::uint16_t kRunToken = 256;
constexpr int kEndOfBlock = 256;
constexpr int kFirstLengthSymbol = 257;
constexpr int kLiteralLengthSymbols = 286;
constexpr int kCodeLengthSymbols = 19;
// A Huffman tree's leaves and the nodes joining them.
constexpr std::size_t kTreeNodes = 2 * std::size_t{kLiteralLengthSymbols};
constexpr int kMaxCodeBits = 15;
constexpr int kMaxCodeLengthCodeBits = 7;
// Every run repeats the byte before: distance 1 is distance symbol 0. Symbol 1 is given a
// code too, as some decoders want two.
constexpr int kDistanceSymbols = 2;
constexpr std::array<uchar, kCodeLengthSymbols> kCodeLengthOrder{16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                                 11, 4,  12, 3, 13, 2, 14, 1, 15};

struct LengthCode
{
    std::uint16_t symbol = 0;
    std::uint8_t extraBits = 0;
    std::uint16_t base = 0;
};

// The extra bits of the index-th length symbol: none for the first eight and the last (258),
// then one more for every four symbols.
constexpr std::uint8_t lengthExtraBits(std::size_t index)
{
    return static_cast<std::uint8_t>(index < 8 || index == 28 ? 0 : (index - 4) / 4);
}

// For each run length, its symbol and the extra bits that tell it from the symbol's others.
constexpr std::array<LengthCode, kMaxRun + 1> makeLengthCodes()
{
    constexpr std::array<std::uint16_t, 29> bases{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                  15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                  67, 83, 99, 115, 131, 163, 195, 227, 258};
    std::array<LengthCode, kMaxRun + 1> codes{};
    for (std::size_t s = 0; s < bases.size(); ++s) {
        const int end = s + 1 < bases.size() ? bases[s + 1] : kMaxRun + 1;
        for (int length = bases[s]; length < end; ++length)
            codes[length] = {static_cast<std::uint16_t>(kFirstLengthSymbol + s), lengthExtraBits(s),
                             bases[s]};
    }
    return codes;
}
constexpr std::array<LengthCode, kMaxRun + 1> kLengthCodes = makeLengthCodes();

using Frequencies = std::array<std::uint32_t, kLiteralLengthSymbols>;

// Code lengths and the codes themselves, bit-reversed as DEFLATE writes them first bit first.
struct HuffmanCode
{
    std::array<std::uint8_t, kLiteralLengthSymbols> lengths{};
    std::array<std::uint16_t, kLiteralLengthSymbols> codes{};
};

// The depth of each symbol in a Huffman tree over weights, 0 for a symbol of weight 0.
// Leaves in rising weight and the nodes made from them are both in rising weight, so the
// two lightest are always at the front of one or the other.
void treeDepths(std::span<const std::uint32_t> weights, std::span<std::uint8_t> depths)
{
    std::array<std::uint16_t, kLiteralLengthSymbols> leaves{};
    std::size_t count = 0;
    for (std::size_t s = 0; s < weights.size(); ++s)
        if (weights[s] != 0)
            leaves[count++] = static_cast<std::uint16_t>(s);
    std::sort(leaves.begin(), leaves.begin() + count, [&](auto a, auto b) {
        return weights[a] != weights[b] ? weights[a] < weights[b] : a < b;
    });
    std::array<std::uint64_t, kTreeNodes> weight{};
    std::array<std::uint16_t, kTreeNodes> parent{};
    for (std::size_t i = 0; i < count; ++i)
        weight[i] = weights[leaves[i]];
    std::size_t leaf = 0;
    std::size_t inner = count;
    const auto lightest = [&](std::size_t made) {
        return leaf < count && (inner == made || weight[leaf] <= weight[inner]) ? leaf++ : inner++;
    };
    for (std::size_t made = count; made < 2 * count - 1; ++made) {
        const std::size_t first = lightest(made);
        const std::size_t second = lightest(made);
        weight[made] = weight[first] + weight[second];
        parent[first] = parent[second] = static_cast<std::uint16_t>(made);
    }
    std::array<std::uint8_t, kTreeNodes> depth{};
    for (std::size_t node = 2 * count - 2; node-- > 0;)
        depth[node] = static_cast<std::uint8_t>(depth[parent[node]] + 1);
    std::fill(depths.begin(), depths.end(), 0);
    for (std::size_t i = 0; i < count; ++i)
        depths[leaves[i]] = depth[i];
}

// The codes DEFLATE derives from code lengths: shorter codes first, equal lengths in symbol
// order; each reversed, as codes are sent first bit first.
void assignCanonicalCodes(std::span<const std::uint8_t> lengths,
                          std::array<std::uint16_t, kLiteralLengthSymbols> &codes)
{
    std::array<std::uint16_t, kMaxCodeBits + 1> lengthCount{};
    for (const std::uint8_t length : lengths)
        ++lengthCount[length];
    lengthCount[0] = 0;
    std::array<std::uint16_t, kMaxCodeBits + 1> next{};
    for (int bits = 1; bits <= kMaxCodeBits; ++bits)
        next[bits] = static_cast<std::uint16_t>((next[bits - 1] + lengthCount[bits - 1]) << 1);
    for (std::size_t s = 0; s < lengths.size(); ++s) {
        std::uint16_t canonical = next[lengths[s]]++;
        std::uint16_t reversed = 0;
        for (int bit = 0; bit < lengths[s]; ++bit, canonical >>= 1)
            reversed = static_cast<std::uint16_t>(reversed << 1 | (canonical & 1));
        codes[s] = reversed;
    }
}

// A Huffman code of at most maxBits a code: weights are halved (none to 0) until the tree
// is shallow enough. At least two symbols get codes, so that every code is complete.
HuffmanCode makeCode(std::span<const std::uint32_t> frequencies, int maxBits)
{
    std::array<std::uint32_t, kLiteralLengthSymbols> store{};
    const std::span<std::uint32_t> weights(store.data(), frequencies.size());
    std::copy(frequencies.begin(), frequencies.end(), weights.begin());
    auto used = std::count_if(weights.begin(), weights.end(), [](auto w) { return w != 0; });
    for (std::size_t s = 0; used < 2; ++s)
        if (weights[s] == 0) {
            weights[s] = 1;
            ++used;
        }
    HuffmanCode code;
    const std::span<std::uint8_t> lengths(code.lengths.data(), frequencies.size());
    for (treeDepths(weights, lengths); *std::max_element(lengths.begin(), lengths.end()) > maxBits;
         treeDepths(weights, lengths))
        for (std::uint32_t &weight : weights)
            weight = weight == 0 ? 0 : (weight >> 1) | 1;
    assignCanonicalCodes(lengths, code.codes);
    return code;
}

// Bits into bytes, first bit lowest, as DEFLATE wants them. Each put stores eight bytes and
// moves on by the whole ones, so that no branch depends on the data; the stream needs
// kSlackBytes of room beyond its end.
class BitWriter
{
public:
    explicit BitWriter(uchar *out)
        : m_out(out)
    {}

    // bits < 2^count; at most 56 bits may be added between flushes.
    void add(std::uint32_t bits, int count)
    {
        m_bits |= std::uint64_t{bits} << m_count;
        m_count += count;
    }

    // Leaves fewer than 8 bits pending.
    void flush()
    {
        qToLittleEndian(m_bits, m_out);
        const int whole = m_count / 8;
        m_out += whole;
        m_bits >>= 8 * whole;
        m_count %= 8;
    }

    // count at most 32.
    void put(std::uint32_t bits, int count)
    {
        add(bits, count);
        flush();
    }

    // Pads to a whole byte, already stored; returns where the next byte goes.
    uchar *alignToByte()
    {
        m_out += m_count > 0 ? 1 : 0;
        m_bits = 0;
        m_count = 0;
        return m_out;
    }

    void putBytes(std::span<const uchar> bytes)
    {
        std::memcpy(alignToByte(), bytes.data(), bytes.size());
        m_out += bytes.size();
    }

private:
    uchar *m_out;
    std::uint64_t m_bits = 0;
    int m_count = 0;
};

// Whether none of the eight bytes from at equals the byte before it (which is read).
bool noneRepeats(const uchar *at)
{
    std::uint64_t here = 0;
    std::uint64_t before = 0;
    std::memcpy(&here, at, sizeof here);
    std::memcpy(&before, at - 1, sizeof before);
    const std::uint64_t differences = here ^ before;
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    return ((differences - kOnes) & ~differences & (kOnes << 7)) == 0;
}

// Splits data[begin, end) into bytes and runs of the byte before, counting each symbol;
// returns the tokens, kept in tokens. Photos repeat a byte rarely, so eight bytes at a time
// are first checked for any repeat at all.
std::span<const std::uint16_t> tokenize(std::span<const uchar> data, std::size_t begin,
                                        std::size_t end, std::vector<std::uint16_t> &tokens,
                                        Frequencies &frequencies)
{
    tokens.resize(std::max(tokens.size(), end - begin));
    std::uint16_t *out = tokens.data();
    const uchar *bytes = data.data();
    for (std::size_t i = begin; i < end;) {
        if (i > 0 && i + 8 <= end && noneRepeats(bytes + i)) {
            for (const std::size_t stop = i + 8; i < stop; ++i) {
                *out++ = bytes[i];
                ++frequencies[bytes[i]];
            }
            continue;
        }
        const uchar byte = bytes[i];
        if (i == 0 || i + kMinRun > end || bytes[i - 1] != byte || bytes[i + 1] != byte
            || bytes[i + 2] != byte) {
            *out++ = byte;
            ++frequencies[byte];
            ++i;
            continue;
        }
        const std::size_t limit = std::min<std::size_t>(end - i, kMaxRun);
        std::size_t run = kMinRun;
        while (run < limit && bytes[i + run] == byte)
            ++run;
        *out++ = static_cast<std::uint16_t>(kRunToken + run);
        ++frequencies[kLengthCodes[run].symbol];
        i += run;
    }
    ++frequencies[kEndOfBlock];
    return {tokens.data(), out};
}

// A block's codes and its size in bits when written with them.
struct BlockCodes
{
    HuffmanCode literalLength;
    HuffmanCode codeLength;
    int literalLengthCount = 0; // symbols up to the last with a code
    int codeLengthCount = 0;    // code length symbols sent, in kCodeLengthOrder
    std::uint64_t bits = 0;
};

BlockCodes makeBlockCodes(const Frequencies &frequencies)
{
    BlockCodes block;
    block.literalLength = makeCode(frequencies, kMaxCodeBits);
    const auto &lengths = block.literalLength.lengths;
    block.literalLengthCount = kLiteralLengthSymbols;
    while (lengths[block.literalLengthCount - 1] == 0)
        --block.literalLengthCount;
    std::array<std::uint32_t, kCodeLengthSymbols> lengthCounts{};
    for (int s = 0; s < block.literalLengthCount; ++s)
        ++lengthCounts[lengths[s]];
    lengthCounts[1] += kDistanceSymbols;
    block.codeLength = makeCode(lengthCounts, kMaxCodeLengthCodeBits);
    block.codeLengthCount = kCodeLengthSymbols;
    while (block.codeLengthCount > 4
           && block.codeLength.lengths[kCodeLengthOrder[block.codeLengthCount - 1]] == 0)
        --block.codeLengthCount;
    block.bits = 3 + 5 + 5 + 4 + 3 * std::uint64_t(block.codeLengthCount);
    for (int s = 0; s < kCodeLengthSymbols; ++s)
        block.bits += std::uint64_t{lengthCounts[s]} * block.codeLength.lengths[s];
    for (int s = 0; s < kLiteralLengthSymbols; ++s)
        block.bits += std::uint64_t{frequencies[s]} * lengths[s];
    // Each run also carries its extra bits and a distance code of one bit.
    for (int s = kFirstLengthSymbol; s < kLiteralLengthSymbols; ++s)
        block.bits += std::uint64_t{frequencies[s]} * (lengthExtraBits(s - kFirstLengthSymbol) + 1);
    return block;
}

void writeCodeLength(BitWriter &out, const HuffmanCode &code, int length)
{
    out.put(code.codes[length], code.lengths[length]);
}

// For every token, the bits that write it (below kTokenCountShift) and how many they are.
using TokenCodes = std::array<std::uint32_t, kRunToken + kMaxRun + 1>;
constexpr int kTokenCountShift = 24;
constexpr std::uint32_t kTokenBitsMask = (1u << kTokenCountShift) - 1;

TokenCodes makeTokenCodes(const HuffmanCode &code)
{
    TokenCodes codes{};
    for (int byte = 0; byte < kRunToken; ++byte)
        codes[byte] = code.codes[byte] | std::uint32_t{code.lengths[byte]} << kTokenCountShift;
    for (int run = kMinRun; run <= kMaxRun; ++run) {
        const LengthCode &length = kLengthCodes[run];
        const int bits = code.lengths[length.symbol];
        // The symbol, its extra bits and distance symbol 0 (one bit, 0).
        codes[kRunToken + run]
            = (code.codes[length.symbol] | std::uint32_t(run - length.base) << bits)
            | std::uint32_t(bits + length.extraBits + 1) << kTokenCountShift;
    }
    return codes;
}

void writeDynamicBlock(BitWriter &out, const BlockCodes &block,
                       std::span<const std::uint16_t> tokens, bool final)
{
    out.put(final ? 1 : 0, 1);
    out.put(2, 2); // Huffman codes of the block's own
    out.put(static_cast<std::uint32_t>(block.literalLengthCount - kFirstLengthSymbol), 5);
    out.put(kDistanceSymbols - 1, 5);
    out.put(static_cast<std::uint32_t>(block.codeLengthCount - 4), 4);
    for (int i = 0; i < block.codeLengthCount; ++i)
        out.put(block.codeLength.lengths[kCodeLengthOrder[i]], 3);
    for (int s = 0; s < block.literalLengthCount; ++s)
        writeCodeLength(out, block.codeLength, block.literalLength.lengths[s]);
    for (int s = 0; s < kDistanceSymbols; ++s)
        writeCodeLength(out, block.codeLength, 1);
    const TokenCodes codes = makeTokenCodes(block.literalLength);
    const auto add = [&](std::uint16_t token) {
        out.add(codes[token] & kTokenBitsMask, static_cast<int>(codes[token] >> kTokenCountShift));
    };
    // Two tokens of at most 21 bits each fit beside the 7 bits a flush may leave.
    std::size_t i = 0;
    for (; i + 2 <= tokens.size(); i += 2) {
        add(tokens[i]);
        add(tokens[i + 1]);
        out.flush();
    }
    if (i < tokens.size()) {
        add(tokens[i]);
        out.flush();
    }
    const HuffmanCode &code = block.literalLength;
    out.put(code.codes[kEndOfBlock], code.lengths[kEndOfBlock]);
}

std::size_t storedChunks(std::size_t size)
{
    return std::max<std::size_t>(1, (size + kStoredMax - 1) / kStoredMax);
}

void writeStoredBlocks(BitWriter &out, std::span<const uchar> bytes, bool final)
{
    std::size_t at = 0;
    do {
        const std::size_t size = std::min(bytes.size() - at, kStoredMax);
        out.put(final && at + size == bytes.size() ? 1 : 0, 1);
        out.put(0, 2); // stored
        out.alignToByte();
        out.put(static_cast<std::uint32_t>(size), 16);
        out.put(static_cast<std::uint32_t>(~size & 0xffff), 16);
        out.putBytes(bytes.subspan(at, size));
        at += size;
    } while (at < bytes.size());
}

} // namespace

std::size_t RunLengthDeflate::bound(std::size_t size)
{
    const std::size_t blocks = size / kBlockBytes + 1;
    return kZlibFrameBytes + size + kStoredFrameBytes * (storedChunks(size) + blocks) + kSlackBytes;
}

std::size_t RunLengthDeflate::compress(std::span<const uchar> data, uchar *out)
{
    std::memcpy(out, kZlibHeader.data(), kZlibHeader.size());
    BitWriter bits(out + kZlibHeader.size());
    std::size_t begin = 0;
    do {
        const std::size_t end = std::min(data.size(), begin + kBlockBytes);
        const bool final = end == data.size();
        Frequencies frequencies{};
        const std::span<const std::uint16_t> tokens
            = tokenize(data, begin, end, m_tokens, frequencies);
        const BlockCodes block = makeBlockCodes(frequencies);
        const std::uint64_t storedBits
            = 8 * (end - begin + kStoredFrameBytes * storedChunks(end - begin));
        if (block.bits < storedBits)
            writeDynamicBlock(bits, block, tokens, final);
        else
            writeStoredBlocks(bits, data.subspan(begin, end - begin), final);
        begin = end;
    } while (begin < data.size());
    uchar *end = bits.alignToByte();
    qToBigEndian(static_cast<std::uint32_t>(libdeflate_adler32(1, data.data(), data.size())), end);
    return static_cast<std::size_t>(end + 4 - out);
}
