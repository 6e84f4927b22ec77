// SPDX-License-Identifier: GPL-3.0-or-later
// The second floor of the start-up benchmark: a window of the main window's
// size holding as many controls of each kind as it does (frames, group
// boxes, labels, text boxes, filled drop-down lists, buttons, a check box,
// option buttons, a menu bar with its menus), placed in a plain grid, with
// no program logic and the desktop's own font and look.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Plain Qt window with controls"));

    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Open"));
    file->addAction(QStringLiteral("E&xit"));
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Contents"));
    help->addAction(QStringLiteral("&Web Site"));
    help->addSeparator();
    help->addAction(QStringLiteral("&Updates"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About"));
    window.menuBar()->addAction(QStringLiteral("&Donate"));
    window.menuBar()->addAction(QStringLiteral("&Other"))->setEnabled(false);

    auto* client = new QWidget(&window);
    window.setCentralWidget(client);

    // Four frames, three group boxes; the controls go in a grid inside.
    QWidget* panels[7];
    for (int i = 0; i < 4; ++i) {
        auto* frame = new QFrame(client);
        frame->setFrameShape(QFrame::Box);
        panels[i] = frame;
    }
    for (int i = 4; i < 7; ++i)
        panels[i] = new QGroupBox(QStringLiteral("Group %1").arg(i - 3), client);
    for (int i = 0; i < 7; ++i)
        panels[i]->setGeometry((i % 2) * 191, (i / 2) * 108, 190, 107);

    int slot = 0;
    const auto place = [&](QWidget* control) {
        control->setParent(panels[slot % 7]);
        control->setGeometry(4 + (slot / 7 % 2) * 92, 16 + (slot / 14) * 20, 88, 18);
        ++slot;
    };
    for (int i = 0; i < 31; ++i)
        place(new QLabel(QStringLiteral("Label %1").arg(i)));
    for (int i = 0; i < 10; ++i)
        place(new QLineEdit(QStringLiteral("1")));
    const int lists[][2] = {{1, 12}, {1, 31}, {1901, 2050}, {0, 23}, {0, 59}, {0, 59}};
    for (const auto& [first, last] : lists) {
        auto* list = new QComboBox;
        for (int n = first; n <= last; ++n)
            list->addItem(QString::number(n));
        place(list);
    }
    for (int i = 0; i < 3; ++i)
        place(new QPushButton(QStringLiteral("Button %1").arg(i)));
    place(new QCheckBox(QStringLiteral("Check")));
    for (int i = 0; i < 4; ++i)
        place(new QRadioButton(QStringLiteral("Option %1").arg(i)));

    // The main window's input layout: 382 by 434 pixels below the menu bar.
    window.setFixedSize(382, window.menuBar()->sizeHint().height() + 434);
    window.show();
    return QApplication::exec();
}
