// SPDX-License-Identifier: GPL-3.0-or-later
// The real program as a desktop session runs it: started, then told to end
// with a signal (at log-out, shutdown, or a closed terminal). It must end
// as after File > Exit without the exit screen: status 0, lock released,
// nothing written to the console, in English as in Hindi.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

class tst_TenvariProcess : public QObject {
    Q_OBJECT

private slots:
    void endsCleanlyOnSignal_data();
    void endsCleanlyOnSignal();
};

void tst_TenvariProcess::endsCleanlyOnSignal_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("language");
    QTest::newRow("SIGTERM") << SIGTERM << QString();
    QTest::newRow("SIGHUP") << SIGHUP << QString();
    QTest::newRow("SIGINT") << SIGINT << QString();
    QTest::newRow("SIGTERM, in Hindi") << SIGTERM << QStringLiteral("hi");
}

void tst_TenvariProcess::endsCleanlyOnSignal() {
    QFETCH(int, signal);
    QFETCH(QString, language);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString runtime = home.filePath("runtime");
    QVERIFY(QDir().mkdir(runtime));
    QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_CACHE_HOME", home.filePath("cache"));
    environment.insert("XDG_RUNTIME_DIR", runtime);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("LANGUAGE", language);
    QProcess tenvari;
    tenvari.setProcessEnvironment(environment);
    tenvari.setProcessChannelMode(QProcess::MergedChannels);
    tenvari.start(QStringLiteral(TENVARI_PATH), {});
    QVERIFY(tenvari.waitForStarted());

    // The lock appears once start-up has asked for it; the window follows.
    const auto lockFiles = [&runtime] {
        return QDir(runtime).entryList({QStringLiteral("*.lock")}, QDir::Files);
    };
    QTRY_COMPARE_WITH_TIMEOUT(lockFiles().size(), 1, 15'000);
    QVERIFY(tenvari.state() == QProcess::Running);

    ::kill(static_cast<pid_t>(tenvari.processId()), signal);
    QVERIFY(tenvari.waitForFinished(15'000));
    QCOMPARE(tenvari.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tenvari.exitCode(), 0);
    QCOMPARE(lockFiles(), QStringList());
    QCOMPARE(QString::fromLocal8Bit(tenvari.readAll()), QString());
}

QTEST_GUILESS_MAIN(tst_TenvariProcess)
#include "tst_tenvariprocess.moc"
