// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store on QSettings: what is written comes back
// exactly, keys do not mix, a store that cannot be written says so, and a
// file the store did not write the way it writes is never changed.

#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
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
    void foreignFiles_data();
    void foreignFiles();
    void replacesTheFileWhole();

private:
    QTemporaryDir dir_;
};

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void putFile(const QString& path, const QByteArray& contents) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(contents), contents.size());
}

} // namespace

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
    QTest::addColumn<QString>("stored"); // what the store reads
    QTest::newRow("folder is a file") << "folder is a file" << QString();
    QTest::newRow("file is a folder") << "file is a folder" << QString();
    QTest::newRow("read-only folder") << "read-only folder"
                                      << "2020-01-01";
    QTest::newRow("unreadable file") << "unreadable file" << QString();
}

void tst_QtSettingsStore::unwritable() {
    QFETCH(QString, kind);
    QFETCH(QString, stored);
    QString folder = dir_.filePath(QStringLiteral("unwritable-") + kind);
    QVERIFY(QDir().mkpath(folder));
    const QString file = QtSettingsStore(folder).filePath("tenvari");
    const QByteArray contents = "[Settings]\nDuration=2020-01-01\n";
    if (kind == QLatin1String("folder is a file")) {
        putFile(folder + QStringLiteral("/plain"), {});
        folder += QStringLiteral("/plain/settings");
    } else if (kind == QLatin1String("file is a folder")) {
        QVERIFY(QDir().mkpath(file));
    } else {
        if (::geteuid() == 0)
            QSKIP("file permissions do not bind root");
        putFile(file, contents);
        if (kind == QLatin1String("read-only folder"))
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        else
            QVERIFY(QFile::setPermissions(file, QFile::WriteOwner));
    }

    QtSettingsStore store(folder);
    QCOMPARE(store.read("tenvari", "Settings", "Duration"), stored);
    QVERIFY(!store.write("tenvari", "Settings", "Duration", "2026-12-08"));
    if (QFileInfo(file).isFile()) {
        QVERIFY(
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(contentsOf(file), contents);
    }
}

void tst_QtSettingsStore::foreignFiles_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("stored"); // what the store reads before writing
    QTest::addColumn<bool>("written");

    const QByteArray ours = "[Settings]\nDuration=2020-01-01\n";
    QByteArray garbage(4096, '\0');
    QRandomGenerator random(20261208);
    for (char& byte : garbage)
        byte = static_cast<char>(random.bounded(256));

    QTest::newRow("missing") << QByteArray() << QString() << true;
    QTest::newRow("written by the store") << ours << "2020-01-01" << true;
    QTest::newRow("another section in the store's form")
        << "[Other]\nkey=value\n\n" + ours << "2020-01-01" << true;
    QTest::newRow("random bytes") << garbage << QString() << false;
    QTest::newRow("hand-written comment and a section of its own")
        << "; keep this note\n" + ours + "\n[Window]\nwidth=640\n"
        << "2020-01-01" << false;
    QTest::newRow("blank line before the section") << "\n" + ours << "2020-01-01" << false;
    QTest::newRow("Windows line ends")
        << QByteArray("[Settings]\r\nDuration=2020-01-01\r\n") << "2020-01-01" << false;
    QTest::newRow("byte order mark") << "\xef\xbb\xbf" + ours << "2020-01-01" << false;
    QTest::newRow("a list where a text is written")
        << QByteArray("[Settings]\nDuration=a,b\n") << QString() << false;
    QTest::newRow("not UTF-8") << QByteArray("[Settings]\nDuration=\xe9t\xe9\n") << QString()
                               << false;
    QTest::newRow("a line without a key") << ours + "just words\n"
                                          << "2020-01-01" << false;
    // Past 64 KiB the file is not read at all, even when all of it is ours.
    QByteArray large = "[Other]\n";
    for (int i = 0; large.size() <= 64 * 1024; ++i)
        large += "key" + QByteArray::number(i) + "=value\n";
    QTest::newRow("larger than 64 KiB") << "\n" + large + "\n" + ours << QString() << false;
}

void tst_QtSettingsStore::foreignFiles() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, stored);
    QFETCH(bool, written);
    const QString folder = dir_.filePath(QStringLiteral("foreign-") + QTest::currentDataTag());
    QtSettingsStore store(folder);
    const QString path = store.filePath("tenvari");
    QVERIFY(QDir().mkpath(folder));
    if (!contents.isEmpty())
        putFile(path, contents);

    QCOMPARE(store.read("tenvari", "Settings", "Duration"), stored);
    QCOMPARE(store.write("tenvari", "Settings", "Duration", "2026-12-08"), written);
    if (written) {
        QCOMPARE(QtSettingsStore(folder).read("tenvari", "Settings", "Duration"),
                 QStringLiteral("2026-12-08"));
        // Everything else in the file is still there.
        if (contents.startsWith("[Other]"))
            QCOMPARE(store.read("tenvari", "Other", "key"), QStringLiteral("value"));
    } else {
        QCOMPARE(contentsOf(path), contents);
    }
    // Nothing else is left in the folder (a lock or a temporary file).
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QFileInfo(path).fileName()});
}

void tst_QtSettingsStore::replacesTheFileWhole() {
    // The new file is written beside the old and takes its name in one step:
    // a crash in between leaves the old file, never a mix of the two. A
    // second name of the old file keeps the old contents.
    const QString folder = dir_.filePath(QStringLiteral("whole"));
    QtSettingsStore store(folder);
    const QString path = store.filePath("tenvari");
    const QByteArray old = "[Settings]\nDuration=2020-01-01\n";
    putFile(path, old);
    const QString secondName = folder + QStringLiteral("/second-name");
    QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(secondName).constData()),
             0);

    QVERIFY(store.write("tenvari", "Settings", "Duration", "2026-12-08"));
    QCOMPARE(contentsOf(path), QByteArray("[Settings]\nDuration=2026-12-08\n"));
    QCOMPARE(contentsOf(secondName), old);
}

QTEST_GUILESS_MAIN(tst_QtSettingsStore)
#include "tst_qtsettingsstore.moc"
