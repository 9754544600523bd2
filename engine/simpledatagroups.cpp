// SPDX-License-Identifier: GPL-3.0-or-later
// The writers of phones, e-mail addresses, web pages, dates, related names and the note.
#include "engine/datagroups.h"

#include "addressbook/abperson.h"
#include "addressbook/contactdate.h"
#include "engine/datagroupframe.h"
#include "engine/htmltext.h"
#include "engine/pagelanguage.h"
#include "engine/phoneformatting.h"
#include "settings/datakind.h"
#include "settings/exportsettings.h"
#include "util/stringadditions.h"

using namespace Qt::StringLiterals;
namespace strings = QEV_NSStringAdditionsSubset;

namespace {

// The frame for a list of texts: each non-empty text becomes an item through writeItem.
bool writeTextGroup(
    const ABPerson &person, ABProperty property, DataKind kind, QString &card,
    bool isFirstDataGroup, const CardContext &context,
    const std::function<void(QString &card, const QString &text, const QString &label)> &writeItem)
{
    DataGroupInCard group(card, dataKindInfo(kind).groupClass, person.uniqueId(), isFirstDataGroup);
    group.writeEntries(
        person, property, context.labels,
        [&](QString &out, const QVariant &value, const QString &label) -> Expected<void> {
            const Expected<QString> text = textValue(value);
            if (!text)
                return Unexpected(text.error());
            if (!text->isEmpty())
                writeItem(out, *text, label);
            return {};
        });
    return group.close();
}

// The recipient's name and the address, as a mail client reads them from the link.
QString emailLinkValue(const QString &address, const QString &cleanedName)
{
    if (address.contains(u'<'))
        return strings::snr(address, u" "_s, u"%20"_s);
    return strings::addPercentEscapes(cleanedName) + u"%20%3C"_s + address + u"%3E"_s;
}

Expected<void> writeDateItem(QString &card, const QVariant &value, const QString &label,
                             const CardContext &context)
{
    if (value.metaType() != QMetaType::fromType<ContactDate>())
        return Unexpected(
            u"a %1 where a date belongs"_s.arg(QString::fromLatin1(value.typeName())));
    const QString &text = context.dates.longText(value.value<ContactDate>(), context.dateFormats,
                                                 context.timeZone, context.language.locale());
    if (!text.isEmpty())
        appendKindItem(card, DataKind::Dates, context.settings, label, text,
                       strings::addPercentEscapes(text));
    return {};
}

} // namespace

bool addPhones(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
               const CardContext &context)
{
    const ExportSettings &settings = context.settings;
    return writeTextGroup(person, kABPhoneProperty, DataKind::Phone, card, isFirstDataGroup,
                          context, [&](QString &out, const QString &number, const QString &label) {
                              const QString formatted
                                  = formatPhoneNumber(number, settings.gPhoneNumberFormats);
                              appendKindItem(out, DataKind::Phone, settings, label, formatted,
                                             strings::addPercentEscapes(formatted));
                          });
}

bool addEmail(const ABPerson &person, const QString &cleanedName, QString &card,
              bool isFirstDataGroup, const CardContext &context)
{
    return writeTextGroup(person, kABEmailProperty, DataKind::Email, card, isFirstDataGroup,
                          context, [&](QString &out, const QString &address, const QString &label) {
                              appendKindItem(out, DataKind::Email, context.settings, label, address,
                                             emailLinkValue(address, cleanedName));
                          });
}

bool addWeb(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
            const CardContext &context)
{
    return writeTextGroup(person, kABURLsProperty, DataKind::Web, card, isFirstDataGroup, context,
                          [&](QString &out, const QString &page, const QString &label) {
                              appendKindItem(out, DataKind::Web, context.settings, label, page,
                                             page);
                          });
}

bool addRelatedNames(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
                     const CardContext &context)
{
    return writeTextGroup(person, kABRelatedNamesProperty, DataKind::RelatedNames, card,
                          isFirstDataGroup, context,
                          [&](QString &out, const QString &name, const QString &label) {
                              appendKindItem(out, DataKind::RelatedNames, context.settings, label,
                                             name, strings::addPercentEscapes(name));
                          });
}

// The birthday comes first, before the primary date; when either cannot be read the group
// is left out.
bool addDates(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
              const CardContext &context)
{
    DataGroupInCard group(card, dataKindInfo(DataKind::Dates).groupClass, person.uniqueId(),
                          isFirstDataGroup);
    const bool read
        = group.writeEntries(person, kABOtherDatesProperty, context.labels,
                             [&](QString &out, const QVariant &value, const QString &label) {
                                 return writeDateItem(out, value, label, context);
                             });
    if (!read) {
        group.abandon();
        return group.close();
    }
    const QVariant birthday = person.valueForProperty(kABBirthdayProperty);
    if (birthday.isValid()) {
        const qsizetype birthdayStart = card.size();
        const Expected<void> written = writeDateItem(
            card, birthday, context.language.text(QT_TRANSLATE_NOOP("ui", "Birthday")), context);
        if (!written) {
            logDataGroupFailure(person.uniqueId(), u"birthday: %1"_s.arg(written.error()));
            group.abandon();
            return group.close();
        }
        group.moveToFront(birthdayStart);
    }
    return group.close();
}

bool addNote(const ABPerson &person, const QString &, QString &card, bool isFirstDataGroup,
             const CardContext &context)
{
    const QString note = strings::trimFromBoth(
        person.stringForProperty(kABNoteProperty).value_or(QString()), {u"\n"_s, u"\r"_s});
    if (note.isEmpty())
        return isFirstDataGroup;
    DataGroupInCard group(card, dataKindInfo(DataKind::Note).groupClass, person.uniqueId(),
                          isFirstDataGroup);
    appendKindItem(card, DataKind::Note, context.settings,
                   context.language.text(QT_TRANSLATE_NOOP("ui", "Note")), note,
                   strings::addPercentEscapes(note));
    return group.close();
}
