// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FrmExitScreen.h"

#include "links/WebLinks.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "shell/ExitApplication.h"
#include "shell/ReferralForm.h"
#include "widgets/Accessibility.h"
#include "widgets/AppIcon.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Factories.h"
#include "widgets/HandlerStep.h"
#include "widgets/Look.h"
#include "widgets/Twips.h"
#include "widgets/WindowStacking.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <random>

namespace tenvari {

namespace {

QLabel* addLabel(QWidget* parent, const char* objectName, const QString& text, const QRect& area,
                 const QFont& font) {
    QLabel* label = textBlock(objectName, text, parent, area);
    label->setFont(font);
    return label;
}

} // namespace

QStringList FrmExitScreen::PromotionalTexts() {
    return {
        tr("Thank you for using Tenvari! Our web community is a friendly place to "
           "share charts, ask questions and learn Vedic astrology with others."),
        tr("Tenvari is one of many free astrology tools we make. Birth charts, "
           "match making, panchang and more are waiting on our site."),
        tr("Have a question about your ayanamsa or your chart? Thousands of members "
           "of our web community are happy to help, free of charge."),
        tr("Enjoyed Tenvari? Tell a friend about it with the form on the right, "
           "and visit us for new versions and new free software."),
    };
}

int FrmExitScreen::PromotionalTextNumber(std::uint32_t seed) {
    std::mt19937 generator(seed);
    // 24 random bits make r exactly: 0 <= r < 1, so n never reaches 4.
    const double r = static_cast<double>(generator() >> 8) / 16777216.0;
    return static_cast<int>(4 * r);
}

FrmExitScreen::FrmExitScreen(MessageService& messages, WebLinks& links, const Clock& clock,
                             ExitApplication& exitApplication, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      links_(links), exitApplication_(exitApplication) {
    installAccessibility(); // before anything announces the window: it is one
    setObjectName(QStringLiteral("frmExitScreen"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(appIcon());
    setAccessibleDescription(tr("Exit ends the program."));
    setAttribute(Qt::WA_DeleteOnClose);
    look::paint(*this, Qt::white, Qt::black);
    setFixedSize(twipsSize(11115, 4725));

    auto* Picture1 = named<AppIconPicture>("Picture1", this, twips(480));
    Picture1->setGeometry(twipsRect(120, 120, 480, 480));

    QLabel* Label1 = addLabel(this, "Label1", QString::fromLatin1(kWindowCaption),
                              twipsRect(720, 150, 4680, 420), look::verdana(14, true));
    look::paintText(*Label1, look::kNavy);

    Label2_ = addLabel(this, "Label2", {}, twipsRect(120, 720, 5280, 1140), look::verdana(9));

    Check1_ = named<QCheckBox>("Check1", this, tr("Yes! Take me to the web community now"));
    Check1_->setFont(look::verdana(8, true));
    Check1_->setGeometry(twipsRect(120, 1980, 5280, 315));
    connect(Check1_, &QCheckBox::clicked, this, &FrmExitScreen::Check1_Click);

    auto* fraSoftware = named<QGroupBox>("fraSoftware", this, tr("Our Software Collection"));
    fraSoftware->setFont(look::verdana(8, true));
    fraSoftware->setGeometry(twipsRect(120, 2400, 5280, 1575));

    lblGoToHome_ =
        named<ClickableLabel>("lblGoToHome", fraSoftware, tr("See all our free software"));
    lblGoToHome_->setFont(look::verdana(8, true));
    lblGoToHome_->setGeometry(twipsRect(120, 330, 5040, 285));
    lblGoToHome_->makeLink();
    look::paintText(*lblGoToHome_, Qt::blue);
    connect(lblGoToHome_, &ClickableLabel::clicked, this, &FrmExitScreen::lblGoToHome_Click);

    addLabel(fraSoftware, "Label3",
             tr("Astrology, numerology and calendar tools from the "
                "makers of Tenvari: small, free and easy to use."),
             twipsRect(120, 690, 5040, 780), look::verdana(8));

    fraReferral_ = new ReferralForm(messages, links, this);
    fraReferral_->setGeometry(twipsRect(5520, 120, 5475, 3855));

    cmdClose_ = named<QPushButton>("cmdClose", this, tr("E&xit"));
    cmdClose_->setFont(look::verdana(8, true));
    cmdClose_->setGeometry(twipsRect(9675, 4080, 1320, 495));
    cmdClose_->setAutoDefault(true); // Enter presses it when it has the focus
    connect(cmdClose_, &QPushButton::clicked, this, &FrmExitScreen::cmdClose_Click);

    // When the user activates the window, the focus lands on "E&xit" rather
    // than on a box that would lose its prompt.
    setTabOrder(cmdClose_, Check1_);
    cmdClose_->setFocus(Qt::OtherFocusReason);

    if (const QScreen* where = screen())
        move(where->availableGeometry().center() - rect().center());

    Form_Load(clock.seed());
}

void FrmExitScreen::Form_Load(std::uint32_t seed) {
    Label2_->setText(PromotionalTexts().at(PromotionalTextNumber(seed)));
}

void FrmExitScreen::showOnTop() {
    showOnTopWithoutActivating(*this);
}

void FrmExitScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    exitApplication_();
}

void FrmExitScreen::cmdClose_Click() {
    exitApplication_();
}

void FrmExitScreen::Check1_Click(bool checked) {
    if (!checked)
        return;
    Check1_->setChecked(false);
    runStep([this] { links_.open(WebPage::Home); });
}

void FrmExitScreen::lblGoToHome_Click() {
    runStep([this] { links_.open(WebPage::Products); });
}

} // namespace tenvari
