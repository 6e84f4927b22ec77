// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/FrmTimeZone.h"

#include "platform/AppInfo.h"
#include "timezones/TimeZoneTable.h"
#include "widgets/Factories.h"
#include "widgets/Look.h"
#include "widgets/Twips.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <iterator>
#include <string>

namespace tenvari {

namespace {

// The rows of the zone table as the list shows them, for the translators:
// a translation changes the zone's name only; the abbreviation and the
// offset after the first comma stay as they are.
[[maybe_unused]] const char* const kRowTexts[] = {
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Alaska/Hawaii Daylight Time,AHDT,9.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Alaska/Hawaii Standard Time,AHST,10.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Alaska/Hawaii War Time,AHWT,9.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Atlantic Standard Time,AST,4.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Atlantic War Time,AWT,3.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Australian Central Daylight Time,ACDT,-10.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Australian Central Standard Time,ACST,-9.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Australian Eastern Daylight Time,AEDT,-11.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Australian Eastern Standard Time,AEST,-10.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Australian Western Daylight Time,AWDT,-9.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Australian Western Standard Time,AWST,-8.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Azores Time, AT, 2#"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Baghdad Time, BAT, -3#"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Bering Standard Time,BET,11.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Brazil Zone 2,BZT2,3.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "British Double Summer Time,BDST,-2.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "British Summer Time,BST,-1.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "British War Time,BWT,-2.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Central Daylight Time,CDT,5.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Central European Daylight,CED,-2.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Central European Time,CET,-1.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Central Standard Time,CST,6.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Central War Time,CWT,5.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "China Coast Time,CCT,-8.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Eastern Daylight Time,EDT,4.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Eastern European Daylight Time,EED,-3.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Eastern European Time,EET,-2.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Eastern Standard Time,EST,5.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Eastern War Time,EWT,4.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Greenwich Mean Time,GMT,0.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Guam Standard Time,GST,-10.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Hawaiian Daylight Time,HDT,9.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Hawaiian Standard Time,HST,10.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Hawaiian War Time,HWT,9.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Indian Time, IST, -5.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Int'l Date Line East,IDLE,-12.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Int'l Date Line West,IDLW,12.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Iran Time, IT, -3.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Japan Standard Time,JST,-9.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Java Time, JT, -7.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Middle European Daylight Time,MED,-2.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Middle European Time,MET,-1.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Moluccas Time, MT, -8.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Mountain Daylight Time,MDT,6.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Mountain Standard Time,MST,7.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Mountain War Time,MWT,6.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "New Zealand Std Summer Time,NZST,-13.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "New Zealand Std Time,NZT,-12.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "New Zealand Summer Time,NZS,-12.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "New Zealand Time,NZ,-11.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Newfoundland Standard Time,NST,3.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Nome Time, NT, 11#"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "North Sumatra Time,NST,-6.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Pacific Daylight Time,PDT,7.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Pacific Standard Time,PST,8.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Pacific War Time,PWT,7.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "South Australia Daylight Time,SAD,-10.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "South Australia Daylight Time,SDT,-10.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "South Australia Standard Time,SAST,-9.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "South Australia Standard Time,SAT,-9.30"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "South Sumatra Time,SST,-7.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Universal Time, UT, 0#"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "USSR Zone 10,UZ10,-11.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "USSR Zone 3,USZ3,-4.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "USSR Zone 4,USZ4,-5.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "USSR Zone 5,USZ5,-6.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "USSR Zone 6,USZ6,-7.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "West Africa Time,WAT,1.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Yukon Daylight Time,YDT,8.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Yukon Standard Time,YST,9.0"),
    QT_TRANSLATE_NOOP("tenvari::FrmTimeZone", "Yukon War Time,YWT,8.0"),
};
static_assert(std::size(kRowTexts) == kTimeZoneCount);

} // namespace

FrmTimeZone::FrmTimeZone(QLineEdit& zoneHour, QLineEdit& zoneMinute, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), zoneHour_(zoneHour),
      zoneMinute_(zoneMinute) {
    setObjectName(QStringLiteral("FrmTimeZone"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    // The title is not drawn; a listener hears what the window is for.
    setAccessibleName(tr("Time zones"));
    setAccessibleDescription(tr("Double-click a zone to fill in the time zone hours and minutes."));
    setFixedSize(twipsSize(4950, 3480));
    setFont(look::verdana(8.25));
    look::paint(*this, look::kParchment, Qt::black);

    // The button is created first so that it leads the tab order.
    cmdQuit_ =
        button("cmdQuit", tr("&Quit"), this, twipsRect(0, 3140, 4935, 345), look::kLightGrey);
    // Default button: Enter anywhere presses it; QDialog maps Esc and closing
    // the window to reject() as well, so every way out but a pick writes nothing.
    cmdQuit_->setDefault(true);
    connect(cmdQuit_, &QPushButton::clicked, this, &QDialog::reject);

    lstTimeZone_ = new QListWidget(this);
    lstTimeZone_->setObjectName(QStringLiteral("lstTimeZone"));
    lstTimeZone_->setAccessibleName(tr("Time zone list"));
    lstTimeZone_->setGeometry(twipsRect(0, 0, 4935, 3150));
    lstTimeZone_->setFont(look::verdana(8.25, true));
    look::paint(*lstTimeZone_, look::kTeal, look::kPaleGreen);
    lstTimeZone_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTimeZone_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (const TimeZoneEntry& entry : TimeZoneEntries()) {
        lstTimeZone_->addItem(tr(std::string(entry.rowText).c_str()));
    }
    // Only a double-click picks; Enter on the list (activated) falls through
    // to the default button.
    connect(lstTimeZone_, &QAbstractItemView::doubleClicked, this,
            &FrmTimeZone::lstTimeZone_DblClick);

    setTabOrder(cmdQuit_, lstTimeZone_);
    cmdQuit_->setFocus();
}

void FrmTimeZone::lstTimeZone_DblClick() {
    const QList<QListWidgetItem*> selected = lstTimeZone_->selectedItems();
    const int row = selected.isEmpty() ? -1 : lstTimeZone_->row(selected.first());
    if (const TimeZoneEntry* entry = TimeZoneAt(row)) {
        zoneHour_.setText(QString::number(entry->hours));
        zoneMinute_.setText(QString::number(entry->minutes));
    }
    accept();
}

} // namespace tenvari
