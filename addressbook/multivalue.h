// SPDX-License-Identifier: GPL-3.0-or-later
// An ordered list of labelled values of one kind (phones, e-mails, addresses ...), one of
// which may be the primary entry. Copies share their entries until one is changed; an empty
// list takes no memory beyond itself.
//
//   const qsizetype primary = phones.indexForIdentifier(phones.primaryIdentifier())
//                                 .value_or(-1);
//   for (qsizetype i = 0; i < phones.count(); ++i)
//       use(phones.labelAtIndex(i), phones.valueAtIndex(i).toString(), i == primary);
#pragma once

#include <QList>
#include <QMetaType>
#include <QSharedDataPointer>
#include <QString>
#include <QVariant>

#include <optional>

class MultiValue final
{
public:
    MultiValue();
    MultiValue(const MultiValue &other);
    MultiValue(MultiValue &&other) noexcept;
    MultiValue &operator=(const MultiValue &other);
    MultiValue &operator=(MultiValue &&other) noexcept;
    ~MultiValue();

    [[nodiscard]] qsizetype count() const;
    [[nodiscard]] bool isEmpty() const { return count() == 0; }
    /// Entries in stored order, from index 0; past the end, an invalid QVariant.
    [[nodiscard]] QVariant valueAtIndex(qsizetype index) const;
    /// Past the end, the empty string.
    [[nodiscard]] QString labelAtIndex(qsizetype index) const;
    /// A text that names the entry for as long as the list lives; past the end, empty.
    [[nodiscard]] QString identifierAtIndex(qsizetype index) const;

    /// The identifier of the primary entry; the empty string when there is none.
    [[nodiscard]] QString primaryIdentifier() const;
    /// The index of the entry with that identifier, or none.
    [[nodiscard]] std::optional<qsizetype> indexForIdentifier(QStringView identifier) const;

    /// Appends an entry and returns its identifier.
    QString addValue(const QVariant &value, const QString &label);
    /// Makes the entry with that identifier the primary one; an unknown identifier clears it.
    void setPrimaryIdentifier(QStringView identifier);

    [[nodiscard]] bool operator==(const MultiValue &other) const;

private:
    class Data;
    QSharedDataPointer<Data> d;
};

Q_DECLARE_METATYPE(MultiValue)
