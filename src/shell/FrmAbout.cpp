// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FrmAbout.h"

#include "links/WebLinks.h"
#include "platform/AppInfo.h"
#include "widgets/AppIcon.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Factories.h"
#include "widgets/HandlerStep.h"
#include "widgets/Look.h"
#include "widgets/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace tenvari {

namespace {

constexpr int kIconPixels = 32;

QLabel* textLabel(QWidget* parent, const char* name, const QString& text, const QRect& where,
                  const QFont& font) {
    QLabel* label = textBlock(name, text, parent, where);
    label->setFont(font);
    look::paintText(*label, look::kCyanText);
    return label;
}

ClickableLabel* linkLabel(QWidget* parent, const char* name, const QString& text,
                          const QRect& where) {
    auto* label = textBlock<ClickableLabel>(name, text, parent, where);
    label->setWordWrap(false);
    label->makeLink(false);
    look::paintText(*label, look::kPaleGreen);
    return label;
}

} // namespace

FrmAbout::FrmAbout(WebLinks& links, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      links_(links) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setAccessibleName(tr("About %1").arg(QString::fromLatin1(kWindowCaption)));
    setWindowIcon(appIcon());
    setModal(true);
    setFixedSize(twipsSize(6015, 4050));
    setFont(look::verdana(8.25));
    look::paint(*this, look::kTeal, look::kCyanText);

    // Focus order first: the button is the only control that takes focus.
    cmdOK_ = button("cmdOK", tr("&OK"), this, twipsRect(4680, 3615, 1260, 345), look::kLightGrey);
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);

    auto* picIcon = named<AppIconPicture>("picIcon", this, kIconPixels);
    picIcon->setGeometry(twipsRect(150, 150, 510, 510));

    textLabel(this, "Label2", QString::fromLatin1(kWindowCaption), twipsRect(780, 285, 3390, 240),
              look::verdana(9.75, true));
    textLabel(this, "Label1",
              tr("The Tenvari calculates the Ayanamsa for a particular place for a given "
                 "date and time. This tool is based on the Lahiri Ayanamsa. Ayanamsa "
                 "(ayana means \"movement\" and amsa means \"part\") means the "
                 "longitudinal difference between the tropical and sidereal zodiacs."),
              twipsRect(240, 840, 5715, 1215), look::verdana(8.25));

    ClickableLabel* lblHomePage = linkLabel(
        this, "lblHomePage", tr("Click here to visit %1").arg(WebLinks::address(WebPage::Home)),
        twipsRect(1320, 2160, 4650, 195));
    connect(lblHomePage, &ClickableLabel::clicked, this, &FrmAbout::lblHomePage_Click);

    textLabel(this, "Label3",
              tr("Home Business Opportunity. Start your own Internet "
                 "business and make money online. Get this software fully "
                 "branded for your website."),
              twipsRect(120, 2520, 5685, 675), look::verdana(8.25, true));

    ClickableLabel* lblCoBrand = linkLabel(this, "lblCoBrand", tr("Click here for more details"),
                                           twipsRect(3360, 3240, 2610, 195));
    connect(lblCoBrand, &ClickableLabel::clicked, this, &FrmAbout::lblCoBrand_Click);

    // A one-pixel rule from (0, 3480) to (6150, 3480); the window clips the
    // part beyond its right edge.
    auto* Line2 = named<QFrame>("Line2", this);
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Plain);
    Line2->setLineWidth(1);
    Line2->setGeometry(twips(0), twips(3480), twips(6150), 1);
    look::paintText(*Line2, look::kPaleGreen);

    cmdOK_->setFocus();
}

void FrmAbout::showModal(WebLinks& links) {
    FrmAbout box(links);
    box.exec();
}

void FrmAbout::cmdOK_Click() {
    accept();
}

void FrmAbout::lblHomePage_Click() {
    runStep([this] { links_.open(WebPage::Home); });
}

void FrmAbout::lblCoBrand_Click() {
    runStep([this] { links_.open(WebPage::FullBrand); });
}

} // namespace tenvari
