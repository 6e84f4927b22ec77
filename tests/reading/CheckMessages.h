// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The messages of the checks before a reading, spelled out as the user
// reads them (two blanks before "Minute"; "!" and " !" for the two date
// messages), for the tests that expect them.

#include <QString>

namespace tenvari::test {

inline const QString kName = QStringLiteral("Please Enter Name");
inline const QString kLonDegrees =
    QStringLiteral("Please Enter Value Between 0 And 179 in the Degree of Longitude");
inline const QString kLonMinutes =
    QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Longitude");
inline const QString kLatDegrees =
    QStringLiteral("Please Enter Value Between 0 And 89 in the Degree of Latitude");
inline const QString kLatMinutes =
    QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Latitude");
inline const QString kFebruary = QStringLiteral("Please Enter Correct Date Or Month!");
inline const QString kThirtyDays = QStringLiteral("Please Enter Correct Date Or Month !");

} // namespace tenvari::test
