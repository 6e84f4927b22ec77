// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/BirthDataChecks.h"

#include "astro/DateReduction.h"
#include "reading/TextNumbers.h"

#include <QCoreApplication>

namespace tenvari {

namespace {

// The main window shows the refusals, in its own words.
QString translated(const char* message) {
    return QCoreApplication::translate("tenvari::FrmMain", message);
}

Refusal stop(const char* message, BirthField focus) {
    return {translated(message), MessageIcon::Stop, focus};
}

// The longitude messages are shown by the checks, and again by the reading
// for a text the checks let through but that does not convert.
const char kLonDegreesMessage[] = QT_TRANSLATE_NOOP(
    "tenvari::FrmMain", "Please Enter Value Between 0 And 179 in the Degree of Longitude");
const char kLonMinutesMessage[] = QT_TRANSLATE_NOOP(
    "tenvari::FrmMain", "Please Enter Value Between 0 And 59 in the  Minute of Longitude");

// Degrees: empty, or a leading number outside 0..highest.
bool degreesRefused(const QString& text, double highest) {
    const QString trimmed = trimmedText(text);
    if (trimmed.isEmpty())
        return true;
    const double value = leadingNumber(trimmed);
    return value > highest || value < 0.0;
}

// Minutes: empty, no number as a whole, or outside 0..59.
bool minutesRefused(const QString& text) {
    const std::optional<double> value = numericValue(text);
    return !value || *value > 59.0 || *value < 0.0;
}

} // namespace

std::optional<Refusal> checkBirthData(const BirthData& data) {
    if (trimmedText(data.name).isEmpty())
        return stop(QT_TRANSLATE_NOOP("tenvari::FrmMain", "Please Enter Name"), BirthField::Name);
    if (degreesRefused(data.lonDegreesText, 179))
        return stop(kLonDegreesMessage, BirthField::LonDegrees);
    if (minutesRefused(data.lonMinutesText))
        return stop(kLonMinutesMessage, BirthField::LonMinutes);
    if (degreesRefused(data.latDegreesText, 89))
        return stop(
            QT_TRANSLATE_NOOP("tenvari::FrmMain",
                              "Please Enter Value Between 0 And 89 in the Degree of Latitude"),
            BirthField::LatDegrees);
    if (minutesRefused(data.latMinutesText))
        return stop(
            QT_TRANSLATE_NOOP("tenvari::FrmMain",
                              "Please Enter Value Between 0 And 59 in the  Minute of Latitude"),
            BirthField::LatMinutes);

    const int days = DaysInMonth(data.month, data.year);
    if (data.month == 2 && data.day > days && data.day <= 31)
        return Refusal{translated(QT_TRANSLATE_NOOP("tenvari::FrmMain",
                                                    "Please Enter Correct Date Or Month!")),
                       MessageIcon::Information, std::nullopt};
    if (days == 30 && data.day == 31)
        return Refusal{translated(QT_TRANSLATE_NOOP("tenvari::FrmMain",
                                                    "Please Enter Correct Date Or Month !")),
                       MessageIcon::Information, std::nullopt};
    return std::nullopt;
}

std::optional<Refusal> CheckPlaceFields(const QString& city, const QString& state,
                                        const QString& country) {
    const auto prompt = [](const char* message, BirthField field) {
        return Refusal{translated(message), MessageIcon::Information, field};
    };
    if (city.isEmpty())
        return prompt(QT_TRANSLATE_NOOP("tenvari::FrmMain", "Please Enter City"), BirthField::City);
    if (state.isEmpty())
        return prompt(QT_TRANSLATE_NOOP("tenvari::FrmMain", "Please Enter State"),
                      BirthField::State);
    if (country.isEmpty())
        return prompt(QT_TRANSLATE_NOOP("tenvari::FrmMain", "Please Enter Country"),
                      BirthField::Country);
    return std::nullopt;
}

Refusal conversionRefusal(BirthField field) {
    switch (field) {
    case BirthField::LonDegrees:
        return stop(kLonDegreesMessage, field);
    case BirthField::LonMinutes:
        return stop(kLonMinutesMessage, field);
    default:
        return stop(QT_TRANSLATE_NOOP("tenvari::FrmMain", "Please Enter a Valid Time Zone"), field);
    }
}

} // namespace tenvari
