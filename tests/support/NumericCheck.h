// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numeric comparison for the astro tests: an empty result means the value is
// within tolerance, otherwise the text says where, what was expected, what
// came out and by how much it missed. Use it as
//   const QByteArray miss = numericMiss("T = 1", got, expected, tolerance);
//   QVERIFY2(miss.isEmpty(), miss.constData());

#include <QByteArray>
#include <cmath>

inline QByteArray numericMiss(const QByteArray& where, double got, double expected,
                              double tolerance) {
    const double error = got - expected;
    if (std::fabs(error) <= tolerance) {
        return {};
    }
    return where + ": expected " + QByteArray::number(expected, 'g', 17) + " got " +
           QByteArray::number(got, 'g', 17) + " error " + QByteArray::number(error, 'g', 3) +
           " tolerance " + QByteArray::number(tolerance, 'g', 3);
}

// Half a unit in the tenth significant digit of a value quoted to ten
// significant digits: 5e-9 for -23.85399089, 5e-6 for 36560.16222.
inline double tenDigitTolerance(double quoted) {
    const double exponent = std::floor(std::log10(std::fabs(quoted)));
    return 0.5 * std::pow(10.0, exponent - 9.0);
}
