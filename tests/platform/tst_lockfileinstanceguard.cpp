// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance rule across real processes (lockprobe, a copy that
// asks the guard and holds its lock), the leftovers of copies that ended
// without cleaning up, whatever else may lie at the lock's path, and the
// folder the lock lives in.

#include "platform/LockFileInstanceGuard.h"
#include "support/ChildProcess.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace tenvari;

namespace {

// One copy of the probe.
class Probe : public tenvari::test::ChildProcess {
public:
    // An empty folder: the guard picks its own, from the environment.
    Probe(const QString& folder, const QString& name, bool waitForGo = false,
          const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
        : ChildProcess(QStringLiteral(LOCKPROBE_PATH), arguments(folder, name, waitForGo),
                       environment) {}

private:
    static QStringList arguments(const QString& folder, const QString& name, bool waitForGo) {
        QStringList list{folder, name};
        if (waitForGo)
            list << QStringLiteral("--wait");
        return list;
    }
};

void ageFile(const QString& path, qint64 seconds) {
    const timespec times[2] = {{0, UTIME_OMIT}, {QDateTime::currentSecsSinceEpoch() - seconds, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW),
             0);
}

void putFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}

// Starts a copy, and a second one beside it while the first runs. Tells
// how the first fared: "guarded" (it runs and holds the lock: the second is
// refused), "unguarded" (it runs without the single-instance check: the
// second runs as well) or "refused".
QString startTwice(const QString& folder) {
    Probe first(folder, "tenvari");
    const QString answer = first.line();
    if (answer != QLatin1String("running"))
        return answer;
    Probe second(folder, "tenvari");
    const QString again = second.line();
    return again == QLatin1String("refused")   ? QStringLiteral("guarded")
           : again == QLatin1String("running") ? QStringLiteral("unguarded")
                                               : again;
}

} // namespace

class tst_LockFileInstanceGuard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void secondCopyRefusedWhileFirstRuns();
    void killedCopyDoesNotBlock();
    void copiesStartedTogether_data();
    void copiesStartedTogether();
    void longRunningCopyKeepsItsLock();
    void leftovers_data();
    void leftovers();
    void lockFolder_data();
    void lockFolder();
    void answerTakenOnce();
    void unusableFolderDoesNotStopTheProgram_data();
    void unusableFolderDoesNotStopTheProgram();

private:
    QString folder() const { return dir_->path(); }
    QString lockPath(const QString& name) const {
        return LockFileInstanceGuard(name, folder()).lockFilePath();
    }
    // What lies at the lock's path before a start (see leftovers_data).
    void plant(const QString& kind, const QByteArray& contents, qint64 ageSeconds);
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QTemporaryDir> elsewhere_;
    std::unique_ptr<Probe> liveCopy_; // a copy holding a lock of its own, elsewhere
};

void tst_LockFileInstanceGuard::init() {
    liveCopy_.reset();
    dir_ = std::make_unique<QTemporaryDir>();
    elsewhere_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid() && elsewhere_->isValid());
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

void tst_LockFileInstanceGuard::copiesStartedTogether_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("nothing there") << "nothing" << QByteArray();
    QTest::newRow("left by a copy that is gone") << "file" << QByteArray("4194399\nlockprobe\n");
    QTest::newRow("a directory") << "directory" << QByteArray();
    QTest::newRow("a dangling link") << "dangling link" << QByteArray();
}

