// SPDX-License-Identifier: GPL-3.0-or-later
// Address books written in a local code page without saying so: the set is recognised, the
// names come out whole, and one message per file says which set was assumed.
#include "addressbook/vcard/vcardstore.h"
#include "addressbook/vcard/vcardvalue.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QRegularExpression>
#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Four contacts of one country, in its own script: the detector needs a few lines of text.
struct Contact
{
    QString family;
    QString given;
    QString street;
    QString city;
    QString note;
};

QString book(const QList<Contact> &contacts)
{
    QString text;
    for (const Contact &c : contacts) {
        text += u"BEGIN:VCARD\r\nVERSION:3.0\r\nN:%1;%2;;;\r\nFN:%2 %1\r\n"_s.arg(c.family, c.given)
            + u"ADR;TYPE=home:;;%1;%2;;;\r\nNOTE:%3\r\nEND:VCARD\r\n"_s.arg(c.street, c.city,
                                                                            c.note);
    }
    return text;
}

QList<Contact> greekContacts()
{
    return {{u"Παπαδόπουλος"_s, u"Γιώργος"_s, u"Οδός Ερμού 25"_s, u"Αθήνα"_s,
             u"τηλεφωνήστε μετά το μεσημέρι"_s},
            {u"Νικολάου"_s, u"Ελένη"_s, u"Λεωφόρος Νίκης 12"_s, u"Θεσσαλονίκη"_s,
             u"γενέθλια τον Οκτώβριο"_s},
            {u"Γεωργίου"_s, u"Δημήτρης"_s, u"Οδός Αγίου Νικολάου 8"_s, u"Πάτρα"_s,
             u"λογιστής, τιμολόγια μέχρι το τέλος του μήνα"_s},
            {u"Οικονόμου"_s, u"Μαρία"_s, u"Πλατεία Ελευθερίας 3"_s, u"Ηράκλειο"_s,
             u"οικογενειακός γιατρός, δέχεται την Τρίτη"_s}};
}

struct LegacyRow : NamedRow
{
    const char *encoding; // what the file is written in
    QList<Contact> contacts;
    QString assumed; // the set the message names
};

class LegacyCharset : public testing::TestWithParam<LegacyRow>
{};

TEST_P(LegacyCharset, isRecognisedAndNamedOnce)
{
    QStringEncoder encoder(GetParam().encoding);
    ASSERT_TRUE(encoder.isValid());
    const QByteArray data = encoder.encode(book(GetParam().contacts));
    ASSERT_FALSE(encoder.hasError());

    const ContactStoreRead read = readVCardData(data, u"old.vcf"_s);
    ASSERT_EQ(read.store->people().size(), GetParam().contacts.size());
    for (qsizetype i = 0; i < read.store->people().size(); ++i) {
        const ABPerson &person = *read.store->people()[i];
        EXPECT_EQ(person.valueForProperty(kABLastNameProperty), GetParam().contacts[i].family);
        EXPECT_EQ(person.valueForProperty(kABNoteProperty), GetParam().contacts[i].note);
    }
    EXPECT_EQ(read.diagnostics,
              QStringList{u"old.vcf: text is not UTF-8 and names no character set; read as %1, "
                          "the set it resembles"_s.arg(GetParam().assumed)});
}

