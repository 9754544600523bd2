// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessoryviewscrollview.h"

#include <QEvent>
#include <QScrollBar>

QEV_AccessoryViewScrollView::QEV_AccessoryViewScrollView(QWidget *parent)
    : QTableView(parent)
{
    // The accessory lives in the scroller's column, so the column must always be there.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the table like any other control; the arrow keys walk its cells.
    setTabKeyNavigation(false);
}

QEV_AccessoryViewScrollView::~QEV_AccessoryViewScrollView()
{
    delete m_accessoryView;
}

void QEV_AccessoryViewScrollView::setAccessoryView(QWidget *view)
{
    delete m_accessoryView;
    delete m_standIn;
    m_accessoryView = view;
    if (!view)
        return;
    view->setFixedWidth(scrollerViewWidth());
    view->setFixedHeight(view->height());
    view->setParent(nullptr);
    m_standIn = new QWidget;
    m_standIn->setObjectName(QStringLiteral("accessoryStandIn"));
    m_standIn->setFixedSize(view->size());
    m_standIn->installEventFilter(this);
    // Qt lays out widgets added to a scroller's column on every resize of the area: at the
    // top, scroller width, own height, the scroller below.
    addScrollBarWidget(m_standIn, Qt::AlignTop);
    adoptAccessory();
}

int QEV_AccessoryViewScrollView::scrollerViewWidth() const
{
    return verticalScrollBar()->sizeHint().width();
}

bool QEV_AccessoryViewScrollView::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ParentChange:
        adoptAccessory();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        placeAccessory();
        break;
    default:
        break;
    }
    return QTableView::event(event);
}

bool QEV_AccessoryViewScrollView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_standIn && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        placeAccessory();
    return QTableView::eventFilter(watched, event);
}

// The accessory follows the table into its parent, and into the Tab chain right after it.
void QEV_AccessoryViewScrollView::adoptAccessory()
{
    if (!m_accessoryView)
        return;
    m_accessoryView->setParent(parentWidget());
    if (!parentWidget())
        return;
    setTabOrder(this, m_accessoryView);
    placeAccessory();
}

void QEV_AccessoryViewScrollView::placeAccessory()
{
    if (!m_accessoryView || !m_standIn || !parentWidget())
        return;
    m_accessoryView->move(m_standIn->mapTo(parentWidget(), QPoint(0, 0)));
    // A widget not yet shown counts as hidden too; only a table hidden on purpose (another
    // page of a stack, say) takes its accessory along.
    const bool hiddenOnPurpose = isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide);
    m_accessoryView->setVisible(!hiddenOnPurpose);
    m_accessoryView->raise();
}
