// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panelcolors.h"

#include <QPalette>

#include <cmath>

namespace {

const QColor kLightPanel = QColor::fromRgbF(0.842f, 0.867f, 0.894f);
const QColor kLightEditor = QColor::fromRgbF(1.0f, 0.866667f, 0.905882f);
const QColor kDarkPanel = QColor(0x2e, 0x34, 0x3c);
const QColor kDarkEditor = QColor(0x4a, 0x35, 0x40);

double linear(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF())
        + 0.0722 * linear(rgb.blueF());
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * share),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * share),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * share));
}

// A hint is fainter than the text it stands for, but never too faint to read.
QColor readablePlaceholder(const QColor &text, const QColor &background)
{
    double share = 0.5;
    QColor hint = mixed(background, text, share);
    while (PanelColors::contrast(hint, background) < PanelColors::kMinimumContrast && share < 1.0) {
        share += 0.05;
        hint = mixed(background, text, std::min(share, 1.0));
    }
    return hint;
}

} // namespace

bool PanelColors::isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightnessF()
        < palette.color(QPalette::WindowText).lightnessF();
}

PanelColors PanelColors::forPalette(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    if (!isDark(palette))
        return {kLightPanel, kLightEditor, Qt::white, Qt::black, readablePlaceholder(text, base),
                QColor()};
    return {kDarkPanel,
            kDarkEditor,
            base,
            text,
            readablePlaceholder(text, base),
            palette.color(QPalette::WindowText)};
}

double PanelColors::contrast(const QColor &a, const QColor &b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}
