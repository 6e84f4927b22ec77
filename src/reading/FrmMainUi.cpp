// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/FrmMainUi.h"

#include "astro/HiddenLongitude.h"
#include "platform/AppInfo.h"
#include "reading/ResultTexts.h"
#include "reading/TextNumbers.h"
#include "widgets/Accessibility.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Factories.h"
#include "widgets/Look.h"
#include "widgets/Twips.h"
#include "widgets/ValueLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace tenvari {

namespace {

// The degree and minute boxes that lie outside their frames.
QLineEdit* degreeBox(const char* name, QWidget* parent, int left, int top, int maxLength,
                     int value = 1) {
    QLineEdit* box =
        textBox(name, parent, twipsRect(left, top, 495, 285), QString::number(value), maxLength);
    look::paint(*box, look::kParchment, look::kNavy);
    return box;
}

// The number a list entry shows (the lists hold plain whole numbers).
int shownNumber(const QComboBox& list) {
    const std::optional<double> value = numericValue(list.currentText());
    const std::optional<std::int16_t> whole = value ? wholeNumber(*value) : std::nullopt;
    return whole.value_or(0);
}

} // namespace

void FrmMainUi::setupUi(QMainWindow& window) {
    installAccessibility(); // before the panels are named
    window.setObjectName(QStringLiteral("frmMain"));
    window.setWindowTitle(QString::fromLatin1(kWindowCaption));

    // The client area below the menu bar carries the teal look and the
    // window's font; the menu bar keeps the desktop's.
    auto* client = new QWidget(&window);
    client->setObjectName(QStringLiteral("client"));
    look::paint(*client, look::kTeal, look::kCyanText);
    client->setFont(look::verdana(8.25));
    window.setCentralWidget(client);

    buildMenus(window);
    buildTopAndBottomStrips(*client);
    buildInputPanel(*client);
    buildResultPanel(*client);
    setTabOrder(window);
    nameForListeners();
}

