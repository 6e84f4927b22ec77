// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/StartUpStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

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

} // namespace

QIcon StartUpStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredStyleIcon(baseStyle(), which));
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace tenvari
