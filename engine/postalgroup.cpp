// SPDX-License-Identifier: GPL-3.0-or-later
// The postal writer: each address laid out as its country writes addresses.
#include "engine/datagroups.h"

#include "addressbook/abperson.h"
#include "addressbook/contactstore.h"
#include "engine/datagroupframe.h"
#include "settings/datakind.h"
#include "util/stringadditions.h"

using namespace Qt::StringLiterals;
namespace strings = QEV_NSStringAdditionsSubset;

namespace {

// The address in lines, without line breaks at its ends or direction marks, and with a
// comma between city and state where the layout writes them side by side.
QString addressText(const ABAddressFields &address, const ContactStore &addressBook)
{
    const QString city = address[1].toString();
    const QString state = address[2].toString();
    QString text = strings::trimFromBoth(addressBook.formattedAddress(address), {u"\n"_s, u"\r"_s});
    text.remove(u'\u200E').remove(u'\u200F');
    if (!city.isEmpty() && !state.isEmpty())
        text.replace(city + u' ' + state, city + u", "_s + state);
    return text;
}

} // namespace

bool addPostals(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
                const CardContext &context)
{
    DataGroupInCard group(card, dataKindInfo(DataKind::Postal).groupClass, person.uniqueId(),
                          isFirstDataGroup);
    group.writeAddresses(person, context.labels,
                         [&](QString &out, const ABAddressFields &address, const QString &label) {
                             const QString text = addressText(address, context.addressBook);
                             if (!text.isEmpty())
                                 appendKindItem(out, DataKind::Postal, context.settings, label,
                                                text, strings::addPercentEscapes(text));
                         });
    return group.close();
}
