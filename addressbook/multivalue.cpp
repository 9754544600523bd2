// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/multivalue.h"

// Entries are never removed or reordered, so an entry's identifier can be its position at
// insertion, written as text; nothing per entry has to be stored for it.
class MultiValue::Data : public QSharedData
{
public:
    struct Entry
    {
        QString label;
        QVariant value;

        bool operator==(const Entry &other) const = default;
    };

    QList<Entry> entries;
    qsizetype primary = -1;
};

MultiValue::MultiValue()
    : d(new Data)
{}

MultiValue::MultiValue(const MultiValue &other) = default;
MultiValue::MultiValue(MultiValue &&other) noexcept = default;
MultiValue &MultiValue::operator=(const MultiValue &other) = default;
MultiValue &MultiValue::operator=(MultiValue &&other) noexcept = default;
MultiValue::~MultiValue() = default;

qsizetype MultiValue::count() const
{
    return d ? d->entries.size() : 0;
}

QVariant MultiValue::valueAtIndex(qsizetype index) const
{
    return index >= 0 && index < count() ? d->entries.at(index).value : QVariant();
}

QString MultiValue::labelAtIndex(qsizetype index) const
{
    return index >= 0 && index < count() ? d->entries.at(index).label : QString();
}

QString MultiValue::identifierAtIndex(qsizetype index) const
{
    return index >= 0 && index < count() ? QString::number(index) : QString();
}

QString MultiValue::primaryIdentifier() const
{
    return d ? identifierAtIndex(d->primary) : QString();
}

std::optional<qsizetype> MultiValue::indexForIdentifier(QStringView identifier) const
{
    bool ok = false;
    const qsizetype index = identifier.toLongLong(&ok);
    // Only the canonical spelling names an entry: "01" or "+1" do not.
    if (!ok || index < 0 || index >= count() || identifier != QString::number(index))
        return std::nullopt;
    return index;
}

QString MultiValue::addValue(const QVariant &value, const QString &label)
{
    if (!d)
        d = new Data;
    d->entries.append({label, value});
    return identifierAtIndex(count() - 1);
}

void MultiValue::setPrimaryIdentifier(QStringView identifier)
{
    if (d)
        d->primary = indexForIdentifier(identifier).value_or(-1);
}

bool MultiValue::operator==(const MultiValue &other) const
{
    if (count() != other.count())
        return false;
    if (count() == 0 || d == other.d)
        return true;
    return d->entries == other.d->entries && d->primary == other.d->primary;
}
