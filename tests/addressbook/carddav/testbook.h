// SPDX-License-Identifier: GPL-3.0-or-later
// The address book the CardDAV tests put on their server: two persons (Ann with a picture
// inline and a category), a company and a group of the two persons, each card under its
// file name on the server.
#pragma once

#include "radicaleserver.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray card(const QByteArray &lines)
{
    QByteArray text = "BEGIN:VCARD\nVERSION:3.0\n" + lines + "\nEND:VCARD\n";
    return text.replace("\n", "\r\n");
}

inline QByteArray picture()
{
    return fileBytes(QString::fromUtf8(VORLIN_SAMPLE_PICTURE));
}

inline const QList<QPair<QString, QByteArray>> &bookCards()
{
    static const QList<QPair<QString, QByteArray>> cards{
        {QStringLiteral("a-ann.vcf"),
         card("UID:ann-1\nFN:Ann Lee\nN:Lee;Ann;;;\nEMAIL;TYPE=work:ann@example.org\n"
              "CATEGORIES:Book Club\nPHOTO;ENCODING=b;TYPE=PNG:"
              + picture().toBase64())},
        {QStringLiteral("b-bob.vcf"),
         card("UID:bob-2\nFN:Bob Ray\nN:Ray;Bob;;;\nTEL;TYPE=cell:+1 555 0101")},
        {QStringLiteral("c-acme.vcf"), card("UID:acme-3\nFN:Acme\nORG:Acme\nX-ABShowAs:COMPANY")},
        {QStringLiteral("d-friends.vcf"),
         card("UID:friends-4\nFN:Friends\nX-ADDRESSBOOKSERVER-KIND:group\n"
              "X-ADDRESSBOOKSERVER-MEMBER:urn:uuid:ann-1\n"
              "X-ADDRESSBOOKSERVER-MEMBER:urn:uuid:bob-2")}};
    return cards;
}

/// Makes /ann/contacts/ on the server and puts every card of the book there; call it through
/// ASSERT_NO_FATAL_FAILURE.
inline void putBook(const RadicaleServer &server)
{
    ASSERT_EQ(server.makeAddressBook(QStringLiteral("/ann/contacts/"), QStringLiteral("Contacts")),
              201);
    for (const auto &[name, text] : bookCards())
        ASSERT_EQ(server.put(QStringLiteral("/ann/contacts/") + name, text), 201);
}
