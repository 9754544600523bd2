// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/picturefiles.h"

#include "addressbook/vcard/vcardidentifiers.h"
#include "engine/photopng.h"

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

// Colour pictures go through the quicker photo writer, the rest through Qt's.
Expected<void> encodePng(const QImage &image, QIODevice &device)
{
    if (canWritePhotoPng(image))
        return writePhotoPng(image, device);
    QImageWriter writer(&device, "png");
    writer.setQuality(PictureFiles::kPngQuality);
    if (!writer.write(image))
        return Unexpected(writer.errorString());
    return {};
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
    if (const Expected<void> written = encodePng(image, file); !written)
        return Unexpected(u"%1: %2"_s.arg(file.fileName(), written.error()));
    if (!file.commit())
        return Unexpected(u"%1: %2"_s.arg(file.fileName(), file.errorString()));
    return {};
}
