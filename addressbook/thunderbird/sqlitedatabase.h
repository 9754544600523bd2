// SPDX-License-Identifier: GPL-3.0-or-later
// An SQLite database read through the C API: a private copy (sqlitesnapshot.h), opened for
// writing only so that SQLite may replay the log or roll back the journal copied with it.
//
//   Expected<SqliteDatabase> database = SqliteDatabase::open(copy.databasePath());
//   database->forEachRow("SELECT card, name, value FROM properties",
//                        [](const SqliteRow &row) { use(row.text(0)); });
#pragma once

#include "util/expected.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

struct sqlite3;
struct sqlite3_stmt;

/// One row of a result, for the time of the call that hands it over.
class SqliteRow final
{
public:
    explicit SqliteRow(sqlite3_stmt *statement)
        : m_statement(statement)
    {}
    /// The column as UTF-8 text (numbers as SQLite writes them); empty for NULL.
    [[nodiscard]] QByteArrayView text(int column) const;

private:
    sqlite3_stmt *m_statement;
};

class SqliteDatabase final
{
public:
    /// Fails with SQLite's reason: no database, or one too damaged to open.
    [[nodiscard]] static Expected<SqliteDatabase> open(const QString &path);

    SqliteDatabase(SqliteDatabase &&other) noexcept;
    SqliteDatabase &operator=(SqliteDatabase &&other) noexcept;
    SqliteDatabase(const SqliteDatabase &) = delete;
    SqliteDatabase &operator=(const SqliteDatabase &) = delete;
    ~SqliteDatabase();

    /// Runs one statement, handing each row of its result to row. Fails with SQLite's reason,
    /// worded for a user ("damaged: database disk image is malformed").
    [[nodiscard]] Expected<void>
    forEachRow(const char *sql, const std::function<void(const SqliteRow &)> &row) const;
    /// Whether the database has a table of that name.
    [[nodiscard]] Expected<bool> hasTable(QByteArrayView name) const;

private:
    explicit SqliteDatabase(sqlite3 *handle)
        : m_handle(handle)
    {}
    [[nodiscard]] QString failure(int code) const;

    sqlite3 *m_handle;
};
