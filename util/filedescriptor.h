// SPDX-License-Identifier: GPL-3.0-or-later
// Closes a file descriptor however the scope that opened it ends, for the few places that
// open files below Qt: to read without blocking, or to write without following a link.
//
//   const FileDescriptor fd(::open(name, O_RDONLY | O_CLOEXEC));
//   if (fd.get() < 0) return systemError();
#pragma once

#include <utility>

class FileDescriptor final
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    [[nodiscard]] int get() const { return m_fd; }
    /// Hands the descriptor over, for a close whose result matters.
    [[nodiscard]] int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};
