// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagestream.h"

#include <QtConcurrent>

using namespace Qt::StringLiterals;

namespace {

// Large enough that the writes cost little beside the copying, small enough to stay in the
// cache of a busy machine.
constexpr qsizetype blockSize = qsizetype{1} << 20;

} // namespace

PageStream::PageStream(const QString &path)
    : m_path(path)
    , m_file(path)
{
    m_file.setDirectWriteFallback(true);
    if (!m_file.open(QIODevice::WriteOnly))
        fail();
    m_writer.setMaxThreadCount(1);
    m_block.reserve(blockSize + blockSize / 4);
    m_writing.reserve(blockSize + blockSize / 4);
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

Expected<void> PageStream::commit()
{
    handOver();
    finishWrite();
    if (!m_error && !m_file.commit())
        fail();
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
        m_written = QtConcurrent::run(
            &m_writer, [this] { return m_file.write(m_writing) == m_writing.size(); });
    }
    m_block.resize(0); // keeps the room for the next block
}

void PageStream::finishWrite()
{
    if (m_written.isValid() && !m_written.result() && !m_error)
        fail();
    m_written = {};
}

void PageStream::fail()
{
    m_error = u"%1: %2"_s.arg(m_path, m_file.errorString());
}
