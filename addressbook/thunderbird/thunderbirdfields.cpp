// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/thunderbird/thunderbirdfields.h"

#include "addressbook/vcard/vcarddialect.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct TextField
{
    QByteArrayView name;
    ABProperty property = kABFirstNameProperty;
};

const std::array kNameParts{
    TextField{"FirstName", kABFirstNameProperty},        TextField{"LastName", kABLastNameProperty},
    TextField{"AdditionalNames", kABMiddleNameProperty}, TextField{"NamePrefix", kABTitleProperty},
    TextField{"NameSuffix", kABSuffixProperty},
};

const std::array kOtherTexts{
    TextField{"Company", kABOrganizationProperty},
    TextField{"Department", kABDepartmentProperty},
    TextField{"JobTitle", kABJobTitleProperty},
    TextField{"Notes", kABNoteProperty},
};

struct EntryField
{
    QByteArrayView name;
    ABProperty property = kABFirstNameProperty;
    const QString *label = nullptr;
    bool isHandle = false;
};

// In the order Thunderbird's conversion writes them, which is the order of the entries.
const std::array kEntries{
    EntryField{"PrimaryEmail", kABEmailProperty, &kABOtherLabel},
    EntryField{"SecondEmail", kABEmailProperty, &kABOtherLabel},
    EntryField{"HomePhone", kABPhoneProperty, &kABHomeLabel},
    EntryField{"WorkPhone", kABPhoneProperty, &kABWorkLabel},
    EntryField{"FaxNumber", kABPhoneProperty, &kABPhoneOtherFAXLabel},
    EntryField{"PagerNumber", kABPhoneProperty, &kABPhonePagerLabel},
    EntryField{"CellularNumber", kABPhoneProperty, &kABPhoneMobileLabel},
    EntryField{"WebPage1", kABURLsProperty, &kABWorkLabel},
    EntryField{"WebPage2", kABURLsProperty, &kABHomeLabel},
    EntryField{"_AimScreenName", kABAIMInstantProperty, &kABOtherLabel, true},
    EntryField{"_ICQ", kABICQInstantProperty, &kABOtherLabel, true},
    EntryField{"_JabberId", kABJabberInstantProperty, &kABOtherLabel, true},
    EntryField{"_GoogleTalk", kABJabberInstantProperty, &kABOtherLabel, true},
    EntryField{"_MSN", kABMSNInstantProperty, &kABOtherLabel, true},
    EntryField{"_Yahoo", kABYahooInstantProperty, &kABOtherLabel, true},
};

struct AddressField
{
    QByteArrayView prefix;
    const QString *label = nullptr;
};

const std::array kAddresses{AddressField{"Home", &kABHomeLabel},
                            AddressField{"Work", &kABWorkLabel}};

class FieldReader final
{
public:
    FieldReader(const ThunderbirdCard &card, VCardDiagnostics &diagnostics)
        : m_card(card)
        , m_diagnostics(diagnostics)
    {}

    ABPerson read();

private:
    [[nodiscard]] QByteArrayView value(QByteArrayView name) const
    {
        return m_card.value(name).value_or(QByteArrayView());
    }
    [[nodiscard]] QByteArrayView value(QByteArrayView prefix, QByteArrayView field) const
    {
        const QByteArray name = prefix.toByteArray() + field;
        return value(name);
    }
    void readTexts(std::span<const TextField> fields);
    void readDisplayName();
    void readEntries();
    void readAddress(const AddressField &address);
    std::optional<ContactDate> readDate(QByteArrayView prefix, const QString &what);

    const ThunderbirdCard &m_card;
    VCardDiagnostics &m_diagnostics;
    ABPerson m_person{QString()};
};

ABPerson FieldReader::read()
{
    readTexts(kNameParts);
    readTexts(kOtherTexts);
    readDisplayName();
    readEntries();
    for (const AddressField &address : kAddresses)
        readAddress(address);
    if (const std::optional<ContactDate> birthday = readDate("Birth", u"birthday"_s))
        m_person.setValue(QVariant::fromValue(*birthday), kABBirthdayProperty);
    if (const std::optional<ContactDate> anniversary = readDate("Anniversary", u"anniversary"_s))
        m_person.addDateEntry(kABAnniversaryLabel, *anniversary);
    return std::move(m_person);
}

void FieldReader::readTexts(std::span<const TextField> fields)
{
    for (const TextField &field : fields) {
        if (const QByteArrayView text = value(field.name); !text.isEmpty())
            m_person.setTextUtf8(field.property, text);
    }
}

// As the vCard store reads a formatted name beside an empty structured one.
void FieldReader::readDisplayName()
{
    const QByteArrayView name = value("DisplayName");
    const bool named = std::ranges::any_of(
        kNameParts, [this](const TextField &part) { return !value(part.name).isEmpty(); });
    if (!name.isEmpty() && !named && name != value("Company"))
        m_person.setTextUtf8(kABFirstNameProperty, name);
}

// A screen name given twice (one service under two field names) is kept once, as the vCard
// store keeps a handle written twice.
void FieldReader::readEntries()
{
    std::vector<std::pair<ABProperty, QString>> handles;
    for (const EntryField &field : kEntries) {
        const QByteArrayView text = value(field.name);
        if (text.isEmpty())
            continue;
        if (field.isHandle) {
            std::pair handle(field.property, QString::fromUtf8(text).toCaseFolded());
            if (std::ranges::find(handles, handle) != handles.end())
                continue;
            handles.push_back(std::move(handle));
        }
        m_person.addTextEntryUtf8(field.property, *field.label, text);
    }
    if (!value("PrimaryEmail").isEmpty())
        m_person.setPrimary(kABEmailProperty, 0);
}

void FieldReader::readAddress(const AddressField &address)
{
    QByteArray street;
    for (const QByteArrayView line : {"POBox", "Address2", "Address"}) {
        if (const QByteArrayView text = value(address.prefix, line); !text.isEmpty())
            street += (street.isEmpty() ? "" : "\n") + text.toByteArray();
    }
    const std::array<QByteArrayView, kABAddressFieldCount> fields{street,
                                                                  value(address.prefix, "City"),
                                                                  value(address.prefix, "State"),
                                                                  value(address.prefix, "ZipCode"),
                                                                  value(address.prefix, "Country"),
                                                                  {}};
    if (std::ranges::any_of(fields, [](QByteArrayView field) { return !field.isEmpty(); }))
        m_person.addAddressUtf8(*address.label, fields);
}

// Written as Thunderbird's conversion writes the date, and read by the vCard store's rules.
std::optional<ContactDate> FieldReader::readDate(QByteArrayView prefix, const QString &what)
{
    const QByteArrayView year = value(prefix, "Year").trimmed();
    const QByteArrayView month = value(prefix, "Month").trimmed();
    const QByteArrayView day = value(prefix, "Day").trimmed();
    if (year.isEmpty() && month.isEmpty() && day.isEmpty())
        return std::nullopt;
    const QByteArray text = (year.isEmpty() ? QByteArray("-") : year.toByteArray()) + '-'
        + month.toByteArray() + '-' + day.toByteArray();
    std::optional<ContactDate> date = VCardDialect::parseDate(text, std::nullopt);
    if (!date)
        m_diagnostics.report(
            u"%1 \"%2\" is not a date; left out"_s.arg(what, QString::fromUtf8(text).left(40)));
    return date;
}

} // namespace

ABPerson personFromFields(const ThunderbirdCard &card, VCardDiagnostics &diagnostics)
{
    return FieldReader(card, diagnostics).read();
}
