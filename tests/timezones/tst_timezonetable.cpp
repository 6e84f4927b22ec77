// SPDX-License-Identifier: GPL-3.0-or-later
// The table of named time zones: its size, its order, the texts of selected
// rows, and the offset of every row read back from its text.

#include "timezones/TimeZoneTable.h"

#include <QTest>
#include <climits>
#include <optional>
#include <string>
#include <utility>

using namespace tenvari;

namespace {

struct Offset {
    int hours;
    int minutes;
    bool operator==(const Offset&) const = default;
};

} // namespace

Q_DECLARE_METATYPE(std::optional<Offset>)

namespace {

std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The reading rule for a row's offset field, written independently of the
// table: the third comma-separated field without its blanks; "#" at the end
// means whole hours; otherwise hours before the point and minutes after it;
// the minutes take the sign of the field. Empty for a text that does not
// follow the format.
std::optional<Offset> readOffset(std::string_view rowText) {
    const auto firstComma = rowText.find(',');
    if (firstComma == std::string_view::npos)
        return std::nullopt;
    const auto secondComma = rowText.find(',', firstComma + 1);
    if (secondComma == std::string_view::npos ||
        rowText.find(',', secondComma + 1) != std::string_view::npos)
        return std::nullopt;
    std::string field = trimBlanks(rowText.substr(secondComma + 1));

    const bool negative = !field.empty() && field.front() == '-';
    if (negative)
        field.erase(0, 1);
    const int sign = negative ? -1 : 1;

    if (!field.empty() && field.back() == '#') {
        field.pop_back();
        if (!allDigits(field))
            return std::nullopt;
        return Offset{sign * std::stoi(field), 0};
    }
    const auto point = field.find('.');
    if (point == std::string::npos) {
        if (!allDigits(field))
            return std::nullopt;
        return Offset{sign * std::stoi(field), 0};
    }
    const std::string hours = field.substr(0, point);
    const std::string minutes = field.substr(point + 1);
    if (!allDigits(hours) || !allDigits(minutes))
        return std::nullopt;
    return Offset{sign * std::stoi(hours), sign * std::stoi(minutes)};
}

QString toQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString lowerCase(std::string_view text) {
    return toQString(text).toLower();
}

} // namespace

class tst_TimeZoneTable : public QObject {
    Q_OBJECT

private slots:
    void offsetRule_data();
    void offsetRule();
    void everyRowTextGivesItsStoredOffset();
    void everyRowIsWellFormed();
    void rowsFollowCaseBlindAlphabeticalOrder();
    void spotRows_data();
    void spotRows();
    void lookUp_data();
    void lookUp();
};

// The rule's own examples, so that the check applied to all rows below is
// known to tell a wrong offset from a right one.
void tst_TimeZoneTable::offsetRule_data() {
    QTest::addColumn<QString>("rowText");
    QTest::addColumn<std::optional<Offset>>("expected");

    using O = std::optional<Offset>;
    QTest::newRow("east half hour") << "Indian Time, IST, -5.30" << O(Offset{-5, -30});
    QTest::newRow("west half hour") << "Newfoundland Standard Time,NST,3.30" << O(Offset{3, 30});
    QTest::newRow("negative whole") << "Japan Standard Time,JST,-9.0" << O(Offset{-9, 0});
    QTest::newRow("hash") << "Azores Time, AT, 2#" << O(Offset{2, 0});
    QTest::newRow("negative hash") << "Baghdad Time, BAT, -3#" << O(Offset{-3, 0});
    QTest::newRow("zero hash") << "Universal Time, UT, 0#" << O(Offset{0, 0});
    QTest::newRow("minutes take the field's sign") << "X,Y,-0.30" << O(Offset{0, -30});
    QTest::newRow("two fields only") << "Greenwich Mean Time,0.0" << O();
    QTest::newRow("four fields") << "A,B,C,1.0" << O();
    QTest::newRow("letters in the offset") << "A,B,1.0h" << O();
    QTest::newRow("empty offset") << "A,B, " << O();
}

void tst_TimeZoneTable::offsetRule() {
    QFETCH(QString, rowText);
    QFETCH(std::optional<Offset>, expected);

    const std::string text = rowText.toStdString();
    const std::optional<Offset> got = readOffset(text);
    QCOMPARE(got.has_value(), expected.has_value());
    if (expected) {
        QCOMPARE(got->hours, expected->hours);
        QCOMPARE(got->minutes, expected->minutes);
    }
}

void tst_TimeZoneTable::everyRowTextGivesItsStoredOffset() {
    QCOMPARE(TimeZoneEntries().size(), std::size_t{71});
    for (const TimeZoneEntry& entry : TimeZoneEntries()) {
        const std::optional<Offset> read = readOffset(entry.rowText);
        QVERIFY2(read.has_value(), qPrintable(toQString(entry.rowText)));
        const Offset stored{entry.hours, entry.minutes};
        QVERIFY2(*read == stored, qPrintable(QStringLiteral("%1 (index %2): text says %3 %4, "
                                                            "stored %5 %6")
                                                 .arg(toQString(entry.rowText))
                                                 .arg(entry.index)
                                                 .arg(read->hours)
                                                 .arg(read->minutes)
                                                 .arg(stored.hours)
                                                 .arg(stored.minutes)));
    }
}

