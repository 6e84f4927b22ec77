// SPDX-License-Identifier: GPL-3.0-or-later
// The C++ side of bench/python_module.py: the definition the Python module
// computes, over the same Julian Dates, in a plain loop.
//
//   bench_definition FILE [REPEATS]
//
// FILE holds float64 Julian Dates (UT) in the machine's byte order. Prints
// the median CPU time per date over REPEATS passes (default 5), in ns.
#include "AyanamsaSeries.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

double cpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace tenvari::python;
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_definition FILE [REPEATS]\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};
    const std::size_t count = bytes.size() / sizeof(double);
    const int repeats = argc > 2 ? std::stoi(argv[2]) : 5;
    const tenvari::AyanamsaDefinition& definition = *tenvari::findDefinition("iae");

    std::vector<double> out(count);
    std::vector<double> perDate;
    double sum = 0.0;
    for (int r = 0; r < repeats; ++r) {
        const double start = cpuSeconds();
        for (std::size_t i = 0; i < count; ++i) {
            double jd;
            std::copy_n(bytes.data() + i * sizeof jd, sizeof jd, reinterpret_cast<char*>(&jd));
            out[i] = ayanamsaAt(definition, AyanamsaKind::True, jd);
        }
        perDate.push_back((cpuSeconds() - start) / static_cast<double>(count) * 1e9);
        sum += out[count / 2];
    }
    std::nth_element(perDate.begin(), perDate.begin() + repeats / 2, perDate.end());
    std::printf("%.1f\n", perDate[repeats / 2]);
    // Keeps the results alive.
    return sum == 0.12345 ? 1 : 0;
}
