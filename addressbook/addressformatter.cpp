// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/addressformatter.h"
#include "addressbook/abproperties.h"
#include "addressbook/addresslayouts.h"

#include <QLocale>
#include <QStringList>
#include <QStringTokenizer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString nameKey(QStringView name)
{
    QString key = name.toString().toLower();
    key.remove(u'.');
    return key.simplified();
}

enum FieldIndex : std::uint8_t { Street, City, State, ZIP, Country, CountryCode };

QStringView field(const ABAddressFields &address, QChar code)
{
    switch (code.unicode()) {
    case u'A':
        return address[Street].trimmed();
    case u'C':
        return address[City].trimmed();
    case u'S':
        return address[State].trimmed();
    case u'Z':
        return address[ZIP].trimmed();
    default:
        return {}; // name, organization, district, sorting code: not in a record
    }
}

// Chinese and Japanese write the parts of an address one after another without a blank;
// in any other script, and in Latin letters, two parts need one.
bool writtenWithoutBlanks(QChar c)
{
    const QChar::Script script = c.script();
    return script == QChar::Script_Han || script == QChar::Script_Hiragana
        || script == QChar::Script_Katakana;
}

void appendJoined(QString &before, QStringView after)
{
    if (!(writtenWithoutBlanks(before.back()) && writtenWithoutBlanks(after.front())))
        before += u' ';
    before += after;
}

// One line of a layout. Text between fields is kept only between two fields that both have
// a value, so an empty field takes its separator with it; text before the first field
// ("SINGAPORE ", the postal mark) goes with that field. Fields with nothing between them
// are joined as their script writes them.
QString renderLine(QStringView line, const ABAddressFields &address)
{
    QString rendered;
    QStringView pending;
    bool wroteField = false;
    bool dropNextText = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != u'%' || i + 1 == line.size()) {
            // Text between fields is one run of the layout, so it is kept as a view into it.
            if (!dropNextText)
                pending = pending.isEmpty() ? line.sliced(i, 1)
                                            : QStringView(pending.begin(), pending.size() + 1);
            continue;
        }
        const QStringView value = field(address, line[++i]);
        if (value.isEmpty()) {
            if (!wroteField)
                pending = {};
            dropNextText = wroteField;
            continue;
        }
        if (wroteField && pending.isEmpty())
            appendJoined(rendered, value);
        else
            rendered.append(pending).append(value);
        pending = {};
        wroteField = true;
        dropNextText = false;
    }
    return rendered.trimmed();
}

} // namespace

const AddressFormatter &AddressFormatter::shared()
{
    static const AddressFormatter kFormatter;
    return kFormatter;
}

AddressFormatter::AddressFormatter()
{
    for (int t = QLocale::AnyTerritory + 1; t <= QLocale::LastTerritory; ++t) {
        const auto territory = static_cast<QLocale::Territory>(t);
        const QString code = QLocale::territoryToCode(territory);
        if (code.size() == 2)
            m_codeByName.insert(nameKey(QLocale::territoryToString(territory)), code);
    }
    const QList<QLocale> locales
        = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale &locale : locales) {
        const QString code = QLocale::territoryToCode(locale.territory());
        if (code.size() == 2)
            m_codeByName.insert(nameKey(locale.nativeTerritoryName()), code);
    }
    // Short and older names people write in address books.
    const std::pair<const char16_t *, const char16_t *> aliases[] = {
        {u"usa", u"US"},
        {u"united states of america", u"US"},
        {u"america", u"US"},
        {u"uk", u"GB"},
        {u"great britain", u"GB"},
        {u"england", u"GB"},
        {u"scotland", u"GB"},
        {u"wales", u"GB"},
        {u"holland", u"NL"},
        {u"the netherlands", u"NL"},
        {u"czech republic", u"CZ"},
        {u"korea", u"KR"},
        {u"republic of korea", u"KR"},
        {u"russia", u"RU"},
        {u"uae", u"AE"},
    };
    for (const auto &[name, code] : aliases)
        m_codeByName.insert(QString::fromUtf16(name), QString::fromUtf16(code));
}

QString AddressFormatter::countryCode(const QString &nameOrCode) const
{
    const QString trimmed = nameOrCode.trimmed();
    if (trimmed.isEmpty())
        return {};
    if (trimmed.size() == 2 && trimmed.at(0).isLetter() && trimmed.at(1).isLetter()
        && trimmed.at(0).unicode() < 128 && trimmed.at(1).unicode() < 128
        && QLocale::codeToTerritory(trimmed.toUpper()) != QLocale::AnyTerritory)
        return trimmed.toUpper();
    return m_codeByName.value(nameKey(trimmed));
}

QStringView AddressFormatter::layout(const QString &countryCode) const
{
    const std::span<const AddressLayout> all = addressLayouts();
    const auto byCode = [](const AddressLayout &entry, QStringView code) {
        return entry.countryCode < code;
    };
    const QString code = countryCode.toUpper();
    const auto it = std::lower_bound(all.begin(), all.end(), QStringView(code), byCode);
    if (it != all.end() && it->countryCode == code)
        return it->layout;
    return layout(u"US"_s);
}

QString AddressFormatter::localeCountry()
{
    const QString code = QLocale::territoryToCode(QLocale().territory());
    return code.size() == 2 ? code : u"US"_s;
}

QString AddressFormatter::format(const QVariantMap &address) const
{
    return format(address, localeCountry());
}

QString AddressFormatter::format(const QVariantMap &address, const QString &defaultCountry) const
{
    const std::array<QString, kABAddressFieldCount> values{
        address.value(kABAddressStreetKey).toString(),
        address.value(kABAddressCityKey).toString(),
        address.value(kABAddressStateKey).toString(),
        address.value(kABAddressZIPKey).toString(),
        address.value(kABAddressCountryKey).toString(),
        address.value(kABAddressCountryCodeKey).toString()};
    ABAddressFields fields;
    std::ranges::copy(values, fields.begin());
    return format(fields, defaultCountry);
}

QString AddressFormatter::format(const ABAddressFields &address,
                                 const QString &defaultCountry) const
{
    const QStringView country = address[Country].trimmed();
    QString code
        = address[CountryCode].isEmpty() ? QString() : countryCode(address[CountryCode].toString());
    if (code.isEmpty() && !country.isEmpty())
        code = countryCode(country.toString());
    if (code.isEmpty())
        code = defaultCountry;

    const QStringView countryLayout = layout(code);
    QString text;
    const auto addLine = [&text](QStringView line) {
        if (!text.isEmpty())
            text += u'\n';
        text += line;
    };
    for (const QStringView line : qTokenize(countryLayout, u"%n")) {
        const QString rendered = renderLine(line, address);
        if (!rendered.isEmpty())
            addLine(rendered);
    }
    // A part the country does not write is still the user's: it gets a line of its own.
    for (const char16_t part : {u'C', u'S', u'Z'}) {
        const QStringView value = field(address, part);
        const char16_t marker[] = {u'%', part};
        if (!value.isEmpty() && !countryLayout.contains(QStringView(marker, 2)))
            addLine(value);
    }
    if (!country.isEmpty())
        addLine(country);
    return text;
}
