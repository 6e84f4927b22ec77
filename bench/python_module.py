#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Python module against C++: tenvari.ayanamsa on a million Julian Dates.

    PYTHONPATH=build/bench/python bench/python_module.py build/bench/bench/bench_definition

Alternates, ROUNDS times, bench_definition (the same definition in a C++
loop, on the same dates, median of 5 passes) with tenvari.ayanamsa on them
in this process, and prints both per date (CPU time) and their ratio; then
the memory the call takes beyond its input and output (tracemalloc sees
NumPy's buffers) and the peak resident size; then the time of
`python3 -c "import tenvari"` beside `python3 -c pass` (median of 30 runs
each, alternating).
"""
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time
import tracemalloc

import numpy as np

import tenvari

COUNT = 1_000_000
ROUNDS = int(os.environ.get("ROUNDS", "5"))


def main() -> None:
    program = sys.argv[1]
    jds = np.random.default_rng(1).uniform(2415385.5, 2470172.5, COUNT)
    with tempfile.NamedTemporaryFile(suffix=".f64") as file:
        jds.tofile(file.name)
        tenvari.ayanamsa(jds[:1000])  # first use: tables, caches
        cxx, python = [], []
        for _ in range(ROUNDS):
            cxx.append(float(subprocess.run([program, file.name], capture_output=True,
                                            text=True, check=True).stdout))
            start = time.process_time()
            tenvari.ayanamsa(jds)
            python.append((time.process_time() - start) / COUNT * 1e9)
    c, p = statistics.median(cxx), statistics.median(python)
    print(f"per date, CPU time, median of {ROUNDS} rounds: C++ {c:.1f} ns "
          f"({min(cxx):.1f}-{max(cxx):.1f}), tenvari.ayanamsa {p:.1f} ns "
          f"({min(python):.1f}-{max(python):.1f}); ratio {p / c:.3f}")

    tracemalloc.start()
    before = tracemalloc.get_traced_memory()[0]
    result = tenvari.ayanamsa(jds)
    current, peak = tracemalloc.get_traced_memory()
    tracemalloc.stop()
    print(f"memory: input {jds.nbytes} B, output {result.nbytes} B; traced during the call: "
          f"peak {peak - before} B above the start, {current - before} B kept "
          f"(the output and {current - before - result.nbytes} B more)")
    print(f"peak resident size of this process: "
          f"{resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024:.1f} MiB")

    runs = {"import tenvari": [], "pass": []}
    for _ in range(30):
        for code in runs:
            start = time.perf_counter()
            subprocess.run([sys.executable, "-c", code], check=True)
            runs[code].append((time.perf_counter() - start) * 1e3)
    a, b = statistics.median(runs["import tenvari"]), statistics.median(runs["pass"])
    print(f"python3 -c 'import tenvari': {a:.1f} ms, python3 -c pass: {b:.1f} ms "
          f"(median of 30, wall time); the import adds {a - b:.1f} ms")


if __name__ == "__main__":
    main()
