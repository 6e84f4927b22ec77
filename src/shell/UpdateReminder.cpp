// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/UpdateReminder.h"

#include "links/WebLinks.h"
#include "platform/Clock.h"
#include "platform/MessageService.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QLocale>

namespace tenvari {

namespace {

// A format with a two-digit year ("M/d/yy") is read by Qt in the 1900s;
// move such a date by whole centuries to lie within 50 years of today.
QDate nearestCentury(QDate date, const QDate& today) {
    while (date < today.addYears(-50))
        date = date.addYears(100);
    while (date >= today.addYears(50))
        date = date.addYears(-100);
    return date;
}

bool hasTwoDigitYear(const QString& format) {
    return format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyy"));
}

void storeToday(SettingsStore& settings, const QString& applicationKey, const QDate& today) {
    settings.write(applicationKey, QLatin1String(kReminderSection), QLatin1String(kReminderEntry),
                   today.toString(Qt::ISODate));
}

} // namespace

std::optional<QDate> ParseReminderDate(const QString& text, const QDate& today) {
    const QString trimmed = text.trimmed();
    const QDate iso = QDate::fromString(trimmed, Qt::ISODate);
    if (iso.isValid())
        return iso;
    const QLocale locale;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QDate shortDate = locale.toDate(trimmed, format);
    if (!shortDate.isValid())
        return std::nullopt;
    if (hasTwoDigitYear(format) && today.isValid())
        shortDate = nearestCentury(shortDate, today);
    return shortDate;
}

void ShowUpdateReminder(SettingsStore& settings, Clock& clock, MessageService& messages,
                        WebLinks& links, const QString& applicationKey) {
    const QDate today = clock.today();
    const QString stored = settings.read(applicationKey, QLatin1String(kReminderSection),
                                         QLatin1String(kReminderEntry));
    const std::optional<QDate> last =
        stored.isEmpty() ? std::nullopt : ParseReminderDate(stored, today);
    if (!last) {
        storeToday(settings, applicationKey, today);
        return;
    }

    const qint64 days = today.daysTo(*last);
    if (days >= -kReminderQuietDays && days <= kReminderQuietDays)
        return;

    const MessageAnswer answer = messages.show(
        QCoreApplication::translate("tenvari::UpdateReminder",
                                    "There maybe an update to this software available") +
            QChar(u'\r') +
            QCoreApplication::translate("tenvari::UpdateReminder",
                                        "Do you want to check for an update?"),
        MessageIcon::Information, MessageButtons::YesNo);
    storeToday(settings, applicationKey, today);
    if (answer == MessageAnswer::Yes)
        links.open(WebPage::Download);
}

} // namespace tenvari
