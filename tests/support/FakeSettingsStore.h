// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SettingsStore.h"

#include <QMap>

namespace tenvari::test {

// An in-memory store; `writable = false` makes every write fail.
class FakeSettingsStore final : public SettingsStore {
public:
    static QString key(const QString& application, const QString& section, const QString& entry) {
        return application + QLatin1Char('/') + section + QLatin1Char('/') + entry;
    }

    QString read(const QString& application, const QString& section,
                 const QString& entry) override {
        return values.value(key(application, section, entry));
    }

    bool write(const QString& application, const QString& section, const QString& entry,
               const QString& value) override {
        ++writes;
        if (!writable)
            return false;
        values.insert(key(application, section, entry), value);
        return true;
    }

    QMap<QString, QString> values;
    bool writable = true;
    int writes = 0;
};

} // namespace tenvari::test
