// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace tenvari {

// A value shown beside its caption, such as the ayanamsa of a reading: a
// plain-text label whose text can be selected with the mouse and, once
// clicked, with the keyboard, and copied with Ctrl+C or the context menu
// (Copy, Select All; Qt gives plain labels none). It is no stop of the tab
// order.
//
// Listeners hear it as its caption and its value ("Ayanamsa: 23° 51'
// 14\""), or as the caption alone while it holds nothing or still its
// design-time text, which is never read out.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    ValueLabel(const QString& caption, const QString& designText, QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    // The text, or nothing while the label holds its design-time text.
    QString value() const;
    // What a listener hears: the caption, and the value after a colon.
    QString spokenName() const;
    // Tells assistive technology that the value has just been written, so
    // that a screen reader reads it out where the user is.
    void announce();

    // Puts the selected text on the clipboard, or the whole value when
    // nothing is selected.
    void copy();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString caption_;
    QString designText_;
};

} // namespace tenvari
