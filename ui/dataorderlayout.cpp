// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dataorderlayout.h"

#include <algorithm>

QList<int> DataOrderLayout::defaultOrder()
{
    return {0, 1, 2, 3, 4, 5, 6, 7};
}

DataOrderLayout::DataOrderLayout(const QList<int> &order, double width)
{
    double shift = 0;
    for (qsizetype i = 0; i < order.size(); ++i) {
        const int kind = order.at(i);
        if (kind == kMessagingKind)
            shift = kMessagingHeight - kStandardHeight;
        const double height = kind == kMessagingKind ? kMessagingHeight : kStandardHeight;
        const double y = kEditorHeight - static_cast<double>(i + 1) * kStandardHeight - shift;
        m_rows.append({kind, QRectF(0, y, width, height), i != 0, i != order.size() - 1});
    }
}

void DataOrderLayout::move(qsizetype index, bool up)
{
    const QRectF moved = m_rows.at(index).frame;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        Row &row = m_rows[i];
        row.upEnabled = row.downEnabled = true;
        if (i == index)
            continue;
        QRectF &other = row.frame;
        QRectF &self = m_rows[index].frame;
        // "Directly above/below": the gap between the two frames is under 2 points.
        if (up && other.y() > moved.y() && other.y() - (moved.y() + moved.height()) < 2) {
            other.moveTo(moved.x(), moved.y());
            self.moveTo(0, moved.y() + other.height());
        } else if (!up && other.y() <= moved.y() && moved.y() - (other.y() + other.height()) < 2) {
            self.moveTo(other.x(), other.y());
            other.moveTo(0, other.y() + moved.height());
        }
    }
}

void DataOrderLayout::enableButtons()
{
    for (Row &row : m_rows) {
        row.downEnabled = row.frame.y() > 0;
        row.upEnabled = kEditorHeight > row.frame.y() + row.frame.height();
    }
}

QList<int> DataOrderLayout::order() const
{
    QList<Row> sorted = m_rows;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Row &a, const Row &b) { return a.frame.y() > b.frame.y(); });
    QList<int> tags;
    for (const Row &row : sorted)
        tags.append(row.tag);
    return tags;
}

QList<QRectF> DataOrderLayout::subRowFrames(double width)
{
    QList<QRectF> frames;
    for (int j = 0; j < 5; ++j)
        frames.append(QRectF(kSubRowIndent,
                             (kMessagingHeight - kStandardHeight) - (j + 1) * kStandardHeight,
                             width - kSubRowIndent, kStandardHeight));
    return frames;
}

double DataOrderLayout::controlY(double rowHeight, double controlHeight)
{
    return (rowHeight - controlHeight) + (kStandardHeight - controlHeight) * -0.5;
}

QRect DataOrderLayout::toQt(const QRectF &frame, double parentHeight)
{
    return QRectF(frame.x(), parentHeight - frame.y() - frame.height(), frame.width(),
                  frame.height())
        .toRect();
}
