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

#include <csignal>
#include <sys/resource.h>

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

// A limit on the size of the files the process writes, standing in for a full disk even
// for root; a write past it fails instead of raising a signal. Lifted when it goes.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
        : m_previousHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limited = m_before;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_before{};
    void (*m_previousHandler)(int);
};