INSTANTIATE_TEST_SUITE_P(
    VCardStore, LegacyCharset,
    testing::Values(
        LegacyRow{"ukrainianInWindows1251",
                  "windows-1251",
                  {{u"Петренко"_s, u"Віталій"_s, u"вулиця Хрещатик, 22"_s, u"Київ"_s,
                    u"подзвонити після обіду"_s},
                   {u"Коваленко"_s, u"Олександра"_s, u"вулиця Шевченка, 5"_s, u"Львів"_s,
                    u"день народження у вересні"_s},
                   {u"Бондаренко"_s, u"Юрій"_s, u"проспект Свободи, 14"_s, u"Одеса"_s,
                    u"замовлення на наступний тиждень"_s},
                   {u"Мельник"_s, u"Ганна"_s, u"вулиця Сумська, 3"_s, u"Харків"_s,
                    u"лікар родини, приймає у вівторок"_s}},
                  u"windows-1251"_s},
        LegacyRow{"russianInKoi8r",
                  "KOI8-R",
                  {{u"Иванов"_s, u"Сергей"_s, u"ул. Ленина, д. 15, кв. 42"_s, u"Москва"_s,
                    u"главный бухгалтер, звонить после обеда"_s},
                   {u"Смирнова"_s, u"Анна"_s, u"Невский проспект, 28"_s, u"Санкт-Петербург"_s,
                    u"по вопросам поставок"_s},
                   {u"Кузнецов"_s, u"Дмитрий"_s, u"ул. Гагарина, 7"_s, u"Казань"_s,
                    u"день рождения в марте"_s},
                   {u"Попова"_s, u"Ольга"_s, u"Красный проспект, 50"_s, u"Новосибирск"_s,
                    u"зубной врач, приём по средам"_s}},
                  u"KOI8-R"_s},
        LegacyRow{"polishInIso88592",
                  "ISO-8859-2",
                  {{u"Kowalski"_s, u"Jan"_s, u"ul. Świętokrzyska 12"_s, u"Warszawa"_s,
                    u"zadzwonić po południu w sprawie dostawy"_s},
                   {u"Wiśniewska"_s, u"Małgorzata"_s, u"ul. Długa 44/50"_s, u"Gdańsk"_s,
                    u"urodziny w październiku"_s},
                   {u"Wójcik"_s, u"Paweł"_s, u"ul. Piotrkowska 104"_s, u"Łódź"_s,
                    u"księgowość, faktury do końca miesiąca"_s},
                   {u"Kamińska"_s, u"Żaneta"_s, u"Rynek Główny 1"_s, u"Kraków"_s,
                    u"lekarz rodzinny, przyjmuje we wtorki"_s}},
                  u"ISO-8859-2"_s},
        LegacyRow{"greekInIso88597", "ISO-8859-7", greekContacts(), u"ISO-8859-7"_s},
        // 表 and ソ end in the byte of a backslash, which must not be read as an escape.
        LegacyRow{
            "japaneseInShiftJis",
            "Shift_JIS",
            {{u"山田"_s, u"太郎"_s, u"表参道3-5-1"_s, u"東京都渋谷区"_s,
              u"午後に電話してください"_s},
             {u"佐藤"_s, u"花子"_s, u"梅田2-2-2"_s, u"大阪府大阪市北区"_s,
              u"ソフトウェア開発部の部長"_s},
             {u"鈴木"_s, u"一郎"_s, u"栄3-15-33"_s, u"愛知県名古屋市中区"_s, u"誕生日は十月です"_s},
             {u"高橋"_s, u"美咲"_s, u"大通西4-1"_s, u"北海道札幌市中央区"_s,
              u"歯医者、火曜日に予約"_s}},
            u"Shift_JIS"_s},
        LegacyRow{"germanInWindows1252",
                  "windows-1252",
                  {{u"Müller"_s, u"Jürgen"_s, u"Hauptstraße 5"_s, u"München"_s,
                    u"Rückruf erwünscht, größere Bestellung für übermorgen"_s},
                   {u"Schröder"_s, u"Käthe"_s, u"Königsallee 12"_s, u"Düsseldorf"_s,
                    u"Geburtstag im März"_s},
                   {u"Weiß"_s, u"Björn"_s, u"Große Straße 7"_s, u"Lübeck"_s,
                    u"Steuerberater, Unterlagen bis Monatsende"_s},
                   {u"Hoffmann"_s, u"Jörg"_s, u"Schloßplatz 1"_s, u"Würzburg"_s,
                    u"Zahnärztin, Termine dienstags"_s}},
                  u"windows-1252"_s}),
    RowName());

struct UnclearRow : NamedRow
{
    QByteArray data;
    QString family; // as read
};

class UnclearCharset : public testing::TestWithParam<UnclearRow>
{};

// Too little text to tell: every byte still becomes a character, and the message says so.
TEST_P(UnclearCharset, isReadAsWindows1252)
{
    const ContactStoreRead read = readVCardData(GetParam().data, u"old.vcf"_s);
    ASSERT_EQ(read.store->people().size(), 1);
    EXPECT_EQ(read.store->people()[0]->valueForProperty(kABLastNameProperty), GetParam().family);
    EXPECT_EQ(read.diagnostics,
              QStringList{u"old.vcf: text is not UTF-8 and names no character set, nor "
                          "resembles one clearly; read as windows-1252"_s});
}

