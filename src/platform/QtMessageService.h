// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageService.h"

namespace tenvari {

// The real message boxes: QMessageBox, application-modal, no owner window.
class QtMessageService final : public MessageService {
public:
    MessageAnswer show(const QString& text, MessageIcon icon, MessageButtons buttons) override;
};

} // namespace tenvari
