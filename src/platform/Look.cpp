#include "platform/Look.h"

#include <QPalette>
#include <QWidget>

namespace tenvari::look {

QFont verdana(double pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
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
    // A style sheet, because the platform styles shade and tint a button's
    // palette colour instead of drawing it flat.
    button.setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                        " border: 1px solid #808080; padding: 1px 4px; }"
                                        "QPushButton:focus { border: 1px solid black; }"
                                        "QPushButton:pressed { background-color: %2; }")
                             .arg(face.name(), face.darker(115).name()));
}

} // namespace tenvari::look
