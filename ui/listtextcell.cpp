// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/listtextcell.h"

#include "ui/listcellgeometry.h"

#include <QFontMetricsF>
#include <QPainter>

QEV_ListTextNSHCell::QEV_ListTextNSHCell(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_bgColor(ListCellGeometry::defaultBackground())
{}

QEV_ListTextNSHCell *QEV_ListTextNSHCell::copy(QObject *parent) const
{
    auto *cell = new QEV_ListTextNSHCell(parent);
    cell->setBgColor(m_bgColor);
    return cell;
}

void QEV_ListTextNSHCell::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    painter->save();
    painter->fillRect(ListCellGeometry::textFill(option.rect), m_bgColor);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        const QFontMetricsF metrics(option.font);
        painter->setFont(option.font);
        painter->setPen(Qt::black);
        const QPointF origin = ListCellGeometry::textOrigin(option.rect, metrics.height());
        painter->drawText(origin + QPointF(0, metrics.ascent()), text);
    }
    if (option.state & QStyle::State_HasFocus) {
        // Keyboard users must see the focused cell; the text itself stays black.
        painter->setPen(QPen(option.palette.highlight(), 1, Qt::DotLine));
        painter->drawRect(QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter->restore();
}
