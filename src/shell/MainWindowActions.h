// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tenvari {

class FrmMain;
class WebLinks;

// Connects the main window's menu entries and clickable labels to the web
// pages and the about box they lead to.
void connectMainWindowActions(FrmMain& form, WebLinks& links);

} // namespace tenvari
