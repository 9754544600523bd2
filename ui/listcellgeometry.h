// SPDX-License-Identifier: GPL-3.0-or-later
// Where and how large the group table's cells paint, as plain arithmetic: the background
// reaches past the cell to cover the table's spacing, and a text in the small control font is
// centred in its row with halves rounded away from zero, then set 2 points in and 1 down.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>

namespace ListCellGeometry {

/// The pixel size of the small control font of the group names and the data-order rows.
inline constexpr int kControlFontPixelSize = 11;

/// The light blue-grey both cells start with.
[[nodiscard]] QColor defaultBackground();

/// The check-box cell's background: 4 points beyond the cell left and right, 1 above, 3
/// below.
[[nodiscard]] QRectF checkboxFill(const QRectF &cell);
/// The text cell's background: 3 points beyond left and right, 2 above, 2 below.
[[nodiscard]] QRectF textFill(const QRectF &cell);
/// The top-left corner of a text that needs textHeight points, in cell.
[[nodiscard]] QPointF textOrigin(const QRectF &cell, double textHeight);

} // namespace ListCellGeometry
