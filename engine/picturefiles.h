// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the pictures of a page into its "images" folder as PNG: a contact's own picture
// (decoded with a memory limit, turned upright as the camera recorded it) and the generic
// person and company pictures. Every file is written atomically and always inside the folder,
// without following a link at any step: a link in a picture's place is replaced, and a
// folder that is itself a link is refused.
#pragma once

#include "util/expected.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

/// What became of a contact's picture, and so what its card shows.
struct PictureResult
{
    enum class Shown : std::uint8_t {
        Own,     // the contact's file (also when writing it failed: the card does not
                 // depend on the write)
        Generic, // a picture that is not decoded on principle: the generic one instead
        None,    // bytes that are no picture
    };
    Shown shown = Shown::Own;
    QString failure; // empty when the file was written
};

class PictureFiles final
{
public:
    /// Pictures needing more than this to decode are refused rather than exhausting memory.
    static constexpr int kAllocationLimitMiB = 128;
    /// The side of a generic picture in pixels: 48 points at twice the density.
    static constexpr int kGenericPictureSide = 96;
    /// For the pictures Qt's writer still writes (palettes, grey, colour profiles): its PNG
    /// "quality" 80 is zlib level 1 where the default is level 9, several times faster and
    /// on photos only 5 to 10 percent larger (level 0 would be up to 1.7 times larger).
    static constexpr int kPngQuality = 80;

    explicit PictureFiles(QString imagesFolder);

    /// The file name for a contact's picture: its identifier's key (the part before the
    /// first ':'), made safe as a file name, with ".png". A key that would name a generic
    /// picture gets a "contact+" prefix, which no key contains.
    [[nodiscard]] static QString contactFileName(const QString &uniqueId);

    /// Decodes bytes and writes them as PNG under fileName. SVG is never decoded: it can
    /// name other files, which a contact's picture must not read.
    [[nodiscard]] PictureResult writeContactPicture(const QByteArray &bytes,
                                                    const QString &fileName) const;
    /// Writes the picture file at resourcePath, sized to the generic side, under fileName.
    [[nodiscard]] Expected<void> writeGenericPicture(const QString &resourcePath,
                                                     const QString &fileName) const;

private:
    [[nodiscard]] Expected<void> writePng(const class QImage &image, const QString &fileName) const;

    QString m_imagesFolder;
};
