// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/abperson.h"
#include "addressbook/abproperties.h"
#include "addressbook/addressformatter.h"
#include "addressbook/addresslayouts.h"
#include "addressbook/labeltable.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QVariantMap address(const QString &street, const QString &city, const QString &state,
                    const QString &zip, const QString &country = {}, const QString &code = {})
{
    QVariantMap record;
    const std::pair<QString, QString> fields[]
        = {{kABAddressStreetKey, street},   {kABAddressCityKey, city},
           {kABAddressStateKey, state},     {kABAddressZIPKey, zip},
           {kABAddressCountryKey, country}, {kABAddressCountryCodeKey, code}};
    for (const auto &[key, value] : fields) {
        if (!value.isEmpty())
            record.insert(key, value);
    }
    return record;
}

// Whatever a country's layout, every part of the record is shown, and none glued to another.
TEST(AddressFormatter, losesAndGluesNoPartInAnyCountry)
{
    const QStringList parts{u"Street 1"_s, u"Town"_s, u"Region"_s, u"12345"_s};
    for (const AddressLayout &entry : addressLayouts()) {
        const QString code = entry.countryCode.toString();
        const QString text = AddressFormatter::shared().format(
            address(parts[0], parts[1], parts[2], parts[3], QString(), code), u"US"_s);
        const QStringList words = text.split(QRegularExpression(u"[\\s,/\\-〒]+"_s));
        for (const QString &part : parts) {
            for (const QString &word : part.split(u' '))
                EXPECT_TRUE(words.contains(word))
                    << code.toStdString() << ": " << text.toStdString();
        }
    }
}

struct LayoutRow : NamedRow
{
    QVariantMap address;
    QString expected;
};

class AddressLayoutOf : public testing::TestWithParam<LayoutRow>
{};

TEST_P(AddressLayoutOf, followsTheCountry)
{
    EXPECT_EQ(AddressFormatter::shared().format(GetParam().address, u"US"_s), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    AddressFormatter, AddressLayoutOf,
    testing::Values(
        LayoutRow{"unitedStates", address(u"1 Main St"_s, u"Springfield"_s, u"IL"_s, u"62701"_s),
                  u"1 Main St\nSpringfield IL 62701"_s},
        LayoutRow{"emptyFieldTakesItsSeparator",
                  address(u"1 Main St"_s, u"Springfield"_s, QString(), u"62701"_s),
                  u"1 Main St\nSpringfield 62701"_s},
        LayoutRow{"germanyByCode",
                  address(u"Marienplatz 1"_s, u"München"_s, QString(), u"80331"_s, u"Deutschland"_s,
                          u"de"_s),
                  u"Marienplatz 1\n80331 München\nDeutschland"_s},
        LayoutRow{
            "germanyByNativeName",
            address(u"Marienplatz 1"_s, u"München"_s, QString(), u"80331"_s, u"Deutschland"_s),
            u"Marienplatz 1\n80331 München\nDeutschland"_s},
        LayoutRow{"unitedKingdom",
                  address(u"10 Downing Street"_s, u"London"_s, QString(), u"SW1A 2AA"_s,
                          u"United Kingdom"_s),
                  u"10 Downing Street\nLondon\nSW1A 2AA\nUnited Kingdom"_s},
        LayoutRow{"japanFromLargestToSmallest",
                  address(u"丸の内1-1"_s, u"千代田区"_s, u"東京都"_s, u"100-0005"_s, u"日本"_s),
                  u"〒100-0005\n東京都千代田区\n丸の内1-1\n日本"_s},
        LayoutRow{
            "postalMarkGoesWithTheCode",
            address(u"丸の内1-1"_s, u"千代田区"_s, u"東京都"_s, QString(), QString(), u"jp"_s),
            u"東京都千代田区\n丸の内1-1"_s},
        LayoutRow{"japanInLatinLetters",
                  address(u"1-2-3 Chiyoda"_s, u"Tokyo"_s, u"Kanto"_s, u"100-0001"_s, u"Japan"_s),
                  u"〒100-0001\nKanto Tokyo\n1-2-3 Chiyoda\nJapan"_s},
        LayoutRow{"regionTheLayoutHasNoPlaceFor",
                  address(u"Hauptstr. 1"_s, u"Berlin"_s, u"Berlin"_s, u"10115"_s, u"Germany"_s),
                  u"Hauptstr. 1\n10115 Berlin\nBerlin\nGermany"_s},
        LayoutRow{"cityAndCodeTheLayoutHasNoPlaceFor",
                  address(u"Street 5"_s, u"Dubai"_s, u"Dubai"_s, u"12345"_s, QString(), u"ae"_s),
                  u"Street 5\nDubai\nDubai\n12345"_s},
        LayoutRow{"spainWithProvince",
                  address(u"Calle Real 5"_s, u"A Coruña"_s, u"Galicia"_s, u"15001"_s, u"España"_s),
                  u"Calle Real 5\n15001 A Coruña Galicia\nEspaña"_s},
        LayoutRow{"unknownCountryAsUnitedStates",
                  address(u"1 Road"_s, u"Town"_s, u"ST"_s, u"123"_s, u"Atlantis"_s),
                  u"1 Road\nTown ST 123\nAtlantis"_s},
        LayoutRow{"streetOfSeveralLines",
                  address(u"c/o Ann\n1 Main St"_s, u"Boston"_s, u"MA"_s, u"02101"_s),
                  u"c/o Ann\n1 Main St\nBoston MA 02101"_s},
        LayoutRow{"onlyACountry", address({}, {}, {}, {}, u"France"_s), u"France"_s},
        LayoutRow{"nothing", QVariantMap(), QString()}),
    RowName());

TEST(AddressFormatter, fallsBackOnTheUsersCountry)
{
    const QVariantMap record = address(u"Hauptstr. 1"_s, u"Wien"_s, QString(), u"1010"_s);
    EXPECT_EQ(AddressFormatter::shared().format(record, u"AT"_s), u"Hauptstr. 1\n1010 Wien"_s);
}

TEST(AddressLayouts, coverTheCommonCountriesWithKnownFields)
{
    const std::span<const AddressLayout> layouts = addressLayouts();
    EXPECT_GE(layouts.size(), 40u);
    const QRegularExpression fields(u"%[^ACSZNODXn]"_s);
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const QString code = layouts[i].countryCode.toString();
        EXPECT_TRUE(i == 0 || layouts[i - 1].countryCode < layouts[i].countryCode)
            << code.toStdString();
        EXPECT_FALSE(layouts[i].layout.toString().contains(fields)) << code.toStdString();
        EXPECT_EQ(AddressFormatter::shared().layout(code), layouts[i].layout);
    }
}

