// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windowframe.h"

#include <QLineF>
#include <QStringList>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

qint64 overlap(const QRect &a, const QRect &b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

// How far the frame's centre is from the screen's area: 0 inside it.
double distance(const QRect &frame, const QRect &screen)
{
    const QPoint centre = frame.center();
    const QPoint nearest(std::clamp(centre.x(), screen.left(), screen.right()),
                         std::clamp(centre.y(), screen.top(), screen.bottom()));
    return QLineF(centre, nearest).length();
}

QRect nearestScreen(const QRect &frame, const QList<QRect> &screens)
{
    return *std::min_element(screens.cbegin(), screens.cend(),
                             [&frame](const QRect &a, const QRect &b) {
                                 const qint64 overlapA = overlap(frame, a);
                                 const qint64 overlapB = overlap(frame, b);
                                 if (overlapA != overlapB)
                                     return overlapA > overlapB;
                                 return distance(frame, a) < distance(frame, b);
                             });
}

} // namespace

namespace WindowFrame {

std::optional<QRect> parse(const QString &stored)
{
    const QStringList fields = stored.split(u' ', Qt::SkipEmptyParts);
    if (fields.size() != 4)
        return std::nullopt;
    std::array<int, 4> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        bool ok = false;
        numbers.at(i) = fields.at(qsizetype(i)).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (numbers[2] <= 0 || numbers[3] <= 0)
        return std::nullopt;
    return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}

QString format(const QRect &frame)
{
    return u"%1 %2 %3 %4"_s.arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height());
}

QRect fitted(const QRect &frame, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return frame;
    const QRect screen = nearestScreen(frame, screens);
    QRect placed(frame.topLeft(), frame.size().boundedTo(screen.size()));
    placed.moveLeft(std::clamp(placed.left(), screen.left(), screen.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), screen.top(), screen.bottom() - placed.height() + 1));
    return placed;
}

} // namespace WindowFrame
