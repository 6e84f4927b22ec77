// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>
#include <cstdint>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tenvari {

class Clock;
class ClickableLabel;
class ExitApplication;
class MessageService;
class ReferralForm;
class WebLinks;

// The promotional window that replaces the main form when it closes, and
// the last window of the program. White, fixed single border without
// minimise and maximise, 11115 x 4725 twips of client area, centred.
//
// Left: the title and icon, one of four promotional texts (Label2), the
// invitation to the web community (Check1, which opens the maker's home page
// and never stays checked) and the frame of the maker's other software
// (lblGoToHome opens the products page). Right: the referral form. Below:
// "E&xit". Pressing it, or closing the window any other way, runs
// ExitApplication. The window deletes itself when closed.
//
// Legend of the names: Picture1 the icon, Label1 the caption "Tenvari
// v1.05", Label2 the promotional text, Check1 the invitation, fraSoftware
// the frame with lblGoToHome and its text Label3, fraReferral the referral
// form (ReferralForm), cmdClose "E&xit".
class FrmExitScreen : public QWidget {
    Q_OBJECT
public:
    FrmExitScreen(MessageService& messages, WebLinks& links, const Clock& clock,
                  ExitApplication& exitApplication, QWidget* parent = nullptr);

    // The four texts of Label2, in the order the random draw numbers them.
    static QStringList PromotionalTexts();
    // The text a seed picks: r uniform in [0, 1) from a generator seeded
    // with it, n = int(4 r).
    static int PromotionalTextNumber(std::uint32_t seed);

    // Puts the window above all others and shows it where it stands,
    // leaving the keyboard focus where it is.
    void showOnTop();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load(std::uint32_t seed);
    void cmdClose_Click();
    void Check1_Click(bool checked);
    void lblGoToHome_Click();

    WebLinks& links_;
    ExitApplication& exitApplication_;
    QLabel* Label2_ = nullptr;
    QCheckBox* Check1_ = nullptr;
    ClickableLabel* lblGoToHome_ = nullptr;
    ReferralForm* fraReferral_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

} // namespace tenvari
