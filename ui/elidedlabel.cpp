// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/elidedlabel.h"

#include <QFontMetrics>

namespace {

// What the narrowest label still shows of a path: its first and last characters.
constexpr int kShortestShown = 8;

} // namespace

ElidedLabel::ElidedLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void ElidedLabel::setFullText(const QString &text)
{
    m_fullText = text;
    setAccessibleDescription(text);
    updateGeometry();
    elide();
}

QSize ElidedLabel::sizeHint() const
{
    const int margins = contentsMargins().left() + contentsMargins().right() + 2 * margin();
    return {fontMetrics().horizontalAdvance(m_fullText) + margins, QLabel::sizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {fontMetrics().averageCharWidth() * kShortestShown, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::elide()
{
    const QString shown
        = fontMetrics().elidedText(m_fullText, Qt::ElideMiddle, contentsRect().width());
    setText(shown);
    setToolTip(shown == m_fullText ? QString() : m_fullText);
}
