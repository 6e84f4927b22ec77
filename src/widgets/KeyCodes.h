// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

class QKeyEvent;
class QLineEdit;

namespace tenvari {

// The classic codes of the keys that type a control character.
inline constexpr int kBackspaceCode = 8;
inline constexpr int kEnterCode = 13;
inline constexpr int kEscapeCode = 27;

// The code of a text that cannot be told as one character (several
// characters delivered at once, or a control character inside a text);
// no handler accepts it.
inline constexpr int kUntypedTextCode = 0xFFFD;

// The character code a key press types, in the classic single-byte form the
// keystroke handlers work with: Backspace 8, Enter 13, Esc 27, printable
// ASCII by its code, Ctrl+letter (alone or with Shift; a keypad or
// group-switch flag aside) 1 to 26 whatever other text the platform
// attaches. A key whose text starts with an
// invisible format character (U+200B, U+202E, U+00AD, ...) gives that
// character's code whatever the key, because a line edit inserts such a
// character under any modifiers. A character outside ASCII gives its Unicode
// value (above 127), which no handler accepts. Alt, AltGr (Ctrl+Alt) and
// Meta combinations give the code of the text they carry, because a line
// edit inserts that text. Keys that type no character (arrows, Delete,
// Home, End, Tab, bare modifiers, other Ctrl shortcuts) give no code.
std::optional<int> typedCharacterCode(const QKeyEvent& event);

// A keystroke handler: given the typed code, returns the code to insert;
// 0 cancels the character.
using KeyPressHandler = std::function<int(int code)>;

// Routes every typed character of the box through the handler before the
// box sees it. A cancelled character is not inserted and the box does not
// react to it (so Ctrl+V does not paste); a replaced one is inserted in its
// place (within the box's length limit). Keys without a character code
// reach the box untouched, and so does text that does not arrive as a
// keystroke (pasting, setText). Text an input method commits goes through
// the handler character by character, and the range it replaces is kept
// within the box's text. A handler that throws refuses.
void installKeyPressHandler(QLineEdit& box, KeyPressHandler handler);

} // namespace tenvari
