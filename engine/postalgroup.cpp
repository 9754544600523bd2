// SPDX-License-Identifier: GPL-3.0-or-later
// The postal writer: each address laid out as its country writes addresses.
#include "engine/datagroups.h"

#include "addressbook/abperson.h"
#include "addressbook/contactstore.h"
#include "engine/datagroupframe.h"
#include "settings/datakind.h"
#include "util/stringadditions.h"

using namespace Qt::StringLiterals;
using namespace QEV_NSStringAdditionsSubset;

namespace {

// The address in lines, without line breaks at its ends or direction marks, and with a
// comma between city and state where the layout writes them side by side.
QString addressText(const QVariantMap &address, const ContactStore &addressBook)
{
    const QString city = address.value(kABAddressCityKey).toString();
    const QString state = address.value(kABAddressStateKey).toString();
    QString text
        = trimFromBoth(addressBook.formattedAddressFromDictionary(address), {u"\n"_s, u"\r"_s});
    text = snrBatch(text, {u"\u200E"_s, u"\u200F"_s}, {QString(), QString()});
    if (!city.isEmpty() && !state.isEmpty())
        text = snr(text, city + u' ' + state, city + u", "_s + state);
    return text;
}

} // namespace

bool addPostals(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
                const CardContext &context)
{
    const std::optional<QStringList> items
        = entryItems(person, kABAddressProperty, context.labels,
                     [&](const QVariant &value, const QString &label) -> EntryItem {
                         if (value.typeId() != QMetaType::QVariantMap)
                             return Unexpected(u"a %1 where an address belongs"_s.arg(
                                 QString::fromLatin1(value.typeName())));
                         const QString text = addressText(value.toMap(), context.addressBook);
                         if (text.isEmpty())
                             return std::nullopt;
                         return kindItem(DataKind::Postal, context.settings, label, text,
                                         addPercentEscapes(text));
                     });
    if (!items)
        return isFirstDataGroup;
    return appendKindGroup(DataKind::Postal, card, person.uniqueId(), *items, isFirstDataGroup);
}
