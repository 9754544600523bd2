// SPDX-License-Identifier: GPL-3.0-or-later
// The four comparison functions the program sorts with, the shared list of name prefixes
// that sorting ignores, and the one collation they use: case-insensitive, in the user's
// locale, and language-neutral (root collation) under the C/POSIX locale, so that accented
// names sort with their base letters everywhere.
//
//   std::sort(names.begin(), names.end(), [](auto &a, auto &b) {
//       return stringSort(a, b) == ComparisonResult::OrderedAscending; });
#pragma once

#include <QCollator>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>

#include <optional>

class ABPerson;

enum class ComparisonResult { OrderedAscending = -1, OrderedSame = 0, OrderedDescending = 1 };

/// How names are put in order: a collator and the prefixes that sorting ignores. Once the
/// collator has been used, threads may share both for reading.
struct NameOrder
{
    const QCollator &collator;
    const QStringList &prefixes;
};

/// The collator for names in locale: case ignored, and the root order under the C locale.
[[nodiscard]] QCollator makeNameCollator(const QLocale &locale);
/// The collator for names: the user's locale (QLocale()), case ignored; built again only
/// when the default locale changes.
[[nodiscard]] const QCollator &nameCollator();
/// nameCollator() with stripPrefixes(): the order of the user's language.
[[nodiscard]] NameOrder userNameOrder();

/// The prefixes sorting and filing ignore: the "ui" table's "stripList" split at "|",
/// loaded on first use. Without a "stripList" text the list is empty.
[[nodiscard]] const QStringList &stripPrefixes();
/// text with each of prefixes removed once from its front, in list order, ignoring case.
[[nodiscard]] QString withoutPrefixes(QString text, const QStringList &prefixes);

/// Case-insensitive comparison in the user's locale.
[[nodiscard]] ComparisonResult stringSort(const QString &first, const QString &second);
/// Ascending order of two numbers; with a key, of the numbers stored under it in two
/// records (QVariantMap). Values that are no numbers compare as Qt compares them.
[[nodiscard]] ComparisonResult numericSort(const QVariant &first, const QVariant &second,
                                           const std::optional<QString> &key = std::nullopt);
/// Descending order of the numbers under key in two records: the second's compared with the
/// first's. (Rows are sorted with it under the name _numericSort elsewhere; a name that
/// begins with an underscore is reserved in C++, hence this one.)
[[nodiscard]] ComparisonResult numericSortImpl(const QVariantMap &first, const QVariantMap &second,
                                               const QString &key);

/// The sort key of a person for an order code ("lfc", "flc", "clf", "cfl": l last name,
/// f first name, c organization), each part without the prefixes of stripPrefixes(); none
/// for any other code.
[[nodiscard]] std::optional<QString> abSortKey(const ABPerson &person, QStringView orderCode);
/// The comparison of two persons' sort keys; with an unknown order code, always the same.
[[nodiscard]] ComparisonResult abSort(const ABPerson &first, const ABPerson &second,
                                      QStringView orderCode);
/// Sorts in the order abSort defines, or in order's where given, computing each person's key
/// once.
void sortPeople(QList<const ABPerson *> &people, QStringView orderCode,
                const NameOrder &order = userNameOrder());
