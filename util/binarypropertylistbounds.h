// SPDX-License-Identifier: GPL-3.0-or-later
// Measures a binary property list before libplist sees it. libplist parses and prints by
// recursion, so nesting must be bounded; and it copies an object wherever it is referred to,
// so a few hundred bytes whose arrays each refer twice to the next would expand into billions
// of values. The walk here keeps its own stack and measures each object once. A reference
// cycle counts as too deep. A structure too damaged to walk is left for libplist to refuse.
//
//   switch (binaryPropertyListShape(bytes, 256, 1 << 18)) { ... }
#pragma once

#include <QByteArray>

#include <cstdint>

enum class BinaryListShape : std::uint8_t {
    WithinBounds,
    TooDeep,       // nested deeper than allowed, or a cycle
    TooManyValues, // more values than allowed once every reference is expanded
};

/// Whether the list nests no deeper than maximumDepth levels and, expanded as libplist
/// would expand it, holds no more than maximumValues values.
[[nodiscard]] BinaryListShape binaryPropertyListShape(const QByteArray &bytes, int maximumDepth,
                                                      quint64 maximumValues);
