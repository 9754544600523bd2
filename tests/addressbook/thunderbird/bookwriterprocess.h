// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the bookwriter helper (bookwriter.cpp) as Thunderbird would be: another process with
// the book open. It holds what it was asked to from the constructor's return until the
// object goes.
#pragma once

#include <QProcess>
#include <QString>

#include <gtest/gtest.h>

class BookWriterProcess final
{
public:
    BookWriterProcess(const QString &mode, const QString &book)
    {
        m_process.start(QString::fromUtf8(VORLIN_BOOK_WRITER), {mode, book});
        const bool ready
            = m_process.waitForReadyRead(10'000) && m_process.readLine().trimmed() == "ready";
        EXPECT_TRUE(ready) << m_process.readAllStandardError().toStdString();
    }
    ~BookWriterProcess()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(10'000))
            m_process.kill();
        m_process.waitForFinished();
    }
    BookWriterProcess(const BookWriterProcess &) = delete;
    BookWriterProcess &operator=(const BookWriterProcess &) = delete;

private:
    QProcess m_process;
};
