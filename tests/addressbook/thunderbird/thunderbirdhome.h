// SPDX-License-Identifier: GPL-3.0-or-later
// A home folder of its own for each test, set as HOME while the test runs, with Thunderbird's
// installations, profiles and address books laid out as Thunderbird lays them out: books are
// SQLite files of its published format (properties, lists, list_cards) in WAL mode, closed as
// Thunderbird leaves them.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <utility>

struct TestCard
{
    QString uid;
    QList<std::pair<QByteArray, QByteArray>> properties;
};

struct TestList
{
    QString uid;
    QString name;
    QStringList cards;
};

class ThunderbirdHome final
{
public:
    /// Where each installation keeps its profiles.ini, below the home folder.
    static inline const QString kNative = QStringLiteral(".thunderbird");
    static inline const QString kFlatpak
        = QStringLiteral(".var/app/org.mozilla.Thunderbird/.thunderbird");
    static inline const QString kSnap = QStringLiteral("snap/thunderbird/common/.thunderbird");

    ThunderbirdHome();
    ~ThunderbirdHome();
    ThunderbirdHome(const ThunderbirdHome &) = delete;
    ThunderbirdHome &operator=(const ThunderbirdHome &) = delete;

    [[nodiscard]] QString path(const QString &name = {}) const;
    /// Writes an installation's profiles.ini as given and makes the profile folders it names
    /// (relative ones) below it. Returns the installation's folder.
    QString writeProfilesIni(const QString &installation, const QByteArray &ini,
                             const QStringList &folders) const;
    /// Writes a file below the home folder, making the folders above it.
    void write(const QString &name, const QByteArray &bytes) const;
    /// Writes a book at name (below the home folder) with those cards and lists.
    void writeBook(const QString &name, const QList<TestCard> &cards,
                   const QList<TestList> &lists = {}) const;

    /// Every file below folder (hidden ones too), as relative path and bytes.
    [[nodiscard]] QMap<QString, QByteArray> contents(const QString &folder) const;

private:
    QTemporaryDir m_home;
    QByteArray m_oldHome;
};

/// Runs one SQL text on the database at path (made when missing); fails the test on an error.
void runSql(const QString &path, const QByteArray &sql);
