// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/AppIcon.h"

#include "widgets/Look.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace tenvari {

namespace {

// Angles of the two zero points drawn on the dial, in degrees counter-
// clockwise from the right: the tropical one and, a little further on, the
// sidereal one. The wedge between them is the ayanamsa (exaggerated, about
// 24 degrees in the present era).
constexpr double kTropicalZero = 90.0;
constexpr double kSiderealZero = 90.0 + 40.0;

QPointF onCircle(QPointF centre, double radius, double degrees) {
    const double a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * qCos(a), -radius * qSin(a));
}

} // namespace

// A teal disc with a pale ring of twelve signs, and the wedge between the
// tropical and the sidereal zero points in yellow.
QImage appIconImage(int size) {
    if (size <= 0)
        return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QPointF centre(s / 2, s / 2);
    const double outer = s * 0.47;
    const double ring = s * 0.36;
    const double line = qMax(1.0, s / 24);

    p.setPen(QPen(look::kCyanText, line));
    p.setBrush(look::kTeal);
    p.drawEllipse(centre, outer, outer);

    // The ring of the zodiac, cut into its twelve signs.
    p.setPen(QPen(look::kPaleGreen, line));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, ring, ring);
    if (size >= 24) {
        for (int sign = 0; sign < 12; ++sign) {
            const double a = sign * 30.0;
            p.drawLine(onCircle(centre, ring, a), onCircle(centre, outer - line, a));
        }
    }

    // The wedge of the ayanamsa, from the centre to the ring.
    QPainterPath wedge(centre);
    const QRectF box(centre.x() - ring, centre.y() - ring, 2 * ring, 2 * ring);
    wedge.arcTo(box, kTropicalZero, kSiderealZero - kTropicalZero);
    wedge.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(look::kLightYellow);
    p.drawPath(wedge);

    p.setPen(QPen(look::kPeach, line * 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, onCircle(centre, outer - line, kTropicalZero));
    p.drawLine(centre, onCircle(centre, outer - line, kSiderealZero));
    p.setBrush(look::kPeach);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, line * 1.2, line * 1.2);
    p.end();
    return image;
}

QPixmap appIconPixmap(int size) {
    return QPixmap::fromImage(appIconImage(size));
}

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(appIconPixmap(size));
    return icon;
}

} // namespace tenvari
