// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagestream.h"

#include "engine/pagefile.h"
#include "util/filename.h"

#include <QtConcurrent>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Large enough that the writes cost little beside the copying, small enough to stay in the
// cache of a busy machine.
constexpr qsizetype kBlockSize = qsizetype{1} << 20;

// Something that is neither a regular file nor a folder (links followed): a device, a pipe.
bool isSpecialFile(const std::optional<mode_t> &mode)
{
    return mode && !S_ISREG(*mode) && !S_ISDIR(*mode);
}

} // namespace

PageStream::PageStream(const QString &path)
    : m_path(path)
    , m_saveFile(path)
{
    m_writer.setMaxThreadCount(1);
    m_block.reserve(kBlockSize + kBlockSize / 4);
    m_writing.reserve(kBlockSize + kBlockSize / 4);
    const std::optional<mode_t> existing = fileMode(path);
    if (isSpecialFile(existing))
        openInPlace(false);
    else if (m_saveFile.open())
        m_file = &m_saveFile.file();
    else if (existing && S_ISREG(*existing)
             && ::access(encodeFileName(path).constData(), W_OK) == 0)
        openInPlace(true); // as QSaveFile's own fallback would, but with every write checked
    else
        fail(m_saveFile.errorString());
}

void PageStream::openInPlace(bool replacesPage)
{
    const int fd = ::open(encodeFileName(m_path).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0
        || !m_inPlaceFile.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                               QFileDevice::AutoCloseHandle))
        return fail(qt_error_string(errno));
    m_file = &m_inPlaceFile;
    m_replacesPage = replacesPage;
}

// Without commit, the temporary file goes and the previous page stays, once the writer has
// let go of it.
PageStream::~PageStream()
{
    m_written.waitForFinished();
}

void PageStream::append(QStringView text)
{
    if (m_error)
        return;
    const qsizetype used = m_block.size();
    m_block.resize(used + m_toUtf8.requiredSpace(text.size()));
    const char *end = m_toUtf8.appendToBuffer(m_block.data() + used, text);
    m_block.resize(end - m_block.constData());
    if (m_block.size() >= kBlockSize)
        handOver();
}

void PageStream::appendUtf8(QByteArrayView text)
{
    if (m_error)
        return;
    m_block.append(text);
    if (m_block.size() >= kBlockSize)
        handOver();
}

Expected<void> PageStream::commit()
{
    handOver();
    finishWrite();
    if (!m_error)
        finishFile();
    if (m_error)
        return Unexpected(*m_error);
    return {};
}

// One block at a time is with the writer, so memory stays at two blocks.
void PageStream::handOver()
{
    finishWrite();
    if (!m_error) {
        m_writing.swap(m_block);
        m_written = QtConcurrent::run(&m_writer,
                                      [this] { return PageFile::writeAll(*m_file, m_writing); });
    }
    m_block.resize(0); // keeps the room for the next block
}

void PageStream::finishWrite()
{
    if (m_written.isValid() && !m_written.result() && !m_error)
        fail(m_file->errorString());
    m_written = {};
}

void PageStream::finishFile()
{
    if (m_file == &m_saveFile.file()) {
        if (!m_saveFile.commit())
            fail(m_saveFile.errorString());
        return;
    }
    const bool flushed = m_inPlaceFile.flush();
    m_inPlaceFile.close();
    if (!flushed || m_inPlaceFile.error() != QFileDevice::NoError)
        fail(m_inPlaceFile.errorString());
}

void PageStream::fail(const QString &reason)
{
    m_error = u"%1: %2"_s.arg(printableFileName(m_path), reason);
    if (m_replacesPage)
        *m_error += u"; the page was written in place, and what is on disk now is incomplete"_s;
}
