// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reading/BirthData.h"

#include <QCoreApplication>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tenvari {

class ClickableLabel;
class ValueLabel;

// The main window's controls: setupUi builds them at their twips
// positions, with their colours, fonts, initial texts and tab order, and
// with the names and descriptions a screen reader announces (captions are
// the buddies of their boxes); the window (FrmMain) wires and drives them.
// Every control carries its name as objectName.
//
// Legend of the names (controls not listed here are captions):
//   Frame2          top strip with the community link Label61
//   Frame1          input panel: Label20/Label21 (intro texts), Label13 txtName,
//                   Label5 + cboMonth cboDate cboYear (date), Label1 + cboHH
//                   cboMM cboSS + Label12 (time)
//   fraZone         "Time Zone": txtZoneHour (Label3 "Hour"), txtZoneMinute
//                   (Label2 "Min"), lblTZHelp (opens the picker), chkDST
//                   (daylight saving, beyond the frame's right edge)
//   Frame4          "Longitude Suffix...": optLong_0 East, optLong_1 West;
//                   txtLonD (Label6), txtLonM (Label8) below its bottom edge
//   Frame3          "Latitude": txtLatD (Label7), txtLatM (Label9), optLat_0
//                   North, optLat_1 South; outside Frame1's visible area
//   Label54/55/4    City, State, Country captions of txtMCity, txtMState,
//                   txtMCountry; cmdBrowser checks them (out of sight too)
//   Frame6          result panel: Label18 (what an ayanamsa is), Label19
//                   (co-brand link), then caption/value pairs Label14
//                   lblName, Label11 lblAyanamsa, Label17 lblDay, Label15
//                   lblDOB, Label16 lblTimeOfBirth
//   cmdRashi        "Get My Ayanamsa Reading"; cmdBack "&Back" (result layout)
//   Frame5          bottom strip: lblFullBrand, lblCobrand (links)
//   mnu...          menus: mnuFile (mnuNext, mnuExit), mnuHelp (mnuOnline,
//                   mnuVisit, mnuUpdate, mnuAbout), mnuDonate, mkmoney
struct FrmMainUi {
    Q_DECLARE_TR_FUNCTIONS(tenvari::FrmMain)

public:
    // Builds the menus and the client area of `window` and sets the tab
    // order. The lists are left empty: the form's load step fills them.
    void setupUi(QMainWindow& window);

    // The form's values as they stand.
    BirthData birthData() const;
    // The box a refusal about `field` puts the focus on.
    QWidget* widgetOf(BirthField field) const;

    QAction* mnuNext = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mkmoney = nullptr;

    QFrame* Frame2 = nullptr;
    QGroupBox* fraZone = nullptr;
    QWidget* Frame6 = nullptr;

    QLineEdit* txtName = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHH = nullptr;
    QComboBox* cboMM = nullptr;
    QComboBox* cboSS = nullptr;
    QLineEdit* txtZoneHour = nullptr;
    QLineEdit* txtZoneMinute = nullptr;
    ClickableLabel* lblTZHelp = nullptr;
    QCheckBox* chkDST = nullptr;
    std::array<QRadioButton*, 2> optLong{};
    QLineEdit* txtLonD = nullptr;
    QLineEdit* txtLonM = nullptr;
    QLineEdit* txtLatD = nullptr;
    QLineEdit* txtLatM = nullptr;
    std::array<QRadioButton*, 2> optLat{};
    QLineEdit* txtMCity = nullptr;
    QLineEdit* txtMState = nullptr;
    QLineEdit* txtMCountry = nullptr;
    QPushButton* cmdBrowser = nullptr;
    QPushButton* cmdRashi = nullptr;
    QPushButton* cmdBack = nullptr;

    ClickableLabel* Label61 = nullptr;
    ClickableLabel* Label19 = nullptr;
    ClickableLabel* lblFullBrand = nullptr;
    ClickableLabel* lblCobrand = nullptr;

    ValueLabel* lblName = nullptr;
    ValueLabel* lblAyanamsa = nullptr;
    ValueLabel* lblDay = nullptr;
    ValueLabel* lblDOB = nullptr;
    ValueLabel* lblTimeOfBirth = nullptr;

private:
    void buildMenus(QMainWindow& window);
    void buildTopAndBottomStrips(QWidget& client);
    void buildInputPanel(QWidget& client);
    void buildResultPanel(QWidget& client);
    void setTabOrder(QWidget& window);
    void nameForListeners();
};

} // namespace tenvari
