// SPDX-License-Identifier: GPL-3.0-or-later
// The page as it is written: its text is encoded as UTF-8 into a block of about a megabyte,
// and each full block goes to the file in one write on a thread of its own while the next
// block fills, so that the page is never held whole in memory and copying it into the file
// costs the writing thread nothing. The writes go to a temporary file beside the page that
// replaces it only on commit, so a failed or interrupted generation leaves the previous page
// as it was. Two targets are written in place instead: one that is not a regular file (a
// device, a pipe), which the replacing would turn into a file, and a page the user may
// write in a folder that allows no temporary file. The path is opened by its own bytes
// (util/filename.h), so a name that is not UTF-8 is written as given.
//
//   PageStream page(path);
//   page.append(head);
//   if (const Expected<void> written = page.commit(); !written) report(written.error());
#pragma once

#include "util/atomicfile.h"
#include "util/expected.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QFuture>
#include <QStringEncoder>
#include <QStringView>
#include <QThreadPool>

#include <optional>

class PageStream final
{
public:
    explicit PageStream(const QString &path);
    ~PageStream();
    PageStream(const PageStream &) = delete;
    PageStream &operator=(const PageStream &) = delete;

    void append(QStringView text);
    /// Appends text already encoded as UTF-8.
    void appendUtf8(QByteArrayView text);
    /// Writes what is left and puts the page in place; on failure says "<path>: <reason>"
    /// for the first thing that failed, and when the page on disk was left incomplete.
    [[nodiscard]] Expected<void> commit();

private:
    void openInPlace(bool replacesPage);
    void handOver();
    void finishWrite();
    void finishFile();
    void fail(const QString &reason);

    QString m_path;
    AtomicFile m_saveFile;
    QFile m_inPlaceFile;
    QFile *m_file = nullptr; // m_saveFile's or m_inPlaceFile, once open
    bool m_replacesPage = false;
    QStringEncoder m_toUtf8{QStringEncoder::Utf8};
    QByteArray m_block;
    QByteArray m_writing; // the block the writer has, untouched until its write is finished
    QThreadPool m_writer;
    QFuture<bool> m_written;
    std::optional<QString> m_error;
};
