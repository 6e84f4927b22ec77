// SPDX-License-Identifier: GPL-3.0-or-later
// The checks before a reading, through the real form: a few rows of each
// kind show that the form reads its boxes and lists into the record, shows
// the refusal (message, icon) and moves the focus, and that a refused
// reading changes nothing on the screen. The whole table of checks is
// tst_birthdatachecks.

#include "CheckMessages.h"
#include "support/FormDriver.h"
#include "widgets/Twips.h"

#include <QAction>

using namespace tenvari;
using namespace tenvari::test;

class tst_Validation : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void fields_data();
    void fields();
    void dates_data();
    void dates();
    void menuEntryChecksAlike();
};

void tst_Validation::fields_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lonD");
    QTest::addColumn<QString>("lonM");
    QTest::addColumn<QString>("latD");
    QTest::addColumn<QString>("latM");
    QTest::addColumn<int>("dayOfApril");  // the date is April of 2001
    QTest::addColumn<QString>("message"); // empty: the reading goes ahead
    QTest::addColumn<QString>("focus");

    const auto row = [](const char* tag, const char* name, const char* lonD, const char* lonM,
                        const char* latD, const char* latM, const QString& message,
                        const char* focus, int day = 30) {
        QTest::newRow(tag) << name << lonD << lonM << latD << latM << day << message << focus;
    };
    row("blank name", "   ", "1", "1", "1", "1", kName, "txtName");
    row("one letter among blanks", " A ", " 9a", "5 ", "1", "1", "", "");
    row("longitude 180: focus on the hidden box", "A", "180", "1", "1", "1", kLonDegrees,
        "txtLonD");
    row("longitude minutes 5a", "A", "1", "5a", "1", "1", kLonMinutes, "txtLonM");
    row("latitude 90", "A", "1", "1", "90", "1", kLatDegrees, "txtLatD");
    row("latitude before the date", "A", "1", "1", "1", "60", kLatMinutes, "txtLatM", 31);
}

void tst_Validation::fields() {
    QFETCH(QString, name);
    QFETCH(QString, lonD);
    QFETCH(QString, lonM);
    QFETCH(QString, latD);
    QFETCH(QString, latM);
    QFETCH(int, dayOfApril);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    FormDriver f;
    QVERIFY(f.active);
    // Pasted: the hidden boxes and the name take such texts only that way
    // (and a paste, too, stops at the box's length).
    f.paste("txtName", name);
    f.paste("txtLonD", lonD);
    f.paste("txtLonM", lonM);
    f.paste("txtLatD", latD);
    f.paste("txtLatM", latM);
    f.setDate(QStringLiteral("April"), dayOfApril, 2001);
    const QStringList placeholders = f.results();

    f.read();

    // The checks read the texts; they never change them.
    QCOMPARE(f.box("txtName")->text() + '|' + f.box("txtLonD")->text() + '|' +
                 f.box("txtLonM")->text() + '|' + f.box("txtLatD")->text() + '|' +
                 f.box("txtLatM")->text(),
             QStringList({name, lonD, lonM, latD, latM}).join('|'));
    if (message.isEmpty()) {
        QVERIFY(f.messages.shown().isEmpty());
        QCOMPARE(f.form->width(), twips(kResultClientTwips));
        QCOMPARE(f.labelText("lblDOB"), QStringLiteral("April %1, 2001").arg(dayOfApril));
        return;
    }
    QCOMPARE(f.messages.texts(), QStringList{message});
    QVERIFY(f.messages.shown().first().icon == MessageIcon::Stop);
    QVERIFY(f.messages.shown().first().buttons == MessageButtons::Ok);
    QCOMPARE(f.focusName(), focus);
    // Refused: nothing else happened.
    QCOMPARE(f.form->width(), twips(kInputClientTwips));
    QCOMPARE(f.results(), placeholders);
    QCOMPARE(int(f.form->birthMoment().year), 0);
}

void tst_Validation::dates_data() {
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // empty: accepted

    QTest::newRow("29 February 2000") << "February" << 29 << 2000 << "";
    QTest::newRow("29 February 2001") << "February" << 29 << 2001 << kFebruary;
    QTest::newRow("31 April") << "April" << 31 << 2001 << kThirtyDays;
    QTest::newRow("31 December") << "December" << 31 << 2001 << "";
}

void tst_Validation::dates() {
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(QString, message);

    FormDriver f;
    QVERIFY(f.active);
    f.type("txtName", QStringLiteral("A"));
    f.setDate(month, day, year);
    QString focusWhileShown;
    f.messages.onShow = [&](const FakeMessageService::Shown&) { focusWhileShown = f.focusName(); };

    f.read();

    if (message.isEmpty()) {
        QVERIFY(f.messages.shown().isEmpty());
        QCOMPARE(f.labelText("lblDOB"), QStringLiteral("%1 %2, %3").arg(month).arg(day).arg(year));
        return;
    }
    QCOMPARE(f.messages.texts(), QStringList{message});
    QVERIFY(f.messages.shown().first().icon == MessageIcon::Information);
    // The focus stays on the button that was clicked.
    QCOMPARE(focusWhileShown, QStringLiteral("cmdRashi"));
    QCOMPARE(f.focusName(), QStringLiteral("cmdRashi"));
    QCOMPARE(f.form->width(), twips(kInputClientTwips));
    QCOMPARE(f.labelText("lblDOB"), QStringLiteral("lblDOB"));
}

void tst_Validation::menuEntryChecksAlike() {
    FormDriver f;
    f.setDate(QStringLiteral("June"), 31, 2001);
    f.form->findChild<QAction*>("mnuNext")->trigger();
    QCOMPARE(f.messages.texts(), QStringList{kName});
    QCOMPARE(f.focusName(), QStringLiteral("txtName"));

    f.messages.clear();
    f.type("txtName", QStringLiteral("A"));
    f.form->findChild<QAction*>("mnuNext")->trigger();
    QCOMPARE(f.messages.texts(), QStringList{kThirtyDays});
    QCOMPARE(f.form->width(), twips(kInputClientTwips));
}

QTEST_MAIN(tst_Validation)
#include "tst_validation.moc"
