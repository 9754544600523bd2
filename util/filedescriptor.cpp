// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/filedescriptor.h"

#include <unistd.h>

FileDescriptor::~FileDescriptor()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
