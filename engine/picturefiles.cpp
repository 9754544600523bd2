// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/picturefiles.h"

#include "addressbook/vcard/vcardidentifiers.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

Expected<QImage> decode(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(PictureFiles::kAllocationLimitMiB);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        return Unexpected(u"the picture cannot be decoded (%1)"_s.arg(reader.errorString()));
    return image;
}

} // namespace

PictureFiles::PictureFiles(QString imagesFolder)
    : m_imagesFolder(std::move(imagesFolder))
{}

QString PictureFiles::contactFileName(const QString &uniqueId)
{
    // Keys from the vCard store are safe already; this keeps any other source from naming
    // a file outside the folder ("..", "/").
    const QString key = VCardIdentifiers::keyForUid(uniqueId.section(u':', 0, 0));
    return (key.isEmpty() ? u"contact"_s : key) + u".png"_s;
}

Expected<void> PictureFiles::writeContactPicture(const QByteArray &bytes,
                                                 const QString &fileName) const
{
    const Expected<QImage> decoded = decode(bytes);
    if (!decoded)
        return Unexpected(decoded.error());
    return writePng(*decoded, fileName);
}

Expected<void> PictureFiles::writeGenericPicture(const QString &resourcePath,
                                                 const QString &fileName) const
{
    QImage image(resourcePath);
    if (image.isNull())
        return Unexpected(u"%1: the generic picture cannot be read"_s.arg(resourcePath));
    if (image.width() != kGenericPictureSide || image.height() != kGenericPictureSide)
        image = image.scaled(kGenericPictureSide, kGenericPictureSide, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    return writePng(image, fileName);
}

Expected<void> PictureFiles::writePng(const QImage &image, const QString &fileName) const
{
    QSaveFile file(m_imagesFolder + u'/' + fileName);
    if (!file.open(QIODevice::WriteOnly))
        return Unexpected(u"%1: %2"_s.arg(file.fileName(), file.errorString()));
    QImageWriter writer(&file, "png");
    writer.setQuality(kPngQuality);
    if (!writer.write(image))
        return Unexpected(u"%1: %2"_s.arg(file.fileName(), writer.errorString()));
    if (!file.commit())
        return Unexpected(u"%1: %2"_s.arg(file.fileName(), file.errorString()));
    return {};
}
