// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessoryviewscrollview.h"

#include <QScrollBar>

QEV_AccessoryViewScrollView::QEV_AccessoryViewScrollView(QWidget *parent)
    : QTableView(parent)
{
    // The accessory lives in the scroller's column, so the column must always be there.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void QEV_AccessoryViewScrollView::setAccessoryView(QWidget *view)
{
    delete m_accessoryView;
    m_accessoryView = view;
    if (!view)
        return;
    view->setFixedWidth(scrollerViewWidth());
    view->setFixedHeight(view->height());
    // Qt lays out widgets added to a scroller's column on every resize of the area: at the
    // top, scroller width, own height, the scroller below.
    addScrollBarWidget(view, Qt::AlignTop);
}

int QEV_AccessoryViewScrollView::scrollerViewWidth() const
{
    return verticalScrollBar()->sizeHint().width();
}
