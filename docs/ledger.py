#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The ledger's figures and plot: every definition's distance from iae.

Runs tenvari-cli --batch over moments of -500..2500 (every 7 days at
12:00 UT, each date in the calendar of its time) and over 1901-2050 (every
day at 0, 6, 12 and 18 h UT), prints for each definition its distance from
iae (true values) over 1901-2050, and draws docs/ledger.png: the distance
over -500..2500.

    docs/ledger.py            (CLI_BIN: default build/default/src/cli/tenvari-cli)

Needs Debian's python3-matplotlib; run with /usr/bin/python3.
"""

import csv
import io
import os
import subprocess
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CLI = os.environ.get("CLI_BIN", os.path.join(ROOT, "build/default/src/cli/tenvari-cli"))
NAMES = ["formula", "icrc", "vp285", "true_chitra"]


def civil_date(jdn):
    """(year, month, day) of a Julian Day Number: Julian calendar before
    JDN 2299161 (1582-10-15), Gregorian from it (Richards' algorithm)."""
    f = jdn + 1401
    if jdn >= 2299161:
        f += (((4 * jdn + 274277) // 146097) * 3) // 4 - 38
    e = 4 * f + 3
    h = 5 * ((e % 1461) // 4) + 2
    day = (h % 153) // 5 + 1
    month = (h // 153 + 2) % 12 + 1
    year = e // 1461 - 4716 + (12 + 2 - month) // 12
    return year, month, day


def run_batch(moments):
    rows = "".join(f"{y:d}-{m:02d}-{d:02d},{t},+00:00\n" for (y, m, d), t in moments)
    # Negative years are written -500-03-21, which the batch reads as they are.
    done = subprocess.run([CLI, "--batch", "-"], input=rows.encode(), capture_output=True,
                          check=False)
    if done.returncode != 0:
        sys.exit(f"tenvari-cli --batch failed ({done.returncode}): {done.stderr.decode()[:400]}")
    return list(csv.DictReader(io.StringIO(done.stdout.decode())))


def decimal_year(row):
    # Julian years from J2000.0 are close enough for a plot.
    return 2000.0 + (float(row["jd_ut"]) - 2451545.0) / 365.25


def main():
    if not os.access(CLI, os.X_OK):
        sys.exit(f"not built: {CLI}")
    first, last = 1538433, 2634531  # -500-01-01 (Julian) .. 2500-12-31 (Gregorian)
    wide = run_batch((civil_date(j), "12:00") for j in range(first, last + 1, 7))
    modern = run_batch((civil_date(j), t) for j in range(2415386, 2470173)
                       for t in ("00:00", "06:00", "12:00", "18:00"))

    print(f"moments: {len(modern)} (every 6 h of 1901-2050), {len(wide)} (every 7 days of -500..2500)")
    print("definition   - iae, true, over 1901-2050: mean   smallest   largest   drift/century")
    for name in NAMES:
        values = [(decimal_year(r), float(r[f"{name}_true_minus_iae_arcsec"])) for r in modern]
        mean = sum(v for _, v in values) / len(values)
        smallest = min(v for _, v in values)
        largest = max(v for _, v in values)
        # Least-squares slope, arcsec per century.
        my = sum(y for y, _ in values) / len(values)
        slope = sum((y - my) * (v - mean) for y, v in values) / sum((y - my) ** 2 for y, _ in values)
        print(f"{name:12s} {mean:+10.3f}\" {smallest:+10.3f}\" {largest:+9.3f}\" {100 * slope:+9.3f}\"")

    fig, axes = plt.subplots(figsize=(9, 4.6))
    colours = {"formula": "#1f5f8b", "icrc": "#8b1f1f", "vp285": "#2f7f2f", "true_chitra": "#8b6f1f"}
    for name in NAMES:
        points = [(decimal_year(r), float(r[f"{name}_true_minus_iae_arcsec"]))
                  for r in wide if r[f"{name}_true_minus_iae_arcsec"] != ""]
        axes.plot([p[0] for p in points], [p[1] for p in points], ",", color=colours[name])
        axes.plot([], [], "-", color=colours[name], label=name)
    axes.set_xlim(-500, 2500)
    axes.set_xlabel("year (Julian calendar before 1582-10-15)")
    axes.set_ylabel("true value less iae's, arcseconds")
    axes.set_title("Lahiri definitions against the Indian Astronomical Ephemeris' (iae)")
    axes.grid(True, linewidth=0.4)
    axes.legend(loc="lower left", fontsize=9)
    fig.tight_layout()
    out = os.path.join(ROOT, "docs", "ledger.png")
    fig.savefig(out, dpi=100)
    print(f"wrote {out}")


if __name__ == "__main__":
    main()
