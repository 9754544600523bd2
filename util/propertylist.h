// SPDX-License-Identifier: GPL-3.0-or-later
// Property lists (XML or binary) to and from QVariant. The value kinds map as: string <->
// QString, integer <-> qint64, real <-> double, boolean <-> bool, date <-> QDateTime (UTC,
// whole seconds), data <-> QByteArray, array <-> QVariantList, dictionary <-> QVariantMap.
// Damaged input of any kind gives an error naming its origin, never a crash.
//
//   const Expected<QVariant> read = readPropertyListFile(path);
//   if (!read) systemLog(read.error());
#pragma once

#include "util/expected.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

/// Parses XML or binary property-list bytes into a valid value; origin names them in an
/// error message, which says what is wrong.
[[nodiscard]] Expected<QVariant> parsePropertyList(const QByteArray &bytes, const QString &origin);
/// The most a property-list file may hold (settings with a style sheet that embeds fonts
/// stay far below it); a larger file is not read.
inline constexpr qint64 kMaxPropertyListBytes = qint64(64) << 20;
/// The bytes of a property-list file: none when there is no file, an error naming it when it
/// is not an ordinary file (a FIFO, a device), is over kMaxPropertyListBytes or unreadable.
[[nodiscard]] Expected<std::optional<QByteArray>> readPropertyListBytes(const QString &path);
/// Reads and parses a whole file, read as readPropertyListBytes reads it.
[[nodiscard]] Expected<QVariant> readPropertyListFile(const QString &path);
/// For a file that belongs to another program: the strings of the array under key in its
/// top-level dictionary, skipping everything else unread (XmlPropertyListReader::
/// readStringArray). Nothing when the key is absent; an error when the file cannot be read or
/// is no property list at all.
[[nodiscard]] Expected<std::optional<QStringList>> readPropertyListStrings(const QString &path,
                                                                           const QString &key);
/// The XML form of value, or nothing when value (or something inside it) has no
/// property-list form.
[[nodiscard]] std::optional<QByteArray> toXmlPropertyList(const QVariant &value);
/// The binary form, as toXmlPropertyList.
[[nodiscard]] std::optional<QByteArray> toBinaryPropertyList(const QVariant &value);
