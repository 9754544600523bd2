// SPDX-License-Identifier: GPL-3.0-or-later
// The check-box cell of the group table: paints its background over the cell and the
// table's spacing around it, then the check box in the cell, the same on a selected row as
// on any other (only the focus frame marks the current cell). Space toggles it.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>

class QEV_ListCheckboxNSHCell final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit QEV_ListCheckboxNSHCell(QObject *parent = nullptr);

    [[nodiscard]] QColor bgColor() const { return m_bgColor; }
    void setBgColor(const QColor &color) { m_bgColor = color; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    QColor m_bgColor;
};
