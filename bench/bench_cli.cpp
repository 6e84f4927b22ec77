// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of tenvari-cli's batch per row against the window's computation of
// one reading, and of one reference value against another library's
// ayanamsa call.
//
// A file of a million random moments (1901-2050, any minute, zones from
// -12:00 to +14:00 in quarter hours, daylight saving on a third of them) is
// written once to a temporary folder. In the same run:
//   BM_ComputeAndText        ComputeAyanamsa + AyanamsaDisplayText of each of
//                            those moments, already parsed
//   BM_BatchNoReference      runBatch over the file with --no-reference, the
//                            output to /dev/null
//   BM_BatchWithReference    the same with the reference columns
// Each iteration is the whole million; items_per_second is rows per second.
//   BM_LahiriReferenceUT     one reference value (true and mean)
//   BM_SweAyanamsa           swe_get_ayanamsa_ex_ut, Moshier ephemeris,
//                            sidereal mode SE_SIDM_LAHIRI
//   BM_EraNut06a, _00b       the two ERFA nutation series, for scale
// on the same 4096 random instants, cycled.

#include "astro/AngleFormat.h"
#include "astro/Lahiri.h"
#include "cli/Batch.h"
#include "cli/CliMoment.h"
#include "reference/Definitions.h"
#include "reference/LahiriReference.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <erfa.h>
#include <fcntl.h>
#include <random>
#include <string>
#include <swephexp.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace tenvari;

constexpr int kRows = 1000000;

struct MillionRows {
    std::string path;
    std::vector<BirthMoment> moments;

    MillionRows() {
        char folder[] = "/tmp/tenvari-bench.XXXXXX";
        if (mkdtemp(folder) == nullptr) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        path = std::string(folder) + "/rows.csv";
        std::FILE* file = std::fopen(path.c_str(), "w");
        std::mt19937_64 random(1947);
        std::uniform_int_distribution<int> year(1901, 2050), month(1, 12), day(1, 28), hour(0, 23),
            minute(0, 59), quarter(-48, 56), third(0, 2);
        std::fprintf(file, "date,time,zone,dst\n");
        moments.reserve(kRows);
        for (int i = 0; i < kRows; ++i) {
            const int q = quarter(random);
            const int size = std::abs(q) * 15;
            char row[64];
            std::snprintf(row, sizeof row, "%04d-%02d-%02d,%02d:%02d,%c%02d:%02d,%d\n",
                          year(random), month(random), day(random), hour(random), minute(random),
                          q < 0 ? '-' : '+', size / 60, size % 60, third(random) == 0 ? 1 : 0);
            std::fputs(row, file);
            // The same moment, parsed as the batch parses it.
            cli::CliMoment moment;
            const std::string_view text(row);
            cli::parseDate(text.substr(0, 10), moment);
            cli::parseTime(text.substr(11, 5), moment);
            cli::parseZone(text.substr(17, 6), moment);
            moment.dst = text[24] == '1';
            moments.push_back(cli::birthMomentOf(moment));
        }
        std::fclose(file);
    }
    ~MillionRows() {
        std::remove(path.c_str());
        const std::string folder = path.substr(0, path.rfind('/'));
        rmdir(folder.c_str());
    }
};

MillionRows& rows() {
    static MillionRows instance;
    return instance;
}

