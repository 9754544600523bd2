// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the vCard store reads an address book, how much memory that takes at its peak and
// once read, compared with the file, and how fast 100,000 contacts sort by name. The address books
// are made here: three dialects (a desktop export in vCard 3.0 with item labels, vCard 4.0, and a
// vCard 2.1 export with quoted-printable), folded lines, and a picture on one card in twenty.
#include "addressbook/abperson.h"
#include "addressbook/comparators.h"
#include "addressbook/memorycontactstore.h"
#include "addressbook/vcard/vcardreader.h"
#include "addressbook/vcard/vcardstore.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <random>

using namespace Qt::StringLiterals;

namespace {

const char *const givenNames[] = {"James", "Mary", "Jürgen", "Élodie", "Søren", "Łukasz",
                                  "Zoë",   "José", "Ingrid", "太郎",   "Chloë", "Ángel"};
const char *const familyNames[] = {"Smith",   "Müller",        "Lefèvre", "Østergaard",    "Dvořák",
                                   "O'Brien", "García-Wilson", "山田",    "van der Heydt", "Núñez"};
const char *const companies[] = {"Acme Corp", "Müller & Söhne KG", "Société Générale d'Études",
                                 "Smith\\, Jones & Partners", "Nørdisk Design A/S"};
const char *const notes[]
    = {"Met at the conference in Besançon.", "Prefers e-mail\\; never call before 10:00.",
       "Kinder: Jürgen (2009)\\, Käthe (2012).",
       "Call back re: invoice #2023-118\\, amount €1.234\\,56."};

// Appends one content line, folded at 75 bytes without splitting a UTF-8 sequence.
void addLine(QByteArray &out, const QByteArray &line)
{
    qsizetype start = 0;
    qsizetype limit = 75;
    while (line.size() - start > limit) {
        qsizetype end = start + limit;
        while ((uchar(line[end]) & 0xC0) == 0x80)
            --end;
        out += line.sliced(start, end - start) + "\r\n ";
        start = end;
        limit = 74;
    }
    out += line.sliced(start) + "\r\n";
}

class Generator
{
public:
    explicit Generator(unsigned seed)
        : m_random(seed)
    {
        QByteArray picture(6000, Qt::Uninitialized);
        for (char &byte : picture)
            byte = char(m_random());
        m_picture = picture.toBase64();
    }

    QByteArray addressBook(int cards)
    {
        QByteArray out;
        for (int i = 0; i < cards; ++i) {
            switch (i % 3) {
            case 0:
                desktopCard(out, i);
                break;
            case 1:
                version4Card(out, i);
                break;
            default:
                version21Card(out, i);
            }
        }
        return out;
    }

private:
    template<std::size_t n>
    QByteArray pick(const char *const (&pool)[n])
    {
        return QByteArray(pool[m_random() % n]);
    }
    QByteArray number() { return QByteArray::number(1000000 + m_random() % 9000000); }
    bool chance(int percent) { return int(m_random() % 100) < percent; }

    void desktopCard(QByteArray &out, int i)
    {
        const QByteArray given = pick(givenNames);
        const QByteArray family = pick(familyNames);
        out += "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Bench//Export 1.0//EN\r\n";
        addLine(out, "N:" + family + ";" + given + ";;;");
        addLine(out, "FN:" + given + " " + family);
        addLine(out, "ORG:" + pick(companies) + ";Research");
        addLine(out, "item1.TEL;type=CELL;type=VOICE;type=pref:+49 30 " + number());
        out += "item1.X-ABLabel:_$!<Mobile>!$_\r\n";
        addLine(out, "TEL;type=WORK;type=VOICE:+1 (415) " + number());
        addLine(out,
                "EMAIL;type=INTERNET;type=HOME;type=pref:user" + QByteArray::number(i)
                    + "@example.org");
        addLine(out,
                "item2.ADR;type=HOME;type=pref:;;Marienplatz " + QByteArray::number(i % 90)
                    + ";München;;80331;Deutschland");
        out += "item2.X-ABADR:de\r\n";
        addLine(out, "item3.URL;type=pref:http\\://www.example.com/~user" + QByteArray::number(i));
        out += "item3.X-ABLabel:_$!<HomePage>!$_\r\nBDAY:1980-03-22\r\n";
        addLine(out, "X-AIM;type=HOME;type=pref:user" + QByteArray::number(i));
        addLine(out,
                "IMPP;X-SERVICE-TYPE=AIM;type=HOME;type=pref:aim:user" + QByteArray::number(i));
        addLine(out, "NOTE:" + pick(notes) + "\\n" + pick(notes) + "\\n" + pick(notes));
        if (chance(30))
            out += "CATEGORIES:Friends,Family\r\n";
        out += "UID:" + QByteArray::number(0x10000000 + i, 16) + "-A1B2-4C3D-8E9F\r\n";
        if (chance(5))
            addLine(out, "PHOTO;ENCODING=b;TYPE=JPEG:" + m_picture);
        out += "END:VCARD\r\n";
    }

    void version4Card(QByteArray &out, int i)
    {
        out += "BEGIN:VCARD\r\nVERSION:4.0\r\n";
        addLine(out, "N:" + pick(familyNames) + ";" + pick(givenNames) + ";;Dr.;");
        addLine(out, "TEL;VALUE=uri;PREF=1;TYPE=\"voice,home\":tel:+1-555-" + number());
        addLine(out, "EMAIL;TYPE=work:v4user" + QByteArray::number(i) + "@example.com");
        addLine(out, "RELATED;TYPE=spouse;VALUE=text:" + pick(givenNames));
        out += "ANNIVERSARY:--0412\r\nKIND:individual\r\n";
        addLine(out, "IMPP;PREF=1:xmpp:v4user" + QByteArray::number(i) + "@example.com");
        out += "UID:urn:uuid:" + QByteArray::number(0x20000000 + i, 16) + "-7dec-11d0-a765\r\n";
        if (chance(5))
            addLine(out, "PHOTO:data:image/jpeg;base64," + m_picture);
        out += "END:VCARD\r\n";
    }

