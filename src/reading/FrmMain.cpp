// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/FrmMain.h"

#include "astro/AngleFormat.h"
#include "astro/DateReduction.h"
#include "astro/Lahiri.h"
#include "platform/AppInfo.h"
#include "platform/MessageService.h"
#include "reading/KeystrokeFilters.h"
#include "reading/PlaceCheck.h"
#include "reading/TextNumbers.h"
#include "reading/WindowPlacement.h"
#include "timezones/FrmTimeZone.h"
#include "widgets/ClickableLabel.h"
#include "widgets/KeyCodes.h"
#include "widgets/Look.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <utility>

namespace tenvari {

namespace {

// The longitude messages: shown by the checks, and again by the reading for
// a text the checks let through but that does not convert.
const char kLonDegreesMessage[] = "Please Enter Value Between 0 And 179 in the Degree of Longitude";
const char kLonMinutesMessage[] = "Please Enter Value Between 0 And 59 in the  Minute of Longitude";

const char* const kMonthNames[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

// Numbered from Sunday, as DayOfWeek counts.
const char* const kWeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};

// Runs one step of a handler; whatever it throws ends that step only.
template <class Step> void standAlone(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
    } catch (...) {
    }
}

template <class W, class... Args> W* named(const char* name, QWidget* parent, Args&&... args) {
    auto* widget = new W(std::forward<Args>(args)..., parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QFrame* boxFrame(const char* name, QWidget* parent, QRect geometry) {
    auto* frame = named<QFrame>(name, parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(geometry);
    return frame;
}

// A frame with a caption on its etched border line, as classic frames
// draw it; the children at the frame's top keep clear of the line.
class CaptionFrame final : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const QRect border = rect().adjusted(0, metrics.height() / 2, -1, -1);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(border.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(border.adjusted(1, 1, 0, 0));
        const QRect captionArea(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        painter.fillRect(captionArea, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(captionArea, Qt::AlignCenter, title());
    }
};

QGroupBox* captionFrame(const char* name, const char* caption, QWidget* parent, QRect geometry) {
    QGroupBox* frame = named<CaptionFrame>(name, parent, QString::fromLatin1(caption));
    frame->setGeometry(geometry);
    return frame;
}

// A label sized to its text, at (left, top) twips.
QLabel* caption(const char* name, const char* text, QWidget* parent, int left, int top,
                bool underline = false) {
    auto* label = named<QLabel>(name, parent, QString::fromLatin1(text));
    label->setTextFormat(Qt::PlainText);
    if (underline) {
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
    }
    label->move(twipsPoint(left, top));
    label->adjustSize();
    return label;
}

// A label of fixed size whose text wraps within it.
template <class L = QLabel>
L* textBlock(const char* name, const char* text, QWidget* parent, QRect geometry,
             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = named<L>(name, parent, QString::fromLatin1(text));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    return label;
}

// Verdana fits the label's designed width; a wider fallback face is set a
// little smaller rather than cut off.
void shrinkToFit(QLabel& label, int width) {
    QFont font = label.font();
    while (QFontMetrics(font).horizontalAdvance(label.text()) > width && font.pointSizeF() > 6.0)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label.setFont(font);
}

QLineEdit* textBox(const char* name, QWidget* parent, QRect geometry, const char* text = "",
                   int maxLength = 0) {
    auto* box = named<QLineEdit>(name, parent, QString::fromLatin1(text));
    box->setGeometry(geometry);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    return box;
}

// The degree and minute boxes that lie outside their frames.
QLineEdit* degreeBox(const char* name, QWidget* parent, int left, int top, int maxLength) {
    QLineEdit* box = textBox(name, parent, twipsRect(left, top, 495, 285), "1", maxLength);
    look::paint(*box, look::kParchment, look::kNavy);
    return box;
}

// A selection-only list; its height is the classic one-line height.
QComboBox* dropDown(const char* name, QWidget* parent, int left, int top, int width) {
    auto* list = named<QComboBox>(name, parent);
    list->setEditable(false);
    list->setGeometry(twipsRect(left, top, width, 315));
    return list;
}

QPushButton* button(const char* name, const char* text, QWidget* parent, QRect geometry,
                    const QColor& face) {
    auto* pushButton = named<QPushButton>(name, parent, QString::fromLatin1(text));
    pushButton->setGeometry(geometry);
    pushButton->setFont(look::verdana(8.25, true));
    pushButton->setAutoDefault(false);
    look::paintButton(*pushButton, face);
    return pushButton;
}

QRadioButton* option(const char* name, const char* text, QWidget* parent, QRect geometry) {
    auto* radio = named<QRadioButton>(name, parent, QString::fromLatin1(text));
    radio->setGeometry(geometry);
    return radio;
}

void fillNumbers(QComboBox& list, int first, int last) {
    for (int n = first; n <= last; ++n)
        list.addItem(QString::number(n));
}

// The number a list entry shows (the lists hold plain whole numbers).
int shownNumber(const QComboBox& list) {
    const std::optional<double> value = numericValue(list.currentText());
    const std::optional<std::int16_t> whole = value ? wholeNumber(*value) : std::nullopt;
    return whole.value_or(0);
}

// 1 for "January" .. 12 for "December", compared exactly; 0 for any other
// text, which the month list never shows.
int monthNumber(const QString& text) {
    for (int i = 0; i < 12; ++i) {
        if (text == QLatin1String(kMonthNames[i]))
            return i + 1;
    }
    return 0;
}

// The degree check: empty, or a leading number outside 0..highest.
bool degreesRefused(const QLineEdit& box, double highest) {
    const QString text = trimmedText(box.text());
    if (text.isEmpty())
        return true;
    const double value = leadingNumber(text);
    return value > highest || value < 0.0;
}

// The minute check: empty, no number as a whole, or outside 0..59.
bool minutesRefused(const QLineEdit& box) {
    const QString text = trimmedText(box.text());
    if (text.isEmpty())
        return true;
    const std::optional<double> value = numericValue(text);
    return !value || *value > 59.0 || *value < 0.0;
}

} // namespace

FrmMain::FrmMain(MessageService& messages, QWidget* parent)
    : QMainWindow(parent), messages_(messages) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));

    // The client area below the menu bar carries the teal look and the
    // window's font; the menu bar keeps the desktop's.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    look::paint(*client, look::kTeal, look::kCyanText);
    client->setFont(look::verdana(8.25));
    setCentralWidget(client);

    buildMenus();
    buildTopAndBottomStrips(*client);
    buildInputPanel(*client);
    buildResultPanel(*client);
    setTabOrderChain();
    connectHandlers();

    Form_Load();

    // Fixed border: only the reading and Back change the width.
    setFixedSize(twips(kInputLayoutWidth),
                 menuBar()->sizeHint().height() + twips(kMainClientHeight));
    txtName_->setFocus();
}

void FrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_ || event->spontaneous())
        return;
    // Starts in the middle of the screen; by now the frame is known (where
    // the platform tells it).
    placed_ = true;
    standAlone([this] {
        const QScreen* where = screen();
        if (!where)
            return;
        const QRect area = where->geometry();
        const QRect outer = frameGeometry();
        move(area.x() + centredLeft(area.width(), outer.width()),
             area.y() + centredLeft(area.height(), outer.height()));
    });
}

