// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardidentifiers.h"

#include "qtprinters.h"
#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct UidRow : NamedRow
{
    QString uid;
    QString key;       // the file-name-safe key
    QString reference; // as MEMBER lines refer to it
};

class UidForms : public testing::TestWithParam<UidRow>
{};

TEST_P(UidForms, dropTheUrnPrefixInAnyCase)
{
    const UidRow &row = GetParam();
    EXPECT_EQ(VCardIdentifiers::keyForUid(row.uid), row.key);
    EXPECT_EQ(VCardIdentifiers::reference(row.uid), row.reference);
}

INSTANTIATE_TEST_SUITE_P(
    VCardIdentifiers, UidForms,
    testing::Values(UidRow{"lowerPrefix", u"urn:uuid:AbC-1"_s, u"AbC-1"_s, u"abc-1"_s},
                    UidRow{"upperPrefix", u"URN:UUID:AbC-1"_s, u"AbC-1"_s, u"abc-1"_s},
                    UidRow{"mixedPrefixBlanks", u" Urn:Uuid:x/y "_s, u"x_y"_s, u"x/y"_s},
                    UidRow{"prefixAlone", u"urn:uuid:"_s, u""_s, u""_s},
                    UidRow{"prefixCutShort", u"urn:uuid"_s, u"urn_uuid"_s, u"urn:uuid"_s},
                    UidRow{"startsWithU", u"Uxn:uuid:1"_s, u"Uxn_uuid_1"_s, u"uxn:uuid:1"_s},
                    UidRow{"leadingDots", u"..a"_s, u"__a"_s, u"..a"_s},
                    UidRow{"nonAscii", u"ÄB"_s, u"_B"_s, u"äb"_s}),
    RowName());

} // namespace
