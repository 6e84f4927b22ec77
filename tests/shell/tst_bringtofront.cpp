// SPDX-License-Identifier: GPL-3.0-or-later
// Copies of the program side by side, as real processes (frontprobe, the
// program's start-up with the real lock and channel): a second copy is
// refused and brings the first one's window to the front, and a copy that
// was killed leaves nothing that stops the next one.

#include "support/ChildProcess.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One copy of the probe, on the offscreen platform.
class Copy : public tenvari::test::ChildProcess {
public:
    explicit Copy(const QString& folder)
        : ChildProcess(QStringLiteral(FRONTPROBE_PATH), {folder}, offscreen()) {}

    // Lets a running copy end and waits for it; true when it ended well.
    bool release() { return ChildProcess::release() && endedWell(); }
    // Waits for a copy that ends by itself; true when it ended well.
    bool ended() { return finished() && endedWell(); }

private:
    static QProcessEnvironment offscreen() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return environment;
    }
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
