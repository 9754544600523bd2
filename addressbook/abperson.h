// SPDX-License-Identifier: GPL-3.0-or-later
// One contact: its identifier, its properties (see abproperties.h for what each holds) and
// its picture. Persons in a ContactStore are owned by it and compared by identity; a person
// made from a single vCard (the preview's sample) lives on its own and may be changed.
//
//   const VCardPersonRead read = ABPerson::initWithVCardRepresentation(bytes);
//   if (read.person) read.person->setValue(note, kABNoteProperty);
#pragma once

#include "addressbook/abproperties.h"
#include "addressbook/multivalue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <utility>
#include <vector>

struct VCardPersonRead;

class ABPerson final
{
public:
    explicit ABPerson(QString uniqueId);

    /// Reads the first card of data (UTF-8, or UTF-16 / UTF-8 with a byte-order mark).
    [[nodiscard]] static VCardPersonRead initWithVCardRepresentation(const QByteArray &data);

    /// "<key>:ABPerson"; the key (the text before the first ':') is a safe file name, unique
    /// within the store.
    [[nodiscard]] QString uniqueId() const { return m_uniqueId; }

    /// The value, or an invalid QVariant when the person has none.
    [[nodiscard]] QVariant valueForProperty(ABProperty property) const;
    /// The text of a text property, or none.
    [[nodiscard]] std::optional<QString> stringForProperty(ABProperty property) const;
    /// The entries of a multi-value property, or none.
    [[nodiscard]] std::optional<MultiValue> multiValueForProperty(ABProperty property) const;
    /// Sets (or, with an invalid value, removes) a property.
    void setValue(const QVariant &value, ABProperty property);

    /// The picture's bytes exactly as the card stores them (JPEG, PNG ...), or none.
    [[nodiscard]] std::optional<QByteArray> imageData() const;
    void setImageData(const QByteArray &bytes);

private:
    QString m_uniqueId;
    QByteArray m_imageData;
    // Few of the properties are set on any one contact: a short list is smaller than a map.
    std::vector<std::pair<ABProperty, QVariant>> m_values;
};

/// A person read from one vCard, with what was wrong with the data.
struct VCardPersonRead
{
    std::optional<ABPerson> person; // none when the data holds no card
    QStringList diagnostics;        // "<origin>:<line>: <problem>", one line each

    [[nodiscard]] bool ok() const { return person.has_value(); }
};
