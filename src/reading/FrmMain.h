// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/BirthMoment.h"
#include "links/WebPage.h"
#include "reading/BirthData.h"
#include "reading/FrmMainUi.h"

#include <QMainWindow>

namespace tenvari {

class MessageService;
struct Refusal;

// The main window: birth details in, the Lahiri ayanamsa out.
//
// The left half of the window is the input panel (Frame1): name, date and
// time lists, the time zone boxes and the East/West choice. Beside them sit
// controls placed outside their frames' visible area (longitude and
// latitude degrees and minutes, daylight saving, the place block): they
// cannot be seen but keep their values and their place in the tab order.
// FrmMainUi builds the controls and names them (its header has a legend of
// the names); this class holds the handlers and the window's placement.
//
// A reading (cmdRashi or File > "Get My Ayanamsa Reading") runs:
//   birthData()              the form's values as a BirthData record
//   checkBirthData           refuses bad input (ValidateBirthData shows it)
//   toBirthMoment            the record as the computation's input;
//                            a zone text that is no number is refused here
//   ComputeAyanamsa          the correction in degrees
//   AyanamsaDisplayText      its text for lblAyanamsa; its tooltip
//                            (ayanamsaToolTip) adds the value in full and
//                            the almanac's definition beside it
//   ResultTexts              the weekday, date and time labels
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
    BirthData birthData() const { return ui_.birthData(); }

signals:
    void pageRequested(tenvari::WebPage page);
    void aboutRequested();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void connectHandlers();

    void Form_Load();
    void cmdRashi_Click();
    void mnuNext_Click();
    void cmdBack_Click();
    void lblTZHelp_Click();
    void cmdBrowser_Click();
    bool ValidateBirthData();

    // Sizes the window for a layout's outer width in twips and centres it
    // horizontally on its screen; the top edge stays.
    void showLayout(int widthTwips);
    // Shows the refusal's message and moves the focus it names.
    void refuse(const Refusal& refusal);

    MessageService& messages_;
    FrmMainUi ui_;
    BirthMoment moment_;
    bool placed_ = false; // centred on the screen at the first show
};

} // namespace tenvari
