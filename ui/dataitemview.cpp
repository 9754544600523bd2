// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dataitemview.h"

#include "ui/bundlepicture.h"
#include "ui/dataorderlayout.h"
#include "ui/settingsbinder.h"
#include "ui/shapedbutton.h"
#include "ui/uitext.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

using namespace Qt::StringLiterals;

Vorlin_DataItemView::Vorlin_DataItemView(double frameX, double height, const Bundle &bundle,
                                         SettingsBinder &binder, QWidget *parent)
    : QWidget(parent)
    , m_binder(binder)
    , m_height(height)
{
    QFont font = this->font();
    font.setPixelSize(kFontSize);
    if (frameX == 0) {
        m_upButton = makeArrow(bundle, u"arrow_up"_s, kEdgeBuffer);
        m_downButton = makeArrow(bundle, u"arrow_down"_s,
                                 kDirectionButtonSize + kEdgeBuffer + kDirectionButtonBuffer);
        connect(m_upButton, &QAbstractButton::clicked, this, &Vorlin_DataItemView::moveUp);
        connect(m_downButton, &QAbstractButton::clicked, this, &Vorlin_DataItemView::moveDown);
    }
    m_switchButton = new QCheckBox(u"switchButton"_s, this);
    m_switchButton->setFont(font);
    m_switchButton->setGeometry(
        controlRect(kSwitchButtonXOffset, kSwitchButtonWidth - frameX, kSwitchButtonHeight));
    m_uriTextField = new QLineEdit(this);
    m_uriTextField->setFont(font);
    m_uriTextField->setGeometry(
        controlRect(kSwitchButtonXOffset + kSwitchButtonWidth + kEdgeBuffer - frameX,
                    kUriTextFieldWidth, kUriTextFieldHeight));
}

void Vorlin_DataItemView::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void Vorlin_DataItemView::enableUpButton(bool enabled)
{
    if (m_upButton)
        m_upButton->setEnabled(enabled);
}

void Vorlin_DataItemView::enableDownButton(bool enabled)
{
    if (m_downButton)
        m_downButton->setEnabled(enabled);
}

void Vorlin_DataItemView::setSwitchButtonData(const SwitchButtonData &row)
{
    m_switchButton->setText(row.title);
    fitSwitchButton();
    m_switchButton->setObjectName(row.valueKey);
    m_switchButton->setAccessibleName(row.title);
    m_switchButton->setToolTip(UiText::tr("Show this kind of row on the cards"));
    m_binder.bindValue(m_switchButton, u"values."_s + row.valueKey);
    if (!row.enabledKey.isEmpty())
        m_binder.bindEnabled(m_switchButton, u"values."_s + row.enabledKey);
    if (m_upButton) {
        m_upButton->setAccessibleName(UiText::tr("Move %@ up").replace(u"%@"_s, row.title));
        m_downButton->setAccessibleName(UiText::tr("Move %@ down").replace(u"%@"_s, row.title));
    }
}

// A title wider than its place (a long translation, a wide style) takes room from the field
// beside it rather than being cut; the field keeps its right edge and some room to type in.
void Vorlin_DataItemView::fitSwitchButton()
{
    constexpr int kNarrowestField = 40;
    int extra = m_switchButton->sizeHint().width() - m_switchButton->width();
    if (extra <= 0)
        return;
    if (m_uriTextField) {
        extra = std::min(extra, m_uriTextField->width() - kNarrowestField);
        m_uriTextField->setGeometry(m_uriTextField->geometry().adjusted(extra, 0, 0, 0));
    }
    m_switchButton->resize(m_switchButton->width() + extra, m_switchButton->height());
}

void Vorlin_DataItemView::setUriTextFieldData(const std::optional<UriTextFieldData> &field)
{
    if (!field) {
        delete m_uriTextField;
        m_uriTextField = nullptr;
        return;
    }
    m_uriTextField->setObjectName(field->valueKey);
    m_uriTextField->setAccessibleName(field->placeholderString);
    m_uriTextField->setToolTip(
        UiText::tr("The link scheme put before each value; empty for no link"));
    m_binder.bindValue(m_uriTextField, u"values."_s + field->valueKey,
                       {u"QEV_NilToBlankStringTransformer"_s, field->placeholderString, true});
    m_binder.bindEnabled(m_uriTextField, u"values."_s + field->enabledKey);
    if (!field->enabled2Key.isEmpty())
        m_binder.bindEnabled(m_uriTextField, u"values."_s + field->enabled2Key);
}

void Vorlin_DataItemView::paintEvent(QPaintEvent *event)
{
    if (m_color.alpha() == 0)
        return;
    QPainter painter(this);
    painter.fillRect(event->rect(), m_color);
}

QEV_ShapedButton *Vorlin_DataItemView::makeArrow(const Bundle &bundle, const QString &picture,
                                                 double x)
{
    auto *arrow = new QEV_ShapedButton(this);
    const qreal ratio = devicePixelRatioF();
    arrow->setObjectName(picture);
    arrow->setImage(bundlePicture(bundle, picture, ratio));
    arrow->setAlternateImage(bundlePicture(bundle, picture + u"_pressed"_s, ratio));
    arrow->setToolTip(picture == u"arrow_up"_s ? UiText::tr("Move this row up")
                                               : UiText::tr("Move this row down"));
    arrow->setGeometry(controlRect(x, kDirectionButtonSize, kDirectionButtonSize));
    return arrow;
}

// Controls sit centred in the row's top band; the arithmetic is the layout model's.
QRect Vorlin_DataItemView::controlRect(double x, double width, double height) const
{
    return DataOrderLayout::toQt(
        QRectF(x, DataOrderLayout::controlY(m_height, height), width, height), m_height);
}
