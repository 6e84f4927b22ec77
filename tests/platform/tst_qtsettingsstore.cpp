// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store on QSettings: what is written comes back
// exactly, keys do not mix, and a store that cannot be written says so.

#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace tenvari;

class tst_QtSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void keysKeptApart();
    void defaultsToUserConfigFolder();
    void unwritable_data();
    void unwritable();

private:
    QTemporaryDir dir_;
};

void tst_QtSettingsStore::roundTrip_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("ISO date") << QStringLiteral("2026-12-08");
    QTest::newRow("short date with slashes") << QStringLiteral("12/8/26");
    QTest::newRow("comma, read as a list by INI files") << QStringLiteral("Tue, 8 Dec 2026");
    QTest::newRow("characters with a meaning in INI files") << QStringLiteral("a=b;c#d[e]");
    QTest::newRow("outer blanks kept") << QStringLiteral("  8.12.2026  ");
    QTest::newRow("quotes and backslash") << QStringLiteral("\"C:\\dates\"");
    QTest::newRow("non-ASCII") << QStringLiteral("8. Dezember 2026 \u65e5\u672c");
}

void tst_QtSettingsStore::roundTrip() {
    QFETCH(QString, value);
    const QString folder = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()));
    {
        QtSettingsStore store(folder);
        QVERIFY(store.write("tenvari", "Settings", "Duration", value));
    }
    // A second store on the same folder reads the file that was written.
    QtSettingsStore again(folder);
    QCOMPARE(again.read("tenvari", "Settings", "Duration"), value);
    QVERIFY(QFile::exists(again.filePath("tenvari")));
}

void tst_QtSettingsStore::keysKeptApart() {
    QtSettingsStore store(dir_.filePath("apart"));
    QVERIFY(store.write("tenvari", "Settings", "Duration", "A"));
    QVERIFY(store.write("other", "Settings", "Duration", "B"));
    QVERIFY(store.write("tenvari", "Other", "Duration", "C"));
    QVERIFY(store.write("tenvari", "Settings", "Other", "D"));
    QCOMPARE(store.read("tenvari", "Settings", "Duration"), QStringLiteral("A"));
    QCOMPARE(store.read("other", "Settings", "Duration"), QStringLiteral("B"));
    QCOMPARE(store.read("tenvari", "Other", "Duration"), QStringLiteral("C"));
    QCOMPARE(store.read("tenvari", "Settings", "Other"), QStringLiteral("D"));
    QCOMPARE(store.read("tenvari", "Settings", "Absent"), QString());
    QCOMPARE(store.read("absent", "Settings", "Duration"), QString());
}

void tst_QtSettingsStore::defaultsToUserConfigFolder() {
    // CTest gives each test a configuration folder of its own.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        QSKIP("needs XDG_CONFIG_HOME (set by CTest)");
    QtSettingsStore store;
    QCOMPARE(QFileInfo(store.filePath("tenvari")).absolutePath(), QDir(config).absolutePath());
    QVERIFY(store.write("tenvari", "Settings", "Duration", "2026-12-08"));
    QVERIFY(QFile::exists(QDir(config).filePath("tenvari.conf")));
}

void tst_QtSettingsStore::unwritable_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder is a file") << QStringLiteral("folder is a file");
    QTest::newRow("file is a folder") << QStringLiteral("file is a folder");
    QTest::newRow("read-only folder") << QStringLiteral("read-only folder");
}

void tst_QtSettingsStore::unwritable() {
    QFETCH(QString, kind);
    QString folder = dir_.filePath(QStringLiteral("unwritable-") + kind);
    QVERIFY(QDir().mkpath(folder));
    if (kind == QLatin1String("folder is a file")) {
        QFile file(folder + QStringLiteral("/plain"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        folder = file.fileName() + QStringLiteral("/settings");
    } else if (kind == QLatin1String("file is a folder")) {
        QVERIFY(QDir().mkpath(QtSettingsStore(folder).filePath("tenvari")));
    } else {
        if (::geteuid() == 0)
            QSKIP("file permissions do not bind root");
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    }

    QtSettingsStore store(folder);
    QVERIFY(!store.write("tenvari", "Settings", "Duration", "2026-12-08"));
    QCOMPARE(store.read("tenvari", "Settings", "Duration"), QString());
}

QTEST_GUILESS_MAIN(tst_QtSettingsStore)
#include "tst_qtsettingsstore.moc"