INSTANTIATE_TEST_SUITE_P(
    VCardStore, UnclearCharset,
    testing::Values(UnclearRow{"oneShortName", "BEGIN:VCARD\r\nN:Dvo\xf8\xe1k\r\nEND:VCARD\r\n",
                               u"Dvoøák"_s},
                    UnclearRow{"controlBytesOnly", "BEGIN:VCARD\r\nN:A\x81\x8d\r\nEND:VCARD\r\n",
                               u"A\u0081\u008d"_s}),
    RowName());

TEST(VCardStore, readsLinesOfADeclaredCharsetEachInTheirOwn)
{
    const QByteArray name = QStringEncoder("windows-1251").encode(u"Віталій"_s);
    const QByteArray data = "BEGIN:VCARD\r\nN;CHARSET=windows-1251:" + name + "\r\nEND:VCARD\r\n";
    const ContactStoreRead read = readVCardData(data, u"old.vcf"_s);
    ASSERT_EQ(read.store->people().size(), 1);
    EXPECT_EQ(read.store->people()[0]->valueForProperty(kABLastNameProperty), u"Віталій"_s);
    EXPECT_TRUE(read.diagnostics.isEmpty()) << read.diagnostics.join(u'\n').toStdString();
}

// A UTF-8 file with one stray byte stays UTF-8: only that line is read in another set. A
// fold in the middle of a character does not make a line any less UTF-8.
TEST(VCardStore, leavesTheUtf8LinesOfAFileAlone)
{
    const QByteArray data = "BEGIN:VCARD\r\nN:Παπαδόπουλος;Γιώργος\r\nORG:\xce\r\n \xb1\r\n"
                            "NOTE:\xa7 5\r\nEND:VCARD\r\n";
    const ContactStoreRead read = readVCardData(data, u"old.vcf"_s);
    ASSERT_EQ(read.store->people().size(), 1);
    const ABPerson &person = *read.store->people()[0];
    EXPECT_EQ(person.valueForProperty(kABLastNameProperty), u"Παπαδόπουλος"_s);
    EXPECT_EQ(person.valueForProperty(kABOrganizationProperty), u"α"_s);
    EXPECT_EQ(person.valueForProperty(kABNoteProperty), u"§ 5"_s);
    EXPECT_EQ(read.diagnostics.size(), 1) << read.diagnostics.join(u'\n').toStdString();
}

// A line that names its set keeps it, and takes no part in the guess for the others.
TEST(VCardStore, guessesTheUndeclaredLinesBesideOnesThatNameTheirSet)
{
    const QByteArray name = QStringEncoder("windows-1251").encode(u"Віталій"_s);
    const QByteArray declared
        = "BEGIN:VCARD\r\nN:A\r\nNOTE;CHARSET=windows-1251:" + name + "\r\nEND:VCARD\r\n";
    const QByteArray greek = QStringEncoder("ISO-8859-7").encode(book(greekContacts()));
    const ContactStoreRead read = readVCardData(declared + greek, u"old.vcf"_s);
    ASSERT_EQ(read.store->people().size(), 5);
    EXPECT_EQ(read.store->people()[0]->valueForProperty(kABNoteProperty), u"Віталій"_s);
    EXPECT_EQ(read.store->people()[1]->valueForProperty(kABLastNameProperty),
              greekContacts()[0].family);
    EXPECT_EQ(read.diagnostics.size(), 1) << read.diagnostics.join(u'\n').toStdString();
}

struct Utf8Row : NamedRow
{
    QByteArray bytes;
    bool valid;
};

class Utf8Check : public testing::TestWithParam<Utf8Row>
{};

// Text is checked ASCII blocks at a time: the sequence must be judged alike wherever it
// falls, across a block's end too, and at the very end of the text.
TEST_P(Utf8Check, judgesASequenceWhereverItFalls)
{
    for (qsizetype before = 0; before < 34; ++before) {
        const QByteArray text = QByteArray(before, 'a') + GetParam().bytes;
        EXPECT_EQ(VCardValue::isValidUtf8(QByteArray(text + QByteArray(9, 'z'))), GetParam().valid)
            << before;
        EXPECT_EQ(VCardValue::isValidUtf8(text), GetParam().valid) << before << " at the end";
    }
}

