// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/listcellgeometry.h"

#include <cmath>

namespace ListCellGeometry {

QColor defaultBackground()
{
    return QColor::fromRgbF(0.842f, 0.867f, 0.894f, 1.0f);
}

QRectF checkboxFill(const QRectF &cell)
{
    return {cell.x() - 4, cell.y() - 1, cell.width() + 8, cell.height() + 4};
}

QRectF textFill(const QRectF &cell)
{
    return {cell.x() - 3, cell.y() - 2, cell.width() + 6, cell.height() + 4};
}

QPointF textOrigin(const QRectF &cell, double textHeight)
{
    // std::round takes halves away from zero: 2.5 -> 3, -2.5 -> -3.
    const auto top = static_cast<float>(cell.y() + std::round((cell.height() - textHeight) * 0.5));
    return {cell.x() + 2, top + 1.0};
}

} // namespace ListCellGeometry
