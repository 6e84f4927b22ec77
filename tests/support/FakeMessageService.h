// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageService.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

namespace tenvari::test {

// Records every message box asked for and answers as scripted, so tests
// never enter a modal loop. Without a scripted answer: Ok, or No for Yes/No.
class FakeMessageService final : public MessageService {
public:
    struct Shown {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer show(const QString& text, MessageIcon icon, MessageButtons buttons) override;

    void scriptAnswer(MessageAnswer answer) { answers_.enqueue(answer); }
    // Called while the box would be open (e.g. to see where the focus is).
    std::function<void(const Shown&)> onShow;

    const QList<Shown>& shown() const { return shown_; }
    QStringList texts() const;
    QString lastText() const { return shown_.isEmpty() ? QString() : shown_.last().text; }
    void clear() { shown_.clear(); }

private:
    QList<Shown> shown_;
    QQueue<MessageAnswer> answers_;
};

} // namespace tenvari::test
