// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/datagroups.h"

#include "engine/datagroupframe.h"

#include "addressbook/contactdate.h"
#include "addressbook/memorycontactstore.h"
#include "contactbuilder.h"
#include "settings/exportsettings.h"
#include "util/dateformatsource.h"
#include "util/systemlog.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class IsoDates final : public DateFormatSource
{
public:
    std::optional<QString> calendarFormatForKey(const QString &key) const override
    {
        if (key == u"NSDateFormatString"_s)
            return u"%Y-%m-%d"_s;
        return std::nullopt;
    }
};

QString item(const QString &cssClass, const QString &label, const QString &value)
{
    return u"\t\t\t\t<div class=\"%1\"><span class=\"label\">%2</span><span "
           "class=\"value\">%3</span></div>\n"_s.arg(cssClass, label, value);
}

QString group(const QString &idPrefix, const QStringList &items, bool first = true)
{
    return u"\t\t\t<div class=\"%1\" id=\"%2-ann:ABPerson\">\n"_s.arg(
               first ? u"datagroup_first"_s : u"datagroup"_s, idPrefix)
        + items.join(QString()) + u"\t\t\t</div>\n"_s;
}

class Writers : public testing::Test
{
protected:
    bool write(DataGroupWriter writer, const ABPerson &contact, bool first = true,
               const QString &name = u"Ann Lee"_s)
    {
        const CardContext context{settings, dates, addressBook};
        return writer(contact, name, card, first, context);
    }

    ExportSettings settings;
    IsoDates dates;
    MemoryContactStore addressBook;
    QString card;
};

// ---- the common frame ---------------------------------------------------------------

TEST_F(Writers, noDataWritesNothingAndKeepsTheFlag)
{
    EXPECT_TRUE(write(addPhones, person({})));
    EXPECT_FALSE(write(addPhones, person({}), false));
    EXPECT_TRUE(card.isEmpty());
}

TEST_F(Writers, primaryEntryComesFirst)
{
    const ABPerson contact = person(
        {{kABPhoneProperty,
          listValue({{u"1"_s, u"home"_s}, {u"2"_s, u"work"_s}, {u"3"_s, u"mobile"_s}}, 1)}});
    EXPECT_FALSE(write(addPhones, contact));
    EXPECT_EQ(card,
              group(u"phone"_s,
                    {item(u"phone"_s, u"Work"_s, u"2"_s), item(u"phone"_s, u"Home"_s, u"1"_s),
                     item(u"phone"_s, u"Mobile"_s, u"3"_s)}));
}

TEST_F(Writers, emptyPrimaryLeavesStoredOrder)
{
    const ABPerson contact = person(
        {{kABPhoneProperty,
          listValue({{u"1"_s, u"home"_s}, {QString(), u"work"_s}, {u"3"_s, QString()}}, 1)}});
    write(addPhones, contact);
    EXPECT_EQ(card,
              group(u"phone"_s,
                    {item(u"phone"_s, u"Home"_s, u"1"_s), item(u"phone"_s, QString(), u"3"_s)}));
}

TEST_F(Writers, onlyTheFirstGroupWrittenIsFirst)
{
    const ABPerson contact = person({{kABEmailProperty, listValue({{u"a@b"_s, u"work"_s}})},
                                     {kABURLsProperty, listValue({{u"x.org"_s, u"home"_s}})}});
    const bool first = write(addPhones, contact);
    write(addWeb, contact, write(addEmail, contact, first));
    EXPECT_EQ(card,
              group(u"email"_s, {item(u"email"_s, u"Work"_s, u"a@b"_s)})
                  + group(u"web"_s, {item(u"webpage"_s, u"Home"_s, u"x.org"_s)}, false));
}

// The store keeps every value in the type its property holds, so an entry a writer cannot
// write is rare; the frame must then drop the whole list, not half of it, and say why.
TEST(Frame, unwritableEntryDropsTheWholeListAndSaysWhy)
{
    QStringList log;
    const SystemLogCapture capture([&](const QString &line) { log.append(line); });
    const auto failsOnTwo
        = [](QString &card, const QVariant &value, const QString &) -> Expected<void> {
        if (value.toString() == u"2"_s)
            return Unexpected(u"cannot be shown"_s);
        card += value.toString();
        return {};
    };
    const ABPerson contact
        = person({{kABPhoneProperty, listValue({{u"1"_s, u"home"_s}, {u"2"_s, u"work"_s}})}});
    EntryLabels labels(PageLanguage::builtIn());
    QString card = u"before"_s;
    DataGroupInCard group(card, u"phone"_s, contact.uniqueId(), true);
    EXPECT_FALSE(group.writeEntries(contact, kABPhoneProperty, labels, failsOnTwo));
    EXPECT_TRUE(group.writeEntries(contact, kABEmailProperty, labels, failsOnTwo));
    EXPECT_TRUE(group.close());
    EXPECT_EQ(card, u"before"_s);
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log.first(), contact.uniqueId() + u": entry 1: cannot be shown"_s);
}

