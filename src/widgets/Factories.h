// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>
#include <QRect>
#include <QString>
#include <utility>

class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tenvari {

// The widget factories the windows share. Each names its widget (Qt's
// objectName, which tests and the accessibility tree see) and places it;
// geometry comes in pixels from the twips helpers, except where a factory
// says it takes twips. Captions come translated from the caller.

// A widget of type W, named and parented; the extra arguments go to W's
// constructor before the parent.
template <class W, class... Args> W* named(const char* name, QWidget* parent, Args&&... args) {
    auto* widget = new W(std::forward<Args>(args)..., parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A sunken box frame.
QFrame* boxFrame(const char* name, QWidget* parent, QRect geometry);

// A frame with a caption on its etched border line, as classic frames draw
// it.
QGroupBox* captionFrame(const char* name, const QString& caption, QWidget* parent, QRect geometry);

// A plain-text label sized to its text, its top left corner at (left, top)
// twips.
QLabel* caption(const char* name, const QString& text, QWidget* parent, int left, int top,
                bool underline = false);

// A plain-text label of fixed size whose text wraps within it. L may be
// QLabel or a class derived from it (the clickable labels).
template <class L = QLabel>
L* textBlock(const char* name, const QString& text, QWidget* parent, QRect geometry,
             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = named<L>(name, parent, text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    return label;
}

// Sets the label's font a little smaller, step by step, until its text
// fits the width (Verdana fits the designed widths; a wider fallback face
// would be cut off).
void shrinkToFit(QLabel& label, int width);

// A single-line text box with an initial text and, when maxLength > 0, a
// length limit.
QLineEdit* textBox(const char* name, QWidget* parent, QRect geometry, const QString& text = {},
                   int maxLength = 0);

// A selection-only list at (left, top) twips with the classic one-line
// height.
QComboBox* dropDown(const char* name, QWidget* parent, int left, int top, int width);

// A flat push button with a bold caption on a face in the given colour.
// Space, Enter and Return press it when it has the focus (in a dialog it
// then stands in for the default button, as Qt's buttons there do).
QPushButton* button(const char* name, const QString& text, QWidget* parent, QRect geometry,
                    const QColor& face);

// An option button.
QRadioButton* option(const char* name, const QString& text, QWidget* parent, QRect geometry);

} // namespace tenvari
