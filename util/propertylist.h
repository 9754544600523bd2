// SPDX-License-Identifier: GPL-3.0-or-later
// Property lists (XML or binary) to and from QVariant. The value kinds map as: string <->
// QString, integer <-> qint64, real <-> double, boolean <-> bool, date <-> QDateTime (UTC,
// whole seconds), data <-> QByteArray, array <-> QVariantList, dictionary <-> QVariantMap.
// Damaged input of any kind gives an error naming its origin, never a crash.
//
//   const PropertyListRead read = readPropertyListFile(path);
//   if (!read.ok()) systemLog(read.error);
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <optional>

struct PropertyListRead
{
    QVariant value; // invalid when nothing could be read
    QString error;  // empty on success; otherwise says what is wrong, naming the file

    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

/// Parses XML or binary property-list bytes; origin names them in an error message.
[[nodiscard]] PropertyListRead parsePropertyList(const QByteArray &bytes, const QString &origin);
/// Reads and parses a whole file.
[[nodiscard]] PropertyListRead readPropertyListFile(const QString &path);
/// The XML form of value, or nothing when value (or something inside it) has no
/// property-list form.
[[nodiscard]] std::optional<QByteArray> toXmlPropertyList(const QVariant &value);
/// The binary form, as toXmlPropertyList.
[[nodiscard]] std::optional<QByteArray> toBinaryPropertyList(const QVariant &value);
