// SPDX-License-Identifier: GPL-3.0-or-later
// Thunderbird as the tests need it: another process that has a book open and writes it while
// the tests read it. It says "ready" on standard output once it holds what it was asked to,
// and keeps it until its standard input closes.
//
//   bookwriter hold BOOK       a committed change still in the log, and a transaction open
//   bookwriter exclusive BOOK  the book locked for itself alone (exclusive locking mode)
//   bookwriter churn BOOK      card "x" rewritten without a pause, its first and last names
//                              always equal, with checkpoints every few pages
#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <string>

#include <poll.h>
#include <unistd.h>

namespace {

bool run(sqlite3 *database, const std::string &sql)
{
    char *error = nullptr;
    if (sqlite3_exec(database, sql.c_str(), nullptr, nullptr, &error) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "bookwriter: %s: %s\n", sql.c_str(), error ? error : "?");
    sqlite3_free(error);
    return false;
}

bool inputClosed(int timeoutMs)
{
    pollfd input{STDIN_FILENO, POLLIN, 0};
    char byte = 0;
    return ::poll(&input, 1, timeoutMs) > 0 && ::read(STDIN_FILENO, &byte, 1) <= 0;
}

void ready()
{
    std::puts("ready");
    std::fflush(stdout);
}

int hold(sqlite3 *database)
{
    if (!run(database, "INSERT INTO properties VALUES ('committed', 'FirstName', 'Committed')")
        || !run(database, "BEGIN IMMEDIATE")
        || !run(database, "INSERT INTO properties VALUES ('open', 'FirstName', 'Uncommitted')"))
        return 1;
    ready();
    while (!inputClosed(-1)) {}
    return 0;
}

int exclusive(sqlite3 *database)
{
    if (!run(database, "PRAGMA locking_mode=EXCLUSIVE")
        || !run(database, "INSERT INTO properties VALUES ('mine', 'FirstName', 'Mine')"))
        return 1;
    ready();
    while (!inputClosed(-1)) {}
    return 0;
}

int churn(sqlite3 *database)
{
    if (!run(database, "PRAGMA wal_autocheckpoint=4")
        || !run(database,
                "INSERT INTO properties VALUES ('x', 'FirstName', '0'),"
                " ('x', 'LastName', '0')"))
        return 1;
    ready();
    // A pause between transactions, as a user's edits leave: a reader needs one moment
    // without a checkpoint to copy the book.
    for (long i = 1; !inputClosed(1); ++i) {
        // Padding makes pages of their own, so the log grows and starts over often.
        std::string sql = "BEGIN; UPDATE properties SET value = '";
        sql += std::to_string(i);
        sql += "' WHERE card = 'x'; INSERT INTO properties VALUES ('pad', 'Notes', '";
        sql.append(std::size_t(1000 + (i % 7) * 500), 'p');
        sql += "'); DELETE FROM properties WHERE card = 'pad' AND rowid % 3 = 0; COMMIT";
        if (!run(database, sql))
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bookwriter hold|exclusive|churn BOOK\n");
        return 2;
    }
    sqlite3 *database = nullptr;
    if (sqlite3_open(argv[2], &database) != SQLITE_OK)
        return 1;
    sqlite3_busy_timeout(database, 5000);
    const std::string mode = argv[1];
    const int status = mode == "hold" ? hold(database)
        : mode == "exclusive"         ? exclusive(database)
        : mode == "churn"             ? churn(database)
                                      : 2;
    // Left as a crash leaves it: the tests look at the files while this still runs, and a
    // clean close would copy the log back.
    std::fflush(stdout);
    ::_exit(status);
}
