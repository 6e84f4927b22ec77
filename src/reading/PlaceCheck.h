// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;

namespace tenvari {

class MessageService;

// The place block's check: city, state and country must each hold at least
// one character (nothing is trimmed). The first empty one gets its message
// and the focus. True when all three are filled.
bool CheckPlaceFields(QLineEdit& city, QLineEdit& state, QLineEdit& country,
                      MessageService& messages);

} // namespace tenvari
