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

std::optional<QStringList> entryItems(const ABPerson &person, ABProperty property,
                                      EntryLabels &labels, const EntryItemMaker &makeItem)
{
    return entryItems(person.valueForProperty(property), person.uniqueId(), labels, makeItem);
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
    const std::optional<qsizetype> primary
        = entries.indexForIdentifier(entries.primaryIdentifier());
    QStringList items;
    for (qsizetype i = 0; i < entries.count(); ++i) {
        const EntryItem item
            = makeItem(entries.valueAtIndex(i), labels.shown(entries.labelAtIndex(i)));
        if (!item) {
            logDataGroupFailure(owner, u"entry %1: %2"_s.arg(i).arg(item.error()));
            return std::nullopt;
        }
        if (!item->has_value())
            continue;
        if (primary == i)
            items.prepend(**item);
        else
            items.append(**item);
    }
    return items;
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
    return makeDataItem(dataKindInfo(kind).itemClass.toString(), label,
                        settings.scheme(kind).value_or(QString()), value, linkValue);
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
