// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LockFileInstanceGuard.h"

#include <QDir>
#include <QStandardPaths>

namespace tenvari {

namespace {

// A lock file that cannot be read (cut short by a crash) and is older than
// this is taken over. Readable files are judged by their process alone.
constexpr int kStaleUnreadableMs = 30'000;

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

QString lockDirectory(const QString& requested) {
    if (!requested.isEmpty())
        return requested;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

} // namespace

LockFileInstanceGuard::LockFileInstanceGuard(const QString& executableName,
                                             const QString& directory)
    : path_(lockDirectory(directory) + QLatin1Char('/') + fileNamePart(executableName) +
            QLatin1Char('-') + fileNamePart(userName()) + QLatin1String(".lock")),
      lock_(path_) {
    lock_.setStaleLockTime(kStaleUnreadableMs);
}

bool LockFileInstanceGuard::anotherInstanceRunning() {
    if (!answer_) {
        // A lock that cannot be taken for another reason (no such folder,
        // no permission) does not stop the program: it then runs unguarded.
        const bool locked = lock_.tryLock(0);
        answer_ = !locked && lock_.error() == QLockFile::LockFailedError;
    }
    return *answer_;
}

} // namespace tenvari
