// SPDX-License-Identifier: GPL-3.0-or-later
// The data-order editor as arithmetic: one row per data kind in a column 325 points high,
// y growing upwards (every row's place is counted from the editor's bottom edge, where the
// last row sits at 0), the messaging row 150 points high. Moving a
// row swaps it with its neighbour, the order reads the rows top to bottom, and each row's
// arrows follow its place. The widgets only copy these frames, through toQt(), the one
// place where y turns downwards.
//
//   DataOrderLayout layout(dataOrderFromSetting(store.objectForKey(u"dataOrder"_s)));
//   layout.move(0, /*up=*/false);
//   layout.enableButtons();
//   store.setObject(QVariant::fromValue(layout.order()), u"dataOrder"_s);
#pragma once

#include <QList>
#include <QRect>
#include <QRectF>
#include <QVariant>

class DataOrderLayout final
{
public:
    static constexpr double kStandardHeight = 25;   // a row, and the band its controls sit in
    static constexpr double kMessagingHeight = 150; // the row with the five services
    static constexpr int kMessagingKind = 5;
    static constexpr double kSubRowIndent = 17;
    static constexpr double kEditorHeight = 7 * kStandardHeight + kMessagingHeight;

    struct Row
    {
        int tag = 0;  // the data kind
        QRectF frame; // y up, in the editor
        bool upEnabled = true;
        bool downEnabled = true;
    };

    /// The kinds 0 to 7 in the default order.
    [[nodiscard]] static QList<int> defaultOrder();

    /// The rows of order, stacked down from the top of an editor of width x kEditorHeight.
    explicit DataOrderLayout(const QList<int> &order, double width = 400);

    [[nodiscard]] const QList<Row> &rows() const { return m_rows; }
    /// Swaps row index (in the order the rows were made) with the row directly above or
    /// below; at an end nothing moves. Every arrow is enabled until enableButtons().
    void move(qsizetype index, bool up);
    /// Each row's arrows from its place: up off at the top, down off at the bottom.
    void enableButtons();
    /// The tags from the top row down.
    [[nodiscard]] QList<int> order() const;

    /// The frames of the five service rows inside the messaging row, top first (y up).
    [[nodiscard]] static QList<QRectF> subRowFrames(double width);
    /// Where a control of height controlHeight sits in a row of rowHeight: centred in the
    /// row's top band (y up).
    [[nodiscard]] static double controlY(double rowHeight, double controlHeight);

    /// frame (y up, in a parent parentHeight high) in Qt's downward coordinates.
    [[nodiscard]] static QRect toQt(const QRectF &frame, double parentHeight);

private:
    QList<Row> m_rows;
};
