// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tenvari {

// The borderless picker of named time zones. A double-click on a row
// writes the zone's stored hours and minutes into the two boxes it was
// given and closes the picker; every other way of closing writes nothing.
// The caller places it and runs it modally (exec); one picker serves one
// opening.
//
// Legend of the names: lstTimeZone the list of 71 zones, cmdQuit "&Quit"
// (the default button, closing without a pick).
class FrmTimeZone : public QDialog {
    Q_OBJECT
public:
    FrmTimeZone(QLineEdit& zoneHour, QLineEdit& zoneMinute, QWidget* parent = nullptr);

private:
    void lstTimeZone_DblClick();

    QLineEdit& zoneHour_;
    QLineEdit& zoneMinute_;
    QListWidget* lstTimeZone_ = nullptr;
    QPushButton* cmdQuit_ = nullptr;
};

} // namespace tenvari
