// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one reading's computation: ComputeAyanamsa against the two sines
// it cannot avoid, and the text of the result label.
//
// Each benchmark cycles through the same sixty inputs (15 August 1947, every
// minute from 0:00 to 0:59 at zone 5h30 East), read from an array the
// compiler cannot see through, so nothing is folded or hoisted out of the
// loop. Results go through DoNotOptimize as values: the by-reference form of
// this benchmark library version can, under GCC, hand the loop an input that
// was never written.

#include "astro/AngleFormat.h"
#include "astro/DateReduction.h"
#include "astro/Lahiri.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace tenvari;

constexpr std::size_t kInputs = 60;

std::array<BirthMoment, kInputs> realisticMoments() {
    std::array<BirthMoment, kInputs> moments;
    for (std::size_t i = 0; i < kInputs; ++i) {
        BirthMoment& moment = moments[i];
        moment.month = 8;
        moment.day = 15;
        moment.year = 1947;
        moment.hour = 0;
        moment.minute = static_cast<std::int16_t>(i);
        moment.zoneHours = 5;
        moment.zoneMinutes = 30;
        moment.lonDegrees = 77;
        moment.lonMinutes = 13;
        moment.east = true;
        moment.daylightSaving = false;
    }
    return moments;
}

double centuriesOf(const BirthMoment& moment) {
    return InstantOf(moment).centuries;
}

void BM_ComputeAyanamsa(benchmark::State& state) {
    const std::array<BirthMoment, kInputs> moments = realisticMoments();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeAyanamsa(moments[i]));
        i = (i + 1 == kInputs) ? 0 : i + 1;
    }
}
BENCHMARK(BM_ComputeAyanamsa);

// The formula alone, from a ready T: shows what the date reduction adds.
void BM_LahiriCorrection(benchmark::State& state) {
    std::array<double, kInputs> centuries;
    const std::array<BirthMoment, kInputs> moments = realisticMoments();
    for (std::size_t j = 0; j < kInputs; ++j) {
        centuries[j] = centuriesOf(moments[j]);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LahiriCorrection(centuries[i]));
        i = (i + 1 == kInputs) ? 0 : i + 1;
    }
}
BENCHMARK(BM_LahiriCorrection);

// The two sines of the formula on the arguments ComputeAyanamsa gives them.
void BM_TwoSines(benchmark::State& state) {
    std::array<double, kInputs> twiceSunRadians;
    std::array<double, kInputs> nodeRadians;
    const std::array<BirthMoment, kInputs> moments = realisticMoments();
    for (std::size_t j = 0; j < kInputs; ++j) {
        const LahiriTerms terms = LahiriTermsAt(centuriesOf(moments[j]));
        twiceSunRadians[j] = terms.twiceSun * 0.0174532925199433;
        nodeRadians[j] = terms.node * 0.0174532925199433;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::sin(twiceSunRadians[i]));
        benchmark::DoNotOptimize(std::sin(nodeRadians[i]));
        i = (i + 1 == kInputs) ? 0 : i + 1;
    }
}
BENCHMARK(BM_TwoSines);

void BM_AyanamsaDisplayText(benchmark::State& state) {
    std::array<double, kInputs> corrections;
    const std::array<BirthMoment, kInputs> moments = realisticMoments();
    for (std::size_t j = 0; j < kInputs; ++j) {
        corrections[j] = ComputeAyanamsa(moments[j]);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AyanamsaDisplayText(corrections[i]));
        benchmark::ClobberMemory();
        i = (i + 1 == kInputs) ? 0 : i + 1;
    }
}
BENCHMARK(BM_AyanamsaDisplayText);

} // namespace
