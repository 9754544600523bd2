// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/listcheckboxcell.h"

#include "ui/listcellgeometry.h"

#include <QPainter>

QEV_ListCheckboxNSHCell::QEV_ListCheckboxNSHCell(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_bgColor(ListCellGeometry::defaultBackground())
{}

void QEV_ListCheckboxNSHCell::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    painter->fillRect(ListCellGeometry::checkboxFill(option.rect), m_bgColor);
    // The cell keeps its own background on a selected row; the focus frame still shows.
    QStyleOptionViewItem unselected(option);
    unselected.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, unselected, index);
}
