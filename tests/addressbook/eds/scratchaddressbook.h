// SPDX-License-Identifier: GPL-3.0-or-later
// An address book of the desktop's server made for one test: a new local book with a uid of
// its own, filled with vCards through libebook as a desktop program would. Only for a
// private session (private-session.sh); every failure stops the test with the server's
// message.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class ScratchAddressBook final
{
public:
    explicit ScratchAddressBook(const QString &displayName);
    ~ScratchAddressBook();
    ScratchAddressBook(const ScratchAddressBook &) = delete;
    ScratchAddressBook &operator=(const ScratchAddressBook &) = delete;

    [[nodiscard]] const QString &uid() const { return m_uid; }
    /// "eds:<uid>".
    [[nodiscard]] QString name() const;
    /// Adds each card (the server keeps a card's UID); returns the uids the server gave.
    QStringList add(const QList<QByteArray> &vcards);
    /// Removes the contacts of those uids.
    void remove(const QStringList &uids);

private:
    struct Handles;

    QString m_uid;
    std::unique_ptr<Handles> m_handles;
};

/// The cards of a .vcf text, one text each.
[[nodiscard]] QList<QByteArray> splitCards(const QByteArray &vcf);
