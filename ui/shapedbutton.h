// SPDX-License-Identifier: GPL-3.0-or-later
// A button that is nothing but its picture: drawn whole (soft edges included) at the
// picture's own size from the top-left corner, faded while disabled, darkened (or its
// pressed picture) while held down, and ringed in the highlight colour while it has the
// keyboard focus. A click does not take the focus from where the user types, as with tool
// buttons; Tab reaches it. It is clickable only where the picture is opaque; a press on its
// transparent parts is ignored and so goes on to the parent widget.
//
//   auto *up = new QEV_ShapedButton(row);
//   up->setImage(picture(u"arrow_up"_s));
//   up->setAlternateImage(picture(u"arrow_up_pressed"_s));
#pragma once

#include <QAbstractButton>
#include <QImage>

class QEV_ShapedButton final : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr double kDisabledOpacity = 0.4;
    /// An alpha sample above this is opaque.
    static constexpr int kHitThreshold = 127;

    explicit QEV_ShapedButton(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    [[nodiscard]] const QImage &image() const { return m_image; }
    /// Shown while pressed; without one the tinted picture is shown.
    void setAlternateImage(const QImage &image);
    [[nodiscard]] const QImage &alternateImage() const { return m_alternateImage; }
    /// Draws the picture in this one colour, alpha kept (light arrows on a dark panel); an
    /// invalid colour draws the picture as it is.
    void setInkColor(const QColor &color);

    /// The picture the button draws now.
    [[nodiscard]] QImage currentPicture() const;

    /// Whether a click at point (button coordinates, in points) lands on the picture of a
    /// button of size bounds: inside the bounds (right and bottom edges excluded) and on a
    /// pixel whose alpha is above the threshold. A picture without alpha takes the whole
    /// bounds; a point beyond the picture's pixels is a miss.
    [[nodiscard]] static bool hitTest(const QImage &picture, const QSizeF &bounds,
                                      const QPointF &point);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    [[nodiscard]] bool hitButton(const QPoint &pos) const override;

private:
    void drawFocusRing(QPainter &painter) const;

    QImage m_image;
    QImage m_alternateImage;
    QColor m_inkColor;
};
