// SPDX-License-Identifier: GPL-3.0-or-later
// The postal writer: each address laid out as its country writes addresses.
#include "engine/datagroups.h"

#include "addressbook/abperson.h"
#include "addressbook/contactstore.h"
#include "engine/datagroupframe.h"
#include "engine/htmltext.h"
#include "settings/exportsettings.h"
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
    const QString scheme = context.settings.postalURIScheme.value_or(QString());
    const std::optional<QStringList> items = entryItems(
        person, kABAddressProperty,
        [&](const QVariant &value, const QString &label, QString &error) -> std::optional<QString> {
            if (value.typeId() != QMetaType::QVariantMap) {
                error
                    = u"a %1 where an address belongs"_s.arg(QString::fromLatin1(value.typeName()));
                return std::nullopt;
            }
            const QString text = addressText(value.toMap(), context.addressBook);
            if (text.isEmpty())
                return std::nullopt;
            return makeDataItem(u"postal"_s, label, scheme, text, addPercentEscapes(text));
        });
    if (!items)
        return isFirstDataGroup;
    return appendDataGroup(card, u"postal"_s, person.uniqueId(), *items, isFirstDataGroup);
}
