// SPDX-License-Identifier: GPL-3.0-or-later
// One row of the data-order editor (or one messaging service inside the messaging row): a
// check box for the kind, a field for its link scheme and, on rows at the editor's left
// edge, up and down arrows. Its controls are tied to the settings through the binder.
#pragma once

#include "ui/dataitemrows.h"
#include "ui/listcellgeometry.h"

#include <QColor>
#include <QWidget>

#include <optional>

class Bundle;
class QCheckBox;
class QEV_ShapedButton;
class QLineEdit;
class SettingsBinder;

class Vorlin_DataItemView final : public QWidget
{
    Q_OBJECT

public:
    // Geometry in points, y growing upwards like the row frames of DataOrderLayout.
    static constexpr double kEdgeBuffer = 6;
    static constexpr double kDirectionButtonSize = 12;
    static constexpr double kDirectionButtonBuffer = 2;
    static constexpr double kSwitchButtonXOffset = 34;
    static constexpr double kSwitchButtonWidth = 120;
    static constexpr double kSwitchButtonHeight = 16;
    static constexpr double kUriTextFieldWidth = 162;
    static constexpr double kUriTextFieldHeight = 19;
    static constexpr int kFontSize = ListCellGeometry::kControlFontPixelSize;

    /// A row frameX points in from its parent's left edge (arrows only at 0) and height high.
    Vorlin_DataItemView(double frameX, double height, const Bundle &bundle, SettingsBinder &binder,
                        QWidget *parent = nullptr);

    [[nodiscard]] int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    [[nodiscard]] QColor color() const { return m_color; }
    void setColor(const QColor &color);

    /// Nothing happens on a row without arrows.
    void enableUpButton(bool enabled);
    void enableDownButton(bool enabled);

    void setSwitchButtonData(const SwitchButtonData &row);
    /// None takes the field out of the row.
    void setUriTextFieldData(const std::optional<UriTextFieldData> &field);

    [[nodiscard]] QEV_ShapedButton *upButton() const { return m_upButton; }
    [[nodiscard]] QEV_ShapedButton *downButton() const { return m_downButton; }
    [[nodiscard]] QCheckBox *switchButton() const { return m_switchButton; }
    [[nodiscard]] QLineEdit *uriTextField() const { return m_uriTextField; }

Q_SIGNALS:
    void moveUp();
    void moveDown();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fitSwitchButton();
    QEV_ShapedButton *makeArrow(const Bundle &bundle, const QString &picture, double x);
    [[nodiscard]] QRect controlRect(double x, double width, double height) const;

    SettingsBinder &m_binder;
    double m_height;
    QEV_ShapedButton *m_upButton = nullptr;
    QEV_ShapedButton *m_downButton = nullptr;
    QCheckBox *m_switchButton = nullptr;
    QLineEdit *m_uriTextField = nullptr;
    int m_tag = 0;
    QColor m_color = Qt::transparent;
};
