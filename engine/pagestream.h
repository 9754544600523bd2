// SPDX-License-Identifier: GPL-3.0-or-later
// The page as it is written: its text is encoded as UTF-8 into a block of about a megabyte,
// and each full block goes to the file in one write, so that the page is never held whole
// in memory. The writes go to a temporary file beside the page that replaces it only on
// commit, so a failed or interrupted generation leaves the previous page as it was; folders
// that allow no temporary file get a direct write.
//
//   PageStream page(path);
//   page.append(head);
//   if (const Expected<void> written = page.commit(); !written) report(written.error());
#pragma once

#include "util/expected.h"

#include <QByteArray>
#include <QSaveFile>
#include <QStringEncoder>
#include <QStringView>

#include <optional>

class PageStream final
{
public:
    explicit PageStream(const QString &path);

    void append(QStringView text);
    /// Writes what is left and puts the page in place; on failure says "<path>: <reason>"
    /// for the first thing that failed, and the previous page stays.
    [[nodiscard]] Expected<void> commit();

private:
    void writeBlock();
    void fail();

    QString m_path;
    QSaveFile m_file;
    QStringEncoder m_toUtf8{QStringEncoder::Utf8};
    QByteArray m_block;
    std::optional<QString> m_error;
};
