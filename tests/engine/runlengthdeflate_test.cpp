// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/runlengthdeflate.h"

#include "rowname.h"

#include <QByteArray>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace {

// Deterministic noise: bytes near 0 far more often than far from it, as after a row filter.
QByteArray noise(qsizetype size, std::uint32_t seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<char>(((seed >> 16) & 15) * ((seed >> 24) & 3) - 20);
    }
    return bytes;
}

// Every byte value about as often as any other: nothing to gain.
QByteArray randomBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    std::uint64_t seed = 9;
    for (char &byte : bytes) {
        seed = seed * 6364136223846793005u + 1442695040888963407u;
        byte = static_cast<char>(seed >> 56);
    }
    return bytes;
}

// Byte k occurs fib(k) times, shuffled: a plain Huffman code over these would need codes of
// more than the 15 bits DEFLATE allows.
QByteArray fibonacciBytes()
{
    QByteArray bytes;
    qsizetype count = 1;
    qsizetype next = 1;
    for (char byte = 0; byte < 25; ++byte) {
        bytes.append(count, byte);
        count = std::exchange(next, count + next);
    }
    std::uint32_t seed = 7;
    for (qsizetype i = bytes.size() - 1; i > 0; --i) {
        seed = seed * 1103515245u + 12345u;
        std::swap(bytes[i], bytes[(seed >> 8) % (i + 1)]);
    }
    return bytes;
}

struct DataRow : NamedRow
{
    QByteArray data;
};

class RunLengthDeflateRoundTrip : public testing::TestWithParam<DataRow>
{};

// Qt's own zlib reads the stream back; qUncompress wants the size in front.
TEST_P(RunLengthDeflateRoundTrip, inflatesToTheSameBytesWithinTheBound)
{
    const QByteArray &data = GetParam().data;
    const std::size_t bound = RunLengthDeflate::bound(static_cast<std::size_t>(data.size()));
    QByteArray stream(4 + static_cast<qsizetype>(bound), '\0');
    qToBigEndian(static_cast<quint32>(data.size()), stream.data());
    RunLengthDeflate deflate;
    const std::size_t written = deflate.compress(
        {reinterpret_cast<const uchar *>(data.constData()), static_cast<std::size_t>(data.size())},
        reinterpret_cast<uchar *>(stream.data()) + 4);
    ASSERT_LE(written, bound);
    stream.truncate(4 + static_cast<qsizetype>(written));
    const QByteArray inflated = qUncompress(stream);
    EXPECT_EQ(inflated.size(), data.size());
    EXPECT_TRUE(inflated == data);
}

// Runs: the shortest, the longest, one longer than that, one over a block's end (blocks are
// 131,070 bytes), one that starts too near a block's end and goes on in the next block.
// Every run length DEFLATE has a code for, each after a byte that stops the run before.
QByteArray everyRunLength()
{
    QByteArray bytes;
    for (int run = 3; run <= 258; ++run)
        bytes.append('a').append(run + 1, 'b');
    return bytes;
}

QByteArray everyByteOnce()
{
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes.append(static_cast<char>(byte));
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RunLengthDeflateRoundTrip,
    testing::Values(
        DataRow{"empty", QByteArray()}, DataRow{"oneByte", "x"}, DataRow{"shortestRun", "abbbbc"},
        DataRow{"longestRun", QByteArray("a" + QByteArray(259, 'b') + "c")},
        DataRow{"runOneTooLong", QByteArray("a" + QByteArray(260, 'b'))},
        DataRow{"runOverBlocks", QByteArray(noise(131000, 1) + QByteArray(300, 'z'))},
        DataRow{"runFromTheBlockBefore",
                QByteArray(noise(131067, 2) + QByteArray(200, 'z') + noise(50, 3))},
        DataRow{"onlyRuns", QByteArray(400000, '\0')}, DataRow{"filteredNoise", noise(300000, 4)},
        DataRow{"incompressible", randomBytes(200000)}, DataRow{"everyRunLength", everyRunLength()},
        DataRow{"codesTooLongUnlimited", fibonacciBytes()},
        DataRow{"everyByteOnce", everyByteOnce()}),
    RowName());

// Data that does not shrink is stored: a few bytes more than it, never a bloated code.
TEST(RunLengthDeflateSize, neverMuchLargerThanItsInputAndSmallerForFilteredRows)
{
    RunLengthDeflate deflate;
    const auto compressedSize = [&](const QByteArray &data) {
        std::vector<uchar> out(RunLengthDeflate::bound(static_cast<std::size_t>(data.size())));
        return deflate.compress({reinterpret_cast<const uchar *>(data.constData()),
                                 static_cast<std::size_t>(data.size())},
                                out.data());
    };
    EXPECT_LE(compressedSize(randomBytes(200000)), 200000u + 32);
    const QByteArray filtered = noise(300000, 5);
    EXPECT_LT(compressedSize(filtered), static_cast<std::size_t>(filtered.size()) * 3 / 4);
    EXPECT_LT(compressedSize(QByteArray(300000, 'q')), 2000u);
}

} // namespace
