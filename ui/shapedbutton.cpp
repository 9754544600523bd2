// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shapedbutton.h"

#include "ui/imagetint.h"

#include <QBitmap>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

QEV_ShapedButton::QEV_ShapedButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void QEV_ShapedButton::setImage(const QImage &image)
{
    m_image = image;
    updateMask();
    updateGeometry();
    update();
}

void QEV_ShapedButton::setAlternateImage(const QImage &image)
{
    m_alternateImage = image;
    update();
}

QImage QEV_ShapedButton::currentPicture() const
{
    if (!isEnabled() || !isDown())
        return m_image;
    if (!m_alternateImage.isNull())
        return m_alternateImage;
    return QEV_NSImageAdditions::imageWithTint(m_image, QEV_NSImageAdditions::pressedTint());
}

bool QEV_ShapedButton::hitTest(const QImage &picture, const QSizeF &bounds, const QPointF &point)
{
    if (point.x() < 0 || point.y() < 0 || point.x() >= bounds.width()
        || point.y() >= bounds.height())
        return false;
    if (picture.isNull() || !picture.hasAlphaChannel())
        return true;
    // Points to pixels in single precision, truncated: a 2x picture reads column 17 at 8.9.
    const QSizeF points = picture.deviceIndependentSize();
    const float pointsPerColumn = static_cast<float>(points.width()) / picture.width();
    const float pointsPerRow = static_cast<float>(points.height()) / picture.height();
    const int column = static_cast<int>(static_cast<float>(point.x()) / pointsPerColumn);
    const int row = static_cast<int>(static_cast<float>(point.y()) / pointsPerRow);
    if (!picture.valid(column, row))
        return false;
    return qAlpha(picture.pixel(column, row)) > kHitThreshold;
}

QSize QEV_ShapedButton::sizeHint() const
{
    return m_image.deviceIndependentSize().toSize();
}

void QEV_ShapedButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.setOpacity(isEnabled() ? 1.0 : kDisabledOpacity);
    painter.drawImage(QPointF(0, 0), currentPicture());
    if (hasFocus()) {
        // Keyboard users must see where they are; the picture alone would not tell them.
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        painter.setOpacity(1.0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void QEV_ShapedButton::resizeEvent(QResizeEvent *event)
{
    QAbstractButton::resizeEvent(event);
    updateMask();
}

bool QEV_ShapedButton::hitButton(const QPoint &pos) const
{
    return hitTest(m_image, size(), pos);
}

// The mask routes clicks on transparent parts to the widget behind the button.
void QEV_ShapedButton::updateMask()
{
    if (m_image.isNull() || !m_image.hasAlphaChannel()) {
        clearMask();
        return;
    }
    QBitmap mask(size());
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    for (int y = 0; y < height(); ++y) {
        for (int x = 0; x < width(); ++x) {
            if (hitTest(m_image, size(), QPointF(x, y)))
                painter.drawPoint(x, y);
        }
    }
    painter.end();
    setMask(mask);
}
