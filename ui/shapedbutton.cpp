// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shapedbutton.h"

#include "ui/imagetint.h"

#include <QPainter>

QEV_ShapedButton::QEV_ShapedButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::TabFocus);
}

void QEV_ShapedButton::setImage(const QImage &image)
{
    m_image = image;
    updateGeometry();
    update();
}

void QEV_ShapedButton::setAlternateImage(const QImage &image)
{
    m_alternateImage = image;
    update();
}

void QEV_ShapedButton::setInkColor(const QColor &color)
{
    m_inkColor = color;
    update();
}

QImage QEV_ShapedButton::currentPicture() const
{
    QImage picture
        = m_inkColor.isValid() ? QEV_NSImageAdditions::imageInColor(m_image, m_inkColor) : m_image;
    if (!isEnabled() || !isDown())
        return picture;
    if (!m_alternateImage.isNull() && !m_inkColor.isValid())
        return m_alternateImage;
    return QEV_NSImageAdditions::imageWithTint(picture, QEV_NSImageAdditions::pressedTint());
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
    QPainter painter(this);
    painter.setOpacity(isEnabled() ? 1.0 : kDisabledOpacity);
    painter.drawImage(QPointF(0, 0), currentPicture());
    if (hasFocus())
        drawFocusRing(painter);
}

// Keyboard users must see where they are. The style's focus frame is a faint wash on a
// picture this small (or nothing, after a mouse click), so the ring is the highlight colour,
// one point wide, just inside the bounds.
void QEV_ShapedButton::drawFocusRing(QPainter &painter) const
{
    painter.setOpacity(1.0);
    // Half a point in, antialiased: the stroke then covers the outermost point exactly at any
    // pixel ratio.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

bool QEV_ShapedButton::hitButton(const QPoint &pos) const
{
    return hitTest(m_image, size(), pos);
}
