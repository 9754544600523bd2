// SPDX-License-Identifier: GPL-3.0-or-later
// The data-order editor: one row per data kind, stacked as "dataOrder" lists them (repaired
// as the page repairs it when it is not a permutation of the eight kinds, and followed when
// another program stores a new one), the messaging row with its five services. Moving a row swaps
// it with its neighbour, writes "dataOrder" top to bottom and, a moment later, sets every row's
// arrows from its new place.
#pragma once

#include "ui/dataorderlayout.h"

#include <QColor>
#include <QList>
#include <QWidget>

#include <optional>

class Bundle;
class PreferencesStore;
class SettingsBinder;
class Vorlin_DataItemView;

class Vorlin_DataItemContainerView final : public QWidget
{
    Q_OBJECT

public:
    static constexpr double kWidth = 330;

    explicit Vorlin_DataItemContainerView(QWidget *parent = nullptr);

    [[nodiscard]] QColor color() const { return m_color; }
    void setColor(const QColor &color);

    /// Makes the rows of the stored "dataOrder", each filled with rowColor.
    void buildRows(PreferencesStore &store, SettingsBinder &binder, const Bundle &bundle,
                   const QColor &rowColor);
    /// Fills every row and messaging sub-row with color.
    void setRowColor(const QColor &color);
    /// Draws every row's arrows in color; invalid: as their pictures are drawn.
    void setArrowColor(const QColor &color);
    /// The rows in the order they were made (or last reordered to follow a stored order).
    [[nodiscard]] const QList<Vorlin_DataItemView *> &rows() const { return m_rows; }
    [[nodiscard]] const DataOrderLayout &layoutModel() const { return *m_layout; }

    /// Moves row up (or down) past its neighbour and stores the new order.
    void rearrangeSubviews(Vorlin_DataItemView *row, bool up);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void addSubRows(Vorlin_DataItemView *row, SettingsBinder &binder, const Bundle &bundle);
    [[nodiscard]] QList<int> storedOrder() const;
    void followStoredOrder();
    void placeRows();
    void enableButtons();

    PreferencesStore *m_store = nullptr;
    std::optional<DataOrderLayout> m_layout;
    QList<Vorlin_DataItemView *> m_rows;
    QColor m_color = Qt::transparent;
};
