// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ProgramStyle.h"

#include "widgets/Look.h"

#include <QComboBox>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace tenvari {

namespace {

// An icon of a style that is fetched from the style when first needed.
class DeferredStyleIcon final : public QIconEngine {
public:
    DeferredStyleIcon(const QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    // Not null before it is fetched: a null icon would hide the button.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("tenvari-deferred-style-icon"); }
    QIconEngine* clone() const override { return new DeferredStyleIcon(style_, which_); }

private:
    const QIcon& icon() {
        if (!fetched_ && style_) {
            icon_ = style_->standardIcon(which_);
            fetched_ = true;
        }
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool fetched_ = false;
};

// How wide a focus ring is, in device-independent pixels.
constexpr int kRingWidth = 2;

// Fills a frame `width` pixels wide along the inside of `rect`; filled
// rectangles stay crisp at every device pixel ratio.
void fillFrame(QPainter& painter, const QRect& rect, int width, const QColor& colour) {
    const int side = rect.height() - 2 * width;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), width), colour);
    painter.fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), colour);
    painter.fillRect(QRect(rect.left(), rect.top() + width, width, side), colour);
    painter.fillRect(QRect(rect.right() - width + 1, rect.top() + width, width, side), colour);
}

// The edge colour of a control drawn with `option`, whose text is `ink`.
QColor edgeOf(const QStyleOption& option, QPalette::ColorRole ink) {
    return look::edgeColour(option.palette.color(QPalette::Window), option.palette.color(ink));
}

// The border of a text box or a drop-down list: its edge, or the focus
// ring in its text colour.
void drawBoxBorder(QPainter& painter, const QStyleOption& option, QPalette::ColorRole ink) {
    if (option.state & QStyle::State_HasFocus)
        fillFrame(painter, option.rect, kRingWidth, option.palette.color(ink));
    else
        fillFrame(painter, option.rect, 1, edgeOf(option, ink));
}

} // namespace

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    switch (element) {
    case PE_FrameLineEdit:
        drawBoxBorder(*painter, *option, QPalette::Text);
        return;
    case PE_PanelButtonCommand:
        // The face of a drop-down list; buttons keep the desktop's.
        if (qobject_cast<const QComboBox*>(widget)) {
            painter->fillRect(option->rect, option->palette.color(QPalette::Button));
            drawBoxBorder(*painter, *option, QPalette::ButtonText);
            return;
        }
        break;
    case PE_IndicatorCheckBox:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        fillFrame(*painter, option->rect, 1, edgeOf(*option, QPalette::WindowText));
        return;
    case PE_IndicatorRadioButton: {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        // Over the desktop's circle, which has this centre and radius; a
        // little wider than a pixel, as smoothing thins a round line.
        const QRect& r = option->rect;
        const QPointF centre = QPointF(r.center()) + QPointF(1, 1);
        const qreal radius = (r.width() + (r.width() + 1) % 2) / 2.0 - 1;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(edgeOf(*option, QPalette::WindowText), 1.5));
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(centre, radius, radius);
        painter->restore();
        return;
    }
    case PE_FrameFocusRect: {
        const QColor ink = widget ? widget->palette().color(widget->foregroundRole())
                                  : option->palette.color(QPalette::WindowText);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(ink, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element == CE_PushButton && button && (button->features & QStyleOptionButton::Flat) &&
        (button->state & State_HasFocus)) {
        QStyleOptionButton face = *button;
        face.state &= ~State_HasFocus;
        QProxyStyle::drawControl(element, &face, painter, widget);
        // Inside the part that can be seen: a button may stick out of its
        // window.
        QRect seen = button->rect;
        if (widget)
            seen &= widget->visibleRegion().boundingRect();
        fillFrame(*painter, seen.adjusted(2, 2, -2, -2), kRingWidth,
                  button->palette.color(QPalette::ButtonText));
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredStyleIcon(baseStyle(), which));
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace tenvari
