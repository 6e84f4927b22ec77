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
    QPalette palette = button.palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button.setPalette(palette);
    button.setAutoFillBackground(true);
}

} // namespace tenvari::look
