// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Look.h"

#include <QFontDatabase>
#include <QPalette>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <optional>

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

// WCAG 2.1 relative luminance of an sRGB colour, 0 (black) to 1 (white).
double relativeLuminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// A step of the way from one colour to another, in 64ths.
constexpr int kSteps = 64;

QColor mixed(const QColor& from, const QColor& to, int steps) {
    const auto channel = [steps](int a, int b) { return a + (b - a) * steps / kSteps; };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

// The first mix from `from` towards `to` that stands out from `from`.
std::optional<QColor> firstMixStandingOut(const QColor& from, const QColor& to) {
    for (int steps = 1; steps <= kSteps; ++steps) {
        const QColor mix = mixed(from, to, steps);
        if (contrastRatio(mix, from) >= kEdgeContrast)
            return mix;
    }
    return std::nullopt;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor edgeColour(const QColor& background, const QColor& ink) {
    if (const std::optional<QColor> edge = firstMixStandingOut(background, ink))
        return *edge;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const QColor farther =
        contrastRatio(background, black) > contrastRatio(background, white) ? black : white;
    return firstMixStandingOut(background, farther).value_or(farther);
}

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
