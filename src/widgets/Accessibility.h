// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleEvent;

namespace tenvari {

// Teaches Qt's accessibility how to present the program's own widgets, once
// per process; later calls do nothing. Widgets that need it call it before
// they can be seen by assistive technology. What it adds:
//   ClickableLabel  a link (or a plain text) with the standard "press"
//                   action, which clicks it
//   ValueLabel      a text named by its caption and its value, whose text
//                   assistive technology can read and select
//   QComboBox       a drop-down list with an accessible name is named by it
//                   and its entry ("Day of birth: 1"); Qt on Linux names
//                   it by the entry alone
//   a plain widget that is a window of its own: a window (Qt would call it
//                   a mere filler); a plain widget or frame inside a
//                   window that has an accessible name: a panel (Qt would
//                   call a frame a border); a frame drawn as a rule: a
//                   separator
void installAccessibility();

// Hands an event to assistive technology (QAccessible::updateAccessibility)
// and to the listener a test has set, if any: Qt drops the events where the
// platform has no accessibility, such as the offscreen platform of the
// tests.
void notifyAccessibility(QAccessibleEvent& event);
using AccessibilityListener = void (*)(QAccessibleEvent* event);
void setAccessibilityListener(AccessibilityListener listener);

} // namespace tenvari