void tst_LockFileInstanceGuard::copiesStartedTogether() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, contents);
    constexpr int kCopies = 20;
    for (int round = 0; round < 2; ++round) {
        plant(kind, contents, 3600);
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
        QVERIFY(!QFileInfo::exists(lockPath("tenvari")));
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

void tst_LockFileInstanceGuard::plant(const QString& kind, const QByteArray& contents,
                                      qint64 ageSeconds) {
    const QString path = lockPath("tenvari");
    if (kind == QLatin1String("nothing"))
        return;
    if (kind == QLatin1String("directory") || kind == QLatin1String("directory with a file")) {
        QVERIFY(QDir().mkdir(path));
        if (kind == QLatin1String("directory with a file"))
            putFile(path + QStringLiteral("/note"), "keep me");
    } else if (kind == QLatin1String("dangling link")) {
        QVERIFY(QFile::link(dir_->filePath("nowhere/tenvari.lock"), path));
    } else if (kind == QLatin1String("link to a file")) {
        putFile(elsewhere_->filePath("target"), contents);
        QVERIFY(QFile::link(elsewhere_->filePath("target"), path));
    } else {
        QByteArray text = contents;
        const QByteArray host = QSysInfo::machineHostName().toLocal8Bit();
        text.replace("<self>", QByteArray::number(QCoreApplication::applicationPid()))
            .replace("<host>", host);
        if (text.contains("<copy>")) {
            liveCopy_ = std::make_unique<Probe>(elsewhere_->path(), "tenvari");
            QCOMPARE(liveCopy_->line(), QStringLiteral("running"));
            text.replace("<copy>", QByteArray::number(liveCopy_->pid()));
        }
        putFile(path, text);
        if (kind == QLatin1String("unreadable file"))
            QVERIFY(QFile::setPermissions(path, {}));
    }
    if (ageSeconds > 0)
        ageFile(path, ageSeconds);
}

void tst_LockFileInstanceGuard::leftovers_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<qint64>("ageSeconds");
    QTest::addColumn<QString>("outcome");

    // A lock file says: process id, program, host. <self> is this test (a
    // live process running another program), <copy> a live copy holding a
    // lock elsewhere. Process ids above the kernel's limit (4194304) never
    // belong to anyone.
    const QString guarded = QStringLiteral("guarded");
    QTest::newRow("process gone") << "file" << QByteArray("4194399\nlockprobe\n<host>\n")
                                  << qint64(0) << guarded;
    QTest::newRow("live process of another program")
        << "file" << QByteArray("<self>\nsome-other-program\n<host>\n") << qint64(0) << guarded;
    QTest::newRow("process id reused by another program")
        << "file" << QByteArray("<self>\nlockprobe\n<host>\n") << qint64(0) << guarded;
    QTest::newRow("this program on another host")
        << "file" << QByteArray("<copy>\nlockprobe\nelsewhere.example\n") << qint64(0) << guarded;
    QTest::newRow("a live copy of this program")
        << "file" << QByteArray("<copy>\nlockprobe\n<host>\n") << qint64(0) << "refused";
    QTest::newRow("a live copy of this program, an hour ago")
        << "file" << QByteArray("<copy>\nlockprobe\n<host>\n") << qint64(3600) << "refused";
    QTest::newRow("cut short by a crash, old") << "file" << QByteArray() << qint64(3600) << guarded;
    QTest::newRow("garbage, old") << "file" << QByteArray("\x01\x02garbage") << qint64(3600)
                                  << guarded;
    // A copy writes its lock just after creating it; a fresh empty file may
    // be one that is starting right now.
    QTest::newRow("empty, just created") << "file" << QByteArray() << qint64(0) << "refused";
    QTest::newRow("unreadable, old")
        << "unreadable file" << QByteArray("4194399\nlockprobe\n") << qint64(3600) << guarded;
    QTest::newRow("a directory") << "directory" << QByteArray() << qint64(0) << guarded;
    QTest::newRow("an old directory") << "directory" << QByteArray() << qint64(3600) << guarded;
    // Not ours to empty: the program runs without the check instead.
    QTest::newRow("a directory with a file in it")
        << "directory with a file" << QByteArray() << qint64(0) << "unguarded";
    QTest::newRow("a dangling link") << "dangling link" << QByteArray() << qint64(0) << guarded;
    QTest::newRow("a link to a file elsewhere")
        << "link to a file" << QByteArray("4194399\nlockprobe\n") << qint64(0) << guarded;
}

void tst_LockFileInstanceGuard::leftovers() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, contents);
    QFETCH(qint64, ageSeconds);
    QFETCH(QString, outcome);
    plant(kind, contents, ageSeconds);

    QCOMPARE(startTwice(folder()), outcome);
    // Nothing outside the folder was touched.
    if (kind == QLatin1String("link to a file")) {
        QFile target(elsewhere_->filePath("target"));
        QVERIFY(target.open(QIODevice::ReadOnly));
        QCOMPARE(target.readAll(), contents);
    }
}

void tst_LockFileInstanceGuard::lockFolder_data() {
    QTest::addColumn<QString>("runtime"); // private, open to others, unset
    QTest::addColumn<QString>("cache");   // usable, open to the group, unusable
    QTest::addColumn<bool>("configUsable");
    QTest::addColumn<QString>("expected"); // where the lock lives; empty: nowhere

    QTest::newRow("runtime folder") << "private"
                                    << "usable" << true << "runtime";
    QTest::newRow("no runtime folder") << "unset"
                                       << "usable" << true << "cache";
    QTest::newRow("runtime folder open to others") << "open"
                                                   << "usable" << true << "cache";
    QTest::newRow("cache folder open to the group") << "unset"
                                                    << "open" << true << "config";
    QTest::newRow("no runtime, no cache folder") << "unset"
                                                 << "unusable" << true << "config";
    QTest::newRow("none of them") << "unset"
                                  << "unusable" << false << "";
}

