// SPDX-License-Identifier: GPL-3.0-or-later
// A table whose vertical scroller gives up the top of its column to an accessory view (the
// group table's strip of small buttons), exactly as wide as the scroller; the scroller fills
// the rest of the column.
//
// The column holds only a blank stand-in of the accessory's size: the accessory itself lives
// beside the table, in the table's parent, laid over the stand-in and shown with the table.
// Assistive technology sees a table only as its cells, so anything inside the table would be
// hidden from screen readers; beside it, the accessory's buttons are found like any other.
// Tab goes from the table to the accessory's buttons, then on; arrow keys move inside the
// table.
#pragma once

#include <QPointer>
#include <QTableView>

class QEV_AccessoryViewScrollView final : public QTableView
{
    Q_OBJECT

public:
    explicit QEV_AccessoryViewScrollView(QWidget *parent = nullptr);
    ~QEV_AccessoryViewScrollView() override;

    /// Deletes the current accessory view and puts view in its place; the scroll view owns
    /// it. Null removes the accessory. It appears once the table has a parent.
    void setAccessoryView(QWidget *view);
    [[nodiscard]] QWidget *accessoryView() const { return m_accessoryView; }
    /// The vertical scroller's width, which the accessory view and its buttons take.
    [[nodiscard]] int scrollerViewWidth() const;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void adoptAccessory();
    void placeAccessory();

    QPointer<QWidget> m_accessoryView;
    QPointer<QWidget> m_standIn;
};