struct LabelRow : NamedRow
{
    QString label;
    QString expected;
};

class LabelText : public testing::TestWithParam<LabelRow>
{};

TEST_P(LabelText, isTheStoredOrStandardLabelInWords)
{
    EXPECT_EQ(ABLocalizedPropertyOrLabel(GetParam().label), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    LabelTable, LabelText,
    testing::Values(LabelRow{"stored", kABPhoneHomeFAXLabel, u"home fax"_s},
                    LabelRow{"exportersStandard", u"_$!<HomePage>!$_"_s, u"home page"_s},
                    LabelRow{"exportersFax", u"_$!<WorkFAX>!$_"_s, u"work fax"_s},
                    LabelRow{"exportersPhone", u"_$!<iPhone>!$_"_s, u"iPhone"_s},
                    LabelRow{"exportersPhoneInCapitals", u"_$!<IPHONE>!$_"_s, u"iPhone"_s},
                    LabelRow{"exportersRelation", u"_$!<Sister>!$_"_s, u"sister"_s},
                    LabelRow{"exportersFormInAnyCase", u"_$!<HOMEFAX>!$_"_s, u"home fax"_s},
                    LabelRow{"exportersFormUnknown", u"_$!<SchoolFriend>!$_"_s, u"school friend"_s},
                    LabelRow{"custom", u"Ferienhaus"_s, u"Ferienhaus"_s},
                    LabelRow{"empty", QString(), QString()}),
    RowName());

TEST(LabelTable, namesProperties)
{
    EXPECT_EQ(ABLocalizedPropertyOrLabel(kABEmailProperty), u"e-mail"_s);
    EXPECT_EQ(ABLocalizedPropertyOrLabel(kABYahooInstantProperty), u"Yahoo!"_s);
}

// A person keeps an address as its values, not as a map; laid out from them, it must read
// exactly as the same record laid out from its map, whatever is missing or untrimmed.
TEST(AddressFormatter, laysOutAPersonsValuesAsTheirMap)
{
    const std::array<QByteArray, kABAddressFieldCount> rows[] = {
        {"1 Main St", "Springfield", "IL", "62701", "", "us"},
        {"Hauptstr. 5", "Berlin", "", "10115", "Deutschland", ""},
        {"", "", "", "", "Japan", ""},
        {"1-1 Chiyoda", "\xe5\x8d\x83\xe4\xbb\xa3\xe7\x94\xb0", "\xe6\x9d\xb1\xe4\xba\xac",
         "100-0001", "", "JP"},
        {" 10 Downing St ", " London ", "", " SW1A 2AA ", " UK ", ""},
        {"Line 1\nLine 2", "", "Ontario", "", "", "ca"},
        {"", "", "", "", "", ""},
        {"Rue 1", "Paris", "", "75001", "Atlantis", ""},
    };
    for (const auto &row : rows) {
        ABPerson person(u"p:ABPerson"_s);
        std::array<QByteArrayView, kABAddressFieldCount> fields;
        std::ranges::copy(row, fields.begin());
        person.addAddressUtf8(kABHomeLabel, fields);
        const QVariantMap map
            = person.multiValueForProperty(kABAddressProperty)->valueAtIndex(0).toMap();
        int visits = 0;
        person.forEachAddress([&](const QString &label, const ABAddressFields &address) {
            ++visits;
            EXPECT_EQ(label, kABHomeLabel);
            EXPECT_EQ(AddressFormatter::shared().format(address, u"FR"_s),
                      AddressFormatter::shared().format(map, u"FR"_s))
                << row[0].toStdString() << " / " << row[4].toStdString();
        });
        EXPECT_EQ(visits, 1);
    }
}

} // namespace
