// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/ResultTexts.h"

#include "astro/DateReduction.h"
#include "reference/LahiriReference.h"
#include "astro/AngleFormat.h"

#include <cmath>

namespace tenvari {

const QStringList& MonthNames() {
    static const QStringList names{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

int monthNumber(const QString& text) {
    return static_cast<int>(MonthNames().indexOf(text)) + 1;
}

QString weekdayText(const BirthMoment& moment) {
    const int weekday = DayOfWeek(JulianDayNumber(moment.month, moment.day, moment.year));
    return QString::fromLatin1(WeekdayName(weekday));
}

QString dateOfBirthText(const BirthData& data) {
    const int month = data.month;
    const QString name = month >= 1 && month <= 12 ? MonthNames().at(month - 1) : QString();
    return name + QLatin1Char(' ') + QString::number(data.day) + QStringLiteral(", ") +
           QString::number(data.year);
}

QString timeOfBirthText(const BirthData& data) {
    return QString::number(data.hour) + QLatin1Char(':') + QString::number(data.minute);
}

QString ayanamsaToolTip(const BirthMoment& moment, double correction) {
    const double ayanamsa = -correction;
    const LahiriReference reference = LahiriReferenceFor(moment);
    const double difference = reference.trueDifferenceArcsec(ayanamsa);
    return QStringLiteral("Lahiri formula: %1\u00b0\n").arg(ayanamsa, 0, 'f', 6) +
           QStringLiteral("Almanac definition, with nutation: ") +
           QString::fromStdString(FormatDegreesHundredths(reference.trueDegrees)) +
           QStringLiteral("\nFormula less definition: %1%2\"")
               .arg(difference < 0 ? QStringLiteral("-") : QStringLiteral("+"))
               .arg(std::fabs(difference), 0, 'f', 2);
}

} // namespace tenvari
