// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every data group of a card shares: one item per non-empty entry with the primary
// entry first, written between an opening line (class "datagroup_first" for the card's
// first group, "datagroup" after it) and a closing line, or nothing at all when there is no
// item. A writer that meets a value it cannot read writes nothing, logs why, and leaves the
// card as it was.
#pragma once

#include "util/expected.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

class ABPerson;
class EntryLabels;
enum class ABProperty : std::uint8_t;
enum class DataKind : std::uint8_t;
struct ExportSettings;

/// The item of one entry, none to skip the entry, or why its value cannot be read.
using EntryItem = Expected<std::optional<QString>>;
/// Makes the item of one entry from its value and shown label.
using EntryItemMaker = std::function<EntryItem(const QVariant &value, const QString &label)>;

/// The items of a multi-value property, primary entry first; none (after logging) when an
/// entry could not be read. A missing property gives no items. Each item gets the label its
/// entry shows, from labels.
[[nodiscard]] std::optional<QStringList> entryItems(const ABPerson &person, ABProperty property,
                                                    EntryLabels &labels,
                                                    const EntryItemMaker &makeItem);
/// The same for a stored value (a MultiValue, or invalid when there is none); owner names
/// the contact in the log.
[[nodiscard]] std::optional<QStringList> entryItems(const QVariant &stored, const QString &owner,
                                                    EntryLabels &labels,
                                                    const EntryItemMaker &makeItem);

/// The text of a value that must be text.
[[nodiscard]] Expected<QString> textValue(const QVariant &value);

/// Appends the group of items with the id "<idPrefix>-<uniqueId>" when there is any item.
/// Returns the first-group flag for the next group: false once a group is written.
bool appendDataGroup(QString &card, const QString &idPrefix, const QString &uniqueId,
                     const QStringList &items, bool isFirstDataGroup);

/// The item of one value of kind, with the kind's class and link scheme.
[[nodiscard]] QString kindItem(DataKind kind, const ExportSettings &settings, const QString &label,
                               const QString &value, const QString &linkValue);
/// appendDataGroup with the kind's id prefix.
bool appendKindGroup(DataKind kind, QString &card, const QString &uniqueId,
                     const QStringList &items, bool isFirstDataGroup);

/// Logs a writer's failure as one line: "<what failed>: <why>".
void logDataGroupFailure(const QString &what, const QString &why);
