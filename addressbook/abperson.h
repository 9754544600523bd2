// SPDX-License-Identifier: GPL-3.0-or-later
// One contact: its identifier, its properties (see abproperties.h for what each holds) and
// its picture. Persons in a ContactStore are owned by it and compared by identity; a person
// made from a single vCard (the preview's sample) lives on its own and may be changed.
#pragma once

#include "addressbook/abproperties.h"
#include "addressbook/contactdate.h"
#include "addressbook/multivalue.h"
#include "util/expected.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class ABPerson final
{
public:
    explicit ABPerson(QString uniqueId);

    /// "<key>:ABPerson"; the key (the text before the first ':') is a safe file name, unique
    /// within the store.
    [[nodiscard]] QString uniqueId() const { return m_uniqueId; }
    /// For a reader that fills a person before the store decides its identifier.
    void setUniqueId(QString uniqueId) { m_uniqueId = std::move(uniqueId); }

    /// The value, or an invalid QVariant when the person has none.
    [[nodiscard]] QVariant valueForProperty(ABProperty property) const;
    /// The text of a text property, or none.
    [[nodiscard]] std::optional<QString> stringForProperty(ABProperty property) const;
    /// The entries of a multi-value property, or none.
    [[nodiscard]] std::optional<MultiValue> multiValueForProperty(ABProperty property) const;
    /// Visits the entries of a multi-value property in stored order with their labels and
    /// values, as multiValueForProperty gives them, without making the whole list.
    void forEachEntry(
        ABProperty property,
        const std::function<void(const QString &label, const QVariant &value)> &visit) const;
    /// Visits the addresses in stored order with their labels and values, without a map for
    /// each; the views last for the visit only.
    void forEachAddress(const std::function<void(const QString &label,
                                                 const ABAddressFields &address)> &visit) const;
    /// Whether a multi-value property has any entry.
    [[nodiscard]] bool hasEntries(ABProperty property) const;
    /// The index of the primary entry of a multi-value property (as its MultiValue
    /// has it), or none.
    [[nodiscard]] std::optional<qsizetype> primaryEntryIndex(ABProperty property) const;
    /// Sets (or, with an invalid value, removes) a property. A value of another kind than
    /// the property holds (see abproperties.h) is converted where Qt can, else removes it.
    void setValue(const QVariant &value, ABProperty property);

    /// The picture's bytes exactly as the card stores them (JPEG, PNG ...), or none.
    [[nodiscard]] std::optional<QByteArray> imageData() const;
    void setImageData(const QByteArray &bytes);

    // Filling a person entry by entry, as a reader does, without a MultiValue per property.
    // The ...Utf8 forms take valid UTF-8, which is what the person keeps.
    /// Sets a text property (a null text removes it).
    void setText(ABProperty property, QStringView text);
    void setTextUtf8(ABProperty property, QByteArrayView text);
    // Appending takes constant time: the caller, who appends, knows the index an entry gets
    // (the count of entries of its property before it), and the person does not count.
    /// Appends an entry to a multi-value property; false for any other property.
    bool addEntry(ABProperty property, const QString &label, const QVariant &value);
    /// Appends a text entry (to any multi-value property but dates and addresses); false for
    /// any other property.
    bool addTextEntryUtf8(ABProperty property, const QString &label, QByteArrayView text);
    /// Appends a date to the other dates.
    void addDateEntry(const QString &label, const ContactDate &date);
    /// Appends an address given as its fields in the order street, city, state, ZIP code,
    /// country, country code (empty: not set).
    void addAddressUtf8(const QString &label,
                        const std::array<QByteArrayView, kABAddressFieldCount> &fields);
    /// Makes the entry at index (counted among the entries of property) its primary one.
    void setPrimary(ABProperty property, qsizetype index);
    /// Marks the entry at position (counted among all entries, in the order they were added)
    /// as primary, leaving the others as they are: a reader marks one per property, without
    /// a pass over the entries for each.
    void markPrimary(qsizetype position);
    /// Moves what was filled in into a person holding only the room it uses, and leaves
    /// this one empty with its room kept: a reader filling one person card after card then
    /// allocates once per buffer and card, not once to reserve and again to squeeze.
    [[nodiscard]] ABPerson takeFilled();

private:
    // Texts are kept as UTF-8 in one buffer per person, and multi-value entries as small
    // records pointing into it; values are made into QStrings when read. 100,000 contacts
    // read from an 89 MB file are held in about 1.25 times its size (addressbook_benchmark,
    // readAddressBook/100000; docs/ARCHITECTURE.md).
    struct Span
    {
        static constexpr quint32 kUnset = 0xFFFFFFFF;
        quint32 offset = 0;
        quint32 length = kUnset;

        [[nodiscard]] bool isSet() const { return length != kUnset; }
    };
    struct Entry
    {
        ABProperty property = kABFirstNameProperty;
        bool primary = false;
        bool hasYear = true;
        qint16 standardLabel = -1; // index into the standard labels, or -1: label is custom
        Span label;
        Span value;     // an address: its fields joined by U+001F
        qint32 day = 0; // a date: its Julian day
    };

    Span store(QStringView text);
    Span storeUtf8(QByteArrayView text);
    [[nodiscard]] QString text(Span span) const;
    [[nodiscard]] QVariant entryValue(const Entry &entry) const;
    [[nodiscard]] QString entryLabel(const Entry &entry) const;
    void clearEntries(ABProperty property);
    void append(Entry entry, const QString &label);

    QString m_uniqueId;
    QByteArray m_imageData;
    QByteArray m_texts;
    std::array<Span, kABPersonTextProperties.size()> m_textSpans;
    std::vector<Entry> m_entries;
    ContactDate m_birthday;
    std::optional<qint64> m_flags;
};
