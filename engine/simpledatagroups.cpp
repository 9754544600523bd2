// SPDX-License-Identifier: GPL-3.0-or-later
// The writers of phones, e-mail addresses, web pages, dates, related names and the note.
#include "engine/datagroups.h"

#include "addressbook/abperson.h"
#include "addressbook/contactdate.h"
#include "engine/contactdatetext.h"
#include "engine/datagroupframe.h"
#include "engine/htmltext.h"
#include "engine/phoneformatting.h"
#include "engine/uitext.h"
#include "settings/exportsettings.h"
#include "util/stringadditions.h"

using namespace Qt::StringLiterals;
using namespace QEV_NSStringAdditionsSubset;

namespace {

QString scheme(const std::optional<QString> &setting)
{
    return setting.value_or(QString());
}

// The frame for a list of texts: each non-empty text becomes an item through makeItem.
bool writeTextGroup(
    const ABPerson &person, ABProperty property, const QString &idPrefix, QString &card,
    bool isFirstDataGroup,
    const std::function<QString(const QString &text, const QString &label)> &makeItem)
{
    const std::optional<QStringList> items = entryItems(
        person, property,
        [&](const QVariant &value, const QString &label, QString &error) -> std::optional<QString> {
            const std::optional<QString> text = textValue(value, error);
            if (!text || text->isEmpty())
                return std::nullopt;
            return makeItem(*text, label);
        });
    if (!items)
        return isFirstDataGroup;
    return appendDataGroup(card, idPrefix, person.uniqueId(), *items, isFirstDataGroup);
}

// The recipient's name and the address, as a mail client reads them from the link.
QString emailLinkValue(const QString &address, const QString &cleanedName)
{
    if (address.contains(u'<'))
        return snr(cleanValue(address), u" "_s, u"%20"_s);
    return addPercentEscapes(cleanedName) + u"%20%3C"_s + address + u"%3E"_s;
}

std::optional<QString> dateItem(const QVariant &value, const QString &label,
                                const CardContext &context, QString &error)
{
    if (value.metaType() != QMetaType::fromType<ContactDate>()) {
        error = u"a %1 where a date belongs"_s.arg(QString::fromLatin1(value.typeName()));
        return std::nullopt;
    }
    const QString text
        = longDateString(value.value<ContactDate>(), context.dateFormats, context.timeZone);
    if (text.isEmpty())
        return std::nullopt;
    return makeDataItem(u"date"_s, label, scheme(context.settings.dateURIScheme), text,
                        addPercentEscapes(text));
}

} // namespace

bool addPhones(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
               const CardContext &context)
{
    const ExportSettings &settings = context.settings;
    return writeTextGroup(
        person, kABPhoneProperty, u"phone"_s, card, isFirstDataGroup,
        [&](const QString &number, const QString &label) {
            const QString formatted = formatPhoneNumber(number, settings.gPhoneNumberFormats);
            return makeDataItem(u"phone"_s, label, scheme(settings.phoneURIScheme), formatted,
                                addPercentEscapes(formatted));
        });
}

bool addEmail(const ABPerson &person, const QString &cleanedName, QString &card,
              bool isFirstDataGroup, const CardContext &context)
{
    return writeTextGroup(person, kABEmailProperty, u"email"_s, card, isFirstDataGroup,
                          [&](const QString &address, const QString &label) {
                              return makeDataItem(u"email"_s, label,
                                                  scheme(context.settings.emailURIScheme), address,
                                                  emailLinkValue(address, cleanedName));
                          });
}

bool addWeb(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
            const CardContext &context)
{
    return writeTextGroup(person, kABURLsProperty, u"web"_s, card, isFirstDataGroup,
                          [&](const QString &page, const QString &label) {
                              return makeDataItem(u"webpage"_s, label,
                                                  scheme(context.settings.webURIScheme), page,
                                                  page);
                          });
}

bool addRelatedNames(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
                     const CardContext &context)
{
    return writeTextGroup(person, kABRelatedNamesProperty, u"relatedname"_s, card, isFirstDataGroup,
                          [&](const QString &name, const QString &label) {
                              return makeDataItem(u"relatedname"_s, label,
                                                  scheme(context.settings.relatedNameURIScheme),
                                                  name, addPercentEscapes(name));
                          });
}

bool addDates(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
              const CardContext &context)
{
    std::optional<QStringList> items
        = entryItems(person, kABOtherDatesProperty,
                     [&](const QVariant &value, const QString &label, QString &error) {
                         return dateItem(value, label, context, error);
                     });
    if (!items)
        return isFirstDataGroup;
    const QVariant birthday = person.valueForProperty(kABBirthdayProperty);
    if (birthday.isValid()) {
        QString error;
        const std::optional<QString> item = dateItem(birthday, uiText("Birthday"), context, error);
        if (!error.isEmpty()) {
            logDataGroupFailure(person.uniqueId(), u"birthday: %1"_s.arg(error));
            return isFirstDataGroup;
        }
        if (item)
            items->prepend(*item);
    }
    return appendDataGroup(card, u"date"_s, person.uniqueId(), *items, isFirstDataGroup);
}

bool addNote(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
             const CardContext &context)
{
    const QString note = trimFromBoth(person.stringForProperty(kABNoteProperty).value_or(QString()),
                                      {u"\n"_s, u"\r"_s});
    if (note.isEmpty())
        return isFirstDataGroup;
    const QString item
        = makeDataItem(u"note"_s, uiText("Note"), scheme(context.settings.noteURIScheme), note,
                       addPercentEscapes(note));
    return appendDataGroup(card, u"note"_s, person.uniqueId(), {item}, isFirstDataGroup);
}
