// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/picturefiles.h"

#include "addressbook/vcard/vcardidentifiers.h"
#include "engine/photopng.h"
#include "util/folderwrite.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

using namespace Qt::StringLiterals;

namespace {

// SVG (and its compressed form) may refer to other files, which Qt's reader would open.
bool isVectorFormat(const QByteArray &format)
{
    return format == "svg" || format == "svgz";
}

Expected<QImage> decode(QBuffer &buffer, const QByteArray &format)
{
    QImageReader reader(&buffer, format);
    // Only the reader of the format found: no other reader gets to try the bytes.
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(PictureFiles::kAllocationLimitMiB);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        return Unexpected(u"the picture cannot be decoded (%1)"_s.arg(reader.errorString()));
    return image;
}

// Colour pictures go through the quicker photo writer, the rest through Qt's.
Expected<QByteArray> encodePng(const QImage &image)
{
    if (canWritePhotoPng(image))
        return encodePhotoPng(image);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(PictureFiles::kPngQuality);
    if (!writer.write(image))
        return Unexpected(writer.errorString());
    return png;
}

bool isGenericPictureName(const QString &key)
{
    return key.compare(u"genericPerson", Qt::CaseInsensitive) == 0
        || key.compare(u"genericCompany", Qt::CaseInsensitive) == 0;
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
    if (key.isEmpty())
        return u"contact.png"_s;
    return (isGenericPictureName(key) ? u"contact+"_s + key : key) + u".png"_s;
}

PictureResult PictureFiles::writeContactPicture(const QByteArray &bytes,
                                                const QString &fileName) const
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    if (isVectorFormat(format))
        return {PictureResult::Shown::Generic,
                u"an SVG picture is not shown, as it could read other files"_s};
    const Expected<QImage> decoded = decode(buffer, format);
    if (!decoded)
        return {PictureResult::Shown::None, decoded.error()};
    const Expected<void> written = writePng(*decoded, fileName);
    return {PictureResult::Shown::Own, written ? QString() : written.error()};
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
    // Encoded in memory first, so that a failed write is the file's, with the system's reason.
    const Expected<QByteArray> png = encodePng(image);
    Expected<void> written
        = png ? writeFileInFolder(m_imagesFolder, fileName, *png) : Unexpected(png.error());
    if (!written)
        return Unexpected(u"%1/%2: %3"_s.arg(m_imagesFolder, fileName, written.error()));
    return {};
}
