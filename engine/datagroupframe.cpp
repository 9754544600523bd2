// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/datagroupframe.h"

#include "addressbook/abperson.h"
#include "engine/entrylabels.h"
#include "engine/htmltext.h"
#include "settings/datakind.h"
#include "settings/exportsettings.h"
#include "util/systemlog.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Writes the items of a list's entries into the card, primary entry first, until one cannot
// be read; then takes them all out again.
class EntryItems
{
public:
    EntryItems(DataGroupInCard &group, std::optional<qsizetype> primary)
        : m_group(group)
        , m_start(group.card().size())
        , m_primary(primary)
    {}

    // write(card) writes one entry's item, or nothing, or fails.
    template<typename Write>
    void add(Write &&write)
    {
        if (m_failure)
            return;
        const qsizetype before = m_group.card().size();
        if (const Expected<void> written = write(m_group.card()); !written)
            m_failure = u"entry %1: %2"_s.arg(m_index).arg(written.error());
        else if (m_primary == m_index)
            moveToStart(before);
        ++m_index;
    }

    // False, after logging, when an entry could not be read.
    bool finish(const QString &owner)
    {
        if (!m_failure)
            return true;
        m_group.card().truncate(m_start);
        logDataGroupFailure(owner, *m_failure);
        return false;
    }

private:
    void moveToStart(qsizetype from)
    {
        QString &card = m_group.card();
        std::rotate(card.begin() + m_start, card.begin() + from, card.end());
    }

    DataGroupInCard &m_group;
    qsizetype m_start;
    std::optional<qsizetype> m_primary;
    qsizetype m_index = 0;
    std::optional<QString> m_failure;
};

} // namespace

DataGroupInCard::DataGroupInCard(QString &card, QStringView groupClass, const QString &uniqueId,
                                 bool isFirstDataGroup)
    : m_card(card)
    , m_start(card.size())
    , m_isFirstDataGroup(isFirstDataGroup)
{
    const QStringView divClass = isFirstDataGroup ? u"datagroup_first" : u"datagroup";
    m_card += u"\t\t\t<div class=\"" + divClass + u"\" id=\"" + groupClass + u'-' + uniqueId
        + u"\">\n";
    m_itemsStart = m_card.size();
}

bool DataGroupInCard::writeEntries(const ABPerson &person, ABProperty property, EntryLabels &labels,
                                   const EntryItemWriter &writeItem)
{
    EntryItems items(*this, person.primaryEntryIndex(property));
    person.forEachEntry(property, [&](const QString &label, const QVariant &value) {
        items.add([&](QString &card) { return writeItem(card, value, labels.shown(label)); });
    });
    return items.finish(person.uniqueId());
}

void DataGroupInCard::writeAddresses(const ABPerson &person, EntryLabels &labels,
                                     const AddressItemWriter &writeItem)
{
    EntryItems items(*this, person.primaryEntryIndex(kABAddressProperty));
    person.forEachAddress([&](const QString &label, const ABAddressFields &address) {
        items.add([&](QString &card) {
            writeItem(card, address, labels.shown(label));
            return Expected<void>();
        });
    });
    (void)items.finish(person.uniqueId()); // an address is always read
}

void DataGroupInCard::moveToFront(qsizetype from)
{
    std::rotate(m_card.begin() + m_itemsStart, m_card.begin() + from, m_card.end());
}

void DataGroupInCard::abandon()
{
    m_card.truncate(m_start);
    m_abandoned = true;
}

bool DataGroupInCard::close()
{
    if (m_abandoned)
        return m_isFirstDataGroup;
    if (m_card.size() == m_itemsStart) {
        m_card.truncate(m_start);
        return m_isFirstDataGroup;
    }
    m_card += u"\t\t\t</div>\n";
    return false;
}

Expected<QString> textValue(const QVariant &value)
{
    if (value.typeId() != QMetaType::QString)
        return Unexpected(u"a %1 where text belongs"_s.arg(QString::fromLatin1(value.typeName())));
    return value.toString();
}

void appendKindItem(QString &card, DataKind kind, const ExportSettings &settings,
                    const QString &label, const QString &value, const QString &linkValue)
{
    // The scheme is read in place: the settings are shared by the threads writing cards.
    static const QString kNoScheme;
    const std::optional<QString> &scheme = settings.scheme(kind);
    appendDataItem(card, dataKindInfo(kind).itemClass, label, scheme ? *scheme : kNoScheme, value,
                   linkValue);
}

void logDataGroupFailure(const QString &what, const QString &why)
{
    systemLog(u"%1: %2"_s.arg(what, why));
}
