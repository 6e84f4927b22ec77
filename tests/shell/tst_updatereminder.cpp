// SPDX-License-Identifier: GPL-3.0-or-later
// The update reminder: when it asks, what it stores, what it opens, in
// ISO and in locales' short date formats, and with a store that fails.

#include "links/WebLinks.h"
#include "shell/UpdateReminder.h"
#include "support/FakeClock.h"
#include "support/FakeLinkOpener.h"
#include "support/FakeMessageService.h"
#include "support/FakeSettingsStore.h"

#include <QLocale>
#include <QTest>

using namespace tenvari;
using tenvari::test::FakeClock;
using tenvari::test::FakeLinkOpener;
using tenvari::test::FakeMessageService;
using tenvari::test::FakeSettingsStore;

namespace {

const QString kKey = QStringLiteral("tenvari");
const QString kPrompt = QStringLiteral("There maybe an update to this software available\r"
                                       "Do you want to check for an update?");

QString storedKey() {
    return FakeSettingsStore::key(kKey, "Settings", "Duration");
}

} // namespace

class tst_UpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void reminder_data();
    void reminder();
    void parse_data();
    void parse();
};

void tst_UpdateReminder::reminder_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("stored"); // "" = absent
    QTest::addColumn<bool>("writable");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<bool>("prompted");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<int>("downloads");

    const QDate today(2026, 12, 8);
    const QString iso = QStringLiteral("2026-12-08");
    const auto yes = MessageAnswer::Yes;
    const auto no = MessageAnswer::No;
    // clang-format off
    QTest::newRow("first run")              << "C" << today << "" << true << no << false << iso << 0;
    QTest::newRow("reminded today")         << "C" << today << iso << true << no << false << iso << 0;
    QTest::newRow("14 days ago")            << "C" << today << "2026-11-24" << true << no << false << "2026-11-24" << 0;
    QTest::newRow("15 days ago, No")        << "C" << today << "2026-11-23" << true << no << true << iso << 0;
    QTest::newRow("15 days ago, Yes")       << "C" << today << "2026-11-23" << true << yes << true << iso << 1;
    QTest::newRow("14 days ahead")          << "C" << today << "2026-12-22" << true << no << false << "2026-12-22" << 0;
    QTest::newRow("15 days ahead, No")      << "C" << today << "2026-12-23" << true << no << true << iso << 0;
    QTest::newRow("15 days ahead, Yes")     << "C" << today << "2026-12-23" << true << yes << true << iso << 1;
    QTest::newRow("years ago")              << "C" << today << "2019-05-01" << true << no << true << iso << 0;
    QTest::newRow("14 days across the new year")
        << "C" << QDate(2027, 1, 7) << "2026-12-24" << true << no << false << "2026-12-24" << 0;
    QTest::newRow("15 days across the new year")
        << "C" << QDate(2027, 1, 7) << "2026-12-23" << true << no << true << "2027-01-07" << 0;
    QTest::newRow("14 days across a leap day")
        << "C" << QDate(2028, 3, 1) << "2028-02-16" << true << no << false << "2028-02-16" << 0;
    QTest::newRow("15 days across a leap day")
        << "C" << QDate(2028, 3, 1) << "2028-02-15" << true << no << true << "2028-03-01" << 0;

    // Values in the short date format of the user's locale are still read,
    // and replaced by ISO at the next prompt.
    QTest::newRow("US short date, 14 days ago")
        << "en_US" << today << "11/24/26" << true << no << false << "11/24/26" << 0;
    QTest::newRow("US short date, 15 days ago")
        << "en_US" << today << "11/23/26" << true << yes << true << iso << 1;
    QTest::newRow("US short date, last century")
        << "en_US" << today << "12/8/99" << true << no << true << iso << 0;
    QTest::newRow("German short date, 15 days ahead")
        << "de_DE" << today << "23.12.26" << true << no << true << iso << 0;
    QTest::newRow("ISO read in a German locale")
        << "de_DE" << today << "2026-11-24" << true << no << false << "2026-11-24" << 0;

    // A value that reads as no date counts as absent: today replaces it.
    QTest::newRow("unreadable text")        << "C" << today << "yesterday" << true << no << false << iso << 0;
    QTest::newRow("impossible date")        << "C" << today << "2026-02-30" << true << no << false << iso << 0;
    QTest::newRow("US date in a German locale")
        << "de_DE" << today << "11/23/26" << true << no << false << iso << 0;

    // A store that cannot be written: nothing stored, the answer still counts.
    QTest::newRow("unwritable, first run")  << "C" << today << "" << false << no << false << "" << 0;
    QTest::newRow("unwritable, due, Yes")   << "C" << today << "2026-11-01" << false << yes << true << "2026-11-01" << 1;
    QTest::newRow("unwritable, due, No")    << "C" << today << "2026-11-01" << false << no << true << "2026-11-01" << 0;
    // clang-format on
}

void tst_UpdateReminder::reminder() {
    QFETCH(QString, locale);
    QFETCH(QDate, today);
    QFETCH(QString, stored);
    QFETCH(bool, writable);
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, prompted);
    QFETCH(QString, storedAfter);
    QFETCH(int, downloads);

    QLocale::setDefault(QLocale(locale));
    FakeSettingsStore settings;
    if (!stored.isEmpty())
        settings.values.insert(storedKey(), stored);
    settings.writable = writable;
    FakeClock clock;
    clock.date = today;
    FakeMessageService messages;
    messages.scriptAnswer(answer);
    FakeLinkOpener opener;
    WebLinks links(opener);

    ShowUpdateReminder(settings, clock, messages, links, kKey);

    if (prompted) {
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().text, kPrompt);
        QCOMPARE(messages.shown().first().icon, MessageIcon::Information);
        QCOMPARE(messages.shown().first().buttons, MessageButtons::YesNo);
    } else {
        QCOMPARE(messages.texts(), QStringList());
    }
    QCOMPARE(settings.values.value(storedKey()), storedAfter);
    QCOMPARE(settings.values.size(), storedAfter.isEmpty() ? 0 : 1);
    QCOMPARE(opener.opened, QStringList(downloads, WebLinks::address(WebPage::Download)));
}

void tst_UpdateReminder::parse_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected"); // invalid = no date

    const QDate today(2026, 12, 8);
    QTest::newRow("ISO") << "C"
                         << "2026-12-08" << today;
    QTest::newRow("ISO with blanks around") << "C"
                                            << " 2026-12-08 " << today;
    QTest::newRow("US two-digit year, this century") << "en_US"
                                                     << "12/8/26" << today;
    QTest::newRow("US two-digit year, 49 years on") << "en_US"
                                                    << "1/1/75" << QDate(2075, 1, 1);
    QTest::newRow("US two-digit year, 50 years back") << "en_US"
                                                      << "1/1/77" << QDate(1977, 1, 1);
    QTest::newRow("UK day first") << "en_GB"
                                  << "08/12/2026" << today;
    QTest::newRow("empty") << "C"
                           << "" << QDate();
    QTest::newRow("time, not a date") << "C"
                                      << "12:30" << QDate();
    QTest::newRow("13th month") << "en_US"
                                << "13/1/26" << QDate();
}

void tst_UpdateReminder::parse() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QLocale::setDefault(QLocale(locale));
    const std::optional<QDate> date = ParseReminderDate(text, QDate(2026, 12, 8));
    QCOMPARE(date.has_value(), expected.isValid());
    if (date)
        QCOMPARE(*date, expected);
}

QTEST_GUILESS_MAIN(tst_UpdateReminder)
#include "tst_updatereminder.moc"
