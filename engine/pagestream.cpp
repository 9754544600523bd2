// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagestream.h"

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
    m_block.reserve(blockSize + blockSize / 4);
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
        writeBlock();
}

Expected<void> PageStream::commit()
{
    writeBlock();
    if (!m_error && !m_file.commit())
        fail();
    if (m_error)
        return Unexpected(*m_error);
    return {};
}

void PageStream::writeBlock()
{
    if (!m_error && m_file.write(m_block) != m_block.size())
        fail();
    m_block.resize(0); // keeps the room for the next block
}

void PageStream::fail()
{
    m_error = u"%1: %2"_s.arg(m_path, m_file.errorString());
}
