// SPDX-License-Identifier: GPL-3.0-or-later
// A throw-away bundle and page folder for the card and page tests: generic pictures and a
// sample card of the test's own, so the tests depend on no shipped artwork.
#pragma once

#include "util/bundle.h"
#include "util/dateformatsource.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class NoDateFormats final : public DateFormatSource
{
public:
    std::optional<QString> calendarFormatForKey(const QString &) const override
    {
        return QStringLiteral("%Y-%m-%d");
    }
};

inline QByteArray pngBytes(int side, QColor colour)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class TestBundle
{
public:
    TestBundle()
    {
        QDir().mkpath(resources() + QStringLiteral("/images"));
        for (const char *name : {"genericPerson", "genericCompany"})
            QImage(48, 48, QImage::Format_ARGB32)
                .save(resources() + QStringLiteral("/images/%1.png").arg(QLatin1String(name)));
    }

    [[nodiscard]] Bundle bundle() const
    {
        return Bundle(m_dir.filePath(QStringLiteral("Contents")));
    }
    [[nodiscard]] QString resources() const { return bundle().resourcesPath(); }

private:
    QTemporaryDir m_dir;
};
