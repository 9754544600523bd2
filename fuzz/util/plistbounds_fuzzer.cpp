// SPDX-License-Identifier: GPL-3.0-or-later
// Builds binary property lists whose arrays and dictionaries refer to each other in whatever
// shape the input describes (long chains, shared arrays, cycles), so that every input is a
// list the bounds walk must judge, not bytes it can dismiss at the trailer. The walk's verdict
// is checked against a plain recursive measure of the same graph, and a list it lets through
// is handed to libplist, whose tree must hold exactly the values the walk counted.
#include "util/binarypropertylistbounds.h"

#include <plist/plist.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

constexpr quint64 kSaturated = quint64{1} << 40;

// The input, read a byte at a time; zeros once it runs out.
class InputBytes
{
public:
    InputBytes(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {}
    unsigned next() { return m_at < m_size ? m_data[m_at++] : 0U; }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

struct Graph
{
    std::vector<std::vector<unsigned>> children; // keys and values alike, as the walk sees them
    std::vector<QByteArray> encoded;
    unsigned top = 0;
};

// Object 0 is the string "k", every dictionary's key; the others are numbers, arrays of up
// to 14 references or dictionaries of up to 14 pairs, each reference to any object.
Graph describe(InputBytes &input)
{
    Graph graph;
    const unsigned count = 1 + input.next() % 200;
    graph.children.resize(count);
    graph.encoded.resize(count);
    graph.encoded[0] = QByteArray("\x51k", 2);
    for (unsigned object = 1; object < count; ++object) {
        const unsigned kind = input.next() % 3;
        if (kind == 0) {
            graph.encoded[object] = QByteArray(1, '\x10').append(char(input.next()));
            continue;
        }
        const unsigned entries = input.next() % 15;
        QByteArray keys;
        QByteArray values;
        for (unsigned entry = 0; entry < entries; ++entry) {
            const unsigned child = input.next() % count;
            values += char(child);
            graph.children[object].push_back(child);
            if (kind == 2) {
                keys += '\0';
                graph.children[object].push_back(0);
            }
        }
        graph.encoded[object]
            = QByteArray(1, char((kind == 1 ? 0xA0 : 0xD0) | entries)).append(keys).append(values);
    }
    graph.top = input.next() % count;
    return graph;
}

// One-byte references, two-byte offsets.
QByteArray encode(const Graph &graph)
{
    QByteArray bytes("bplist00");
    std::vector<quint16> offsets;
    for (const QByteArray &object : graph.encoded) {
        offsets.push_back(static_cast<quint16>(bytes.size()));
        bytes += object;
    }
    const auto table = static_cast<quint64>(bytes.size());
    for (const quint16 offset : offsets)
        bytes.append(char(offset >> 8)).append(char(offset & 0xFF));
    bytes.append(QByteArray(6, '\0')).append('\x02').append('\x01');
    for (const quint64 field : {quint64(graph.encoded.size()), quint64(graph.top), table})
        for (int shift = 56; shift >= 0; shift -= 8)
            bytes.append(static_cast<char>(field >> shift));
    return bytes;
}

struct Measure
{
    bool cycle = false;
    int levels = 1;
    quint64 values = 1;
};

// The plain recursion the walk replaces, remembering finished objects.
Measure measure(const Graph &graph, unsigned object, std::vector<std::optional<Measure>> &done,
                std::vector<bool> &onPath)
{
    if (onPath[object])
        return {true};
    if (done[object])
        return *done[object];
    onPath[object] = true;
    Measure result;
    for (const unsigned child : graph.children[object]) {
        const Measure below = measure(graph, child, done, onPath);
        result.cycle = result.cycle || below.cycle;
        result.levels = std::max(result.levels, below.levels + 1);
        result.values = std::min(result.values + below.values, kSaturated);
    }
    onPath[object] = false;
    done[object] = result;
    return result;
}

// libplist's tree, measured the same way: a dictionary's keys are values one level down.
Measure measureTree(plist_t node)
{
    Measure result;
    const auto take = [&result](const Measure &below) {
        result.levels = std::max(result.levels, below.levels + 1);
        result.values += below.values;
    };
    if (plist_get_node_type(node) == PLIST_ARRAY) {
        for (uint32_t i = 0; i < plist_array_get_size(node); ++i)
            take(measureTree(plist_array_get_item(node, i)));
    } else if (plist_get_node_type(node) == PLIST_DICT) {
        plist_dict_iter iterator = nullptr;
        plist_dict_new_iter(node, &iterator);
        for (;;) {
            char *key = nullptr;
            plist_t value = nullptr;
            plist_dict_next_item(node, iterator, &key, &value);
            if (!value)
                break;
            std::free(key);
            take(Measure{});
            take(measureTree(value));
        }
        std::free(iterator);
    }
    return result;
}

void check(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    InputBytes input(data, size);
    const Graph graph = describe(input);
    const int maximumDepth = 1 + static_cast<int>(input.next() % 24);
    const quint64 maximumValues = 1 + (quint64{input.next()} << 4);
    const QByteArray bytes = encode(graph);

    std::vector<std::optional<Measure>> done(graph.children.size());
    std::vector<bool> onPath(graph.children.size(), false);
    const Measure expected = measure(graph, graph.top, done, onPath);
    const bool tooDeep = expected.cycle || expected.levels > maximumDepth;
    const bool tooMany = expected.cycle || expected.values > maximumValues;

    // Where both bounds are broken, either verdict is right.
    switch (binaryPropertyListShape(bytes, maximumDepth, maximumValues)) {
    case BinaryListShape::WithinBounds:
        check(!tooDeep && !tooMany);
        break;
    case BinaryListShape::TooDeep:
        check(tooDeep);
        return 0;
    case BinaryListShape::TooManyValues:
        check(tooMany);
        return 0;
    }
    plist_t root = nullptr;
    plist_from_bin(bytes.constData(), static_cast<uint32_t>(bytes.size()), &root);
    if (root) {
        const Measure tree = measureTree(root);
        check(tree.values == expected.values && tree.levels == expected.levels);
        plist_free(root);
    }
    return 0;
}
