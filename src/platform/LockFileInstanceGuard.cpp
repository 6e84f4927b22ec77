// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LockFileInstanceGuard.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tenvari {

namespace {

// A lock file that cannot be read is taken for one that a starting copy has
// just created and not yet filled, until it is older than this; a copy
// fills its file within microseconds.
constexpr int kUnreadableGraceMs = 5'000;

// Rounds of clearing something stale and asking again.
constexpr int kAttempts = 5;

// How long to wait for another copy that is clearing the folder.
constexpr int kFolderWaitMs = 2'000;

// The name in a form safe for a file name: letters, digits, '-', '_', '.'.
QString fileNamePart(const QString& text) {
    QString result;
    for (const QChar c : text)
        result += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' || c == u'_' || c == u'.'
                      ? c
                      : QChar(u'_');
    return result.isEmpty() ? QStringLiteral("_") : result;
}

QString userName() {
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QStringLiteral("user");
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// A folder of this user that nobody else can write to: nobody else can put
// anything at the lock's path or take a name away from under it.
bool isPrivateFolder(const QString& path) {
    struct stat info {};
    return !path.isEmpty() && QDir::isAbsolutePath(path) &&
           ::stat(native(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// "<base>/<name>", made for this user alone if it is not there yet.
QString privateFolderIn(const QString& base, const QString& name) {
    if (base.isEmpty())
        return {};
    const QString folder = base + QLatin1Char('/') + name;
    if (!QFileInfo::exists(folder) && QDir().mkpath(base))
        ::mkdir(native(folder).constData(), 0700);
    return isPrivateFolder(folder) ? folder : QString();
}

// The runtime folder; else a private folder in the cache or configuration
// folder. Never a shared one (such as /tmp): a neighbour could plant
// something there under the lock's name. Empty when none will do.
QString lockFolder(const QString& requested, const QString& executableName) {
    if (!requested.isEmpty())
        return isPrivateFolder(requested) ? requested : QString();
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime))
        return runtime;
    for (const auto location :
         {QStandardPaths::GenericCacheLocation, QStandardPaths::GenericConfigLocation}) {
        const QString folder = privateFolderIn(QStandardPaths::writableLocation(location),
                                               fileNamePart(executableName));
        if (!folder.isEmpty())
            return folder;
    }
    return {};
}

// The file name of the program a process runs: empty when it runs none (it
// is gone, or a zombie); nothing when it cannot be looked at.
std::optional<QString> programOf(qint64 pid) {
    char target[4096];
    const QByteArray link = "/proc/" + QByteArray::number(pid) + "/exe";
    const ssize_t size = ::readlink(link.constData(), target, sizeof target);
    if (size < 0)
        return errno == EACCES ? std::nullopt : std::optional<QString>(QString());
    QString path = QFile::decodeName(QByteArray(target, size));
    path.remove(QLatin1String(" (deleted)")); // replaced on disk by an update
    return QFileInfo(path).fileName();
}

// Whether the process is alive, this user's, and runs this program.
bool isLiveCopy(qint64 pid, const QString& hostName, const QString& appName) {
    const QString ourProgram = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (pid <= 0 || pid == QCoreApplication::applicationPid() ||
        hostName != QSysInfo::machineHostName() || appName != ourProgram)
        return false;
    struct stat process {};
    if (::stat(native(QStringLiteral("/proc/%1").arg(pid)).constData(), &process) != 0)
        return false;
    if (process.st_uid != ::geteuid())
        return false;
    // A process whose program cannot be looked at is taken at its word.
    const std::optional<QString> program = programOf(pid);
    return !program || *program == ourProgram;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Copies clear stale things one at a time: each holds a lock on the folder
// meanwhile, so none removes what another has just created.
bool lockFolderForClearing(const FileDescriptor& folder) {
    if (folder.get() < 0)
        return false;
    for (int waited = 0; ::flock(folder.get(), LOCK_EX | LOCK_NB) != 0; ++waited) {
        if (errno != EWOULDBLOCK || waited >= kFolderWaitMs)
            return false;
        QThread::msleep(1);
    }
    return true;
}

enum class Verdict {
    Held,    // another copy runs, or is just starting
    Cleared, // nothing is there now: ask again
    Stuck,   // something stale that cannot be removed
};

bool isFresh(const struct stat& info) {
    const qint64 modifiedMs = qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1'000'000;
    return qAbs(QDateTime::currentMSecsSinceEpoch() - modifiedMs) < kUnreadableGraceMs;
}

Verdict removed(const QString& path, bool isDirectory) {
    const int result =
        isDirectory ? ::rmdir(native(path).constData()) : ::unlink(native(path).constData());
    return result == 0 || errno == ENOENT ? Verdict::Cleared : Verdict::Stuck;
}

// A lock file that the lock did not let us replace.
Verdict judgeFile(const QString& path, const struct stat& seen) {
    const FileDescriptor file(
        ::open(native(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0)
        return isFresh(seen) ? Verdict::Held : removed(path, false);
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0 || opened.st_dev != seen.st_dev ||
        opened.st_ino != seen.st_ino)
        return Verdict::Cleared; // replaced meanwhile: look again
    // A copy holds a native lock on its file from the moment it has it, and
    // removes stale files only while holding theirs.
    if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return Verdict::Held;
    qint64 pid = 0;
    QString hostName;
    QString appName;
    if (QLockFile(path).getLockInfo(&pid, &hostName, &appName) ? isLiveCopy(pid, hostName, appName)
                                                               : isFresh(opened))
        return Verdict::Held;
    return removed(path, false);
}

// What lies at the path when the lock could not be taken.
Verdict judge(const QString& folder, const QString& path) {
    const FileDescriptor folderHandle(
        ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!lockFolderForClearing(folderHandle))
        return Verdict::Stuck;
    struct stat seen {};
    if (::lstat(native(path).constData(), &seen) != 0)
        return errno == ENOENT ? Verdict::Cleared : Verdict::Stuck;
    if (S_ISREG(seen.st_mode))
        return judgeFile(path, seen);
    // A directory (emptied only if empty), a link, anything else: no lock.
    return removed(path, S_ISDIR(seen.st_mode));
}

} // namespace

LockFileInstanceGuard::LockFileInstanceGuard(const QString& executableName,
                                             const QString& directory)
    : folder_(lockFolder(directory, executableName)) {
    const QString name = fileNamePart(executableName) + QLatin1Char('-') +
                         fileNamePart(userName()) + QLatin1String(".lock");
    path_ = (folder_.isEmpty() ? directory : folder_) + QLatin1Char('/') + name;
    if (!folder_.isEmpty()) {
        lock_.emplace(path_);
        // QLockFile itself clears only the files of dead processes;
        // everything else at the path is judged below, not by its age.
        lock_->setStaleLockTime(0);
    }
}

bool LockFileInstanceGuard::anotherInstanceRunning() {
    if (!answer_)
        answer_ = ask();
    return *answer_;
}

bool LockFileInstanceGuard::ask() {
    // Wherever the lock cannot be used, the program runs unguarded.
    if (!lock_)
        return false;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (lock_->tryLock(0))
            return false;
        if (lock_->error() != QLockFile::LockFailedError)
            return false;
        switch (judge(folder_, path_)) {
        case Verdict::Held:
            return true;
        case Verdict::Cleared:
            continue;
        case Verdict::Stuck:
            return false;
        }
    }
    return false;
}

} // namespace tenvari
