// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's address book hands each contact over as a text of its own, and the eds store
// reads them all at once with readShortVCardSources: side by side, in pieces, yet with what
// readVCardSources gives one text after another (identifiers, groups across texts, each
// text's character set and messages).
#include "addressbook/group.h"
#include "addressbook/vcard/vcardstore.h"
#include "describe.h"
#include "support/rowname.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray card(const QByteArray &lines)
{
    QByteArray text = "BEGIN:VCARD\nVERSION:3.0\n" + lines + "\nEND:VCARD";
    return text.replace("\n", "\r\n");
}

QByteArray utf16(const QByteArray &utf8)
{
    QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    return encoder.encode(QString::fromUtf8(utf8));
}

// Everything a read gives, as lines.
QStringList everything(const ContactStoreRead &read)
{
    QStringList lines;
    for (const ABPerson *person : read.store->people()) {
        lines.append(person->uniqueId());
        for (int i = 0; i < kABPropertyCount; ++i) {
            const QVariant value = person->valueForProperty(static_cast<ABProperty>(i));
            if (value.isValid())
                lines.append(u"  %1 = %2"_s.arg(i).arg(describe(value)));
        }
    }
    for (const Group *group : read.store->groups()) {
        lines.append(group->uniqueId() + u' ' + group->name().value_or(u"-"_s));
        for (const ABPerson *member : group->members())
            lines.append(u"  member "_s + member->uniqueId());
        for (const Group *subgroup : group->subgroups())
            lines.append(u"  subgroup "_s + subgroup->uniqueId());
    }
    lines.append(u"%1 problems, %2 texts unread"_s.arg(read.problemCount).arg(read.unreadFiles));
    return lines + read.diagnostics;
}

// More texts than one piece of the pool's work holds, with UIDs that make one identifier.
QList<VCardSource> manyCards()
{
    QList<VCardSource> sources;
    for (int i = 0; i < 700; ++i) {
        const QByteArray uid = QByteArray::number(i % 300);
        sources.append({card("UID:" + uid + "\nN:P" + QByteArray::number(i) + ";;;;\nBDAY:x"),
                        u"book/"_s + QString::number(i)});
    }
    return sources;
}

struct SourcesRow : NamedRow
{
    QList<VCardSource> sources;
};

class ShortSources : public testing::TestWithParam<SourcesRow>
{};

TEST_P(ShortSources, giveWhatTheTextsGiveOneAfterAnother)
{
    const QStringList expected = everything(readVCardSources(GetParam().sources));
    EXPECT_EQ(everything(readShortVCardSources(GetParam().sources)), expected);
    EXPECT_EQ(everything(readShortVCardSources(GetParam().sources, {1})), expected);
}

INSTANTIATE_TEST_SUITE_P(
    VCardStore, ShortSources,
    testing::Values(SourcesRow{"contactListsAcrossTexts",
                               {{card("UID:ann\nN:Ann;;;;"), u"book/ann"_s},
                                {card("UID:team\nFN:Team\nX-EVOLUTION-LIST:TRUE\n"
                                      "EMAIL;X-EVOLUTION-DEST-CONTACT-UID=ann:ann@example.org\n"
                                      "EMAIL;X-EVOLUTION-DEST-CONTACT-UID=gone:gone@example.org"),
                                 u"book/team"_s},
                                {card("UID:bob\nN:Bob;;;;\nCATEGORIES:Team"), u"book/bob"_s}}},
                    SourcesRow{
                        "severalCardsInOneText",
                        {{card("UID:a\nN:A;;;;") + "\r\n" + card("UID:b\nN:B;;;;"), u"book/ab"_s},
                         {card("UID:a\nN:Again;;;;"), u"book/a"_s}}},
                    SourcesRow{"textsWithoutCards",
                               {{"", u"book/empty"_s},
                                {"no card here", u"book/text"_s},
                                {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), u"book/png"_s},
                                {card("UID:c\nN:C;;;;") + "\r\nafter the card", u"book/stray"_s}}},
                    SourcesRow{"characterSetOfEachText",
                               {{utf16(card("UID:d\nN:Dürer;;;;")), u"book/utf16"_s},
                                {card("UID:e\nN:M\xFCller;;;;"), u"book/latin1"_s},
                                {card("UID:f\nN:Fran\xC3\xA7ois;;;;"), u"book/utf8"_s}}},
                    SourcesRow{"manyTextsInPieces", manyCards()}),
    RowName());

} // namespace
