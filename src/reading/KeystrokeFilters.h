// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tenvari {

class MessageService;

// Keystroke handlers of the main form's filtered boxes. Each is given the
// typed character code (see typedCharacterCode) and returns the code to
// insert; 0 means the character is refused, after its message was shown.

// The name: letters, space, Backspace and Enter pass; lower-case letters
// become capitals; anything else shows "Please Enter only Letters".
int txtName_KeyPress(int code, MessageService& messages);

// The zone, degree and minute boxes: digits and Backspace pass (and the
// minus sign where allowMinus); anything else shows "Only Numbers Are
// Accepted".
int NumericKeyPress(int code, bool allowMinus, MessageService& messages);

} // namespace tenvari