// ---- links of each kind -------------------------------------------------------------

struct LinkRow : NamedRow
{
    DataGroupWriter writer;
    ABProperty property;
    DataKind kind;
    QString schemeValue;
    QString stored;
    QString cardName;
    QString expectedValuePart;
};

class WriterLinks : public Writers, public testing::WithParamInterface<LinkRow>
{};

TEST_P(WriterLinks, areBuiltAsEachKindWants)
{
    const LinkRow &row = GetParam();
    settings.scheme(row.kind) = row.schemeValue;
    write(row.writer, person({{row.property, listValue({{row.stored, u"work"_s}})}}), true,
          row.cardName);
    EXPECT_TRUE(card.contains(u"<span class=\"value\">"_s + row.expectedValuePart + u"</span>"_s))
        << card.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WriterLinks,
    testing::Values(
        LinkRow{"emailNamesTheRecipient", addEmail, kABEmailProperty, DataKind::Email, u"mailto:"_s,
                u"abc"_s, u"Ann Lee"_s, u"<a href=\"mailto:Ann%20Lee%20%3Cabc%3E\">abc</a>"_s},
        LinkRow{"emailWithoutName", addEmail, kABEmailProperty, DataKind::Email, u"mailto:"_s,
                u"abc"_s, QString(), u"<a href=\"mailto:%20%3Cabc%3E\">abc</a>"_s},
        LinkRow{"emailAlreadyNamed", addEmail, kABEmailProperty, DataKind::Email, u"mailto:"_s,
                u"Ann <abc>"_s, u"Ann Lee"_s,
                u"<a href=\"mailto:Ann%20&#60;abc&#62;\">Ann &#60;abc&#62;</a>"_s},
        LinkRow{"emailWithoutScheme", addEmail, kABEmailProperty, DataKind::Email, QString(),
                u"abc"_s, u"Ann Lee"_s, u"abc"_s},
        LinkRow{"webPageNotEscaped", addWeb, kABURLsProperty, DataKind::Web, u"see:"_s, u"a b"_s,
                QString(), u"<a href=\"see:a b\">a b</a>"_s},
        LinkRow{"webPageAlreadyPrefixed", addWeb, kABURLsProperty, DataKind::Web, u"http://"_s,
                u"http://x.org"_s, QString(), u"<a href=\"http://x.org\">http://x.org</a>"_s},
        LinkRow{"webPageQuoteCannotLeaveTheAttribute", addWeb, kABURLsProperty, DataKind::Web,
                u"http://"_s, u"x\" onclick=\"evil()"_s, QString(),
                u"<a href=\"http://x%22 onclick=%22evil()\">x\" onclick=\"evil()</a>"_s},
        LinkRow{"phoneEscaped", addPhones, kABPhoneProperty, DataKind::Phone, u"tel:"_s,
                u"+1 555"_s, QString(), u"<a href=\"tel:%2B1%20555\">+1 555</a>"_s},
        LinkRow{"relatedNameEscaped", addRelatedNames, kABRelatedNamesProperty,
                DataKind::RelatedNames, u"who:"_s, u"Bo & Co"_s, QString(),
                u"<a href=\"who:Bo%20%26%20Co\">Bo &#38; Co</a>"_s}),
    RowName());

TEST_F(Writers, phonesUseTheAddressBooksFormats)
{
    settings.gPhoneNumberFormats = QStringList{u"(###) ###-####"_s};
    write(addPhones, person({{kABPhoneProperty, listValue({{u"4155551234"_s, u"work"_s}})}}));
    EXPECT_TRUE(card.contains(u">(415) 555-1234<"_s));
}

TEST_F(Writers, hostileLabelsAndValuesStayText)
{
    settings.scheme(DataKind::Web) = u"http://"_s;
    write(addWeb,
          person({{kABURLsProperty,
                   listValue({{u"<script>x()</script>"_s, u"<b onclick=\"y\">"_s}})}}));
    // Inside the quoted href the brackets are text; outside it they are escaped.
    EXPECT_EQ(card,
              group(u"web"_s,
                    {item(u"webpage"_s, u"&#60;b Onclick=\"y\"&#62;"_s,
                          u"<a href=\"http://&#60;script&#62;x()&#60;/script&#62;\">"
                          u"&#60;script&#62;x()&#60;/script&#62;</a>"_s)}));
}

// ---- dates ---------------------------------------------------------------------------

