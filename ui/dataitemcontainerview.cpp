// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dataitemcontainerview.h"

#include "settings/datakind.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "ui/dataitemview.h"
#include "ui/shapedbutton.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

Vorlin_DataItemContainerView::Vorlin_DataItemContainerView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"dataItemsView"_s);
    setFixedSize(static_cast<int>(kWidth), static_cast<int>(DataOrderLayout::kEditorHeight));
}

void Vorlin_DataItemContainerView::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void Vorlin_DataItemContainerView::buildRows(PreferencesStore &store, SettingsBinder &binder,
                                             const Bundle &bundle, const QColor &rowColor)
{
    m_store = &store;
    m_layout.emplace(storedOrder(), kWidth);
    for (const DataOrderLayout::Row &layoutRow : m_layout->rows()) {
        auto *row = new Vorlin_DataItemView(0, layoutRow.frame.height(), bundle, binder, this);
        row->setTag(layoutRow.tag);
        row->setSwitchButtonData(DataItemRows::switchButtonData(layoutRow.tag));
        row->setUriTextFieldData(DataItemRows::uriTextFieldData(layoutRow.tag));
        if (layoutRow.tag == DataOrderLayout::kMessagingKind)
            addSubRows(row, binder, bundle);
        connect(row, &Vorlin_DataItemView::moveUp, this,
                [this, row] { rearrangeSubviews(row, true); });
        connect(row, &Vorlin_DataItemView::moveDown, this,
                [this, row] { rearrangeSubviews(row, false); });
        m_rows.append(row);
    }
    setRowColor(rowColor);
    placeRows();
    connect(&store, &PreferencesStore::valueChanged, this, [this](const QString &key) {
        if (key == SettingsKeys::dataOrder)
            followStoredOrder();
    });
}

QList<int> Vorlin_DataItemContainerView::storedOrder() const
{
    return dataOrderFromSetting(m_store->objectForKey(SettingsKeys::dataOrder));
}

// Another program (or a hand edit) may store an order: the rows show what the page will use.
void Vorlin_DataItemContainerView::followStoredOrder()
{
    const QList<int> order = storedOrder();
    if (order == m_layout->order())
        return;
    m_layout.emplace(order, kWidth);
    std::sort(m_rows.begin(), m_rows.end(), [&order](const auto *a, const auto *b) {
        return order.indexOf(a->tag()) < order.indexOf(b->tag());
    });
    enableButtons();
}

void Vorlin_DataItemContainerView::setRowColor(const QColor &color)
{
    for (Vorlin_DataItemView *row : findChildren<Vorlin_DataItemView *>())
        row->setColor(color);
}

void Vorlin_DataItemContainerView::setArrowColor(const QColor &color)
{
    for (Vorlin_DataItemView *row : std::as_const(m_rows)) {
        row->upButton()->setInkColor(color);
        row->downButton()->setInkColor(color);
    }
}

void Vorlin_DataItemContainerView::addSubRows(Vorlin_DataItemView *row, SettingsBinder &binder,
                                              const Bundle &bundle)
{
    const QList<QRectF> frames = DataOrderLayout::subRowFrames(kWidth);
    for (int service = 0; service < DataItemRows::serviceCount(); ++service) {
        const QRectF frame = frames.at(service);
        auto *subRow = new Vorlin_DataItemView(frame.x(), frame.height(), bundle, binder, row);
        subRow->setGeometry(DataOrderLayout::toQt(frame, DataOrderLayout::kMessagingHeight));
        subRow->setTag(service);
        subRow->setSwitchButtonData(DataItemRows::serviceSwitchButtonData(service));
        subRow->setUriTextFieldData(DataItemRows::serviceUriTextFieldData(service));
    }
}

void Vorlin_DataItemContainerView::rearrangeSubviews(Vorlin_DataItemView *row, bool up)
{
    const qsizetype index = m_rows.indexOf(row);
    if (index < 0)
        return;
    m_layout->move(index, up);
    placeRows();
    // The arrows settle once the click that moved the row is delivered: the clicked arrow may
    // be the one its new place disables.
    QTimer::singleShot(1, this, &Vorlin_DataItemContainerView::enableButtons);
    QVariantList order;
    for (const int tag : m_layout->order())
        order.append(tag);
    m_store->setObject(order, SettingsKeys::dataOrder);
}

void Vorlin_DataItemContainerView::paintEvent(QPaintEvent *event)
{
    if (m_color.alpha() == 0)
        return;
    QPainter painter(this);
    painter.fillRect(event->rect(), m_color);
}

void Vorlin_DataItemContainerView::placeRows()
{
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const DataOrderLayout::Row &layoutRow = m_layout->rows().at(i);
        Vorlin_DataItemView *row = m_rows.at(i);
        row->setGeometry(DataOrderLayout::toQt(layoutRow.frame, height()));
        row->enableUpButton(layoutRow.upEnabled);
        row->enableDownButton(layoutRow.downEnabled);
    }
    // Tab goes down the rows as they stand on screen.
    QWidget *previous = nullptr;
    for (const int tag : m_layout->order()) {
        for (Vorlin_DataItemView *row : std::as_const(m_rows)) {
            if (row->tag() != tag)
                continue;
            for (QWidget *control : row->findChildren<QWidget *>()) {
                if (control->focusPolicy() == Qt::NoFocus)
                    continue;
                if (previous)
                    setTabOrder(previous, control);
                previous = control;
            }
        }
    }
}

void Vorlin_DataItemContainerView::enableButtons()
{
    m_layout->enableButtons();
    placeRows();
}
