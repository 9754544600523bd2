// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/thunderbird/sqlitedatabase.h"

#include "util/filename.h"

#include <sqlite3.h>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// What the user can do something about comes first; SQLite's own words follow.
QString describe(int code, const char *message)
{
    QString reason = QString::fromUtf8(message);
    switch (code & 0xff) {
    case SQLITE_NOTADB:
        return u"not an address book: %1"_s.arg(reason);
    case SQLITE_CORRUPT:
        return u"damaged: %1"_s.arg(reason);
    default:
        return reason;
    }
}

// Frees the statement however the reading ends.
struct Statement
{
    sqlite3_stmt *handle = nullptr;
    ~Statement() { sqlite3_finalize(handle); }
};

} // namespace

QByteArrayView SqliteRow::text(int column) const
{
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return {bytes, bytes ? sqlite3_column_bytes(m_statement, column) : 0};
}

Expected<SqliteDatabase> SqliteDatabase::open(const QString &path)
{
    sqlite3 *handle = nullptr;
    const int code = sqlite3_open_v2(encodeFileName(path).constData(), &handle,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW, nullptr);
    SqliteDatabase database(handle);
    if (code != SQLITE_OK)
        return Unexpected(database.failure(code));
    sqlite3_extended_result_codes(handle, 1);
    return database;
}

SqliteDatabase::SqliteDatabase(SqliteDatabase &&other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr))
{}

SqliteDatabase &SqliteDatabase::operator=(SqliteDatabase &&other) noexcept
{
    std::swap(m_handle, other.m_handle);
    return *this;
}

SqliteDatabase::~SqliteDatabase()
{
    sqlite3_close(m_handle);
}

QString SqliteDatabase::failure(int code) const
{
    return describe(code, m_handle ? sqlite3_errmsg(m_handle) : sqlite3_errstr(code));
}

Expected<void> SqliteDatabase::forEachRow(const char *sql,
                                          const std::function<void(const SqliteRow &)> &row) const
{
    Statement statement;
    if (const int code = sqlite3_prepare_v2(m_handle, sql, -1, &statement.handle, nullptr);
        code != SQLITE_OK)
        return Unexpected(failure(code));
    const SqliteRow current(statement.handle);
    for (;;) {
        const int code = sqlite3_step(statement.handle);
        if (code == SQLITE_DONE)
            return {};
        if (code != SQLITE_ROW)
            return Unexpected(failure(code));
        row(current);
    }
}

Expected<bool> SqliteDatabase::hasTable(QByteArrayView name) const
{
    bool found = false;
    const Expected<void> listed
        = forEachRow("SELECT name FROM sqlite_master WHERE type = 'table'",
                     [&](const SqliteRow &table) { found = found || table.text(0) == name; });
    if (!listed)
        return Unexpected(listed.error());
    return found;
}
