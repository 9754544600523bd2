// SPDX-License-Identifier: GPL-3.0-or-later
// Lines logged on one thread, kept back so that another thread can log them later in the
// order the work they describe was handed out: a card written ahead on a worker logs its
// lines when the page reaches it, as if it had been written there.
//
//   QStringList lines;
//   { const CollectedLog collected(lines); writeCard(); }
//   for (const QString &line : lines) systemLog(line);
#pragma once

#include <QStringList>

class CollectedLog final
{
public:
    /// While alive, every line this thread logs is appended to lines instead.
    explicit CollectedLog(QStringList &lines);
    ~CollectedLog();
    CollectedLog(const CollectedLog &) = delete;
    CollectedLog &operator=(const CollectedLog &) = delete;

    /// The list the calling thread's lines go to, or none.
    [[nodiscard]] static QStringList *current();

private:
    QStringList *m_outer;
};
