// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance rule across real processes (lockprobe, a copy that
// asks the guard and holds its lock), and the leftovers of copies that
// ended without cleaning up.

#include "platform/LockFileInstanceGuard.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

using namespace tenvari;

namespace {

constexpr int kWaitMs = 15'000;

// One copy of the probe.
class Probe {
public:
    Probe(const QString& folder, const QString& name, bool waitForGo = false) {
        QStringList arguments{folder, name};
        if (waitForGo)
            arguments << QStringLiteral("--wait");
        process_.start(QStringLiteral(LOCKPROBE_PATH), arguments);
    }
    ~Probe() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kWaitMs);
        }
    }

    // The next line the copy says, or "" when it said nothing in time.
    QString line() {
        while (!process_.canReadLine())
            if (!process_.waitForReadyRead(kWaitMs))
                return {};
        return QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    void tell(const char* line) { process_.write(line); }
    // Lets a holding copy go and waits for its end.
    bool release() {
        process_.closeWriteChannel();
        return process_.waitForFinished(kWaitMs);
    }
    // Ends the copy as a crash would: no clean-up runs.
    void killHard() {
        process_.kill();
        // Waiting also reaps it: a zombie would still count as running.
        process_.waitForFinished(kWaitMs);
    }
    bool finished() { return process_.waitForFinished(kWaitMs); }
    int exitCode() const { return process_.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return process_.exitStatus(); }

private:
    QProcess process_;
};

void ageFile(const QString& path, qint64 seconds) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                             QFileDevice::FileModificationTime));
}

} // namespace

class tst_LockFileInstanceGuard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void secondCopyRefusedWhileFirstRuns();
    void killedCopyDoesNotBlock();
    void copiesStartedTogether();
    void longRunningCopyKeepsItsLock();
    void leftovers_data();
    void leftovers();
    void answerTakenOnce();
    void unusableFolderDoesNotStopTheProgram();

private:
    QString folder() const { return dir_->path(); }
    QString lockPath(const QString& name) const {
        return LockFileInstanceGuard(name, folder()).lockFilePath();
    }
    std::unique_ptr<QTemporaryDir> dir_;
};

void tst_LockFileInstanceGuard::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void tst_LockFileInstanceGuard::secondCopyRefusedWhileFirstRuns() {
    Probe first(folder(), "tenvari");
    QCOMPARE(first.line(), QStringLiteral("running"));

    for (int copy = 0; copy < 2; ++copy) {
        Probe second(folder(), "tenvari");
        QCOMPARE(second.line(), QStringLiteral("refused"));
        QVERIFY(second.finished());
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
    }

    // The first copy was not disturbed and cleans up as it ends.
    QVERIFY(first.release());
    QCOMPARE(first.exitCode(), 0);
    QVERIFY(!QFile::exists(lockPath("tenvari")));
    Probe next(folder(), "tenvari");
    QCOMPARE(next.line(), QStringLiteral("running"));
}

void tst_LockFileInstanceGuard::killedCopyDoesNotBlock() {
    Probe first(folder(), "tenvari");
    QCOMPARE(first.line(), QStringLiteral("running"));
    first.killHard();
    QCOMPARE(first.exitStatus(), QProcess::CrashExit);
    // The crash left its lock file behind...
    QVERIFY(QFile::exists(lockPath("tenvari")));

    // ...and the next copy runs all the same, and holds the lock in turn.
    Probe next(folder(), "tenvari");
    QCOMPARE(next.line(), QStringLiteral("running"));
    Probe third(folder(), "tenvari");
    QCOMPARE(third.line(), QStringLiteral("refused"));
}

void tst_LockFileInstanceGuard::copiesStartedTogether() {
    constexpr int kCopies = 8;
    for (int round = 0; round < 3; ++round) {
        std::vector<std::unique_ptr<Probe>> copies;
        for (int i = 0; i < kCopies; ++i)
            copies.push_back(std::make_unique<Probe>(folder(), "tenvari", true));
        for (auto& copy : copies)
            QCOMPARE(copy->line(), QStringLiteral("ready"));
        for (auto& copy : copies)
            copy->tell("go\n");

        int running = 0;
        int refused = 0;
        for (auto& copy : copies) {
            const QString answer = copy->line();
            running += answer == QLatin1String("running");
            refused += answer == QLatin1String("refused");
        }
        QCOMPARE(running, 1);
        QCOMPARE(refused, kCopies - 1);
        for (auto& copy : copies)
            QVERIFY(copy->release());
    }
}

void tst_LockFileInstanceGuard::longRunningCopyKeepsItsLock() {
    Probe first(folder(), "tenvari");
    QCOMPARE(first.line(), QStringLiteral("running"));
    // A lock older than any stale time still belongs to a live copy.
    ageFile(lockPath("tenvari"), 24 * 3600);
    Probe second(folder(), "tenvari");
    QCOMPARE(second.line(), QStringLiteral("refused"));
}

void tst_LockFileInstanceGuard::leftovers_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<qint64>("ageSeconds");
    QTest::addColumn<bool>("blocks");

    // Process ids above the kernel's limit (4194304) never belong to anyone.
    const QByteArray host = QSysInfo::machineHostName().toLocal8Bit();
    QTest::newRow("process gone") << "4194399\ntenvari\n" + host + "\n" << qint64(0) << false;
    QTest::newRow("process id reused by another program")
        << QByteArray::number(QCoreApplication::applicationPid()) + "\nsome-other-program\n" +
               host + "\n"
        << qint64(0) << false;
    QTest::newRow("cut short by a crash, old") << QByteArray() << qint64(3600) << false;
    QTest::newRow("garbage, old") << QByteArray("\x01\x02garbage") << qint64(3600) << false;
    // A copy writes its lock just after creating it; a fresh empty file may
    // be one that is starting right now.
    QTest::newRow("empty, just created") << QByteArray() << qint64(0) << true;
}

void tst_LockFileInstanceGuard::leftovers() {
    QFETCH(QByteArray, contents);
    QFETCH(qint64, ageSeconds);
    QFETCH(bool, blocks);

    const QString path = lockPath("tenvari");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    if (ageSeconds > 0)
        ageFile(path, ageSeconds);

    LockFileInstanceGuard guard("tenvari", folder());
    QCOMPARE(guard.anotherInstanceRunning(), blocks);
    if (!blocks) {
        // Taken over: the file now names this process.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readLine().trimmed(), QByteArray::number(QCoreApplication::applicationPid()));
    }
}

void tst_LockFileInstanceGuard::answerTakenOnce() {
    auto first = std::make_unique<LockFileInstanceGuard>("tenvari", folder());
    QVERIFY(!first->anotherInstanceRunning());
    QVERIFY(!first->anotherInstanceRunning());

    LockFileInstanceGuard second("tenvari", folder());
    QVERIFY(second.anotherInstanceRunning());
    // The answer holds even after the first guard lets go.
    first.reset();
    QVERIFY(second.anotherInstanceRunning());
    LockFileInstanceGuard third("tenvari", folder());
    QVERIFY(!third.anotherInstanceRunning());
    // Another executable has a lock of its own.
    LockFileInstanceGuard other("tenvari-other", folder());
    QVERIFY(!other.anotherInstanceRunning());
}

void tst_LockFileInstanceGuard::unusableFolderDoesNotStopTheProgram() {
    QFile plain(dir_->filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    LockFileInstanceGuard guard("tenvari", plain.fileName() + QStringLiteral("/locks"));
    QVERIFY(!guard.anotherInstanceRunning());
}

QTEST_GUILESS_MAIN(tst_LockFileInstanceGuard)
#include "tst_lockfileinstanceguard.moc"
