#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window's Lahiri formula against the almanac's definition over
# 1901-2050: runs tenvari-cli --batch over every 6 hours of the 150 years
# (0, 6, 12 and 18 h UT of each day, 219,148 moments), prints the figures of
# the README's accuracy table and draws docs/accuracy.png (formula less
# reference, arcseconds, against the year) with gnuplot.
#
#   docs/accuracy.sh            (CLI_BIN: default build/default/src/cli/tenvari-cli)
#
# Needs awk and gnuplot (Debian's gnuplot-nox).
set -euo pipefail
cd "$(dirname "$0")/.."

cli=${CLI_BIN:-build/default/src/cli/tenvari-cli}
[ -x "$cli" ] || { echo "not built: $cli (cmake --build --preset default --target tenvari-cli)" >&2; exit 2; }
command -v gnuplot >/dev/null || { echo "needs gnuplot (apt-get install gnuplot-nox)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every day from 1901-01-01 (JDN 2415386) to 2050-12-31 (JDN 2470172), as
# Gregorian dates (Fliegel and Van Flandern's inverse), at four times, zone
# +00:00: the instants are Universal Time.
awk 'BEGIN {
    print "date,time,zone"
    for (J = 2415386; J <= 2470172; J++) {
        l = J + 68569; n = int(4 * l / 146097); l = l - int((146097 * n + 3) / 4)
        i = int(4000 * (l + 1) / 1461001); l = l - int(1461 * i / 4) + 31
        j = int(80 * l / 2447); d = l - int(2447 * j / 80); l = int(j / 11)
        m = j + 2 - 12 * l; y = 100 * (n - 49) + i + l
        for (h = 0; h < 24; h += 6) printf "%04d-%02d-%02d,%02d:00,+00:00\n", y, m, d, h
    }
}' >"$work/moments.csv"

"$cli" --batch "$work/moments.csv" --definitions-only formula >"$work/results.csv"

# The columns by their header names (new columns are added at the end).
awk -F, -v plot="$work/plot.dat" 'NR == 1 {
    for (i = 1; i <= NF; i++) column[$i] = i
    cDate = column["date"]; cTime = column["time"]; cText = column["ayanamsa_text"]
    cRef = column["reference_true_deg"]; cDiff = column["formula_minus_reference_arcsec"]
    cError = column["error"]
    next
}
NR > 1 {
    if ($cError != "") { print "refused: " $0 > "/dev/stderr"; exit 1 }
    diff = $cDiff + 0
    n++; sum += diff; sumabs += (diff < 0 ? -diff : diff)
    if (n == 1 || diff > largest) { largest = diff; largestAt = $cDate " " $cTime }
    if (n == 1 || diff < smallest) { smallest = diff; smallestAt = $cDate " " $cTime }
    # The reference shown as the window shows the formula (whole seconds,
    # truncated), and how many seconds the two texts lie apart.
    v = $cRef + 0; d = int(v); mm = 60 * (v - d); m = int(mm); s = int(60 * (mm - m))
    text = $cText; gsub(/[^0-9]+/, " ", text); split(text, dms, " ")
    by = (dms[1] * 3600 + dms[2] * 60 + dms[3]) - (d * 3600 + m * 60 + s)
    histogram[by]++
    # Year as a decimal for the plot.
    split($cDate, ymd, "-")
    year = ymd[1] + (ymd[2] - 1) / 12 + (ymd[3] - 1) / 365.25 / 1 + substr($cTime, 1, 2) / 24 / 365.25
    print year, diff > plot
} END {
    printf "moments:                         %d (every 6 h, 1901-2050)\n", n
    printf "formula - reference (true), mean: %+.3f\"\n", sum / n
    printf "mean |formula - reference|:       %.3f\"\n", sumabs / n
    printf "largest:                          %+.3f\" at %s UT\n", largest, largestAt
    printf "smallest:                         %+.3f\" at %s UT\n", smallest, smallestAt
    printf "shown text, formula less reference (truncated the same way):\n"
    for (by = -10; by <= 10; by++)
        if (by in histogram) printf "  %+d\" in %5.1f %% of the moments\n", by, 100 * histogram[by] / n
}' "$work/results.csv"

gnuplot <<GNUPLOT
set terminal pngcairo size 900,420 font "DejaVu Sans,10"
set output "docs/accuracy.png"
set title "Lahiri formula (the window's) less the almanac's definition (IAU 2006/2000A), true values"
set xlabel "year (UT)"
set ylabel "arcseconds"
set xrange [1901:2051]
set yrange [0:5]
set grid
unset key
plot "$work/plot.dat" using 1:2 with dots linecolor rgb "#1f5f8b"
GNUPLOT
echo "wrote docs/accuracy.png"