void FrmMainUi::buildMenus(QMainWindow& window) {
    QMenu* mnuFile = window.menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNext = mnuFile->addAction(tr("Get My Ayanamsa Reading"));
    mnuNext->setObjectName(QStringLiteral("mnuNext"));
    mnuExit = mnuFile->addAction(tr("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    QMenu* mnuHelp = window.menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline = mnuHelp->addAction(tr("&Online Help"));
    mnuOnline->setObjectName(QStringLiteral("mnuOnline"));
    mnuVisit = mnuHelp->addAction(tr("&Visit Us Online"));
    mnuVisit->setObjectName(QStringLiteral("mnuVisit"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelp1"));
    mnuUpdate = mnuHelp->addAction(tr("Check for Software &Update"));
    mnuUpdate->setObjectName(QStringLiteral("mnuUpdate"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelp2"));
    mnuAbout = mnuHelp->addAction(tr("&About Software"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    mnuDonate = window.menuBar()->addAction(tr("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    mkmoney = window.menuBar()->addAction(tr("Make Money &Online"));
    mkmoney->setObjectName(QStringLiteral("mkmoney"));
    mkmoney->setEnabled(false); // shown greyed: it cannot be chosen
}

void FrmMainUi::buildTopAndBottomStrips(QWidget& client) {
    Frame2 = boxFrame("Frame2", &client, twipsRect(0, 0, 5745, 615));
    Frame2->setAccessibleName(tr("Community"));
    Label61 = textBlock<ClickableLabel>("Label61", tr("Join our free astrology community online!"),
                                        Frame2, twipsRect(120, 150, 5505, 315), Qt::AlignCenter);
    Label61->makeLink();

    cmdRashi = button("cmdRashi", tr("Get My Ayanamsa Reading"), &client,
                      twipsRect(0, 5280, 5775, 375), look::kLightGrey);
    cmdBack =
        button("cmdBack", tr("&Back"), &client, twipsRect(5760, 5280, 4455, 375), look::kLightGrey);

    QFrame* Frame5 = boxFrame("Frame5", &client, twipsRect(0, 5640, 10575, 855));
    Frame5->setAccessibleName(tr("Offers"));
    lblFullBrand = textBlock<ClickableLabel>(
        "lblFullBrand",
        tr("Want this tool under your own name? Ask for a fully branded edition of Tenvari."),
        Frame5, twipsRect(240, 180, 5505, 495), Qt::AlignLeft | Qt::AlignVCenter);
    lblFullBrand->makeLink();
    lblCobrand = textBlock<ClickableLabel>(
        "lblCobrand", tr("Own a web site? Co-brand Tenvari with your site's name and logo."),
        Frame5, twipsRect(6000, 180, 4305, 495), Qt::AlignLeft | Qt::AlignVCenter);
    lblCobrand->makeLink();
}

void FrmMainUi::buildInputPanel(QWidget& client) {
    QWidget* f1 = boxFrame("Frame1", &client, twipsRect(0, 600, 5745, 4575));
    f1->setAccessibleName(tr("Birth details"));

    auto* label20 = textBlock(
        "Label20",
        tr("Ayanamsa (ayana means \"movement\" and amsa means \"part\") means the longitudinal "
           "difference between the tropical and sidereal zodiacs."),
        f1, twipsRect(120, 240, 5535, 615));
    look::paintText(*label20, look::kPaleCyanText);
    auto* label21 = textBlock("Label21",
                              tr("The Tenvari calculates the Ayanamsa for a particular place for a "
                                 "given date and time. This tool is based on the Lahiri Ayanamsa."),
                              f1, twipsRect(120, 960, 5535, 615));
    look::paintText(*label21, look::kPeach);

    QLabel* label13 = caption("Label13", tr("Name"), f1, 480, 1725);
    txtName = textBox("txtName", f1, twipsRect(1680, 1680, 3615, 285));
    label13->setBuddy(txtName);

    QLabel* label5 = caption("Label5", tr("Date of Birth"), f1, 480, 2100);
    cboMonth = dropDown("cboMonth", f1, 1680, 2040, 1695);
    label5->setBuddy(cboMonth);
    cboDate = dropDown("cboDate", f1, 3540, 2040, 735);
    cboYear = dropDown("cboYear", f1, 4440, 2040, 855);

    QLabel* label1 = caption("Label1", tr("Time of Birth"), f1, 480, 2460);
    cboHH = dropDown("cboHH", f1, 1680, 2400, 735);
    label1->setBuddy(cboHH);
    cboMM = dropDown("cboMM", f1, 2640, 2400, 735);
    cboSS = dropDown("cboSS", f1, 3540, 2400, 735);
    caption("Label12", tr("HH:MM:SS"), f1, 4440, 2520);

    fraZone = captionFrame("fraZone", tr("Time Zone"), f1, twipsRect(1680, 2760, 3615, 855));
    txtZoneHour = textBox("txtZoneHour", fraZone, twipsRect(360, 240, 495, 285));
    caption("Label3", tr("Hour"), fraZone, 360, 600)->setBuddy(txtZoneHour);
    txtZoneMinute = textBox("txtZoneMinute", fraZone, twipsRect(1200, 240, 495, 285));
    caption("Label2", tr("Min"), fraZone, 1320, 600)->setBuddy(txtZoneMinute);
    lblTZHelp = named<ClickableLabel>("lblTZHelp", fraZone, tr("TZ Help"));
    lblTZHelp->setTextFormat(Qt::PlainText);
    lblTZHelp->setFont(look::verdana(11.25, true));
    shrinkToFit(*lblTZHelp, twips(945));
    lblTZHelp->makeLink(false);
    lblTZHelp->setGeometry(twipsRect(2160, 240, 945, 375));
    // Beyond the frame's right edge: out of sight, still reachable by Tab.
    chkDST = named<QCheckBox>("chkDST", fraZone, tr("DST"));
    chkDST->setGeometry(twipsRect(3840, 195, 975, 375));

    QGroupBox* Frame4 = captionFrame("Frame4", tr("Longitude Suffix Of Place Of Birth"), f1,
                                     twipsRect(1680, 3720, 3615, 735));
    optLong[0] = option("optLong_0", tr("East"), Frame4, twipsRect(480, 360, 735, 255));
    optLong[1] = option("optLong_1", tr("West"), Frame4, twipsRect(1920, 360, 735, 255));
    optLong[0]->setChecked(true);
    // Below the frame's bottom edge: out of sight.
    txtLonD = degreeBox("txtLonD", Frame4, 120, 960, 3, kHiddenLonDegrees);
    caption("Label6", tr("Deg"), Frame4, 120, 1320)->setBuddy(txtLonD);
    txtLonM = degreeBox("txtLonM", Frame4, 720, 960, 2, kHiddenLonMinutes);
    caption("Label8", tr("Min", "minutes of arc"), Frame4, 720, 1320)->setBuddy(txtLonM);

    // The latitude frame and the place block lie outside Frame1's area.
    QGroupBox* Frame3 =
        captionFrame("Frame3", tr("Latitude"), f1, twipsRect(6600, 5760, 2415, 855));
    txtLatD = degreeBox("txtLatD", Frame3, 120, 240, 2);
    caption("Label7", tr("Deg"), Frame3, 120, 600)->setBuddy(txtLatD);
    txtLatM = degreeBox("txtLatM", Frame3, 720, 240, 2);
    caption("Label9", tr("Min", "minutes of arc"), Frame3, 720, 600)->setBuddy(txtLatM);
    optLat[0] = option("optLat_0", tr("North"), Frame3, twipsRect(1320, 240, 975, 255));
    optLat[1] = option("optLat_1", tr("South"), Frame3, twipsRect(1320, 540, 975, 255));
    optLat[0]->setChecked(true);

    QLabel* label54 = caption("Label54", tr("City"), f1, 840, 5280);
    txtMCity = textBox("txtMCity", f1, twipsRect(2040, 5280, 1935, 285), "a");
    label54->setBuddy(txtMCity);
    QLabel* label55 = caption("Label55", tr("State"), f1, 840, 5640);
    txtMState = textBox("txtMState", f1, twipsRect(2040, 5640, 1935, 285), "a");
    label55->setBuddy(txtMState);
    QLabel* label4 = caption("Label4", tr("Country"), f1, 840, 6000);
    txtMCountry = textBox("txtMCountry", f1, twipsRect(2040, 6000, 1935, 285), "a");
    label4->setBuddy(txtMCountry);
    cmdBrowser = button("cmdBrowser", tr("Click Here To Find Latitude && Longitude"), f1,
                        twipsRect(4200, 5280, 1455, 1035), look::kPeach);
}

void FrmMainUi::buildResultPanel(QWidget& client) {
    QWidget* f6 = Frame6 = boxFrame("Frame6", &client, twipsRect(5760, 0, 4455, 5175));
    f6->setAccessibleName(tr("Result"));

    auto* label18 = textBlock("Label18",
                              tr("Ayanamsa describes the angular difference between the tropical "
                                 "(Sayana) and sidereal ( Nirayana) longitudes, due to the "
                                 "precision of the equinoxes."),
                              f6, twipsRect(120, 240, 4215, 855), Qt::AlignHCenter | Qt::AlignTop);
    look::paintText(*label18, look::kLightYellow);
    Label19 = textBlock<ClickableLabel>(
        "Label19",
        tr("The Tenvari calculates the Ayanamsa for a particular place for a given date and time. "
           "This tool is based on the Lahiri Ayanamsa. Calculation of the Ayanamsa helps in "
           "correct generation of the horoscope."),
        f6, twipsRect(120, 1200, 4215, 975), Qt::AlignHCenter | Qt::AlignTop);
    look::paintText(*Label19, look::kLightYellow);

    // Caption on the left, value on the right. The values' design-time
    // texts are never seen: the first reading replaces them. Each caption
    // is the buddy of its value.
    const auto valuePair = [f6](const char* captionName, const QString& text, int captionTop,
                                const char* name, const char* designText, int top, int height) {
        QLabel* label = caption(captionName, text, f6, 240, captionTop, true);
        auto* value = named<ValueLabel>(name, f6, text, QString::fromLatin1(designText));
        value->setFont(look::verdana(8.25, true));
        value->setGeometry(twipsRect(1560, top, 2775, height));
        label->setBuddy(value);
        return value;
    };
    lblName = valuePair("Label14", tr("Name"), 2640, "lblName", "lblName", 2640, 255);
    lblAyanamsa = valuePair("Label11", tr("Ayanamsa"), 3150, "lblAyanamsa", "Label1", 3138, 285);
    lblAyanamsa->setFont(look::verdana(9.75, true));
    look::paintText(*lblAyanamsa, look::kLightYellow);
    lblDay = valuePair("Label17", tr("Day"), 3660, "lblDay", "lblDay", 3681, 255);
    lblDOB = valuePair("Label15", tr("Date of Birth"), 4170, "lblDOB", "lblDOB", 4179, 255);
    lblTimeOfBirth = valuePair("Label16", tr("Time of Birth"), 4680, "lblTimeOfBirth",
                               "lblTimeOfBirth", 4680, 255);
}

void FrmMainUi::setTabOrder(QWidget& window) {
    QWidget* const chain[] = {
        txtName,       cboMonth, cboDate,   cboYear,     cboHH,      cboMM,   cboSS,   txtZoneHour,
        txtZoneMinute, chkDST,   txtLonM,   optLong[0],  optLong[1], txtLatD, txtLatM, optLat[0],
        optLat[1],     txtMCity, txtMState, txtMCountry, cmdBrowser, txtLonD, cmdBack, cmdRashi};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        window.setTabOrder(chain[i - 1], chain[i]);
}

// The boxes whose captions cannot say it all (one caption names the three
// date lists), and the controls out of sight, which a listener reaches
// with Tab like any other: their names say that they are hidden and
// whether the reading uses them.
void FrmMainUi::nameForListeners() {
    const struct {
        QWidget* control;
        const char* name; // empty: the caption or text says it
        const char* description;
    } spoken[] = {
        {txtName, QT_TR_NOOP("Name"), ""},
        {cboMonth, QT_TR_NOOP("Month of birth"), ""},
        {cboDate, QT_TR_NOOP("Day of birth"), ""},
        {cboYear, QT_TR_NOOP("Year of birth"), ""},
        {cboHH, QT_TR_NOOP("Hour of birth"), ""},
        {cboMM, QT_TR_NOOP("Minute of birth"), ""},
        {cboSS, QT_TR_NOOP("Second of birth"), QT_TR_NOOP("Not used by the reading.")},
        {txtZoneHour, QT_TR_NOOP("Time zone hours"),
         QT_TR_NOOP(
             "Hours between local time and Greenwich; East or West below gives the direction.")},
        {txtZoneMinute, QT_TR_NOOP("Time zone minutes"), ""},
        {lblTZHelp, "",
         QT_TR_NOOP("Opens a list of time zones that fills in the hours and minutes.")},
        {chkDST, QT_TR_NOOP("Daylight saving (hidden)"),
         QT_TR_NOOP(
             "Not shown on the screen. Checked, the birth time counts as daylight saving time.")},
        {txtLonD, QT_TR_NOOP("Longitude degrees (hidden)"),
         QT_TR_NOOP("Not shown on the screen. With 0 degrees and 0 minutes, East counts as West.")},
        {txtLonM, QT_TR_NOOP("Longitude minutes (hidden)"),
         QT_TR_NOOP("Not shown on the screen. With 0 degrees and 0 minutes, East counts as West.")},
        {txtLatD, QT_TR_NOOP("Latitude degrees (hidden, not used by the reading)"), ""},
        {txtLatM, QT_TR_NOOP("Latitude minutes (hidden, not used by the reading)"), ""},
        {optLat[0], QT_TR_NOOP("North (hidden, not used by the reading)"), ""},
        {optLat[1], QT_TR_NOOP("South (hidden, not used by the reading)"), ""},
        {txtMCity, QT_TR_NOOP("City (hidden, not used by the reading)"), ""},
        {txtMState, QT_TR_NOOP("State (hidden, not used by the reading)"), ""},
        {txtMCountry, QT_TR_NOOP("Country (hidden, not used by the reading)"), ""},
        {cmdBrowser, QT_TR_NOOP("Find latitude and longitude (hidden)"),
         QT_TR_NOOP("Not shown on the screen. Checks that city, state and country are filled in.")},
        {cmdRashi, "", QT_TR_NOOP("Computes the ayanamsa and shows it beside the birth details.")},
        {cmdBack, "", QT_TR_NOOP("Hides the result.")},
    };
    for (const auto& [control, name, description] : spoken) {
        if (*name)
            control->setAccessibleName(tr(name));
        if (*description)
            control->setAccessibleDescription(tr(description));
    }
}

BirthData FrmMainUi::birthData() const {
    BirthData data;
    data.name = txtName->text();
    data.day = shownNumber(*cboDate);
    data.month = monthNumber(cboMonth->currentText());
    data.year = shownNumber(*cboYear);
    data.hour = shownNumber(*cboHH);
    data.minute = shownNumber(*cboMM);
    data.second = shownNumber(*cboSS);
    data.city = txtMCity->text();
    data.state = txtMState->text();
    data.country = txtMCountry->text();
    data.latDegreesText = txtLatD->text();
    data.latMinutesText = txtLatM->text();
    data.latHemisphere = optLat[0]->isChecked() ? LatHemisphere::North : LatHemisphere::South;
    data.lonDegreesText = txtLonD->text();
    data.lonMinutesText = txtLonM->text();
    data.lonHemisphere = optLong[0]->isChecked() ? LonHemisphere::East : LonHemisphere::West;
    data.zoneHoursText = txtZoneHour->text();
    data.zoneMinutesText = txtZoneMinute->text();
    data.dst = chkDST->checkState() != Qt::Unchecked;
    return data;
}

QWidget* FrmMainUi::widgetOf(BirthField field) const {
    switch (field) {
    case BirthField::Name:
        return txtName;
    case BirthField::LonDegrees:
        return txtLonD;
    case BirthField::LonMinutes:
        return txtLonM;
    case BirthField::LatDegrees:
        return txtLatD;
    case BirthField::LatMinutes:
        return txtLatM;
    case BirthField::ZoneHours:
        return txtZoneHour;
    case BirthField::ZoneMinutes:
        return txtZoneMinute;
    case BirthField::City:
        return txtMCity;
    case BirthField::State:
        return txtMState;
    case BirthField::Country:
        return txtMCountry;
    }
    return nullptr;
}

} // namespace tenvari
