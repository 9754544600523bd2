// SPDX-License-Identifier: GPL-3.0-or-later
// A private copy of an SQLite database that another program keeps open and may be writing
// (Thunderbird's address books), made without disturbing that program or its files.
//
// SQLite cannot be pointed at such a file directly (measured with SQLite 3.40): a read-only
// connection to a database in WAL mode creates the missing -wal and -shm files beside it and
// leaves them behind when it closes; in a folder it may not write it fails outright ("attempt
// to write a readonly database"); and where it can write the -shm it records its read marks
// there. So the files are copied byte for byte (the database, its -wal, and a -journal that a
// crash left behind) into a folder of this process's own, and SQLite opens the copy, where
// it replays the log as after a crash: only committed transactions, each checked by its
// checksums, so a write still in progress is not seen. Nothing is written or locked beside the
// original.
//
// A copy is kept only when nothing that could make it inconsistent happened while it was
// made. The writer's own locks are looked at (fcntl F_GETLK, which takes none): no copy is
// made while a rollback-journal commit holds the database's pending or exclusive lock, or a
// checkpoint (or a recovery) holds its lock in the -shm. Before and after copying, the files'
// states are compared: the database's size, times, inode and header (whose change counter a
// commit moves), the -wal's header (new salts when the log starts over) and the -shm's count
// of frames already copied back into the database (which a checkpoint moves). Frames appended
// to the log meanwhile do no harm: the copy ends before them or in the middle of one, which
// the checksums leave out. Anything else copies again after a pause, until the patience is
// used up.
//
//   const Expected<SqliteSnapshot> copy = SqliteSnapshot::take(path);
//   if (!copy) fail(path + u": "_s + copy.error());
//   sqlite3_open_v2(copy->databasePath() ...);
#pragma once

#include "util/expected.h"

#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class QTemporaryDir;

struct SqliteSnapshotOptions
{
    /// How long a lock held, or files that keep changing, may hold the copy up.
    std::chrono::milliseconds patience{3000};
    /// Runs after each copy is made and before it is checked (tests change the files there);
    /// attempt counts from 1.
    std::function<void(int attempt)> afterCopy;
};

class SqliteSnapshot final
{
public:
    using Options = SqliteSnapshotOptions;

    /// Copies the database at path. Fails, with a reason that does not repeat the path, when
    /// it is missing, no regular file, unreadable, no SQLite database, or locked or changing
    /// for longer than the patience.
    [[nodiscard]] static Expected<SqliteSnapshot> take(const QString &path,
                                                       const Options &options = {});

    SqliteSnapshot(SqliteSnapshot &&) noexcept;
    SqliteSnapshot &operator=(SqliteSnapshot &&) noexcept;
    ~SqliteSnapshot();

    /// The copy of the database, with its log beside it; removed with the snapshot.
    [[nodiscard]] QString databasePath() const;
    /// How many copies were made before one held.
    [[nodiscard]] int attempts() const { return m_attempts; }

private:
    explicit SqliteSnapshot(std::unique_ptr<QTemporaryDir> folder);

    std::unique_ptr<QTemporaryDir> m_folder;
    int m_attempts = 0;
};
