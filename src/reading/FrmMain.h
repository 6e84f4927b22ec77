// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/BirthMoment.h"
#include "links/WebPage.h"
#include "reading/BirthData.h"

#include <QMainWindow>
#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tenvari {

class ClickableLabel;
class MessageService;

// The main window: birth details in, the Lahiri ayanamsa out.
//
// The left half of the window is the input panel (Frame1): name, date and
// time lists, the time zone boxes and the East/West choice. Beside them sit
// controls placed outside their frames' visible area (longitude and
// latitude degrees and minutes, daylight saving, the place block): they
// cannot be seen but keep their values and their place in the tab order.
//
// A reading (cmdRashi or File > "Get My Ayanamsa Reading") runs:
//   ValidateBirthData        refuses bad input with one message box
//   birthData()              the form's values as a BirthData record
//   toBirthMoment            the record as the computation's input;
//                            a zone text that is no number is refused here
//   ComputeAyanamsa          the correction in degrees
//   AyanamsaDisplayText      its text for lblAyanamsa
// then fills the result panel (Frame6) and widens the window to the result
// layout, centred on the screen. "&Back" narrows it again.
//
// Menus and links only announce what was asked (pageRequested,
// aboutRequested, closed); the shell decides what to open. Messages go
// through the MessageService handed in.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmMain(MessageService& messages, QWidget* parent = nullptr);

    // The computation's input of the last reading (all zero before it).
    const BirthMoment& birthMoment() const { return moment_; }
    // The form's values as they stand.
    BirthData birthData() const;

signals:
    void pageRequested(tenvari::WebPage page);
    void aboutRequested();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildTopAndBottomStrips(QWidget& client);
    void buildInputPanel(QWidget& client);
    void buildResultPanel(QWidget& client);
    void setTabOrderChain();
    void connectHandlers();

    void Form_Load();
    void cmdRashi_Click();
    void mnuNext_Click();
    void cmdBack_Click();
    void lblTZHelp_Click();
    void cmdBrowser_Click();
    bool ValidateBirthData();

    // Sets the window's width in twips and centres it horizontally on its
    // screen; the top edge stays.
    void showLayout(int widthTwips);
    void refuse(const QString& text, bool stopIcon, QWidget* focus);

    MessageService& messages_;
    BirthMoment moment_;
    bool placed_ = false; // centred on the screen at the first show

    QFrame* Frame1_ = nullptr;
    QFrame* Frame2_ = nullptr;
    QFrame* Frame5_ = nullptr;
    QFrame* Frame6_ = nullptr;
    QGroupBox* fraZone_ = nullptr;
    QGroupBox* Frame3_ = nullptr;
    QGroupBox* Frame4_ = nullptr;

    QLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHH_ = nullptr;
    QComboBox* cboMM_ = nullptr;
    QComboBox* cboSS_ = nullptr;
    QLineEdit* txtZoneHour_ = nullptr;
    QLineEdit* txtZoneMinute_ = nullptr;
    QLabel* lblTZHelp_ = nullptr;
    QCheckBox* chkDST_ = nullptr;
    std::array<QRadioButton*, 2> optLong_{};
    QLineEdit* txtLonD_ = nullptr;
    QLineEdit* txtLonM_ = nullptr;
    QLineEdit* txtLatD_ = nullptr;
    QLineEdit* txtLatM_ = nullptr;
    std::array<QRadioButton*, 2> optLat_{};
    QLineEdit* txtMCity_ = nullptr;
    QLineEdit* txtMState_ = nullptr;
    QLineEdit* txtMCountry_ = nullptr;
    QPushButton* cmdBrowser_ = nullptr;
    QPushButton* cmdRashi_ = nullptr;
    QPushButton* cmdBack_ = nullptr;

    ClickableLabel* Label61_ = nullptr;
    ClickableLabel* Label19_ = nullptr;
    ClickableLabel* lblFullBrand_ = nullptr;
    ClickableLabel* lblCobrand_ = nullptr;

    QLabel* lblName_ = nullptr;
    QLabel* lblAyanamsa_ = nullptr;
    QLabel* lblDay_ = nullptr;
    QLabel* lblDOB_ = nullptr;
    QLabel* lblTimeOfBirth_ = nullptr;
};

} // namespace tenvari
