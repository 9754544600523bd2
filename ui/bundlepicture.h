// SPDX-License-Identifier: GPL-3.0-or-later
// The window's button pictures from the bundle's Resources/pictures, at 2x on screens that
// need it; a 2x picture keeps its size in points.
#pragma once

#include "util/bundle.h"

#include <QImage>
#include <QString>

/// Resources/pictures/<name>@2x.png when devicePixelRatio is above 1 and that file exists,
/// else <name>.png; a null image (and a log line) when neither can be read.
[[nodiscard]] QImage bundlePicture(const Bundle &bundle, const QString &name,
                                   qreal devicePixelRatio);
