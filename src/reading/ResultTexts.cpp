// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/ResultTexts.h"

#include "astro/AngleFormat.h"
#include "astro/DateReduction.h"
#include "reference/LahiriReference.h"

#include <QCoreApplication>
#include <cmath>

namespace tenvari {

namespace {

// The result panel's texts are the main window's.
QString translated(const char* text) {
    return QCoreApplication::translate("tenvari::FrmMain", text);
}

const char* const kMonthNames[] = {QT_TRANSLATE_NOOP("tenvari::FrmMain", "January"),
                                   QT_TRANSLATE_NOOP("tenvari::FrmMain", "February"),
                                   QT_TRANSLATE_NOOP("tenvari::FrmMain", "March"),
                                   QT_TRANSLATE_NOOP("tenvari::FrmMain", "April"),
                                   QT_TRANSLATE_NOOP("tenvari::FrmMain", "May"),
                                   QT_TRANSLATE_NOOP("tenvari::FrmMain", "June"),
                                   QT_TRANSLATE_NOOP("tenvari::FrmMain", "July"),
                                   QT_TRANSLATE_NOOP("tenvari::FrmMain", "August"),
                                   QT_TRANSLATE_NOOP("tenvari::FrmMain", "September"),
                                   QT_TRANSLATE_NOOP("tenvari::FrmMain", "October"),
                                   QT_TRANSLATE_NOOP("tenvari::FrmMain", "November"),
                                   QT_TRANSLATE_NOOP("tenvari::FrmMain", "December")};

// WeekdayName's texts, listed for the translators.
[[maybe_unused]] const char* const kWeekdayNames[] = {
    QT_TRANSLATE_NOOP("tenvari::FrmMain", "Sunday"),
    QT_TRANSLATE_NOOP("tenvari::FrmMain", "Monday"),
    QT_TRANSLATE_NOOP("tenvari::FrmMain", "Tuesday"),
    QT_TRANSLATE_NOOP("tenvari::FrmMain", "Wednesday"),
    QT_TRANSLATE_NOOP("tenvari::FrmMain", "Thursday"),
    QT_TRANSLATE_NOOP("tenvari::FrmMain", "Friday"),
    QT_TRANSLATE_NOOP("tenvari::FrmMain", "Saturday")};

} // namespace

QStringList MonthNames() {
    QStringList names;
    for (const char* name : kMonthNames)
        names << translated(name);
    return names;
}

int monthNumber(const QString& text) {
    return static_cast<int>(MonthNames().indexOf(text)) + 1;
}

QString weekdayText(const BirthMoment& moment) {
    const int weekday = DayOfWeek(JulianDayNumber(moment.month, moment.day, moment.year));
    return translated(WeekdayName(weekday));
}

QString dateOfBirthText(const BirthData& data) {
    const int month = data.month;
    const QString name = month >= 1 && month <= 12 ? translated(kMonthNames[month - 1]) : QString();
    //: The date of birth: %1 the month's name, %2 the day, %3 the year.
    return QCoreApplication::translate("tenvari::FrmMain", "%1 %2, %3")
        .arg(name, QString::number(data.day), QString::number(data.year));
}

QString timeOfBirthText(const BirthData& data) {
    return QString::number(data.hour) + QLatin1Char(':') + QString::number(data.minute);
}

QString ayanamsaToolTip(const BirthMoment& moment, double correction) {
    const double ayanamsa = -correction;
    const LahiriReference reference = LahiriReferenceFor(moment);
    const double difference = reference.trueDifferenceArcsec(ayanamsa);
    // The numbers and their signs stay outside the translated texts.
    const QString formula = QString::number(ayanamsa, 'f', 6) + QChar(u'\u00b0');
    const QString definition =
        QString::fromStdString(FormatDegreesHundredths(reference.trueDegrees));
    const QString less = (difference < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
                         QString::number(std::fabs(difference), 'f', 2) + QLatin1Char('"');
    return translated(QT_TRANSLATE_NOOP("tenvari::FrmMain", "Lahiri formula: %1")).arg(formula) +
           QLatin1Char('\n') +
           translated(
               QT_TRANSLATE_NOOP("tenvari::FrmMain", "Almanac definition, with nutation: %1"))
               .arg(definition) +
           QLatin1Char('\n') +
           translated(QT_TRANSLATE_NOOP("tenvari::FrmMain", "Formula less definition: %1"))
               .arg(less);
}

} // namespace tenvari
