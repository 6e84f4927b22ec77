// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store on any file where its own should be, written with any
// value: either the write fails and the file is byte for byte as it was,
// or it succeeds and the value reads back exactly. Nothing is left beside
// the file.

#include "FuzzSupport.h"
#include "platform/QtSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace tenvari;
using tenvari::fuzz::require;

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// On tmpfs where there is one: the store syncs every file it writes.
QTemporaryDir& baseFolder() {
    static QTemporaryDir base(QDir(QStringLiteral("/dev/shm")).exists()
                                  ? QStringLiteral("/dev/shm/tenvari-fuzz-XXXXXX")
                                  : QDir::tempPath() + QStringLiteral("/tenvari-fuzz-XXXXXX"));
    static const bool scratch = qputenv("XDG_RUNTIME_DIR", base.path().toLocal8Bit());
    (void)scratch;
    return base;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTemporaryDir& base = baseFolder();
    static int round = 0;
    FuzzedDataProvider input(data, size);
    const QString value =
        QString::fromUtf8(QByteArray::fromStdString(input.ConsumeRandomLengthString(40)));
    const QByteArray before = QByteArray::fromStdString(input.ConsumeRemainingBytesAsString());

    // A folder of its own each time: QSettings keeps what it read of a path.
    const QString folder = base.filePath(QString::number(++round));
    require(QDir().mkpath(folder), "cannot make a folder");
    QtSettingsStore store(folder);
    const QString path = store.filePath(QStringLiteral("tenvari"));
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly) && file.write(before) == before.size(),
                "cannot write the file");
    }

    store.read("tenvari", "Settings", "Duration");
    if (store.write("tenvari", "Settings", "Duration", value))
        require(QtSettingsStore(folder).read("tenvari", "Settings", "Duration") == value,
                "written value does not read back", value);
    else
        require(contentsOf(path) == before, "a refused write changed the file");
    require(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) ==
                QStringList{QStringLiteral("tenvari.conf")},
            "something was left beside the file");
    QDir(folder).removeRecursively();
    return 0;
}