INSTANTIATE_TEST_SUITE_P(
    VCardValue, Utf8Check,
    testing::Values(
        Utf8Row{"twoBytes", "\xC3\xA9", true}, Utf8Row{"threeBytes", "\xE2\x82\xAC", true},
        Utf8Row{"fourBytes", "\xF0\x9F\x98\x80", true},
        Utf8Row{"severalInARow", "\xC3\xA9\xC3\xA9\xE2\x82\xAC\xC3\xA9", true},
        Utf8Row{"latin1", "M\xFCller", false}, Utf8Row{"cutShort", "\xE2\x82z", false},
        Utf8Row{"overlongSlash", "\xC0\xAF", false}, Utf8Row{"surrogate", "\xED\xA0\x80", false},
        Utf8Row{"lateInvalidAfterValid",
                "\xC3\xA9"
                "ghijklmn\xFF",
                false},
        // The edges of each length and of the ranges a lead byte narrows.
        Utf8Row{"lastOfTwoBytes", "\xDF\xBF", true}, Utf8Row{"overlongTwoBytes", "\xC1\xBF", false},
        Utf8Row{"firstOfThreeBytes", "\xE0\xA0\x80", true},
        Utf8Row{"overlongThreeBytes", "\xE0\x9F\xBF", false},
        Utf8Row{"beforeSurrogates", "\xED\x9F\xBF", true},
        Utf8Row{"lastSurrogate", "\xED\xBF\xBF", false},
        Utf8Row{"afterSurrogates", "\xEE\x80\x80", true},
        Utf8Row{"firstOfFourBytes", "\xF0\x90\x80\x80", true},
        Utf8Row{"overlongFourBytes", "\xF0\x8F\xBF\xBF", false},
        Utf8Row{"lastCodePoint", "\xF4\x8F\xBF\xBF", true},
        Utf8Row{"pastLastCodePoint", "\xF4\x90\x80\x80", false},
        Utf8Row{"leadPastF4", "\xF5\x80\x80\x80", false},
        Utf8Row{"loneContinuation", "\x80", false},
        Utf8Row{"continuationTooMany", "\xC3\xA9\xA9", false},
        Utf8Row{"leadCutByLead", "\xC3\xC3\xA9", false},
        Utf8Row{"fourBytesCutShort", "\xF0\x9F\x98", false}),
    RowName());

// An empty value is valid however it is held: null, empty or a view of no bytes.
TEST(VCardValue, takesEmptyTextForUtf8)
{
    EXPECT_TRUE(VCardValue::isValidUtf8(QByteArrayView()));
    EXPECT_TRUE(VCardValue::isValidUtf8(QByteArray()));
    EXPECT_TRUE(VCardValue::isValidUtf8(QByteArrayView("x", 0)));
}

// Every piece of a mixed text, cut anywhere (inside characters too), against Qt's decoder:
// text is valid exactly when it comes back unchanged from a round trip.
TEST(VCardValue, judgesEveryCutOfAMixedTextAsQtDoes)
{
    const QByteArray text
        = u"Ekström — 27º A Coruña, €1.234,56 😀 Œuvre № 42 «Ébauche» ok"_s.toUtf8();
    for (qsizetype from = 0; from < text.size(); ++from) {
        for (qsizetype to = from; to <= text.size(); ++to) {
            const QByteArray cut = text.sliced(from, to - from);
            EXPECT_EQ(VCardValue::isValidUtf8(cut), QString::fromUtf8(cut).toUtf8() == cut)
                << from << ".." << to;
        }
    }
}

struct PlainRow : NamedRow
{
    QByteArray raw;
    QByteArray plain;
};

class PlainText : public testing::TestWithParam<PlainRow>
{};

// Blanks at the ends go, before escapes are resolved and after (an escaped one at the start);
// a value with no escape stays in the text.
TEST_P(PlainText, resolvesEscapesAndTrims)
{
    const QByteArray &raw = GetParam().raw;
    const VCardValue::Utf8 plain = VCardValue::plain(QByteArrayView(raw));
    EXPECT_EQ(plain.view().toByteArray(), GetParam().plain);
    EXPECT_EQ(plain.ownsBytes(), raw.contains('\\'));
}

INSTANTIATE_TEST_SUITE_P(VCardValue, PlainText,
                         testing::Values(PlainRow{"blanks", " \tSmith ", "Smith"},
                                         PlainRow{"backslashBeforeEndBlanks", "Smith\\  ",
                                                  "Smith\\"},
                                         PlainRow{"escapedBlankAtStart", "\\ Smith", "Smith"},
                                         PlainRow{"escapeInside", " a\\,b\\nc ", "a,b\nc"}),
                         RowName());

} // namespace