void tst_LockFileInstanceGuard::lockFolder() {
    QFETCH(QString, runtime);
    QFETCH(QString, cache);
    QFETCH(bool, configUsable);
    QFETCH(QString, expected);

    // A shared temporary folder where a neighbour has planted a link named
    // like our lock, and taken the name of the runtime folder Qt would make
    // there.
    const QString shared = dir_->filePath("shared");
    QVERIFY(QDir().mkdir(shared));
    QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    const passwd* account = ::getpwuid(::geteuid());
    QVERIFY(account);
    putFile(shared + QStringLiteral("/runtime-") + QString::fromLocal8Bit(account->pw_name), {});
    putFile(shared + QStringLiteral("/runtime-someone"), {});
    QVERIFY(QFile::link(shared + QStringLiteral("/nowhere"),
                        shared + QStringLiteral("/tenvari-someone.lock")));
    const QStringList sharedBefore = QDir(shared).entryList(QDir::AllEntries | QDir::System);

    const QString home = dir_->filePath("home");
    QVERIFY(QDir().mkpath(home + QStringLiteral("/runtime")));
    QVERIFY(QFile::setPermissions(home + QStringLiteral("/runtime"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("USER", "someone");
    environment.insert("HOME", home);
    environment.insert("TMPDIR", shared);
    environment.insert("XDG_CONFIG_HOME", configUsable
                                              ? home + QStringLiteral("/config")
                                              : shared + QStringLiteral("/runtime-someone/c"));
    environment.insert("XDG_CACHE_HOME", cache == QLatin1String("unusable")
                                             ? shared + QStringLiteral("/runtime-someone/c")
                                             : home + QStringLiteral("/cache"));
    if (cache == QLatin1String("open")) {
        QVERIFY(QDir().mkpath(home + QStringLiteral("/cache/tenvari")));
        QCOMPARE(
            ::chmod(QFile::encodeName(home + QStringLiteral("/cache/tenvari")).constData(), 0770),
            0);
    }
    if (runtime == QLatin1String("unset"))
        environment.remove("XDG_RUNTIME_DIR");
    else
        environment.insert("XDG_RUNTIME_DIR", runtime == QLatin1String("private")
                                                  ? home + QStringLiteral("/runtime")
                                                  : shared);

    const QMap<QString, QString> folders{{"runtime", home + QStringLiteral("/runtime")},
                                         {"cache", home + QStringLiteral("/cache/tenvari")},
                                         {"config", home + QStringLiteral("/config/tenvari")}};
    Probe first("", "tenvari", false, environment);
    QCOMPARE(first.line(), QStringLiteral("running"));
    for (auto folder = folders.begin(); folder != folders.end(); ++folder)
        QCOMPARE(QFileInfo::exists(folder.value() + QStringLiteral("/tenvari-someone.lock")),
                 folder.key() == expected);
    if (!expected.isEmpty()) {
        // A folder the guard made is the user's alone.
        const QFileInfo made(folders[expected]);
        QCOMPARE(made.permissions() & (QFile::WriteGroup | QFile::WriteOther),
                 QFile::Permissions());
    }
    Probe second("", "tenvari", false, environment);
    QCOMPARE(second.line(),
             expected.isEmpty() ? QStringLiteral("running") : QStringLiteral("refused"));
    QCOMPARE(QDir(shared).entryList(QDir::AllEntries | QDir::System), sharedBefore);
}

void tst_LockFileInstanceGuard::answerTakenOnce() {
    auto first = std::make_unique<LockFileInstanceGuard>("tenvari", folder());
    QVERIFY(!first->holdsInstance());
    QVERIFY(!first->anotherInstanceRunning());
    QVERIFY(!first->anotherInstanceRunning());
    QVERIFY(first->holdsInstance());

    LockFileInstanceGuard second("tenvari", folder());
    QVERIFY(second.anotherInstanceRunning());
    QVERIFY(!second.holdsInstance());
    // The answer holds even after the first guard lets go.
    first.reset();
    QVERIFY(second.anotherInstanceRunning());
    LockFileInstanceGuard third("tenvari", folder());
    QVERIFY(!third.anotherInstanceRunning());
    // Another executable has a lock of its own.
    LockFileInstanceGuard other("tenvari-other", folder());
    QVERIFY(!other.anotherInstanceRunning());
}

void tst_LockFileInstanceGuard::unusableFolderDoesNotStopTheProgram_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("below a plain file") << "below a plain file";
    QTest::newRow("writable by others") << "writable by others";
}

void tst_LockFileInstanceGuard::unusableFolderDoesNotStopTheProgram() {
    QFETCH(QString, kind);
    QString lockFolder = dir_->filePath("plain");
    if (kind == QLatin1String("below a plain file")) {
        putFile(lockFolder, {});
        lockFolder += QStringLiteral("/locks");
    } else {
        QVERIFY(QDir().mkdir(lockFolder));
        QCOMPARE(::chmod(QFile::encodeName(lockFolder).constData(), 01777), 0);
    }
    LockFileInstanceGuard guard("tenvari", lockFolder);
    QVERIFY(!guard.anotherInstanceRunning());
    QVERIFY(!guard.holdsInstance());
    LockFileInstanceGuard second("tenvari", lockFolder);
    QVERIFY(!second.anotherInstanceRunning());
    QVERIFY(!QFileInfo::exists(guard.lockFilePath()));
}

QTEST_GUILESS_MAIN(tst_LockFileInstanceGuard)
#include "tst_lockfileinstanceguard.moc"
