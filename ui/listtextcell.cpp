// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/listtextcell.h"

#include "ui/listcellgeometry.h"

#include <QFontMetricsF>
#include <QPainter>

QEV_ListTextNSHCell::QEV_ListTextNSHCell(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_bgColor(ListCellGeometry::defaultBackground())
{}

void QEV_ListTextNSHCell::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    painter->save();
    painter->fillRect(ListCellGeometry::textFill(option.rect), m_bgColor);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        QFont font = option.font;
        font.setPixelSize(ListCellGeometry::kControlFontPixelSize);
        const QFontMetricsF metrics(font);
        painter->setFont(font);
        painter->setPen(m_textColor);
        const QPointF origin = ListCellGeometry::textOrigin(option.rect, metrics.height());
        painter->drawText(origin + QPointF(0, metrics.ascent()), text);
    }
    if (option.state & QStyle::State_HasFocus) {
        // Keyboard users must see the focused cell; the text keeps its colour.
        painter->setPen(QPen(option.palette.highlight(), 1, Qt::DotLine));
        painter->drawRect(QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter->restore();
}
