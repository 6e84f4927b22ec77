// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SettingsStore.h"

namespace tenvari {

// The largest settings file the store reads; anything larger is not ours.
inline constexpr qint64 kMaxSettingsFileSize = 64 * 1024;

// The real per-user store: one INI file per application key,
// "<directory>/<application>.conf", each section a group of it, in the
// form QSettings writes. The directory defaults to the user's
// configuration folder (XDG_CONFIG_HOME, else ~/.config).
//
// The store never changes a file it did not write itself: a file larger
// than kMaxSettingsFileSize (not read past that size), one that is not
// UTF-8 text, or one that holds anything QSettings would drop or rewrite
// (comments, blank lines, other line ends, values it reads as lists) is
// left byte for byte as it is, and writing to it fails. Reading takes what
// QSettings finds in any readable UTF-8 file within the size.
class QtSettingsStore final : public SettingsStore {
public:
    explicit QtSettingsStore(QString directory = {});

    // The file that holds the application's entries.
    QString filePath(const QString& application) const;

    QString read(const QString& application, const QString& section, const QString& entry) override;
    // Writes through at once, replacing the file in one step (a crash
    // leaves the old file or the new one). False when the file could not
    // be written: a read-only folder, a folder that is not one, a file the
    // store leaves alone (see above).
    bool write(const QString& application, const QString& section, const QString& entry,
               const QString& value) override;

private:
    QString directory_;
};

} // namespace tenvari
