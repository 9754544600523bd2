// SPDX-License-Identifier: GPL-3.0-or-later
// A scroll area whose vertical scroller gives up the top of its column to an accessory
// view (the group table's strip of small buttons), exactly as wide as the scroller; the
// scroller fills the rest of the column. The placement is redone on every resize.
#pragma once

#include <QPointer>
#include <QTableView>

class QEV_AccessoryViewScrollView final : public QTableView
{
    Q_OBJECT

public:
    explicit QEV_AccessoryViewScrollView(QWidget *parent = nullptr);

    /// Deletes the current accessory view and puts view in its place; the scroll view owns
    /// it. Null removes the accessory.
    void setAccessoryView(QWidget *view);
    [[nodiscard]] QWidget *accessoryView() const { return m_accessoryView; }
    /// The vertical scroller's width, which the accessory view and its buttons take.
    [[nodiscard]] int scrollerViewWidth() const;

private:
    QPointer<QWidget> m_accessoryView;
};
