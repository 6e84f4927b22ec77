// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/FrmMain.h"

#include "astro/AngleFormat.h"
#include "astro/Lahiri.h"
#include "platform/MessageService.h"
#include "reading/BirthDataChecks.h"
#include "reading/KeystrokeFilters.h"
#include "reading/ResultTexts.h"
#include "timezones/FrmTimeZone.h"
#include "widgets/ClickableLabel.h"
#include "widgets/HandlerStep.h"
#include "widgets/KeyCodes.h"
#include "widgets/Twips.h"
#include "widgets/ValueLabel.h"
#include "widgets/WindowPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace tenvari {

FrmMain::FrmMain(MessageService& messages, QWidget* parent)
    : QMainWindow(parent), messages_(messages) {
    ui_.setupUi(*this);
    connectHandlers();

    Form_Load();

    // Fixed border: only the reading and Back change the width.
    setFixedSize(twips(clientWidthOf(kInputLayoutWidth)),
                 menuBar()->sizeHint().height() + twips(kMainClientHeight));
    // Beyond the input layout's right edge: out of a screen reader's way
    // too, so that its values do not repeat the input fields' names.
    ui_.Frame6->hide();
    ui_.txtName->setFocus();
}

void FrmMain::connectHandlers() {
    // Each click and menu entry is one step: a fault ends that handler only.
    const auto step = [this](void (FrmMain::*handler)()) {
        return [this, handler] { runStep([this, handler] { (this->*handler)(); }); };
    };
    connect(ui_.cmdRashi, &QPushButton::clicked, this, step(&FrmMain::cmdRashi_Click));
    connect(ui_.cmdBack, &QPushButton::clicked, this, step(&FrmMain::cmdBack_Click));
    connect(ui_.cmdBrowser, &QPushButton::clicked, this, step(&FrmMain::cmdBrowser_Click));
    connect(ui_.lblTZHelp, &ClickableLabel::clicked, this, step(&FrmMain::lblTZHelp_Click));

    connect(ui_.mnuNext, &QAction::triggered, this, step(&FrmMain::mnuNext_Click));
    connect(ui_.mnuExit, &QAction::triggered, this, [this] { runStep([this] { close(); }); });
    connect(ui_.mnuAbout, &QAction::triggered, this, &FrmMain::aboutRequested);

    // Menu entries and labels that lead to a page.
    const std::pair<QAction*, WebPage> entries[] = {
        {ui_.mnuOnline, WebPage::OnlineHelp}, {ui_.mnuVisit, WebPage::Home},
        {ui_.mnuUpdate, WebPage::Download},   {ui_.mnuDonate, WebPage::Donate},
        {ui_.mkmoney, WebPage::FullBrand},
    };
    for (const auto& [entry, page] : entries)
        connect(entry, &QAction::triggered, this,
                [this, page = page] { emit pageRequested(page); });
    const std::pair<ClickableLabel*, WebPage> links[] = {
        {ui_.Label61, WebPage::Home},
        {ui_.Label19, WebPage::CoBrand},
        {ui_.lblCobrand, WebPage::CoBrand},
        {ui_.lblFullBrand, WebPage::FullBrand},
    };
    for (const auto& [label, page] : links)
        connect(label, &ClickableLabel::clicked, this,
                [this, page = page] { emit pageRequested(page); });

    installKeyPressHandler(*ui_.txtName, [this](int c) { return txtName_KeyPress(c, messages_); });
    installKeyPressHandler(*ui_.txtZoneHour,
                           [this](int c) { return NumericKeyPress(c, true, messages_); });
    for (QLineEdit* box : {ui_.txtZoneMinute, ui_.txtLonD, ui_.txtLonM, ui_.txtLatD, ui_.txtLatM})
        installKeyPressHandler(*box,
                               [this](int c) { return NumericKeyPress(c, false, messages_); });
}

