// SPDX-License-Identifier: GPL-3.0-or-later
// A whole generation of a synthetic address book: collecting, sorting, filing, every card
// with its data groups, the pictures and the one write of the page. Reports the page size and
// the process's peak memory next to the time.
#include "addressbook/memorycontactstore.h"
#include "engine/pagegenerator.h"
#include "settings/defaultsregistration.h"
#include "settings/exportsettings.h"
#include "settings/groupchoice.h"
#include "settings/preferencesstore.h"
#include "util/systemlog.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray picture(int seed)
{
    QImage image(96, 96, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(seed * 37 % 360, 120, 220));
    QPainter(&image).fillRect(24, 24, 48, 48, Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

MultiValue texts(const QStringList &values, const QStringList &labels)
{
    MultiValue list;
    for (qsizetype i = 0; i < values.size(); ++i)
        list.addValue(values.at(i), labels.at(i));
    return list;
}

std::unique_ptr<MemoryContactStore> addressBook(int contacts, int pictureEvery)
{
    static const QStringList first{u"Anna"_s, u"Élodie"_s, u"Bo"_s, u"Zoë"_s, u"Jürgen"_s};
    static const QStringList last{u"Berg"_s, u"Åström"_s, u"Lee"_s, u"O'Neil"_s, u"Nakamura"_s};
    auto store = std::make_unique<MemoryContactStore>();
    const QByteArray sharedPicture = picture(1);
    for (int i = 0; i < contacts; ++i) {
        ABPerson person(u"p%1:ABPerson"_s.arg(i));
        person.setValue(first.at(i % first.size()), kABFirstNameProperty);
        person.setValue(QString(last.at(i / 7 % last.size()) + QString::number(i)),
                        kABLastNameProperty);
        person.setValue(u"Example & Co"_s, kABOrganizationProperty);
        person.setValue(QVariant::fromValue(texts({u"+1 415 555 %1"_s.arg(i), u"555 0100"_s},
                                                  {u"mobile"_s, u"work"_s})),
                        kABPhoneProperty);
        person.setValue(QVariant::fromValue(texts({u"p%1@example.org"_s.arg(i)}, {u"work"_s})),
                        kABEmailProperty);
        person.setValue(u"Met at the conference.\nLikes tea."_s, kABNoteProperty);
        if (pictureEvery > 0 && i % pictureEvery == 0)
            person.setImageData(sharedPicture);
        store->addPerson(std::move(person));
    }
    return store;
}

long peakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void generation(benchmark::State &state)
{
    const auto store
        = addressBook(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QTemporaryDir folder;
    PreferencesStore preferences({folder.filePath(u"prefs.plist"_s), {}});
    preferences.registerDefaults(defaultSettings(u"body {}"_s));
    preferences.setObject(groupChoicesToVariant({{true, u"Ungrouped Contacts"_s}}),
                          u"groupsToUse"_s);
    ExportSettings settings;
    const SystemLogCapture quiet([](const QString &) {});
    const QString page = folder.filePath(u"page.html"_s);
    for (auto _ : state) {
        PageGenerator generator(preferences, settings, *store,
                                Bundle(folder.filePath(u"Contents"_s)));
        const Expected<GenerationReport> result = generator.generateHTML(page);
        if (!result)
            state.SkipWithError(result.error().toUtf8().constData());
    }
    state.counters["page_MB"] = static_cast<double>(QFileInfo(page).size()) / 1e6;
    state.counters["peak_RSS_MB"] = static_cast<double>(peakMemoryKiB()) / 1024.0;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(generation)
    ->ArgNames({"contacts", "pictureEvery"})
    ->Args({10'000, 10})
    ->Args({100'000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
