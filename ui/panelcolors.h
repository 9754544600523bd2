// SPDX-License-Identifier: GPL-3.0-or-later
// The settings panel's own colours for the desktop's palette. On a light desktop they are the
// panel's grey-blue, the data-order editor's rose, and black text on white in the group table.
// On a dark desktop (its text lighter than its windows) they are dark counterparts, the text
// and the rows' arrows take the palette's text colour, so labels and arrows stay readable
// whichever theme the desktop runs.
//
//   const PanelColors colors = PanelColors::forPalette(window.palette());
#pragma once

#include <QColor>

class QPalette;

struct PanelColors
{
    QColor panel;       // behind the panel's labels, switches and rows
    QColor editor;      // between the data-order rows
    QColor cell;        // the group table's cells
    QColor cellText;    // the group names
    QColor placeholder; // hints in empty scheme fields
    QColor arrows;      // the rows' arrows; invalid: as their pictures are drawn

    /// Text at least this much brighter or darker than its background (WCAG AA).
    static constexpr double kMinimumContrast = 4.5;

    [[nodiscard]] static bool isDark(const QPalette &palette);
    [[nodiscard]] static PanelColors forPalette(const QPalette &palette);
    /// The WCAG contrast ratio of two opaque colours: 1 (same) to 21 (black on white).
    [[nodiscard]] static double contrast(const QColor &a, const QColor &b);
};
