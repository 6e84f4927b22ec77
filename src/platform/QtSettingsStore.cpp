// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSettingsStore.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace tenvari {

namespace {

QString key(const QString& section, const QString& entry) {
    return section + QLatin1Char('/') + entry;
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
    const QSettings settings(filePath(application), QSettings::IniFormat);
    return settings.value(key(section, entry)).toString();
}

bool QtSettingsStore::write(const QString& application, const QString& section,
                            const QString& entry, const QString& value) {
    QSettings settings(filePath(application), QSettings::IniFormat);
    // A file QSettings could not parse would be overwritten with only what
    // it understood; leave such a file alone.
    if (settings.status() != QSettings::NoError || !settings.isWritable())
        return false;
    settings.setValue(key(section, entry), value);
    settings.sync();
    return settings.status() == QSettings::NoError && QFileInfo(settings.fileName()).isFile();
}

} // namespace tenvari
