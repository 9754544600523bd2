// SPDX-License-Identifier: GPL-3.0-or-later
// The window's stored frame, "x y width height": read back only when it is four numbers with
// a size, and then moved and shrunk onto the screen it lies on most (or, off every screen, the
// nearest one), so a frame saved on a larger or a vanished screen still opens in view.
//
//   if (const std::optional<QRect> frame = WindowFrame::parse(stored))
//       window.setGeometry(WindowFrame::fitted(*frame, screenAreas));
#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

namespace WindowFrame {

/// The frame of "x y width height"; none when it is not four integers or has no area.
[[nodiscard]] std::optional<QRect> parse(const QString &stored);
/// The form parse() reads.
[[nodiscard]] QString format(const QRect &frame);
/// frame moved, and shrunk where it is larger, to lie inside one of screens (their available
/// areas); frame itself when there are none.
[[nodiscard]] QRect fitted(const QRect &frame, const QList<QRect> &screens);

} // namespace WindowFrame
