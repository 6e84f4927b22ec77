// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Factories.h"

#include "widgets/Look.h"
#include "widgets/Twips.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace tenvari {

namespace {

// The children at the frame's top keep clear of the caption line.
class CaptionFrame final : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const QRect border = rect().adjusted(0, metrics.height() / 2, -1, -1);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(border.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(border.adjusted(1, 1, 0, 0));
        const QRect captionArea(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        painter.fillRect(captionArea, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(captionArea, Qt::AlignCenter, title());
    }
};

} // namespace

QFrame* boxFrame(const char* name, QWidget* parent, QRect geometry) {
    auto* frame = named<QFrame>(name, parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(geometry);
    return frame;
}

QGroupBox* captionFrame(const char* name, const QString& caption, QWidget* parent, QRect geometry) {
    QGroupBox* frame = named<CaptionFrame>(name, parent, caption);
    frame->setGeometry(geometry);
    return frame;
}

QLabel* caption(const char* name, const QString& text, QWidget* parent, int left, int top,
                bool underline) {
    auto* label = named<QLabel>(name, parent, text);
    label->setTextFormat(Qt::PlainText);
    if (underline) {
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
    }
    label->move(twipsPoint(left, top));
    label->adjustSize();
    return label;
}

void shrinkToFit(QLabel& label, int width) {
    QFont font = label.font();
    while (QFontMetrics(font).horizontalAdvance(label.text()) > width && font.pointSizeF() > 6.0)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label.setFont(font);
}

QLineEdit* textBox(const char* name, QWidget* parent, QRect geometry, const QString& text,
                   int maxLength) {
    auto* box = named<QLineEdit>(name, parent, text);
    box->setGeometry(geometry);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    return box;
}

QComboBox* dropDown(const char* name, QWidget* parent, int left, int top, int width) {
    auto* list = named<QComboBox>(name, parent);
    list->setEditable(false);
    list->setGeometry(twipsRect(left, top, width, 315));
    return list;
}

QPushButton* button(const char* name, const QString& text, QWidget* parent, QRect geometry,
                    const QColor& face) {
    auto* pushButton = named<QPushButton>(name, parent, text);
    pushButton->setGeometry(geometry);
    pushButton->setFont(look::verdana(8.25, true));
    // Enter and Return press it when it has the focus, as Space does.
    pushButton->setAutoDefault(true);
    look::paintButton(*pushButton, face);
    return pushButton;
}

QRadioButton* option(const char* name, const QString& text, QWidget* parent, QRect geometry) {
    auto* radio = named<QRadioButton>(name, parent, text);
    radio->setGeometry(geometry);
    return radio;
}

} // namespace tenvari
