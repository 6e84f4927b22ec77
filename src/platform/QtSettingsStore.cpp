// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <optional>

namespace tenvari {

namespace {

QString key(const QString& section, const QString& entry) {
    return section + QLatin1Char('/') + entry;
}

// The file as the store may use it: empty when there is none; nothing when
// something is there that is not a readable file of at most
// kMaxSettingsFileSize bytes of UTF-8. A larger file is not read at all.
std::optional<QByteArray> loadSettingsText(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QByteArray();
    if (!info.isFile() || info.size() > kMaxSettingsFileSize)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(kMaxSettingsFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxSettingsFileSize)
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return bytes;
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A private folder for QSettings to work in, so that it never writes
// beside the user's file: on tmpfs (the runtime folder) where there is one.
QString scratchTemplate() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString base =
        !runtime.isEmpty() && QFileInfo(runtime).isWritable() ? runtime : QDir::tempPath();
    return base + QLatin1String("/tenvari-settings-XXXXXX");
}

// What the store makes of `text` with the entry set to `value`: the new
// file, or nothing when `text` is not exactly what the store itself writes
// (QSettings would drop or change something in it: a comment, a blank line,
// line ends, an entry it reads as a list).
std::optional<QByteArray> withEntry(const QByteArray& text, const QString& entryKey,
                                    const QString& value) {
    const QTemporaryDir scratch(scratchTemplate());
    if (!scratch.isValid())
        return std::nullopt;
    const QString original = scratch.filePath(QStringLiteral("original.conf"));
    const QString rewritten = scratch.filePath(QStringLiteral("rewritten.conf"));
    {
        QFile file(original);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return std::nullopt;
    }
    const QSettings parsed(original, QSettings::IniFormat);
    if (parsed.status() != QSettings::NoError)
        return std::nullopt;
    {
        QSettings copy(rewritten, QSettings::IniFormat);
        if (!text.isEmpty()) {
            for (const QString& each : parsed.allKeys())
                copy.setValue(each, parsed.value(each));
            copy.sync();
            if (copy.status() != QSettings::NoError || contentsOf(rewritten) != text)
                return std::nullopt;
        }
        copy.setValue(entryKey, value);
        copy.sync();
        if (copy.status() != QSettings::NoError)
            return std::nullopt;
    }
    // What is written must read back as written.
    if (QSettings(rewritten, QSettings::IniFormat).value(entryKey) != value)
        return std::nullopt;
    return contentsOf(rewritten);
}

} // namespace

QtSettingsStore::QtSettingsStore(QString directory) : directory_(std::move(directory)) {
    if (directory_.isEmpty())
        directory_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString QtSettingsStore::filePath(const QString& application) const {
    return directory_ + QLatin1Char('/') + application + QLatin1String(".conf");
}

QString QtSettingsStore::read(const QString& application, const QString& section,
                              const QString& entry) {
    const QString path = filePath(application);
    const std::optional<QByteArray> text = loadSettingsText(path);
    if (!text || text->isEmpty())
        return {};
    const QSettings settings(path, QSettings::IniFormat);
    return settings.value(key(section, entry)).toString();
}

bool QtSettingsStore::write(const QString& application, const QString& section,
                            const QString& entry, const QString& value) {
    const QString path = filePath(application);
    const std::optional<QByteArray> before = loadSettingsText(path);
    if (!before)
        return false;
    const std::optional<QByteArray> after = withEntry(*before, key(section, entry), value);
    if (!after || !QDir().mkpath(directory_))
        return false;
    if (*after == *before && !before->isEmpty())
        return true;

    // Written beside the file and renamed over it: a crash leaves the old
    // file or the new one, never a mix.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*after) != after->size())
        return false;
    // Changed by someone else meanwhile: theirs stands.
    if (loadSettingsText(path) != before) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tenvari
