// SPDX-License-Identifier: GPL-3.0-or-later
// The text operations run once or more for every value of every card, so their cost grows
// with the address book; these measure them on typical contact texts.
#include "util/stringadditions.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
namespace strings = QEV_NSStringAdditionsSubset;

namespace {

void titleCaseOfALabel(benchmark::State &state)
{
    const QString label = u"home fax of the main office"_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(strings::titleCaseString(label));
}
BENCHMARK(titleCaseOfALabel);

void percentEscapesOfAnAddress(benchmark::State &state)
{
    const QString address = u"Jürgen Müller <jürgen.müller@example.org>"_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(strings::addPercentEscapes(address));
}
BENCHMARK(percentEscapesOfAnAddress);

void stripDiacriticalOfAName(benchmark::State &state)
{
    const QString name = u"Åsa Ångström-Çelik"_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(strings::stripDiacritical(name));
}
BENCHMARK(stripDiacriticalOfAName);

void cleanOfAPhoneNumber(benchmark::State &state)
{
    const QString phone = u"+1 (555) 123-4567 ext. 89"_s;
    const QString digits = u"1234567890"_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(strings::clean(phone, digits));
}
BENCHMARK(cleanOfAPhoneNumber);

void escapeLongNote(benchmark::State &state)
{
    const QString note = u"Tom & Jerry <tj> said: \"hi\"\r\n"_s.repeated(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            strings::snrBatch(note, {u"&"_s, u"<"_s, u">"_s}, {u"&amp;"_s, u"&lt;"_s, u"&gt;"_s}));
    state.SetBytesProcessed(state.iterations() * note.size() * 2);
}
BENCHMARK(escapeLongNote)->Range(8, 8 << 10);

} // namespace