void FrmMain::buildMenus() {
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* mnuNext = mnuFile->addAction(QStringLiteral("Get My Ayanamsa Reading"));
    mnuNext->setObjectName(QStringLiteral("mnuNext"));
    QAction* mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QAction* mnuOnline = mnuHelp->addAction(QStringLiteral("&Online Help"));
    mnuOnline->setObjectName(QStringLiteral("mnuOnline"));
    QAction* mnuVisit = mnuHelp->addAction(QStringLiteral("&Visit Us Online"));
    mnuVisit->setObjectName(QStringLiteral("mnuVisit"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelp1"));
    QAction* mnuUpdate = mnuHelp->addAction(QStringLiteral("Check for Software &Update"));
    mnuUpdate->setObjectName(QStringLiteral("mnuUpdate"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelp2"));
    QAction* mnuAbout = mnuHelp->addAction(QStringLiteral("&About Software"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    QAction* mnuDonate = menuBar()->addAction(QStringLiteral("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    QAction* mkmoney = menuBar()->addAction(QStringLiteral("Make Money &Online"));
    mkmoney->setObjectName(QStringLiteral("mkmoney"));
    mkmoney->setEnabled(false); // shown greyed: it cannot be chosen

    connect(mnuNext, &QAction::triggered, this, &FrmMain::mnuNext_Click);
    connect(mnuExit, &QAction::triggered, this, [this] { standAlone([this] { close(); }); });
    const std::pair<QAction*, WebPage> pages[] = {{mnuOnline, WebPage::OnlineHelp},
                                                  {mnuVisit, WebPage::Home},
                                                  {mnuUpdate, WebPage::Download},
                                                  {mnuDonate, WebPage::Donate},
                                                  {mkmoney, WebPage::FullBrand}};
    for (const auto& [action, page] : pages) {
        connect(action, &QAction::triggered, this,
                [this, page = page] { standAlone([&] { emit pageRequested(page); }); });
    }
    connect(mnuAbout, &QAction::triggered, this,
            [this] { standAlone([this] { emit aboutRequested(); }); });
}

void FrmMain::buildTopAndBottomStrips(QWidget& client) {
    Frame2_ = boxFrame("Frame2", &client, twipsRect(0, 0, 5745, 615));
    Label61_ = textBlock<ClickableLabel>("Label61", "Join our free astrology community online!",
                                         Frame2_, twipsRect(120, 150, 5505, 315), Qt::AlignCenter);
    Label61_->makeLink();

    cmdRashi_ = button("cmdRashi", "Get My Ayanamsa Reading", &client,
                       twipsRect(0, 5280, 5775, 375), look::kLightGrey);
    cmdBack_ =
        button("cmdBack", "&Back", &client, twipsRect(5760, 5280, 4455, 375), look::kLightGrey);

    Frame5_ = boxFrame("Frame5", &client, twipsRect(0, 5640, 10575, 855));
    lblFullBrand_ = textBlock<ClickableLabel>(
        "lblFullBrand",
        "Want this tool under your own name? Ask for a fully branded edition of Tenvari.", Frame5_,
        twipsRect(240, 180, 5505, 495), Qt::AlignLeft | Qt::AlignVCenter);
    lblFullBrand_->makeLink();
    lblCobrand_ = textBlock<ClickableLabel>(
        "lblCobrand", "Own a web site? Co-brand Tenvari with your site's name and logo.", Frame5_,
        twipsRect(6000, 180, 4305, 495), Qt::AlignLeft | Qt::AlignVCenter);
    lblCobrand_->makeLink();
}

void FrmMain::buildInputPanel(QWidget& client) {
    Frame1_ = boxFrame("Frame1", &client, twipsRect(0, 600, 5745, 4575));
    QWidget* f1 = Frame1_;

    auto* label20 = textBlock(
        "Label20",
        "Ayanamsa (ayana means \"movement\" and amsa means \"part\") means the longitudinal "
        "difference between the tropical and sidereal zodiacs.",
        f1, twipsRect(120, 240, 5535, 615));
    look::paintText(*label20, look::kPaleCyanText);
    auto* label21 = textBlock("Label21",
                              "The Tenvari calculates the Ayanamsa for a particular place for a "
                              "given date and time. This tool is based on the Lahiri Ayanamsa.",
                              f1, twipsRect(120, 960, 5535, 615));
    look::paintText(*label21, look::kPeach);

    caption("Label13", "Name", f1, 480, 1725);
    txtName_ = textBox("txtName", f1, twipsRect(1680, 1680, 3615, 285));

    caption("Label5", "Date of Birth", f1, 480, 2100);
    cboMonth_ = dropDown("cboMonth", f1, 1680, 2040, 1695);
    cboDate_ = dropDown("cboDate", f1, 3540, 2040, 735);
    cboYear_ = dropDown("cboYear", f1, 4440, 2040, 855);

    caption("Label1", "Time of Birth", f1, 480, 2460);
    cboHH_ = dropDown("cboHH", f1, 1680, 2400, 735);
    cboMM_ = dropDown("cboMM", f1, 2640, 2400, 735);
    cboSS_ = dropDown("cboSS", f1, 3540, 2400, 735);
    caption("Label12", "HH:MM:SS", f1, 4440, 2520);

    fraZone_ = captionFrame("fraZone", "Time Zone", f1, twipsRect(1680, 2760, 3615, 855));
    txtZoneHour_ = textBox("txtZoneHour", fraZone_, twipsRect(360, 240, 495, 285));
    caption("Label3", "Hour", fraZone_, 360, 600);
    txtZoneMinute_ = textBox("txtZoneMinute", fraZone_, twipsRect(1200, 240, 495, 285));
    caption("Label2", "Min", fraZone_, 1320, 600);
    auto* tzHelp = named<ClickableLabel>("lblTZHelp", fraZone_, QStringLiteral("TZ Help"));
    tzHelp->setTextFormat(Qt::PlainText);
    tzHelp->setFont(look::verdana(11.25, true));
    shrinkToFit(*tzHelp, twips(945));
    tzHelp->makeLink(false);
    tzHelp->setGeometry(twipsRect(2160, 240, 945, 375));
    lblTZHelp_ = tzHelp;
    connect(tzHelp, &ClickableLabel::clicked, this, &FrmMain::lblTZHelp_Click);
    // Beyond the frame's right edge: out of sight, still reachable by Tab.
    chkDST_ = named<QCheckBox>("chkDST", fraZone_, QStringLiteral("DST"));
    chkDST_->setGeometry(twipsRect(3840, 195, 975, 375));

    Frame4_ = captionFrame("Frame4", "Longitude Suffix Of Place Of Birth", f1,
                           twipsRect(1680, 3720, 3615, 735));
    optLong_[0] = option("optLong_0", "East", Frame4_, twipsRect(480, 360, 735, 255));
    optLong_[1] = option("optLong_1", "West", Frame4_, twipsRect(1920, 360, 735, 255));
    optLong_[0]->setChecked(true);
    // Below the frame's bottom edge: out of sight.
    txtLonD_ = degreeBox("txtLonD", Frame4_, 120, 960, 3);
    caption("Label6", "Deg", Frame4_, 120, 1320);
    txtLonM_ = degreeBox("txtLonM", Frame4_, 720, 960, 2);
    caption("Label8", "Min", Frame4_, 720, 1320);

    // The latitude frame and the place block lie outside Frame1's area.
    Frame3_ = captionFrame("Frame3", "Latitude", f1, twipsRect(6600, 5760, 2415, 855));
    txtLatD_ = degreeBox("txtLatD", Frame3_, 120, 240, 2);
    caption("Label7", "Deg", Frame3_, 120, 600);
    txtLatM_ = degreeBox("txtLatM", Frame3_, 720, 240, 2);
    caption("Label9", "Min", Frame3_, 720, 600);
    optLat_[0] = option("optLat_0", "North", Frame3_, twipsRect(1320, 240, 975, 255));
    optLat_[1] = option("optLat_1", "South", Frame3_, twipsRect(1320, 540, 975, 255));
    optLat_[0]->setChecked(true);

    caption("Label54", "City", f1, 840, 5280);
    txtMCity_ = textBox("txtMCity", f1, twipsRect(2040, 5280, 1935, 285), "a");
    caption("Label55", "State", f1, 840, 5640);
    txtMState_ = textBox("txtMState", f1, twipsRect(2040, 5640, 1935, 285), "a");
    caption("Label4", "Country", f1, 840, 6000);
    txtMCountry_ = textBox("txtMCountry", f1, twipsRect(2040, 6000, 1935, 285), "a");
    cmdBrowser_ = button("cmdBrowser", "Click Here To Find Latitude && Longitude", f1,
                         twipsRect(4200, 5280, 1455, 1035), look::kPeach);
}

void FrmMain::buildResultPanel(QWidget& client) {
    Frame6_ = boxFrame("Frame6", &client, twipsRect(5760, 0, 4455, 5175));
    QWidget* f6 = Frame6_;

    auto* label18 = textBlock("Label18",
                              "Ayanamsa describes the angular difference between the tropical "
                              "(Sayana) and sidereal ( Nirayana) longitudes, due to the "
                              "precision of the equinoxes.",
                              f6, twipsRect(120, 240, 4215, 855), Qt::AlignHCenter | Qt::AlignTop);
    look::paintText(*label18, look::kLightYellow);
    Label19_ = textBlock<ClickableLabel>(
        "Label19",
        "The Tenvari calculates the Ayanamsa for a particular place for a given date and time. "
        "This tool is based on the Lahiri Ayanamsa. Calculation of the Ayanamsa helps in "
        "correct generation of the horoscope.",
        f6, twipsRect(120, 1200, 4215, 975), Qt::AlignHCenter | Qt::AlignTop);
    look::paintText(*Label19_, look::kLightYellow);

    // Caption on the left, value on the right. The values' design-time
    // texts are never seen: the first reading replaces them.
    const auto valueLabel = [f6](const char* name, int top, int height) {
        auto* label = named<QLabel>(name, f6, QString::fromLatin1(name));
        label->setTextFormat(Qt::PlainText); // the name is shown as typed or pasted
        label->setFont(look::verdana(8.25, true));
        label->setGeometry(twipsRect(1560, top, 2775, height));
        return label;
    };
    caption("Label14", "Name", f6, 240, 2640, true);
    lblName_ = valueLabel("lblName", 2640, 255);
    caption("Label11", "Ayanamsa", f6, 240, 3150, true);
    lblAyanamsa_ = valueLabel("lblAyanamsa", 3138, 285);
    lblAyanamsa_->setText(QStringLiteral("Label1"));
    lblAyanamsa_->setFont(look::verdana(9.75, true));
    look::paintText(*lblAyanamsa_, look::kLightYellow);
    caption("Label17", "Day", f6, 240, 3660, true);
    lblDay_ = valueLabel("lblDay", 3681, 255);
    caption("Label15", "Date of Birth", f6, 240, 4170, true);
    lblDOB_ = valueLabel("lblDOB", 4179, 255);
    caption("Label16", "Time of Birth", f6, 240, 4680, true);
    lblTimeOfBirth_ = valueLabel("lblTimeOfBirth", 4680, 255);
}

void FrmMain::setTabOrderChain() {
    QWidget* const chain[] = {txtName_,    cboMonth_,   cboDate_,     cboYear_,       cboHH_,
                              cboMM_,      cboSS_,      txtZoneHour_, txtZoneMinute_, chkDST_,
                              txtLonM_,    optLong_[0], optLong_[1],  txtLatD_,       txtLatM_,
                              optLat_[0],  optLat_[1],  txtMCity_,    txtMState_,     txtMCountry_,
                              cmdBrowser_, txtLonD_,    cmdBack_,     cmdRashi_};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void FrmMain::connectHandlers() {
    connect(cmdRashi_, &QPushButton::clicked, this, &FrmMain::cmdRashi_Click);
    connect(cmdBack_, &QPushButton::clicked, this, &FrmMain::cmdBack_Click);
    connect(cmdBrowser_, &QPushButton::clicked, this, &FrmMain::cmdBrowser_Click);

    connect(Label61_, &ClickableLabel::clicked, this,
            [this] { standAlone([this] { emit pageRequested(WebPage::Home); }); });
    connect(Label19_, &ClickableLabel::clicked, this,
            [this] { standAlone([this] { emit pageRequested(WebPage::CoBrand); }); });
    connect(lblCobrand_, &ClickableLabel::clicked, this,
            [this] { standAlone([this] { emit pageRequested(WebPage::CoBrand); }); });
    connect(lblFullBrand_, &ClickableLabel::clicked, this,
            [this] { standAlone([this] { emit pageRequested(WebPage::FullBrand); }); });

    installKeyPressHandler(*txtName_, [this](int c) { return txtName_KeyPress(c, messages_); });
    installKeyPressHandler(*txtZoneHour_,
                           [this](int c) { return NumericKeyPress(c, true, messages_); });
    for (QLineEdit* box : {txtZoneMinute_, txtLonD_, txtLonM_, txtLatD_, txtLatM_})
        installKeyPressHandler(*box,
                               [this](int c) { return NumericKeyPress(c, false, messages_); });
}

void FrmMain::Form_Load() {
    standAlone([this] {
        for (const char* month : kMonthNames)
            cboMonth_->addItem(QString::fromLatin1(month));
    });
    standAlone([this] {
        fillNumbers(*cboDate_, 1, 31);
        fillNumbers(*cboYear_, 1901, 2050);
        fillNumbers(*cboHH_, 0, 23);
        fillNumbers(*cboMM_, 0, 59);
        fillNumbers(*cboSS_, 0, 59);
    });
    standAlone([this] { setFixedWidth(twips(kInputLayoutWidth)); });
    standAlone([this] {
        for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_, cboSS_})
            list->setCurrentIndex(0);
    });
}

BirthData FrmMain::birthData() const {
    BirthData data;
    data.name = txtName_->text();
    data.day = shownNumber(*cboDate_);
    data.month = monthNumber(cboMonth_->currentText());
    data.year = shownNumber(*cboYear_);
    data.hour = shownNumber(*cboHH_);
    data.minute = shownNumber(*cboMM_);
    data.second = shownNumber(*cboSS_);
    data.city = txtMCity_->text();
    data.state = txtMState_->text();
    data.country = txtMCountry_->text();
    data.latDegreesText = txtLatD_->text();
    data.latMinutesText = txtLatM_->text();
    data.latHemisphere = optLat_[0]->isChecked() ? LatHemisphere::North : LatHemisphere::South;
    data.lonDegreesText = txtLonD_->text();
    data.lonMinutesText = txtLonM_->text();
    data.lonHemisphere = optLong_[0]->isChecked() ? LonHemisphere::East : LonHemisphere::West;
    data.zoneHoursText = txtZoneHour_->text();
    data.zoneMinutesText = txtZoneMinute_->text();
    data.dst = chkDST_->checkState() != Qt::Unchecked;
    return data;
}

void FrmMain::refuse(const QString& text, bool stopIcon, QWidget* focus) {
    standAlone([&] {
        messages_.show(text, stopIcon ? MessageIcon::Stop : MessageIcon::Information,
                       MessageButtons::Ok);
    });
    if (focus)
        standAlone([focus] { focus->setFocus(); });
}

bool FrmMain::ValidateBirthData() {
    if (trimmedText(txtName_->text()).isEmpty()) {
        refuse(QStringLiteral("Please Enter Name"), true, txtName_);
        return false;
    }
    if (degreesRefused(*txtLonD_, 179)) {
        refuse(QString::fromLatin1(kLonDegreesMessage), true, txtLonD_);
        return false;
    }
    if (minutesRefused(*txtLonM_)) {
        refuse(QString::fromLatin1(kLonMinutesMessage), true, txtLonM_);
        return false;
    }
    if (degreesRefused(*txtLatD_, 89)) {
        refuse(QStringLiteral("Please Enter Value Between 0 And 89 in the Degree of Latitude"),
               true, txtLatD_);
        return false;
    }
    if (minutesRefused(*txtLatM_)) {
        refuse(QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Latitude"),
               true, txtLatM_);
        return false;
    }

    // The lists are in calendar order: position 1 is February, day position
    // 28 is the 29th.
    const int monthPosition = cboMonth_->currentIndex();
    const int dayPosition = cboDate_->currentIndex();
    if (monthPosition == 1) {
        // Every fourth year is a leap year; exact for 1901..2050 (2000 is one).
        const bool leap = shownNumber(*cboYear_) % 4 == 0;
        const int firstBadDay = leap ? 29 : 28;
        if (dayPosition >= firstBadDay && dayPosition <= 30) {
            refuse(QStringLiteral("Please Enter Correct Date Or Month!"), false, nullptr);
            return false;
        }
    }
    const bool thirtyDays =
        monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
    if (thirtyDays && dayPosition == 30) {
        refuse(QStringLiteral("Please Enter Correct Date Or Month !"), false, nullptr);
        return false;
    }
    return true;
}

void FrmMain::cmdRashi_Click() {
    try {
        if (!ValidateBirthData())
            return;

        const BirthData data = birthData();
        const BirthMomentResult converted = toBirthMoment(data);
        if (converted.refused) {
            // Nothing has changed yet: labels, layout and the kept moment
            // stay as the last reading left them.
            switch (*converted.refused) {
            case BirthField::ZoneHours:
                refuse(QStringLiteral("Please Enter a Valid Time Zone"), true, txtZoneHour_);
                break;
            case BirthField::ZoneMinutes:
                refuse(QStringLiteral("Please Enter a Valid Time Zone"), true, txtZoneMinute_);
                break;
            case BirthField::LonDegrees: // the validation has already refused these
                refuse(QString::fromLatin1(kLonDegreesMessage), true, txtLonD_);
                break;
            case BirthField::LonMinutes:
                refuse(QString::fromLatin1(kLonMinutesMessage), true, txtLonM_);
                break;
            }
            return;
        }

        for (QLabel* label : {lblName_, lblDay_, lblDOB_, lblTimeOfBirth_, lblAyanamsa_})
            label->clear();
        moment_ = converted.moment;

        standAlone([this] {
            const double correction = ComputeAyanamsa(moment_);
            lblAyanamsa_->setText(QString::fromStdString(AyanamsaDisplayText(correction)));
        });
        standAlone([&] { lblName_->setText(data.name); });
        standAlone([&] {
            const int weekday =
                DayOfWeek(JulianDayNumber(moment_.month, moment_.day, moment_.year));
            lblDay_->setText(QString::fromLatin1(kWeekdayNames[weekday]));
        });
        standAlone([this] {
            lblDOB_->setText(cboMonth_->currentText() + QLatin1Char(' ') + cboDate_->currentText() +
                             QStringLiteral(", ") + cboYear_->currentText());
        });
        standAlone([this] {
            lblTimeOfBirth_->setText(cboHH_->currentText() + QLatin1Char(':') +
                                     cboMM_->currentText());
        });
        showLayout(kResultLayoutWidth);
    } catch (...) {
    }
}

void FrmMain::mnuNext_Click() {
    standAlone([this] { cmdRashi_Click(); });
}

void FrmMain::cmdBack_Click() {
    showLayout(kInputLayoutWidth);
}

void FrmMain::showLayout(int widthTwips) {
    standAlone([&] { setFixedWidth(twips(widthTwips)); });
    standAlone([this] {
        const QScreen* where = screen();
        if (!where)
            return;
        const QRect area = where->geometry();
        const int leftTwips =
            centredLeft(pixelsToTwips(area.width()), pixelsToTwips(frameGeometry().width()));
        move(area.x() + twips(leftTwips), pos().y());
    });
}

void FrmMain::lblTZHelp_Click() {
    standAlone([this] {
        FrmTimeZone picker(*txtZoneHour_, *txtZoneMinute_);
        // Just beyond the lower right corner of "TZ Help", measured from the
        // window's outer corner as the classic layout did.
        standAlone([&] {
            const QPoint offset(fraZone_->x() + lblTZHelp_->x() + lblTZHelp_->width(),
                                Frame2_->y() + Frame2_->height() + fraZone_->y() + lblTZHelp_->y() +
                                    lblTZHelp_->height() + twips(600));
            picker.move(frameGeometry().topLeft() + offset);
        });
        standAlone([&] { picker.exec(); });
    });
}

void FrmMain::cmdBrowser_Click() {
    standAlone([this] { CheckPlaceFields(*txtMCity_, *txtMState_, *txtMCountry_, messages_); });
}

void FrmMain::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    standAlone([this] { emit closed(); });
}

} // namespace tenvari
