// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bundlepicture.h"

#include "util/systemlog.h"

#include <QFileInfo>
#include <QImageReader>

using namespace Qt::StringLiterals;

QImage bundlePicture(const Bundle &bundle, const QString &name, qreal devicePixelRatio)
{
    const QString stem = bundle.resourcesPath() + u"/pictures/"_s + name;
    const QString doubled = stem + u"@2x.png"_s;
    const bool useDoubled = devicePixelRatio > 1 && QFileInfo::exists(doubled);
    QImageReader reader(useDoubled ? doubled : stem + u".png"_s);
    QImage image = reader.read();
    if (image.isNull()) {
        systemLog(u"%1: %2"_s.arg(reader.fileName(), reader.errorString()));
        return {};
    }
    image.setDevicePixelRatio(useDoubled ? 2 : 1);
    return image;
}
