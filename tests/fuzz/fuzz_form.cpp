// SPDX-License-Identifier: GPL-3.0-or-later
// The main form's reading on any input: every box holding any text (as a
// paste or the zone picker puts it there, past the keystroke filters), any
// entry picked in each list, East or West, daylight saving on or off. A
// reading either shows exactly one message or fills the result panel with
// a well-formed angle, never both and never neither.

#include "FuzzSupport.h"
#include "reading/FrmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace tenvari;
using tenvari::fuzz::require;

namespace {

struct Form {
    fuzz::CountingMessages messages;
    FrmMain window{messages};
    QList<QLineEdit*> boxes;
    QList<QComboBox*> lists;
    QRadioButton* west = nullptr;
    QRadioButton* east = nullptr;
    QCheckBox* dst = nullptr;
    QPushButton* read = nullptr;
    QPushButton* back = nullptr;
    QLabel* ayanamsa = nullptr;
};

template <class W> W* child(const Form& form, const char* name) {
    W* widget = form.window.findChild<W*>(QLatin1String(name));
    require(widget != nullptr, "no control named", QLatin1String(name));
    return widget;
}

Form& form() {
    static Form* made = [] {
        fuzz::startApplication();
        auto* f = new Form;
        for (const char* name : {"txtName", "txtZoneHour", "txtZoneMinute", "txtLonD", "txtLonM",
                                 "txtLatD", "txtLatM", "txtMCity", "txtMState", "txtMCountry"})
            f->boxes << child<QLineEdit>(*f, name);
        for (const char* name : {"cboMonth", "cboDate", "cboYear", "cboHH", "cboMM", "cboSS"})
            f->lists << child<QComboBox>(*f, name);
        f->east = child<QRadioButton>(*f, "optLong_0");
        f->west = child<QRadioButton>(*f, "optLong_1");
        f->dst = child<QCheckBox>(*f, "chkDST");
        f->read = child<QPushButton>(*f, "cmdRashi");
        f->back = child<QPushButton>(*f, "cmdBack");
        f->ayanamsa = child<QLabel>(*f, "lblAyanamsa");
        f->window.show();
        return f;
    }();
    return *made;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Form& f = form();
    FuzzedDataProvider input(data, size);
    for (QLineEdit* box : f.boxes)
        box->setText(
            QString::fromUtf8(QByteArray::fromStdString(input.ConsumeRandomLengthString(12))));
    for (QComboBox* list : f.lists)
        list->setCurrentIndex(input.ConsumeIntegralInRange(0, list->count() - 1));
    (input.ConsumeBool() ? f.east : f.west)->setChecked(true);
    f.dst->setChecked(input.ConsumeBool());

    f.ayanamsa->clear();
    f.messages.shown = 0;
    f.read->click();
    const QString result = f.ayanamsa->text();
    static const QRegularExpression angle(QStringLiteral(R"(^\d+\x{B0} \d{1,2}' \d{1,2}"$)"));
    if (f.messages.shown == 0)
        require(angle.match(result).hasMatch(), "no message and no well-formed reading", result);
    else
        require(f.messages.shown == 1 && result.isEmpty(),
                "a message and a reading, or two messages", result);
    f.back->click();
    // What the events posted (repaints, for one) runs now, as the event
    // loop would run it between keystrokes.
    QCoreApplication::processEvents();
    return 0;
}
