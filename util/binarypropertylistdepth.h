// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// Whether a binary property list nests its arrays and dictionaries no deeper than
// maximumDepth levels. libplist parses and prints by recursion, so a hostile file must be
// measured before it gets there; the walk here keeps its own stack. A reference cycle
// counts as too deep. A structure too damaged to walk is left for libplist to refuse.
bool binaryPropertyListWithinDepth(const QByteArray &bytes, int maximumDepth);