    void version21Card(QByteArray &out, int i)
    {
        out += "BEGIN:VCARD\r\nVERSION:2.1\r\n";
        out += "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BCrgen;;;\r\n";
        out += "TEL;WORK;VOICE:+49 89 " + number() + "\r\nTEL;HOME;FAX:+49 89 " + number() + "\r\n";
        out += "EMAIL;PREF;INTERNET:outlook" + QByteArray::number(i) + "@example.net\r\n";
        out += "NOTE;ENCODING=QUOTED-PRINTABLE:Erste Zeile=0D=0A=\r\nzweite Zeile\r\n";
        out += "ADR;WORK:;;Hauptstr. 1;Wien;;1010;Austria\r\n";
        if (chance(5)) {
            out += "PHOTO;TYPE=JPEG;ENCODING=BASE64:\r\n";
            for (qsizetype at = 0; at < m_picture.size(); at += 72)
                out += ' ' + m_picture.mid(at, 72) + "\r\n";
            out += "\r\n";
        }
        out += "END:VCARD\r\n";
    }

    std::mt19937 m_random;
    QByteArray m_picture;
};

// The peak resident memory of the process, measured from a reset of the mark (Linux: "5"
// written to clear_refs); -1 where the kernel does not allow that.
qint64 statusKilobytes(const QByteArray &field)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.sliced(field.size()).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

bool resetPeakMemory()
{
    QFile clearRefs(u"/proc/self/clear_refs"_s);
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

struct AddressBookFile
{
    QString path;
    qint64 size = 0;
};

const AddressBookFile &addressBookFile(int cards)
{
    static QTemporaryDir folder;
    static std::map<int, AddressBookFile> files;
    AddressBookFile &file = files[cards];
    if (file.path.isEmpty()) {
        file.path = folder.filePath(u"book-%1.vcf"_s.arg(cards));
        QFile out(file.path);
        const QByteArray text = Generator(unsigned(cards)).addressBook(cards);
        if (out.open(QIODevice::WriteOnly))
            out.write(text);
        file.size = text.size();
    }
    return file;
}

void readAddressBook(benchmark::State &state)
{
    const AddressBookFile &file = addressBookFile(int(state.range(0)));
    double peakRatio = 0;
    double keptRatio = 0;
    for (auto _ : state) {
        const bool measured = resetPeakMemory();
        const qint64 before = statusKilobytes("VmRSS:");
        ContactStoreRead read = readVCardStore(file.path);
        const qint64 peak = statusKilobytes("VmHWM:");
        const qint64 kept = statusKilobytes("VmRSS:");
        if (measured && before >= 0 && peak >= 0)
            peakRatio = double(peak - before) * 1024 / double(file.size);
        if (before >= 0 && kept >= 0)
            keptRatio = double(kept - before) * 1024 / double(file.size);
        benchmark::DoNotOptimize(read.store->people().size());
        if (read.store->people().size() != state.range(0))
            state.SkipWithError("not every card was read");
    }
    state.SetBytesProcessed(state.iterations() * file.size);
    state.counters["cards/s"] = benchmark::Counter(double(state.iterations() * state.range(0)),
                                                   benchmark::Counter::kIsRate);
    state.counters["file_MB"] = double(file.size) / 1e6;
    state.counters["peak_over_file"] = peakRatio;
    // What the store holds once read; only a first iteration in a fresh process says so, as
    // later ones reuse the memory the earlier ones gave back.
    state.counters["kept_over_file"] = keptRatio;
}
BENCHMARK(readAddressBook)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The vCard reader by itself: the text split into cards and properties, nothing built.
void readCardsOnly(benchmark::State &state)
{
    const QByteArray text = Generator(unsigned(state.range(0))).addressBook(int(state.range(0)));
    for (auto _ : state) {
        VCardDiagnostics diagnostics(u"bench.vcf"_s);
        VCardReader reader(text, diagnostics);
        qsizetype cards = 0;
        while (std::optional<VCardCard> card = reader.next()) {
            ++cards;
            reader.recycle(std::move(*card));
        }
        if (cards != state.range(0))
            state.SkipWithError("not every card was read");
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(readCardsOnly)->Arg(100'000)->Unit(benchmark::kMillisecond);

// About 200 MB of vCard text: memory must stay bounded and nothing may hang.
BENCHMARK(readAddressBook)->Arg(225'000)->Iterations(1)->Unit(benchmark::kMillisecond);

void sortByName(benchmark::State &state)
{
    MemoryContactStore store;
    std::mt19937 random(7);
    const QStringList given{u"Ann"_s, u"Émile"_s, u"Jürgen"_s, u"Zoë"_s, u"Bo"_s, u"Łukasz"_s};
    const QStringList family{u"Berg"_s, u"de la Cruz"_s, u"Østergaard"_s, u"Smith"_s, u"The Who"_s};
    for (int i = 0; i < state.range(0); ++i) {
        ABPerson person(u"%1:ABPerson"_s.arg(i));
        person.setValue(
            QString(given[int(random() % given.size())] + QString::number(random() % 1000)),
            kABFirstNameProperty);
        person.setValue(
            QString(family[int(random() % family.size())] + QString::number(random() % 1000)),
            kABLastNameProperty);
        store.addPerson(std::move(person));
    }
    for (auto _ : state) {
        QList<const ABPerson *> people = store.people();
        sortPeople(people, u"lfc");
        benchmark::DoNotOptimize(people.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(sortByName)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
