// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SettingsStore.h"

namespace tenvari {

// The real per-user store: one INI file per application key,
// "<directory>/<application>.conf", each section a group of it. The
// directory defaults to the user's configuration folder
// (XDG_CONFIG_HOME, else ~/.config).
class QtSettingsStore final : public SettingsStore {
public:
    explicit QtSettingsStore(QString directory = {});

    // The file that holds the application's entries.
    QString filePath(const QString& application) const;

    QString read(const QString& application, const QString& section, const QString& entry) override;
    // Writes through at once; false when the file could not be written (a
    // read-only folder, a folder that is not one, a damaged file).
    bool write(const QString& application, const QString& section, const QString& entry,
               const QString& value) override;

private:
    QString directory_;
};

} // namespace tenvari
