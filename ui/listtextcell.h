// SPDX-License-Identifier: GPL-3.0-or-later
// The name cell of the group table: paints its background over the cell and the table's
// spacing, then its text itself: in the table's font at the small control size, in its text
// colour (black unless set), on one line, vertically centred, never clipped or shortened,
// whatever the row's selection state.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>

class QEV_ListTextNSHCell final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit QEV_ListTextNSHCell(QObject *parent = nullptr);

    [[nodiscard]] QColor bgColor() const { return m_bgColor; }
    void setBgColor(const QColor &color) { m_bgColor = color; }
    [[nodiscard]] QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor &color) { m_textColor = color; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    QColor m_bgColor;
    QColor m_textColor{Qt::black};
};
