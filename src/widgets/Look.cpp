// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Look.h"

#include <QFontDatabase>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace tenvari::look {

namespace {

// The face the windows are set in, looked up once: each font that names a
// family the machine lacks costs a fallback search when it is first drawn,
// and the windows use a dozen sizes and weights.
QStringList windowFamilies() {
    static const QStringList families = [] {
        for (const QString& family : {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}) {
            if (QFontDatabase::hasFamily(family))
                return QStringList{family};
        }
        return QStringList{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
    }();
    return families;
}

} // namespace

QFont verdana(double pointSize, bool bold) {
    QFont font;
    font.setFamilies(windowFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void paint(QWidget& widget, const QColor& background, const QColor& text) {
    QPalette palette = widget.palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void paintText(QWidget& widget, const QColor& text) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    widget.setPalette(palette);
}

void paintButton(QWidget& button, const QColor& face) {
    // Drawn flat: the platform styles shade and tint a raised button's
    // palette colour instead of showing it as it is.
    if (auto* pushButton = qobject_cast<QPushButton*>(&button))
        pushButton->setFlat(true);
    QPalette palette = button.palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button.setPalette(palette);
    button.setBackgroundRole(QPalette::Button);
    button.setAutoFillBackground(true);
}

} // namespace tenvari::look
