// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/AppIcon.h"

#include "widgets/Look.h"

#include <QCoreApplication>
#include <QEvent>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace tenvari {

namespace {

// The two zero points drawn on the dial, as directions counter-clockwise
// from the right: the tropical one at 90 degrees and, a little further on,
// the sidereal one at 130. The wedge between them is the ayanamsa
// (exaggerated, about 24 degrees in the present era). The directions are
// written out rather than computed: drawing the icon then needs no
// trigonometry from the maths library at start-up.
struct Direction {
    double x;
    double y;
};
constexpr Direction kTropicalZero{0.0, 1.0};
constexpr Direction kSiderealZero{-0.64278760968653933, 0.76604444311897804}; // 130 degrees

// The sign boundaries, every 30 degrees from the right.
constexpr Direction kSignBoundaries[12] = {
    {1.0, 0.0},  {0.86602540378443865, 0.5},   {0.5, 0.86602540378443865},
    {0.0, 1.0},  {-0.5, 0.86602540378443865},  {-0.86602540378443865, 0.5},
    {-1.0, 0.0}, {-0.86602540378443865, -0.5}, {-0.5, -0.86602540378443865},
    {0.0, -1.0}, {0.5, -0.86602540378443865},  {0.86602540378443865, -0.5}};

QPointF onCircle(QPointF centre, double radius, Direction d) {
    return centre + QPointF(radius * d.x, -radius * d.y);
}

// The arc of the ring from the tropical to the sidereal zero point, as the
// one cubic Bezier curve that QPainterPath::arcTo draws for a 40-degree
// sweep: control points on the tangents at 4/3 tan(40/4 degrees) of the
// radius.
void addWedgeArc(QPainterPath& path, QPointF centre, double radius) {
    constexpr double k = 0.23510264094461997; // 4/3 * tan(10 degrees)
    const Direction from = kTropicalZero;
    const Direction to = kSiderealZero;
    const QPointF control1 = onCircle(centre, radius, {from.x - k * from.y, from.y + k * from.x});
    const QPointF control2 = onCircle(centre, radius, {to.x + k * to.y, to.y - k * to.x});
    path.lineTo(onCircle(centre, radius, from));
    path.cubicTo(control1, control2, onCircle(centre, radius, to));
}

} // namespace

// A teal disc with a pale ring of twelve signs, and the wedge between the
// tropical and the sidereal zero points in yellow; `size` pixels square.
// Small sizes leave out the sign boundaries.
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
        for (const Direction boundary : kSignBoundaries)
            p.drawLine(onCircle(centre, ring, boundary), onCircle(centre, outer - line, boundary));
    }

    // The wedge of the ayanamsa, from the centre to the ring.
    QPainterPath wedge(centre);
    addWedgeArc(wedge, centre, ring);
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

namespace {

// The icon at any size: QIcon asks for pixmaps in device pixels and sets
// their ratio itself; a painter gets one for its own device.
class AppIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const int side = qMin(rect.width(), rect.height());
        painter->drawPixmap(QRect(rect.center() - QPoint(side / 2, side / 2), QSize(side, side)),
                            appIconPixmap(side, ratio));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(appIconImage(qMin(size.width(), size.height())));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }
    // What a window manager is offered as window icons, in pixels; larger
    // ones cost memory at start-up and no desktop shows them.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    }
    QString key() const override { return QStringLiteral("tenvari-app-icon"); }
    QIconEngine* clone() const override { return new AppIconEngine; }
};

} // namespace

QPixmap appIconPixmap(int size, qreal devicePixelRatio) {
    QPixmap pixmap = QPixmap::fromImage(appIconImage(qRound(size * devicePixelRatio)));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon appIcon() {
    return QIcon(new AppIconEngine);
}

AppIconPicture::AppIconPicture(int size, QWidget* parent) : QLabel(parent), size_(size) {
    setAlignment(Qt::AlignCenter);
    setAccessibleName(QCoreApplication::translate("tenvari::AppIconPicture", "Tenvari icon"));
    draw();
}

bool AppIconPicture::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal)
        draw();
    return QLabel::event(event);
}

void AppIconPicture::draw() {
    setPixmap(appIconPixmap(size_, devicePixelRatioF()));
}

} // namespace tenvari
