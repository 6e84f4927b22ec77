// SPDX-License-Identifier: GPL-3.0-or-later
// Copies of the program side by side, as real processes (frontprobe, the
// program's start-up with the real lock and channel): a second copy is
// refused and brings the first one's window to the front, and a copy that
// was killed leaves nothing that stops the next one.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kWaitMs = 15'000;

// One copy of the probe, on the offscreen platform.
class Copy {
public:
    explicit Copy(const QString& folder) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process_.setProcessEnvironment(environment);
        process_.start(QStringLiteral(FRONTPROBE_PATH), {folder});
    }
    ~Copy() {
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
    // Lets a running copy end and waits for it; true when it ended well.
    bool release() {
        process_.closeWriteChannel();
        return process_.waitForFinished(kWaitMs) && endedWell();
    }
    // Waits for a copy that ends by itself; true when it ended well.
    bool ended() { return process_.waitForFinished(kWaitMs) && endedWell(); }
    // Ends the copy as a crash would: no clean-up runs.
    void killHard() {
        process_.kill();
        process_.waitForFinished(kWaitMs);
    }

private:
    bool endedWell() const {
        return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    }

    QProcess process_;
};

QStringList socketsIn(const QTemporaryDir& folder) {
    return QDir(folder.path()).entryList({QStringLiteral("*.socket")}, QDir::System);
}

const QString kRefused = QStringLiteral("refused: Application is already running");

} // namespace

class tst_BringToFront : public QObject {
    Q_OBJECT

private slots:
    void secondCopyBringsFirstForward();
    void killedCopyStopsNothing();
};

void tst_BringToFront::secondCopyBringsFirstForward() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Copy first(folder.path());
    QCOMPARE(first.line(), QStringLiteral("ready"));

    Copy second(folder.path());
    QCOMPARE(second.line(), kRefused);
    QVERIFY(second.ended());
    QCOMPARE(first.line(), QStringLiteral("front"));

    QVERIFY(first.release());
    QCOMPARE(socketsIn(folder), QStringList{}); // removed by the copy that made it
}

void tst_BringToFront::killedCopyStopsNothing() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    {
        Copy killed(folder.path());
        QCOMPARE(killed.line(), QStringLiteral("ready"));
        killed.killHard();
    }
    QCOMPARE(socketsIn(folder).size(), 1); // left behind

    Copy next(folder.path());
    QCOMPARE(next.line(), QStringLiteral("ready"));
    // ... and it listens on the place of the old socket.
    Copy later(folder.path());
    QCOMPARE(later.line(), kRefused);
    QVERIFY(later.ended());
    QCOMPARE(next.line(), QStringLiteral("front"));
    QVERIFY(next.release());
}

QTEST_GUILESS_MAIN(tst_BringToFront)
#include "tst_bringtofront.moc"
