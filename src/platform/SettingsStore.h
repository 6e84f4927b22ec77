// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tenvari {

// A per-user store of texts keyed by application, section and entry.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or an empty text when the entry is absent.
    virtual QString read(const QString& application, const QString& section,
                         const QString& entry) = 0;
    // False when the store could not be written.
    virtual bool write(const QString& application, const QString& section, const QString& entry,
                       const QString& value) = 0;
};

} // namespace tenvari
