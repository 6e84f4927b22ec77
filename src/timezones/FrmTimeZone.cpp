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

namespace tenvari {

FrmTimeZone::FrmTimeZone(QLineEdit& zoneHour, QLineEdit& zoneMinute, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), zoneHour_(zoneHour),
      zoneMinute_(zoneMinute) {
    setObjectName(QStringLiteral("FrmTimeZone"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    // The title is not drawn; a listener hears what the window is for.
    setAccessibleName(QStringLiteral("Time zones"));
    setAccessibleDescription(
        QStringLiteral("Double-click a zone to fill in the time zone hours and minutes."));
    setFixedSize(twipsSize(4950, 3480));
    setFont(look::verdana(8.25));
    look::paint(*this, look::kParchment, Qt::black);

    // The button is created first so that it leads the tab order.
    cmdQuit_ = button("cmdQuit", "&Quit", this, twipsRect(0, 3140, 4935, 345), look::kLightGrey);
    // Default button: Enter anywhere presses it; QDialog maps Esc and closing
    // the window to reject() as well, so every way out but a pick writes nothing.
    cmdQuit_->setDefault(true);
    connect(cmdQuit_, &QPushButton::clicked, this, &QDialog::reject);

    lstTimeZone_ = new QListWidget(this);
    lstTimeZone_->setObjectName(QStringLiteral("lstTimeZone"));
    lstTimeZone_->setAccessibleName(QStringLiteral("Time zone list"));
    lstTimeZone_->setGeometry(twipsRect(0, 0, 4935, 3150));
    lstTimeZone_->setFont(look::verdana(8.25, true));
    look::paint(*lstTimeZone_, look::kTeal, look::kPaleGreen);
    lstTimeZone_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTimeZone_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (const TimeZoneEntry& entry : TimeZoneEntries()) {
        lstTimeZone_->addItem(QString::fromLatin1(entry.rowText.data(),
                                                  static_cast<qsizetype>(entry.rowText.size())));
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
