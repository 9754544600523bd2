// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/thunderbird/sqlitesnapshot.h"

#include "util/filedescriptor.h"
#include "util/filename.h"
#include "util/regularfile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// SQLite's locks on a database file (os_unix.c): a byte each for the pending and the reserved
// lock, then the range whose write lock is the exclusive one.
constexpr off_t kPendingByte = 0x40000000;
constexpr off_t kReservedByte = kPendingByte + 1;
constexpr off_t kSharedFirst = kPendingByte + 2;
constexpr off_t kSharedSize = 510;
// In the -shm (wal.c): the checkpointer's and the recovering connection's locks, and where the
// count of log frames already copied back into the database is kept.
constexpr off_t kCheckpointLock = 120 + 1;
constexpr off_t kRecoverLock = 120 + 2;
constexpr off_t kBackfillOffset = 96;
constexpr qsizetype kBackfillSize = 4;

constexpr qsizetype kDatabaseHeader = 100;
constexpr qsizetype kLogHeader = 32;
constexpr QByteArrayView kMagic("SQLite format 3\0", 16);
constexpr qsizetype kCopyPiece = qsizetype{1} << 20;
constexpr unsigned long kPauseMs = 20;

qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

// Never blocks: a named pipe put in the file's place is refused by its kind, not waited on.
int openForReading(const QString &path)
{
    return ::open(encodeFileName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
}

// Whether another process holds a write lock on any of those bytes. Asking takes no lock.
bool writeLocked(int fd, off_t start, off_t length)
{
    struct flock lock = {};
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = start;
    lock.l_len = length;
    return ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
}

QByteArray readAt(int fd, qsizetype size, off_t offset)
{
    QByteArray bytes(size, Qt::Uninitialized);
    const ssize_t got = ::pread(fd, bytes.data(), size_t(size), offset);
    bytes.truncate(std::max<qsizetype>(got, 0));
    return bytes;
}

struct FileState
{
    bool exists = false;
    qint64 size = 0;
    qint64 modified = 0;
    qint64 changed = 0;
    quint64 inode = 0;
    QByteArray head;

    friend bool operator==(const FileState &, const FileState &) = default;
};

struct State
{
    FileState database;
    FileState log;
    FileState journal;
    QByteArray backfill;
    bool reserved = false; // a writer holds the reserved lock: its journal is not a crash's
    QString busy;          // why no copy may be made now, or empty

    // Frames appended to the log change its size and times but not what a copy holds of it.
    [[nodiscard]] bool sameAs(const State &other) const
    {
        return database == other.database && log.exists == other.log.exists
            && log.inode == other.log.inode && log.head == other.log.head
            && journal == other.journal && backfill == other.backfill && reserved == other.reserved;
    }
};

// The state of the file open at fd.
Expected<FileState> lookAt(int fd, qsizetype headSize)
{
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        return Unexpected(qt_error_string(errno));
    if (!S_ISREG(status.st_mode))
        return Unexpected(u"not a regular file but %1"_s.arg(fileKindName(status.st_mode)));
    return FileState{true,
                     qint64(status.st_size),
                     nanoseconds(status.st_mtim),
                     nanoseconds(status.st_ctim),
                     quint64(status.st_ino),
                     readAt(fd, headSize, 0)};
}

// A companion file (-wal, -journal) that is missing is a state too.
Expected<FileState> lookAtCompanion(const QString &path, qsizetype headSize)
{
    const FileDescriptor fd(openForReading(path));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return FileState{};
        return Unexpected(u"%1: %2"_s.arg(printableFileName(path), qt_error_string(errno)));
    }
    Expected<FileState> state = lookAt(fd.get(), headSize);
    if (!state)
        return Unexpected(u"%1: %2"_s.arg(printableFileName(path), state.error()));
    return state;
}

// What the -shm tells while the database is open elsewhere in WAL mode.
void lookAtSharedMemory(const QString &path, State &state)
{
    const FileDescriptor fd(openForReading(path));
    if (fd.get() < 0)
        return;
    state.backfill = readAt(fd.get(), kBackfillSize, kBackfillOffset);
    if (writeLocked(fd.get(), kRecoverLock, 1))
        state.busy = u"recovering its log"_s;
    else if (writeLocked(fd.get(), kCheckpointLock, 1))
        state.busy = u"copying its log into it"_s;
}

