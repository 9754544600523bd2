// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the window's button pictures (the group table's Refresh, Select none and Select
// all, and the rows' up and down arrows, each with its pressed form) at 1x and 2x into the
// folder given as the only argument. Run by the build, so the pictures are made, not kept.
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Glyph = std::function<void(QPainter &, const QColor &)>;

const QColor kButton(0x5b, 0x6b, 0x80);
const QColor kButtonPressed(0x2f, 0x3b, 0x4a);
const QColor kArrow(0x4a, 0x55, 0x66);
const QColor kArrowPressed(0x1d, 0x5f, 0xc4);

// A 15-point rounded square with a white glyph; the corners stay transparent, so clicks
// there fall through.
void accessoryButton(QPainter &painter, const QColor &fill, const Glyph &glyph)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 14, 14), 3.5, 3.5);
    glyph(painter, Qt::white);
}

void refreshGlyph(QPainter &painter, const QColor &colour)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(3.8, 3.8, 7.4, 7.4), 100 * 16, 280 * 16);
    QPainterPath head;
    head.moveTo(7.0, 1.8);
    head.lineTo(10.2, 3.9);
    head.lineTo(6.9, 5.9);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(head);
}

void boxGlyph(QPainter &painter, const QColor &colour)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1.4));
    painter.drawRoundedRect(QRectF(3.7, 3.7, 7.6, 7.6), 1.2, 1.2);
}

void checkedBoxGlyph(QPainter &painter, const QColor &colour)
{
    boxGlyph(painter, colour);
    painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QList<QPointF>{{5.4, 7.6}, {6.9, 9.1}, {9.7, 5.8}});
}

// A 12-point triangle pointing up or down.
void arrow(QPainter &painter, const QColor &fill, bool up)
{
    QPainterPath path;
    if (up) {
        path.moveTo(6, 1.5);
        path.lineTo(11, 10);
        path.lineTo(1, 10);
    } else {
        path.moveTo(1, 2);
        path.lineTo(11, 2);
        path.lineTo(6, 10.5);
    }
    path.closeSubpath();
    painter.setPen(QPen(fill, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

bool save(const QString &folder, const QString &name, int points,
          const std::function<void(QPainter &)> &draw)
{
    for (const int scale : {1, 2}) {
        QImage image(points * scale, points * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        draw(painter);
        painter.end();
        const QString file = folder + u'/' + name + (scale == 2 ? u"@2x.png"_s : u".png"_s);
        if (!image.save(file, "png")) {
            std::fprintf(stderr, "drawpictures: cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawpictures FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const struct
    {
        QString name;
        Glyph glyph;
    } accessories[] = {{u"accessoryView_Refresh"_s, refreshGlyph},
                       {u"accessoryView_SelectNone"_s, boxGlyph},
                       {u"accessoryView_SelectAll"_s, checkedBoxGlyph}};
    bool ok = true;
    for (const auto &accessory : accessories) {
        ok &= save(folder, accessory.name, 15,
                   [&](QPainter &p) { accessoryButton(p, kButton, accessory.glyph); });
        ok &= save(folder, accessory.name + u"_p"_s, 15,
                   [&](QPainter &p) { accessoryButton(p, kButtonPressed, accessory.glyph); });
    }
    for (const bool up : {true, false}) {
        const QString name = up ? u"arrow_up"_s : u"arrow_down"_s;
        ok &= save(folder, name, 12, [&](QPainter &p) { arrow(p, kArrow, up); });
        ok &= save(folder, name + u"_pressed"_s, 12,
                   [&](QPainter &p) { arrow(p, kArrowPressed, up); });
    }
    return ok ? 0 : 1;
}