TEST_F(Writers, birthdayFirstThenThePrimaryDate)
{
    const ABPerson contact = person(
        {{kABBirthdayProperty, QVariant::fromValue(ContactDate::withoutYear(12, 7))},
         {kABOtherDatesProperty,
          listValue({{QVariant::fromValue(ContactDate(QDate(2001, 5, 1))), u"anniversary"_s},
                     {QVariant::fromValue(ContactDate(QDate(2010, 6, 2))), u"other"_s}},
                    1)}});
    write(addDates, contact);
    EXPECT_EQ(card,
              group(u"date"_s,
                    {item(u"date"_s, u"Birthday"_s, u"12-07"_s),
                     item(u"date"_s, u"Other"_s, u"2010-06-02"_s),
                     item(u"date"_s, u"Anniversary"_s, u"2001-05-01"_s)}));
}

// ---- the note ------------------------------------------------------------------------

struct NoteRow : NamedRow
{
    QString note;
    std::optional<QString> shown; // none: no group
};

class Note : public Writers, public testing::WithParamInterface<NoteRow>
{};

TEST_P(Note, isTrimmedOfLineBreaksOnly)
{
    const bool flag = write(addNote, person({{kABNoteProperty, GetParam().note}}));
    EXPECT_EQ(flag, !GetParam().shown.has_value());
    if (GetParam().shown) {
        EXPECT_EQ(card, group(u"note"_s, {item(u"note"_s, u"Note"_s, *GetParam().shown)}));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, Note,
                         testing::Values(NoteRow{"linesInside", u"\n\nHello\r\nWorld\n"_s,
                                                 u"Hello<br><br>World"_s},
                                         NoteRow{"onlyLineBreaks", u"\r\n\n"_s, std::nullopt},
                                         NoteRow{"singleBlank", u" "_s, u" "_s},
                                         NoteRow{"empty", QString(), std::nullopt}),
                         RowName());

// ---- instant messaging ---------------------------------------------------------------

class Messaging : public Writers
{
protected:
    void SetUp() override
    {
        settings.scheme(MessagingService::AIM) = u"aim:goim?screenname="_s;
        settings.scheme(MessagingService::Jabber) = u"xmpp:%@?message"_s;
    }
    static QString im(const QString &label, const QString &valuePart, const QString &service)
    {
        return u"\t\t\t\t<div class=\"instantmessage\"><span class=\"label\">%1</span><span "
               "class=\"value\">%2 (%3)</span></div>\n"_s.arg(label, valuePart, service);
    }
};

TEST_F(Messaging, servicesInPageOrderWithSuffixes)
{
    const ABPerson contact = person(
        {{kABYahooInstantProperty, listValue({{u"y"_s, u"home"_s}})},
         {kABMSNInstantProperty, listValue({{u"m1"_s, u"home"_s}, {u"m2"_s, u"work"_s}}, 1)},
         {kABJabberInstantProperty, listValue({{u"j"_s, u"work"_s}})},
         {kABAIMInstantProperty, listValue({{u"abc"_s, u"work"_s}})}});
    write(addInstantMessages, contact);
    EXPECT_EQ(card,
              group(u"instantmessage"_s,
                    {im(u"Work"_s, u"<a href=\"aim:goim?screenname=abc\">abc</a>"_s, u"AIM"_s),
                     im(u"Work"_s, u"<a href=\"xmpp:j?message\">j</a>"_s, u"Jabber"_s),
                     im(u"Work"_s, u"m2"_s, u"MSN"_s), im(u"Home"_s, u"m1"_s, u"MSN"_s),
                     im(u"Home"_s, u"y"_s, u"Yahoo!"_s)}));
}

// Written out here rather than read from the table, so that a service row that takes
// another's switch, scheme or mark shows.
struct ServiceRow : NamedRow
{
    MessagingService service;
    ABProperty property;
    QString mark;
};

class EveryService : public Messaging, public testing::WithParamInterface<ServiceRow>
{};

TEST_P(EveryService, showsOnlyItsOwnEntriesWithItsSchemeAndMark)
{
    const ServiceRow &row = GetParam();
    settings.includeService.fill(false);
    settings.include(row.service) = true;
    for (std::size_t i = 0; i < kMessagingServiceCount; ++i)
        settings.serviceScheme.at(i) = u"s%1:"_s.arg(i);
    const ABPerson contact
        = person({{kABAIMInstantProperty, listValue({{u"aim"_s, u"work"_s}})},
                  {kABICQInstantProperty, listValue({{u"icq"_s, u"work"_s}})},
                  {kABJabberInstantProperty, listValue({{u"jabber"_s, u"work"_s}})},
                  {kABMSNInstantProperty, listValue({{u"msn"_s, u"work"_s}})},
                  {kABYahooInstantProperty, listValue({{u"yahoo"_s, u"work"_s}})}});
    write(addInstantMessages, contact);
    const QString address = row.mark.toLower().remove(u'!');
    const QString scheme = u"s%1:"_s.arg(static_cast<int>(row.service));
    EXPECT_EQ(card,
              group(u"instantmessage"_s,
                    {im(u"Work"_s, u"<a href=\"%1%2\">%2</a>"_s.arg(scheme, address), row.mark)}));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EveryService,
    testing::Values(
        ServiceRow{"aim", MessagingService::AIM, kABAIMInstantProperty, u"AIM"_s},
        ServiceRow{"icq", MessagingService::ICQ, kABICQInstantProperty, u"ICQ"_s},
        ServiceRow{"jabber", MessagingService::Jabber, kABJabberInstantProperty, u"Jabber"_s},
        ServiceRow{"msn", MessagingService::MSN, kABMSNInstantProperty, u"MSN"_s},
        ServiceRow{"yahoo", MessagingService::Yahoo, kABYahooInstantProperty, u"Yahoo!"_s}),
    RowName());

TEST_F(Messaging, switchedOffServiceIsPassedOver)
{
    settings.include(MessagingService::AIM) = false;
    EXPECT_TRUE(write(addInstantMessages,
                      person({{kABAIMInstantProperty, listValue({{u"abc"_s, u"work"_s}})}})));
    EXPECT_TRUE(card.isEmpty());
}

TEST_F(Messaging, serviceWithoutUsableEntriesLeavesTheOthersStanding)
{
    settings.scheme(MessagingService::AIM).reset();
    const ABPerson contact = person({{kABAIMInstantProperty, listValue({{u"a"_s, u"work"_s}})},
                                     {kABICQInstantProperty, listValue({{QString(), u"work"_s}})},
                                     {kABMSNInstantProperty, listValue({{u"m"_s, u"work"_s}})}});
    write(addInstantMessages, contact);
    EXPECT_EQ(card,
              group(u"instantmessage"_s,
                    {im(u"Work"_s, u"a"_s, u"AIM"_s), im(u"Work"_s, u"m"_s, u"MSN"_s)}));
}

// ---- postal addresses ----------------------------------------------------------------

struct PostalRow : NamedRow
{
    QVariantMap address;
    std::optional<QString> shown;
};

class Postal : public Writers, public testing::WithParamInterface<PostalRow>
{};

TEST_P(Postal, laysOutEachAddress)
{
    write(addPostals, person({{kABAddressProperty, listValue({{GetParam().address, u"home"_s}})}}));
    if (GetParam().shown) {
        EXPECT_EQ(card, group(u"postal"_s, {item(u"postal"_s, u"Home"_s, *GetParam().shown)}));
    } else {
        EXPECT_TRUE(card.isEmpty()) << card.toStdString();
    }
}

const QVariantMap kSpringfield{{kABAddressStreetKey, u"1 Main St"_s},
                               {kABAddressCityKey, u"Springfield"_s},
                               {kABAddressStateKey, u"IL"_s},
                               {kABAddressZIPKey, u"62701"_s},
                               {kABAddressCountryCodeKey, u"us"_s}};

QVariantMap with(QVariantMap address, const QString &key, const QVariant &value)
{
    if (value.isValid())
        address.insert(key, value);
    else
        address.remove(key);
    return address;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Postal,
    testing::Values(PostalRow{"commaBetweenCityAndState", kSpringfield,
                              u"1 Main St<br>Springfield, IL 62701"_s},
                    PostalRow{"noStateNoComma", with(kSpringfield, kABAddressStateKey, {}),
                              u"1 Main St<br>Springfield 62701"_s},
                    PostalRow{"directionMarksRemoved",
                              with(kSpringfield, kABAddressStreetKey, u"\u200F1 Main\u200E St"_s),
                              u"1 Main St<br>Springfield, IL 62701"_s},
                    PostalRow{"markBeforeLineBreakKeepsTheBreak",
                              with(kSpringfield, kABAddressStreetKey, u"\u200E\n1 Main St"_s),
                              u"<br>1 Main St<br>Springfield, IL 62701"_s},
                    PostalRow{"nothingToShow", QVariantMap{}, std::nullopt}),
    RowName());

TEST_F(Writers, primaryAddressFirst)
{
    const QVariantMap second = with(kSpringfield, kABAddressStreetKey, u"2 Oak Ave"_s);
    write(addPostals,
          person({{kABAddressProperty,
                   listValue({{kSpringfield, u"home"_s}, {second, u"work"_s}}, 1)}}));
    EXPECT_LT(card.indexOf(u"2 Oak Ave"_s), card.indexOf(u"1 Main St"_s));
}

} // namespace