Expected<State> lookAtDatabase(const QString &path)
{
    const FileDescriptor fd(openForReading(path));
    if (fd.get() < 0)
        return Unexpected(errno == ENOENT ? u"no such file"_s : qt_error_string(errno));
    State state;
    Expected<FileState> database = lookAt(fd.get(), kDatabaseHeader);
    if (!database)
        return Unexpected(database.error());
    if (database->size == 0)
        return Unexpected(u"not an address book: the file is empty"_s);
    if (!database->head.startsWith(kMagic))
        return Unexpected(u"not an address book: not an SQLite database"_s);
    state.database = std::move(*database);
    if (writeLocked(fd.get(), kPendingByte, 1) || writeLocked(fd.get(), kSharedFirst, kSharedSize))
        state.busy = u"writing it"_s;
    state.reserved = writeLocked(fd.get(), kReservedByte, 1);
    Expected<FileState> log = lookAtCompanion(path + u"-wal"_s, kLogHeader);
    if (!log)
        return Unexpected(log.error());
    state.log = std::move(*log);
    Expected<FileState> journal = lookAtCompanion(path + u"-journal"_s, kDatabaseHeader);
    if (!journal)
        return Unexpected(journal.error());
    state.journal = std::move(*journal);
    lookAtSharedMemory(path + u"-shm"_s, state);
    return state;
}

// Copies from to to; false when from is gone by now (which a retry takes care of).
Expected<bool> copyFile(const QString &from, const QString &to)
{
    const FileDescriptor fd(openForReading(from));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return false;
        return Unexpected(u"%1: %2"_s.arg(printableFileName(from), qt_error_string(errno)));
    }
    QFile copy(to);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Unexpected(u"cannot copy it to %1: %2"_s.arg(to, copy.errorString()));
    QByteArray piece(kCopyPiece, Qt::Uninitialized);
    for (;;) {
        const ssize_t got = ::read(fd.get(), piece.data(), size_t(piece.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Unexpected(u"%1: %2"_s.arg(printableFileName(from), qt_error_string(errno)));
        if (got == 0)
            return true;
        if (copy.write(piece.constData(), got) != got)
            return Unexpected(u"cannot copy it to %1: %2"_s.arg(to, copy.errorString()));
    }
}

// The files a reading would take as they are now. A journal beside a database that no one
// is writing is a crash's, which SQLite rolls back in the copy; one beside a writer's
// reserved lock is that writer's own, and is left alone.
Expected<bool> copyFiles(const QString &path, const State &state, const QString &copy)
{
    std::array<std::pair<QString, bool>, 3> files{{
        {QString(), true},
        {u"-wal"_s, state.log.exists},
        {u"-journal"_s, state.journal.exists && !state.reserved},
    }};
    for (const auto &[suffix, wanted] : files) {
        // A log an earlier try copied must not be replayed over this database.
        if (!wanted) {
            QFile::remove(copy + suffix);
            continue;
        }
        Expected<bool> copied = copyFile(path + suffix, copy + suffix);
        if (!copied || !*copied)
            return copied;
    }
    return true;
}

QString patienceText(std::chrono::milliseconds patience)
{
    return u"%1 seconds"_s.arg(double(patience.count()) / 1000.0);
}

} // namespace

SqliteSnapshot::SqliteSnapshot(std::unique_ptr<QTemporaryDir> folder)
    : m_folder(std::move(folder))
{}

SqliteSnapshot::SqliteSnapshot(SqliteSnapshot &&) noexcept = default;
SqliteSnapshot &SqliteSnapshot::operator=(SqliteSnapshot &&) noexcept = default;
SqliteSnapshot::~SqliteSnapshot() = default;

QString SqliteSnapshot::databasePath() const
{
    return m_folder->filePath(u"copy.sqlite"_s);
}

Expected<SqliteSnapshot> SqliteSnapshot::take(const QString &path, const Options &options)
{
    // Private to this user: the copy holds every contact.
    SqliteSnapshot snapshot(std::make_unique<QTemporaryDir>());
    if (!snapshot.m_folder->isValid())
        return Unexpected(
            u"no private folder to copy it to: %1"_s.arg(snapshot.m_folder->errorString()));
    const QDeadlineTimer deadline(options.patience);
    const QString copy = snapshot.databasePath();
    for (int attempt = 1;; ++attempt) {
        const Expected<State> before = lookAtDatabase(path);
        if (!before)
            return Unexpected(before.error());
        if (before->busy.isEmpty()) {
            const Expected<bool> copied = copyFiles(path, *before, copy);
            if (!copied)
                return Unexpected(copied.error());
            if (options.afterCopy)
                options.afterCopy(attempt);
            const Expected<State> after = lookAtDatabase(path);
            if (!after)
                return Unexpected(after.error());
            if (*copied && after->busy.isEmpty() && after->sameAs(*before)) {
                snapshot.m_attempts = attempt;
                return snapshot;
            }
        }
        if (deadline.hasExpired())
            return Unexpected(before->busy.isEmpty()
                                  ? u"changed while it was read, again and again for %1"_s.arg(
                                      patienceText(options.patience))
                                  : u"locked by another program (%1) for more than %2"_s.arg(
                                      before->busy, patienceText(options.patience)));
        QThread::msleep(kPauseMs);
    }
}
