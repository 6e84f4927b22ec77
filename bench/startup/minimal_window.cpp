// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of the start-up benchmark: the least a Qt Widgets program
// does to put a window on screen, one window with one label.

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Qt window"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("A minimal Qt Widgets program"), &window));
    window.show();
    return QApplication::exec();
}
