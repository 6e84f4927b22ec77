// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <cstdint>

namespace tenvari {

// Today's date and a seed for random choices; tests set both.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual std::uint32_t seed() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override;
    std::uint32_t seed() const override;
};

} // namespace tenvari