void BM_ComputeAndText(benchmark::State& state) {
    const std::vector<BirthMoment>& moments = rows().moments;
    for (auto _ : state) {
        for (const BirthMoment& moment : moments) {
            benchmark::DoNotOptimize(AyanamsaDisplayText(ComputeAyanamsa(moment)));
        }
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ComputeAndText)->Unit(benchmark::kMillisecond);

void batchOverFile(benchmark::State& state, bool withReference, const char* only = nullptr) {
    const std::string& path = rows().path;
    const int sink = ::open("/dev/null", O_WRONLY);
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        cli::FdSource in(fd);
        cli::FdSink out(sink);
        cli::StringSink err;
        cli::BatchOptions options;
        options.reading.withReference = withReference;
        if (only != nullptr) {
            options.reading.columns = {findDefinition(only)};
        }
        options.inputName = path;
        const cli::ExitStatus status = cli::runBatch(in, out, err, options);
        ::close(fd);
        if (status != cli::ExitStatus::Done) {
            state.SkipWithError("the batch refused rows");
        }
    }
    ::close(sink);
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_BatchNoReference(benchmark::State& state) {
    batchOverFile(state, false);
}
BENCHMARK(BM_BatchNoReference)->Unit(benchmark::kMillisecond);

// --no-reference --definitions-only formula: the leanest row.
void BM_BatchNoReferenceFormulaOnly(benchmark::State& state) {
    batchOverFile(state, false, "formula");
}
BENCHMARK(BM_BatchNoReferenceFormulaOnly)->Unit(benchmark::kMillisecond);

void BM_BatchWithReference(benchmark::State& state) {
    batchOverFile(state, true);
}
BENCHMARK(BM_BatchWithReference)->Unit(benchmark::kMillisecond)->Iterations(1);

constexpr std::size_t kInstants = 4096;

std::vector<double> randomInstants() {
    std::mt19937_64 random(2050);
    std::uniform_real_distribution<double> instant(2415385.5, 2470172.5);
    std::vector<double> instants(kInstants);
    for (double& jd : instants) {
        jd = instant(random);
    }
    return instants;
}

void BM_LahiriReferenceUT(benchmark::State& state) {
    const std::vector<double> instants = randomInstants();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LahiriReferenceUT(instants[i], 0.0));
        i = (i + 1) % kInstants;
    }
}
BENCHMARK(BM_LahiriReferenceUT);

// One definition of the ledger at random instants of a span of years.
void definitionOver(benchmark::State& state, const char* name, double firstJd, double lastJd) {
    std::mt19937_64 random(1956);
    std::uniform_real_distribution<double> jd(firstJd, lastJd);
    std::vector<Instant> instants;
    for (std::size_t i = 0; i < kInstants; ++i) {
        instants.push_back(InstantFromJulianDate(jd(random), 0.0));
    }
    const AyanamsaDefinition* definition = findDefinition(name);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(definition->compute(instants[i]));
        i = (i + 1) % kInstants;
    }
}

void BM_IaeIn1901To2050(benchmark::State& state) {
    definitionOver(state, "iae", 2415385.5, 2470172.5);
}
BENCHMARK(BM_IaeIn1901To2050);

void BM_IaeOutside(benchmark::State& state) {
    // -3000 .. 1900, where the nutation is eraNut06a's full series.
    definitionOver(state, "iae", 625307.5, 2415020.5);
}
BENCHMARK(BM_IaeOutside);

void BM_TrueChitraIn1901To2050(benchmark::State& state) {
    definitionOver(state, "true_chitra", 2415385.5, 2470172.5);
}
BENCHMARK(BM_TrueChitraIn1901To2050);

void BM_SweAyanamsa(benchmark::State& state) {
    const std::vector<double> instants = randomInstants();
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0.0, 0.0);
    char error[AS_MAXCH];
    double ayanamsa = 0.0;
    std::size_t i = 0;
    for (auto _ : state) {
        swe_get_ayanamsa_ex_ut(instants[i], SEFLG_MOSEPH, &ayanamsa, error);
        benchmark::DoNotOptimize(ayanamsa);
        i = (i + 1) % kInstants;
    }
}
BENCHMARK(BM_SweAyanamsa);

void BM_EraNut06a(benchmark::State& state) {
    const std::vector<double> instants = randomInstants();
    double dpsi = 0.0;
    double deps = 0.0;
    std::size_t i = 0;
    for (auto _ : state) {
        eraNut06a(instants[i], 0.0, &dpsi, &deps);
        benchmark::DoNotOptimize(dpsi);
        i = (i + 1) % kInstants;
    }
}
BENCHMARK(BM_EraNut06a);

void BM_EraNut00b(benchmark::State& state) {
    const std::vector<double> instants = randomInstants();
    double dpsi = 0.0;
    double deps = 0.0;
    std::size_t i = 0;
    for (auto _ : state) {
        eraNut00b(instants[i], 0.0, &dpsi, &deps);
        benchmark::DoNotOptimize(dpsi);
        i = (i + 1) % kInstants;
    }
}
BENCHMARK(BM_EraNut00b);

} // namespace