void tst_TimeZoneTable::everyRowIsWellFormed() {
    for (std::size_t i = 0; i < TimeZoneEntries().size(); ++i) {
        const TimeZoneEntry& entry = TimeZoneEntries()[i];
        const QString where = QStringLiteral("row %1: %2").arg(i).arg(toQString(entry.rowText));
        QVERIFY2(entry.index == static_cast<int>(i), qPrintable(where));
        QVERIFY2(!entry.rowText.empty() && entry.rowText.size() <= 44, qPrintable(where));
        for (const char c : entry.rowText)
            QVERIFY2(c >= 32 && c < 127, qPrintable(where));
        QVERIFY2(entry.hours >= -13 && entry.hours <= 12, qPrintable(where));
        QVERIFY2(entry.minutes == -30 || entry.minutes == 0 || entry.minutes == 30,
                 qPrintable(where));
        if (entry.minutes != 0)
            QVERIFY2((entry.minutes > 0) == (entry.hours > 0), qPrintable(where));
    }
}

void tst_TimeZoneTable::rowsFollowCaseBlindAlphabeticalOrder() {
    const auto& rows = TimeZoneEntries();
    for (std::size_t i = 1; i < rows.size(); ++i) {
        QVERIFY2(lowerCase(rows[i - 1].rowText) < lowerCase(rows[i].rowText),
                 qPrintable(QStringLiteral("rows %1 and %2 out of order").arg(i - 1).arg(i)));
    }
    // With case taken into account the USSR rows would come first.
    QCOMPARE(toQString(rows[61].rowText), "Universal Time, UT, 0#");
    QVERIFY(toQString(rows[62].rowText) < toQString(rows[61].rowText));
}

void tst_TimeZoneTable::spotRows_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("rowText");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");

    QTest::newRow("first") << 0 << "Alaska/Hawaii Daylight Time,AHDT,9.0" << 9 << 0;
    QTest::newRow("half hour east, compact")
        << 5 << "Australian Central Daylight Time,ACDT,-10.30" << -10 << -30;
    QTest::newRow("hash, spaced") << 11 << "Azores Time, AT, 2#" << 2 << 0;
    QTest::newRow("negative hash") << 12 << "Baghdad Time, BAT, -3#" << -3 << 0;
    QTest::newRow("Greenwich") << 29 << "Greenwich Mean Time,GMT,0.0" << 0 << 0;
    QTest::newRow("half hour west") << 31 << "Hawaiian Daylight Time,HDT,9.30" << 9 << 30;
    QTest::newRow("half hour east, spaced") << 34 << "Indian Time, IST, -5.30" << -5 << -30;
    QTest::newRow("apostrophe, east") << 35 << "Int'l Date Line East,IDLE,-12.0" << -12 << 0;
    QTest::newRow("extreme west") << 36 << "Int'l Date Line West,IDLW,12.0" << 12 << 0;
    QTest::newRow("extreme east") << 46 << "New Zealand Std Summer Time,NZST,-13.0" << -13 << 0;
    QTest::newRow("NST west") << 50 << "Newfoundland Standard Time,NST,3.30" << 3 << 30;
    QTest::newRow("hash, two digits") << 51 << "Nome Time, NT, 11#" << 11 << 0;
    QTest::newRow("NST east") << 52 << "North Sumatra Time,NST,-6.30" << -6 << -30;
    QTest::newRow("daylight SAD") << 56 << "South Australia Daylight Time,SAD,-10.30" << -10 << -30;
    QTest::newRow("daylight SDT") << 57 << "South Australia Daylight Time,SDT,-10.30" << -10 << -30;
    QTest::newRow("standard SAST") << 58 << "South Australia Standard Time,SAST,-9.30" << -9 << -30;
    QTest::newRow("standard SAT") << 59 << "South Australia Standard Time,SAT,-9.30" << -9 << -30;
    QTest::newRow("Universal") << 61 << "Universal Time, UT, 0#" << 0 << 0;
    QTest::newRow("USSR 10 before 3") << 62 << "USSR Zone 10,UZ10,-11.0" << -11 << 0;
    QTest::newRow("USSR 3") << 63 << "USSR Zone 3,USZ3,-4.0" << -4 << 0;
    QTest::newRow("last") << 70 << "Yukon War Time,YWT,8.0" << 8 << 0;
}

void tst_TimeZoneTable::spotRows() {
    QFETCH(int, index);
    QFETCH(QString, rowText);
    QFETCH(int, hours);
    QFETCH(int, minutes);

    const TimeZoneEntry* entry = TimeZoneAt(index);
    QVERIFY(entry);
    QCOMPARE(entry->index, index);
    QCOMPARE(toQString(entry->rowText), rowText);
    QCOMPARE(int(entry->hours), hours);
    QCOMPARE(int(entry->minutes), minutes);
}

void tst_TimeZoneTable::lookUp_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("found");

    QTest::newRow("-1, no row selected") << -1 << false;
    QTest::newRow("0") << 0 << true;
    QTest::newRow("70") << 70 << true;
    QTest::newRow("71") << 71 << false;
    QTest::newRow("INT_MIN") << INT_MIN << false;
    QTest::newRow("INT_MAX") << INT_MAX << false;
}

void tst_TimeZoneTable::lookUp() {
    QFETCH(int, index);
    QFETCH(bool, found);

    const TimeZoneEntry* entry = TimeZoneAt(index);
    QCOMPARE(entry != nullptr, found);
    if (entry)
        QCOMPARE(entry, &TimeZoneEntries()[static_cast<std::size_t>(index)]);
}

QTEST_APPLESS_MAIN(tst_TimeZoneTable)
#include "tst_timezonetable.moc"
