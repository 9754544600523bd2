// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every data group of a card shares: one item per non-empty entry with the primary
// entry first, written between an opening line (class "datagroup_first" for the card's
// first group, "datagroup" after it) and a closing line, or nothing at all when there is no
// item. Items are written straight into the card, and taken out again when the group stays
// empty or an entry cannot be read. A writer that meets a value it cannot read writes
// nothing, logs why, and leaves the card as it was.
//
//   DataGroupInCard group(card, u"phone"_s, person.uniqueId(), isFirstDataGroup);
//   group.writeEntries(person, kABPhoneProperty, labels, writePhoneItem);
//   return group.close();
#pragma once

#include "addressbook/abproperties.h"
#include "util/expected.h"

#include <QString>
#include <QVariant>

#include <functional>

class ABPerson;
class EntryLabels;
enum class DataKind : std::uint8_t;
struct ExportSettings;

/// Writes the item of one entry at the end of card from its value and shown label, or
/// nothing to skip the entry; fails, writing nothing, when the value cannot be read.
using EntryItemWriter
    = std::function<Expected<void>(QString &card, const QVariant &value, const QString &label)>;
/// The same for an address, which can always be read.
using AddressItemWriter
    = std::function<void(QString &card, const ABAddressFields &address, const QString &label)>;

class DataGroupInCard final
{
public:
    /// Writes the opening line of the group with the id "<groupClass>-<uniqueId>".
    DataGroupInCard(QString &card, QStringView groupClass, const QString &uniqueId,
                    bool isFirstDataGroup);

    /// Writes the items of a multi-value property, primary entry first. When an entry cannot
    /// be read, the property's items are taken out again, the failure is logged and the
    /// result is false. A missing property gives no items.
    bool writeEntries(const ABPerson &person, ABProperty property, EntryLabels &labels,
                      const EntryItemWriter &writeItem);
    /// Writes the items of the person's addresses, primary address first.
    void writeAddresses(const ABPerson &person, EntryLabels &labels,
                        const AddressItemWriter &writeItem);

    /// The card being written, for an item the writer adds itself.
    [[nodiscard]] QString &card() { return m_card; }
    /// Moves the items written from position from on to the front of the group.
    void moveToFront(qsizetype from);
    /// Takes the group out of the card; close() then writes nothing.
    void abandon();
    /// Writes the closing line, or takes the group out when it has no item. Returns the
    /// first-group flag for the next group: false once a group is written.
    bool close();

private:
    QString &m_card;
    qsizetype m_start;
    qsizetype m_itemsStart;
    bool m_isFirstDataGroup;
    bool m_abandoned = false;
};

/// The text of a value that must be text.
[[nodiscard]] Expected<QString> textValue(const QVariant &value);

/// Appends the item of one value of kind, with the kind's class and link scheme.
void appendKindItem(QString &card, DataKind kind, const ExportSettings &settings,
                    const QString &label, const QString &value, const QString &linkValue);

/// Logs a writer's failure as one line: "<what failed>: <why>".
void logDataGroupFailure(const QString &what, const QString &why);
