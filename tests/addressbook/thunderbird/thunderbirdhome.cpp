// SPDX-License-Identifier: GPL-3.0-or-later
#include "thunderbirdhome.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

// Thunderbird's own schema (version 4), in WAL mode.
const QByteArray kSchema
    = "PRAGMA journal_mode=WAL;"
      "CREATE TABLE properties (card TEXT, name TEXT, value TEXT);"
      "CREATE TABLE lists (uid TEXT PRIMARY KEY, name TEXT, nickName TEXT, "
      "description TEXT);"
      "CREATE TABLE list_cards (list TEXT, card TEXT, PRIMARY KEY(list, card));"
      "CREATE INDEX properties_card ON properties(card);"
      "CREATE INDEX properties_name ON properties(name);"
      "PRAGMA user_version = 4;";

void insert(sqlite3 *database, const char *sql, const QList<QByteArray> &values)
{
    sqlite3_stmt *statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(database, sql, -1, &statement, nullptr), SQLITE_OK)
        << sqlite3_errmsg(database);
    for (qsizetype i = 0; i < values.size(); ++i)
        sqlite3_bind_text(statement, int(i + 1), values[i].constData(), int(values[i].size()),
                          SQLITE_TRANSIENT);
    EXPECT_EQ(sqlite3_step(statement), SQLITE_DONE) << sqlite3_errmsg(database);
    sqlite3_finalize(statement);
}

} // namespace

void runSql(const QString &path, const QByteArray &sql)
{
    sqlite3 *database = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &database), SQLITE_OK);
    char *error = nullptr;
    EXPECT_EQ(sqlite3_exec(database, sql.constData(), nullptr, nullptr, &error), SQLITE_OK)
        << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(database);
}

ThunderbirdHome::ThunderbirdHome()
    : m_oldHome(qgetenv("HOME"))
{
    qputenv("HOME", QFile::encodeName(m_home.path()));
}

ThunderbirdHome::~ThunderbirdHome()
{
    qputenv("HOME", m_oldHome);
}

QString ThunderbirdHome::path(const QString &name) const
{
    return name.isEmpty() ? m_home.path() : m_home.filePath(name);
}

QString ThunderbirdHome::writeProfilesIni(const QString &installation, const QByteArray &ini,
                                          const QStringList &folders) const
{
    write(installation + u"/profiles.ini"_s, ini);
    for (const QString &folder : folders)
        QDir().mkpath(path(installation + u'/' + folder));
    return path(installation);
}

void ThunderbirdHome::write(const QString &name, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(path(name)).absolutePath());
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void ThunderbirdHome::writeBook(const QString &name, const QList<TestCard> &cards,
                                const QList<TestList> &lists) const
{
    QDir().mkpath(QFileInfo(path(name)).absolutePath());
    runSql(path(name), kSchema);
    sqlite3 *database = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path(name)).constData(), &database), SQLITE_OK);
    sqlite3_exec(database, "BEGIN", nullptr, nullptr, nullptr);
    for (const TestCard &card : cards) {
        for (const auto &[property, value] : card.properties)
            insert(database, "INSERT INTO properties VALUES (?, ?, ?)",
                   {card.uid.toUtf8(), property, value});
    }
    for (const TestList &list : lists) {
        insert(database, "INSERT INTO lists (uid, name) VALUES (?, ?)",
               {list.uid.toUtf8(), list.name.toUtf8()});
        for (const QString &card : list.cards)
            insert(database, "INSERT INTO list_cards VALUES (?, ?)",
                   {list.uid.toUtf8(), card.toUtf8()});
    }
    sqlite3_exec(database, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(database); // the last connection: its log is copied back and removed
}

QMap<QString, QByteArray> ThunderbirdHome::contents(const QString &folder) const
{
    QMap<QString, QByteArray> files;
    const QDir root(path(folder));
    QDirIterator entries(root.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString entry = entries.next();
        QFile file(entry);
        files.insert(root.relativeFilePath(entry),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<folder>"));
    }
    return files;
}
