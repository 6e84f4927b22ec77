// SPDX-License-Identifier: GPL-3.0-or-later
// The stored reminder date read back in every locale Qt knows: any text,
// any today. A date read is valid, and the date as the store writes it now
// (ISO 8601) reads back as itself in every locale.

#include "FuzzSupport.h"
#include "shell/UpdateReminder.h"

#include <QLocale>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace tenvari;
using tenvari::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    FuzzedDataProvider input(data, size);
    const QLocale locale = locales[input.ConsumeIntegralInRange<qsizetype>(0, locales.size() - 1)];
    QLocale::setDefault(locale);
    // Today anywhere from 1900 to 2200, or no valid date at all.
    const QDate today =
        input.ConsumeBool()
            ? QDate()
            : QDate(1900, 1, 1).addDays(input.ConsumeIntegralInRange<qint64>(0, 109'572));
    const QString text =
        QString::fromUtf8(QByteArray::fromStdString(input.ConsumeRemainingBytesAsString()));

    if (const std::optional<QDate> date = ParseReminderDate(text, today))
        require(date->isValid(), "invalid date read", text + QLatin1Char(' ') + locale.name());
    if (today.isValid())
        require(ParseReminderDate(today.toString(Qt::ISODate), today) == today,
                "today's ISO date does not read back", locale.name());
    return 0;
}
