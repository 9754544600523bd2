// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/datagroupframe.h"

#include "addressbook/abperson.h"
#include "engine/entrylabels.h"
#include "engine/htmltext.h"
#include "settings/datakind.h"
#include "settings/exportsettings.h"
#include "util/stringadditions.h"
#include "util/systemlog.h"

using namespace Qt::StringLiterals;

namespace {

// Gathers the items of a list's entries, primary entry first, until one cannot be read.
class ItemList
{
public:
    ItemList(EntryLabels &labels, const EntryItemMaker &makeItem, std::optional<qsizetype> primary)
        : m_labels(labels)
        , m_makeItem(makeItem)
        , m_primary(primary)
    {}

    void add(const QString &label, const QVariant &value)
    {
        if (m_failure)
            return;
        EntryItem item = m_makeItem(value, m_labels.shown(label));
        if (!item)
            m_failure = u"entry %1: %2"_s.arg(m_index).arg(item.error());
        else if (item->has_value() && m_primary == m_index)
            m_items.prepend(std::move(**item));
        else if (item->has_value())
            m_items.append(std::move(**item));
        ++m_index;
    }

    // None, after logging, when an entry could not be read.
    std::optional<QStringList> result(const QString &owner)
    {
        if (!m_failure)
            return std::move(m_items);
        logDataGroupFailure(owner, *m_failure);
        return std::nullopt;
    }

private:
    EntryLabels &m_labels;
    const EntryItemMaker &m_makeItem;
    std::optional<qsizetype> m_primary;
    QStringList m_items;
    qsizetype m_index = 0;
    std::optional<QString> m_failure;
};

} // namespace

std::optional<QStringList> entryItems(const ABPerson &person, ABProperty property,
                                      EntryLabels &labels, const EntryItemMaker &makeItem)
{
    ItemList items(labels, makeItem, person.primaryEntryIndex(property));
    person.forEachEntry(property, [&items](const QString &label, const QVariant &value) {
        items.add(label, value);
    });
    return items.result(person.uniqueId());
}

std::optional<QStringList> entryItems(const QVariant &stored, const QString &owner,
                                      EntryLabels &labels, const EntryItemMaker &makeItem)
{
    if (!stored.isValid())
        return QStringList();
    if (stored.metaType() != QMetaType::fromType<MultiValue>()) {
        logDataGroupFailure(owner, u"a list property holds a single value"_s);
        return std::nullopt;
    }
    const auto entries = stored.value<MultiValue>();
    ItemList items(labels, makeItem, entries.indexForIdentifier(entries.primaryIdentifier()));
    for (qsizetype i = 0; i < entries.count(); ++i)
        items.add(entries.labelAtIndex(i), entries.valueAtIndex(i));
    return items.result(owner);
}

Expected<QString> textValue(const QVariant &value)
{
    if (value.typeId() != QMetaType::QString)
        return Unexpected(u"a %1 where text belongs"_s.arg(QString::fromLatin1(value.typeName())));
    return value.toString();
}

bool appendDataGroup(QString &card, const QString &idPrefix, const QString &uniqueId,
                     const QStringList &items, bool isFirstDataGroup)
{
    if (items.isEmpty())
        return isFirstDataGroup;
    const QStringView groupClass = isFirstDataGroup ? u"datagroup_first" : u"datagroup";
    card += u"\t\t\t<div class=\"" + groupClass + u"\" id=\"" + idPrefix + u'-' + uniqueId
        + u"\">\n";
    for (const QString &item : items)
        card += item;
    card += u"\t\t\t</div>\n";
    return false;
}

QString kindItem(DataKind kind, const ExportSettings &settings, const QString &label,
                 const QString &value, const QString &linkValue)
{
    // The scheme is read in place: the settings are shared by the threads writing cards.
    static const QString noScheme;
    const std::optional<QString> &scheme = settings.scheme(kind);
    return makeDataItem(dataKindInfo(kind).itemClass, label, scheme ? *scheme : noScheme, value,
                        linkValue);
}

bool appendKindGroup(DataKind kind, QString &card, const QString &uniqueId,
                     const QStringList &items, bool isFirstDataGroup)
{
    return appendDataGroup(card, dataKindInfo(kind).groupClass.toString(), uniqueId, items,
                           isFirstDataGroup);
}

void logDataGroupFailure(const QString &what, const QString &why)
{
    systemLog(u"%1: %2"_s.arg(what, why));
}
