// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagestream.h"

#include "engine/pagefile.h"

#include <QFileInfo>
#include <QtConcurrent>

using namespace Qt::StringLiterals;

namespace {

// Large enough that the writes cost little beside the copying, small enough to stay in the
// cache of a busy machine.
constexpr qsizetype blockSize = qsizetype{1} << 20;

} // namespace

PageStream::PageStream(const QString &path)
    : m_path(path)
    , m_saveFile(path)
    , m_inPlaceFile(path)
{
    m_writer.setMaxThreadCount(1);
    m_block.reserve(blockSize + blockSize / 4);
    m_writing.reserve(blockSize + blockSize / 4);
    const QFileInfo existing(path);
    if (PageFile::isSpecialFile(path))
        openInPlace(false);
    else if (m_saveFile.open(QIODevice::WriteOnly))
        m_file = &m_saveFile;
    else if (existing.isFile() && existing.isWritable())
        openInPlace(true); // as QSaveFile's own fallback would, but with every write checked
    else
        fail(m_saveFile);
}

void PageStream::openInPlace(bool replacesPage)
{
    if (!m_inPlaceFile.open(QIODevice::WriteOnly))
        return fail(m_inPlaceFile);
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
    if (m_block.size() >= blockSize)
        handOver();
}

void PageStream::appendUtf8(QByteArrayView text)
{
    if (m_error)
        return;
    m_block.append(text);
    if (m_block.size() >= blockSize)
        handOver();
}

Expected<void> PageStream::commit()
{
    handOver();
    finishWrite();
    if (!m_error && !finishFile())
        fail(*m_file);
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
        fail(*m_file);
    m_written = {};
}

bool PageStream::finishFile()
{
    if (m_file == &m_saveFile)
        return m_saveFile.commit();
    const bool flushed = m_inPlaceFile.flush();
    m_inPlaceFile.close();
    return flushed && m_inPlaceFile.error() == QFileDevice::NoError;
}

void PageStream::fail(const QFileDevice &file)
{
    m_error = u"%1: %2"_s.arg(m_path, file.errorString());
    if (m_replacesPage)
        *m_error += u"; the page was written in place, and what is on disk now is incomplete"_s;
}
