// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/binarypropertylistbounds.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr qsizetype kHeaderSize = 8;
constexpr qsizetype kTrailerSize = 32;

struct Trailer
{
    int offsetSize = 0;
    int referenceSize = 0;
    quint64 objectCount = 0;
    quint64 topObject = 0;
    quint64 offsetTable = 0;
};

quint64 bigEndian(const QByteArray &bytes, quint64 at, int size)
{
    quint64 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | static_cast<quint8>(bytes[static_cast<qsizetype>(at) + i]);
    return value;
}

std::optional<Trailer> readTrailer(const QByteArray &bytes)
{
    if (bytes.size() < kHeaderSize + kTrailerSize)
        return std::nullopt;
    const auto at = static_cast<quint64>(bytes.size() - kTrailerSize);
    Trailer trailer{static_cast<quint8>(bytes[at + 6]), static_cast<quint8>(bytes[at + 7]),
                    bigEndian(bytes, at + 8, 8), bigEndian(bytes, at + 16, 8),
                    bigEndian(bytes, at + 24, 8)};
    const bool sizesValid = trailer.offsetSize >= 1 && trailer.offsetSize <= 8
        && trailer.referenceSize >= 1 && trailer.referenceSize <= 8;
    if (!sizesValid || trailer.topObject >= trailer.objectCount || trailer.offsetTable > at
        || trailer.objectCount > (at - trailer.offsetTable) / trailer.offsetSize)
        return std::nullopt;
    return trailer;
}

// The object table as a graph: for each object, the objects its container refers to.
class ObjectGraph
{
public:
    ObjectGraph(const QByteArray &bytes, const Trailer &trailer)
        : m_bytes(bytes)
        , m_trailer(trailer)
    {}

    std::vector<quint64> children(quint64 object) const
    {
        const quint64 offset = bigEndian(
            m_bytes, m_trailer.offsetTable + object * m_trailer.offsetSize, m_trailer.offsetSize);
        if (offset >= static_cast<quint64>(m_bytes.size()))
            return {};
        const auto marker = static_cast<quint8>(m_bytes[static_cast<qsizetype>(offset)]);
        const int type = marker >> 4;
        // Arrays, sets and dictionaries (keys and values both count as references).
        if (type != 0xA && type != 0xC && type != 0xD)
            return {};
        auto [count, first] = countAndStart(offset, marker & 0x0F);
        if (type == 0xD)
            count *= 2;
        return references(first, count);
    }

private:
    std::pair<quint64, quint64> countAndStart(quint64 offset, int low) const
    {
        if (low != 0x0F)
            return {static_cast<quint64>(low), offset + 1};
        if (offset + 2 > static_cast<quint64>(m_bytes.size()))
            return {0, offset};
        const int size = 1 << (static_cast<quint8>(m_bytes[offset + 1]) & 0x03);
        if (offset + 2 + size > static_cast<quint64>(m_bytes.size()))
            return {0, offset};
        return {bigEndian(m_bytes, offset + 2, size), offset + 2 + size};
    }

    std::vector<quint64> references(quint64 first, quint64 count) const
    {
        const auto end = static_cast<quint64>(m_bytes.size());
        if (first > end || count > (end - first) / m_trailer.referenceSize)
            return {};
        std::vector<quint64> result;
        result.reserve(count);
        for (quint64 i = 0; i < count; ++i) {
            const quint64 child
                = bigEndian(m_bytes, first + i * m_trailer.referenceSize, m_trailer.referenceSize);
            if (child < m_trailer.objectCount)
                result.push_back(child);
        }
        return result;
    }

    const QByteArray &m_bytes;
    Trailer m_trailer;
};

} // namespace

BinaryListShape binaryPropertyListShape(const QByteArray &bytes, int maximumDepth,
                                        quint64 maximumValues)
{
    const std::optional<Trailer> trailer = readTrailer(bytes);
    if (!trailer)
        return BinaryListShape::WithinBounds;
    const ObjectGraph graph(bytes, *trailer);
    // Height and expanded size of each finished object; an object on the current path has
    // neither yet, so meeting it again is a cycle. Each object is expanded once, so shared
    // children cost the walk nothing extra, however often the list repeats them.
    enum class State : quint8 { New, OnPath, Done };
    std::vector<State> state(trailer->objectCount, State::New);
    std::vector<int> height(trailer->objectCount, 0);
    std::vector<quint64> values(trailer->objectCount, 1);
    // Sums saturate just past the bound, so no count can wrap round.
    const auto add = [maximumValues](quint64 &sum, quint64 more) {
        sum = std::min(sum + std::min(more, maximumValues + 1), maximumValues + 1);
    };
    struct Frame
    {
        quint64 object;
        std::vector<quint64> children;
        size_t next = 0;
    };
    std::vector<Frame> path;
    path.push_back({trailer->topObject, graph.children(trailer->topObject)});
    state[trailer->topObject] = State::OnPath;
    while (!path.empty()) {
        if (static_cast<int>(path.size()) > maximumDepth)
            return BinaryListShape::TooDeep;
        Frame &frame = path.back();
        if (frame.next == frame.children.size()) {
            const quint64 object = frame.object;
            state[object] = State::Done;
            path.pop_back();
            if (values[object] > maximumValues)
                return BinaryListShape::TooManyValues;
            if (!path.empty()) {
                height[path.back().object]
                    = std::max(height[path.back().object], height[object] + 1);
                add(values[path.back().object], values[object]);
            }
            if (height[object] + 1 > maximumDepth)
                return BinaryListShape::TooDeep;
            continue;
        }
        const quint64 child = frame.children[frame.next++];
        if (state[child] == State::OnPath)
            return BinaryListShape::TooDeep;
        if (state[child] == State::Done) {
            height[frame.object] = std::max(height[frame.object], height[child] + 1);
            add(values[frame.object], values[child]);
            continue;
        }
        state[child] = State::OnPath;
        path.push_back({child, graph.children(child)});
    }
    return BinaryListShape::WithinBounds;
}
