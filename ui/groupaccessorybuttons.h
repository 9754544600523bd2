// SPDX-License-Identifier: GPL-3.0-or-later
// The strip beside the group table's scroller: Select all, Select none and Refresh, each a
// shaped button as wide and high as the scroller, top to bottom. The first two act on the
// group model; Refresh asks for the address book to be read again (refreshRequested).
#pragma once

#include <QWidget>

class Bundle;
class GroupTableModel;
class QEV_ShapedButton;

class GroupAccessoryButtons final : public QWidget
{
    Q_OBJECT

public:
    /// Buttons of width x width, pictures from bundle.
    GroupAccessoryButtons(GroupTableModel &model, const Bundle &bundle, int width,
                          QWidget *parent = nullptr);

Q_SIGNALS:
    void refreshRequested();

private:
    QEV_ShapedButton *addButton(const Bundle &bundle, const QString &picture, const char *name,
                                const char *toolTip, int top);
};
