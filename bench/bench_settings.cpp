// SPDX-License-Identifier: GPL-3.0-or-later
// What the settings store costs at start-up: the update reminder reads its
// date and, on a first run or when a reminder was due, writes today's. Each
// benchmark does both on a settings file of a given kind:
//
//   missing    a first run: no file yet
//   ours       the file as the store writes it, holding one date
//   garbage    50 MB of random bytes where the file should be
//   large INI  a 50 MB INI file of many sections, with the date among them
//
// The file is put back before every iteration (not timed), so each one
// meets it as a start-up would. peak_growth_MiB is how much the process's
// peak resident memory rose while the benchmark ran (beyond the file's
// contents, which the benchmark holds in memory); run one benchmark per
// process to read it (--benchmark_filter). file_bytes_after is the file's
// size afterwards.

#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

using tenvari::QtSettingsStore;

constexpr qsizetype kLarge = 50 * 1024 * 1024;

QByteArray garbage() {
    QByteArray bytes(kLarge, Qt::Uninitialized);
    QRandomGenerator random(20261208);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    return bytes;
}

QByteArray largeIni() {
    QByteArray text;
    text.reserve(kLarge + 4096);
    for (int section = 0; text.size() < kLarge; ++section) {
        text += "[Section" + QByteArray::number(section) + "]\n";
        for (int key = 0; key < 16; ++key)
            text += "key" + QByteArray::number(key) + "=a value of some length\n";
        text += '\n';
    }
    text += "[Settings]\nDuration=2020-01-01\n";
    return text;
}

void putFile(const QString& path, const QByteArray& contents, bool present) {
    QFile::remove(path);
    if (!present)
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(path));
}

double peakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void reminderStore(benchmark::State& state, const QByteArray& contents, bool present) {
    const double peakBefore = peakMiB();
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    const QString path = store.filePath(QStringLiteral("tenvari"));
    for (auto _ : state) {
        state.PauseTiming();
        putFile(path, contents, present);
        state.ResumeTiming();
        const QString stored = store.read("tenvari", "Settings", "Duration");
        benchmark::DoNotOptimize(stored.size());
        benchmark::DoNotOptimize(store.write("tenvari", "Settings", "Duration", "2026-12-08"));
    }
    state.counters["peak_growth_MiB"] = peakMiB() - peakBefore;
    state.counters["file_bytes_after"] = static_cast<double>(QFileInfo(path).size());
}

void BM_Missing(benchmark::State& state) {
    reminderStore(state, {}, false);
}
void BM_Ours(benchmark::State& state) {
    reminderStore(state, "[Settings]\nDuration=2020-01-01\n", true);
}
void BM_Garbage50MB(benchmark::State& state) {
    static const QByteArray contents = garbage();
    reminderStore(state, contents, true);
}
void BM_LargeIni50MB(benchmark::State& state) {
    static const QByteArray contents = largeIni();
    reminderStore(state, contents, true);
}

} // namespace

BENCHMARK(BM_Missing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ours)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Garbage50MB)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LargeIni50MB)->Unit(benchmark::kMillisecond)->Iterations(5);