void FrmMain::Form_Load() {
    ui_.cboMonth->addItems(MonthNames());
    const auto fill = [](QComboBox& list, int first, int last) {
        for (int n = first; n <= last; ++n)
            list.addItem(QString::number(n));
    };
    fill(*ui_.cboDate, 1, 31);
    fill(*ui_.cboYear, 1901, 2050);
    fill(*ui_.cboHH, 0, 23);
    fill(*ui_.cboMM, 0, 59);
    fill(*ui_.cboSS, 0, 59);
    for (QComboBox* list :
         {ui_.cboMonth, ui_.cboDate, ui_.cboYear, ui_.cboHH, ui_.cboMM, ui_.cboSS})
        list->setCurrentIndex(0);
}

void FrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_ || event->spontaneous())
        return;
    // Starts in the middle of the screen; by now the frame is known (where
    // the platform tells it).
    placed_ = true;
    runStep([this] {
        const QScreen* where = screen();
        if (!where)
            return;
        const QRect area = where->geometry();
        const QRect outer = frameGeometry();
        move(area.x() + centredLeft(area.width(), outer.width()),
             area.y() + centredLeft(area.height(), outer.height()));
    });
}

void FrmMain::refuse(const Refusal& refusal) {
    messages_.show(refusal.message, refusal.icon, MessageButtons::Ok);
    if (refusal.focus)
        ui_.widgetOf(*refusal.focus)->setFocus();
}

bool FrmMain::ValidateBirthData() {
    const std::optional<Refusal> refusal = checkBirthData(birthData());
    if (refusal)
        refuse(*refusal);
    return !refusal;
}

void FrmMain::cmdRashi_Click() {
    if (!ValidateBirthData())
        return;

    const BirthData data = birthData();
    const BirthMomentResult converted = toBirthMoment(data);
    if (converted.refused) {
        // Nothing has changed yet: labels, layout and the kept moment stay
        // as the last reading left them.
        refuse(conversionRefusal(*converted.refused));
        return;
    }

    for (QLabel* label : {ui_.lblName, ui_.lblDay, ui_.lblDOB, ui_.lblTimeOfBirth, ui_.lblAyanamsa})
        label->clear();
    ui_.lblAyanamsa->setToolTip({});
    moment_ = converted.moment;

    const double correction = ComputeAyanamsa(moment_);
    ui_.lblAyanamsa->setText(QString::fromStdString(AyanamsaDisplayText(correction)));
    ui_.lblAyanamsa->setToolTip(ayanamsaToolTip(moment_, correction));
    ui_.lblName->setText(data.name);
    ui_.lblDay->setText(weekdayText(moment_));
    ui_.lblDOB->setText(dateOfBirthText(data));
    ui_.lblTimeOfBirth->setText(timeOfBirthText(data));
    showLayout(kResultLayoutWidth);
    // The focus stays where it is; a screen reader reads the ayanamsa.
    ui_.lblAyanamsa->announce();
}

void FrmMain::mnuNext_Click() {
    cmdRashi_Click();
}

void FrmMain::cmdBack_Click() {
    showLayout(kInputLayoutWidth);
}

void FrmMain::showLayout(int widthTwips) {
    setFixedWidth(twips(clientWidthOf(widthTwips)));
    ui_.Frame6->setVisible(widthTwips == kResultLayoutWidth);
    const QScreen* where = screen();
    if (!where)
        return;
    const QRect area = where->geometry();
    const int leftTwips =
        centredLeft(pixelsToTwips(area.width()), pixelsToTwips(frameGeometry().width()));
    move(area.x() + twips(leftTwips), pos().y());
}

void FrmMain::lblTZHelp_Click() {
    FrmTimeZone picker(*ui_.txtZoneHour, *ui_.txtZoneMinute);
    // Just beyond the lower right corner of "TZ Help", measured from the
    // window's outer corner as the classic layout did.
    const QWidget& help = *ui_.lblTZHelp;
    const QPoint offset(ui_.fraZone->x() + help.x() + help.width(),
                        ui_.Frame2->y() + ui_.Frame2->height() + ui_.fraZone->y() + help.y() +
                            help.height() + twips(600));
    picker.move(frameGeometry().topLeft() + offset);
    picker.exec();
}

void FrmMain::cmdBrowser_Click() {
    const std::optional<Refusal> refusal =
        CheckPlaceFields(ui_.txtMCity->text(), ui_.txtMState->text(), ui_.txtMCountry->text());
    if (refusal)
        refuse(*refusal);
}

void FrmMain::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    emit closed();
}

} // namespace tenvari
