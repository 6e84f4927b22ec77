// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;

namespace tenvari {

class ClickableLabel;
class WebLinks;

// The about box: the program's name and version, what it computes, and two
// links to the maker's pages. A fixed dialog without minimize and maximize
// buttons, centred on the screen, application-modal while it is open. It
// keeps nothing: showModal builds a new box for each opening and discards
// it once it is closed ("&OK", Enter, Escape or the title bar).
//
// Legend of the names: picIcon the program's icon, Label2 the caption
// "Tenvari v1.05", Label1 what the program computes, lblHomePage link to the
// maker's home page, Label3 the offer of a branded edition, lblCoBrand link
// to it, Line2 the rule above cmdOK ("&OK").
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(WebLinks& links, QWidget* parent = nullptr);

    // Builds a box with no owner, runs it modally and destroys it when it
    // closes. Nothing raised inside it reaches the caller.
    static void showModal(WebLinks& links);

private:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();

    WebLinks& links_;
    QPushButton* cmdOK_ = nullptr;
};

} // namespace tenvari
