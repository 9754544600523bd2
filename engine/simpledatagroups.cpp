// SPDX-License-Identifier: GPL-3.0-or-later
// The writers of phones, e-mail addresses, web pages, dates, related names and the note.
#include "engine/datagroups.h"

#include "addressbook/abperson.h"
#include "addressbook/contactdate.h"
#include "engine/datagroupframe.h"
#include "engine/htmltext.h"
#include "engine/phoneformatting.h"
#include "engine/uitext.h"
#include "settings/datakind.h"
#include "settings/exportsettings.h"
#include "util/stringadditions.h"

using namespace Qt::StringLiterals;
using namespace QEV_NSStringAdditionsSubset;

namespace {

// The frame for a list of texts: each non-empty text becomes an item through makeItem.
bool writeTextGroup(
    const ABPerson &person, ABProperty property, DataKind kind, QString &card,
    bool isFirstDataGroup, const CardContext &context,
    const std::function<QString(const QString &text, const QString &label)> &makeItem)
{
    const std::optional<QStringList> items
        = entryItems(person, property, context.labels,
                     [&](const QVariant &value, const QString &label) -> EntryItem {
                         const Expected<QString> text = textValue(value);
                         if (!text)
                             return Unexpected(text.error());
                         if (text->isEmpty())
                             return std::nullopt;
                         return makeItem(*text, label);
                     });
    if (!items)
        return isFirstDataGroup;
    return appendKindGroup(kind, card, person.uniqueId(), *items, isFirstDataGroup);
}

// The recipient's name and the address, as a mail client reads them from the link.
QString emailLinkValue(const QString &address, const QString &cleanedName)
{
    if (address.contains(u'<'))
        return snr(address, u" "_s, u"%20"_s);
    return addPercentEscapes(cleanedName) + u"%20%3C"_s + address + u"%3E"_s;
}

EntryItem dateItem(const QVariant &value, const QString &label, const CardContext &context)
{
    if (value.metaType() != QMetaType::fromType<ContactDate>())
        return Unexpected(
            u"a %1 where a date belongs"_s.arg(QString::fromLatin1(value.typeName())));
    const QString &text
        = context.dates.longText(value.value<ContactDate>(), context.dateFormats, context.timeZone);
    if (text.isEmpty())
        return std::nullopt;
    return kindItem(DataKind::Dates, context.settings, label, text, addPercentEscapes(text));
}

} // namespace

bool addPhones(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
               const CardContext &context)
{
    const ExportSettings &settings = context.settings;
    return writeTextGroup(person, kABPhoneProperty, DataKind::Phone, card, isFirstDataGroup,
                          context, [&](const QString &number, const QString &label) {
                              const QString formatted
                                  = formatPhoneNumber(number, settings.gPhoneNumberFormats);
                              return kindItem(DataKind::Phone, settings, label, formatted,
                                              addPercentEscapes(formatted));
                          });
}

bool addEmail(const ABPerson &person, const QString &cleanedName, QString &card,
              bool isFirstDataGroup, const CardContext &context)
{
    return writeTextGroup(person, kABEmailProperty, DataKind::Email, card, isFirstDataGroup,
                          context, [&](const QString &address, const QString &label) {
                              return kindItem(DataKind::Email, context.settings, label, address,
                                              emailLinkValue(address, cleanedName));
                          });
}

bool addWeb(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
            const CardContext &context)
{
    return writeTextGroup(person, kABURLsProperty, DataKind::Web, card, isFirstDataGroup, context,
                          [&](const QString &page, const QString &label) {
                              return kindItem(DataKind::Web, context.settings, label, page, page);
                          });
}

bool addRelatedNames(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
                     const CardContext &context)
{
    return writeTextGroup(person, kABRelatedNamesProperty, DataKind::RelatedNames, card,
                          isFirstDataGroup, context,
                          [&](const QString &name, const QString &label) {
                              return kindItem(DataKind::RelatedNames, context.settings, label, name,
                                              addPercentEscapes(name));
                          });
}

bool addDates(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
              const CardContext &context)
{
    std::optional<QStringList> items = entryItems(person, kABOtherDatesProperty, context.labels,
                                                  [&](const QVariant &value, const QString &label) {
                                                      return dateItem(value, label, context);
                                                  });
    if (!items)
        return isFirstDataGroup;
    const QVariant birthday = person.valueForProperty(kABBirthdayProperty);
    if (birthday.isValid()) {
        const EntryItem item = dateItem(birthday, uiText("Birthday"), context);
        if (!item) {
            logDataGroupFailure(person.uniqueId(), u"birthday: %1"_s.arg(item.error()));
            return isFirstDataGroup;
        }
        if (item->has_value())
            items->prepend(**item);
    }
    return appendKindGroup(DataKind::Dates, card, person.uniqueId(), *items, isFirstDataGroup);
}

bool addNote(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
             const CardContext &context)
{
    const QString note = trimFromBoth(person.stringForProperty(kABNoteProperty).value_or(QString()),
                                      {u"\n"_s, u"\r"_s});
    if (note.isEmpty())
        return isFirstDataGroup;
    const QString item
        = kindItem(DataKind::Note, context.settings, uiText("Note"), note, addPercentEscapes(note));
    return appendKindGroup(DataKind::Note, card, person.uniqueId(), {item}, isFirstDataGroup);
}
