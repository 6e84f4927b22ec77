// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ReferralForm.h"

#include "links/WebLinks.h"
#include "platform/MessageService.h"
#include "widgets/Factories.h"
#include "widgets/HandlerStep.h"
#include "widgets/KeyCodes.h"
#include "widgets/Look.h"
#include "widgets/Twips.h"
#include "widgets/TypedText.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

namespace tenvari {

namespace {

// Inside the frame, in twips.
constexpr int kBoxLeft = 240;
constexpr int kBoxWidth = 4995;
constexpr int kBoxHeight = 345;
constexpr int kFirstBoxTop = 420;
constexpr int kBoxStep = 540;

// The most each box holds, in UTF-16 units: an e-mail address as long as
// RFC 5321 allows, names and the message of a sensible length. Even all
// five full of characters of three UTF-8 bytes (nine percent-encoded
// characters per unit) the referral address stays near 25,000 characters,
// far below the 128 KiB the desktop can hand to a browser.
constexpr int kEmailMaxLength = 254;
constexpr int kNameMaxLength = 128;
constexpr int kMessageMaxLength = 2000;

} // namespace

ReferralForm::ReferralForm(MessageService& messages, WebLinks& links, QWidget* parent)
    : QGroupBox(tr("Refer A Friend"), parent), messages_(messages), links_(links) {
    setObjectName(QStringLiteral("fraReferral"));
    setFont(look::verdana(8, true));

    txtName_ = addBox("txtName", kNamePrompt, kFirstBoxTop, kNameMaxLength);
    txtEmail_ = addBox("txtEmail", kEmailPrompt, kFirstBoxTop + kBoxStep, kEmailMaxLength);
    txtFriendName_ =
        addBox("txtFriendName", kFriendNamePrompt, kFirstBoxTop + 2 * kBoxStep, kNameMaxLength);
    txtFriendEmail_ =
        addBox("txtFriendEmail", kFriendEmailPrompt, kFirstBoxTop + 3 * kBoxStep, kEmailMaxLength);
    txtMessage_ =
        addBox("txtMessage", kMessagePrompt, kFirstBoxTop + 4 * kBoxStep, kMessageMaxLength);

    cmdSubmit_ = named<QPushButton>("cmdSubmit", this, tr("Refer A Friend &Now"));
    cmdSubmit_->setFont(look::verdana(8, true));
    cmdSubmit_->setGeometry(twipsRect(kBoxLeft, kFirstBoxTop + 5 * kBoxStep, kBoxWidth, 495));
    cmdSubmit_->setAutoDefault(true); // Enter presses it when it has the focus
    connect(cmdSubmit_, &QPushButton::clicked, this,
            [this] { runStep([this] { cmdSubmit_Click(); }); });

    for (QLineEdit* box : {txtEmail_, txtFriendEmail_})
        installKeyPressHandler(*box, [this, box](int code) { return EmailKeyPress(*box, code); });
}

QLineEdit* ReferralForm::addBox(const char* objectName, const char* prompt, int top,
                                int maxLength) {
    const QString shownPrompt = referralText(prompt);
    QLineEdit* box = textBox(objectName, this, twipsRect(kBoxLeft, top, kBoxWidth, kBoxHeight),
                             shownPrompt, maxLength);
    box->setFont(look::verdana(8));
    box->setProperty("prompt", shownPrompt);
    // The prompt names the box for a listener too, also once it is typed over.
    box->setAccessibleName(shownPrompt);
    box->installEventFilter(this);
    return box;
}

bool ReferralForm::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::FocusOut)
        return QGroupBox::eventFilter(watched, event);
    auto* box = qobject_cast<QLineEdit*>(watched);
    const QString prompt = box ? box->property("prompt").toString() : QString();
    // A context menu borrows the focus for a moment; the box keeps its text.
    if (prompt.isEmpty() || static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
        return QGroupBox::eventFilter(watched, event);

    const QString text = trimmedText(box->text());
    if (type == QEvent::FocusIn && text == prompt)
        box->clear();
    else if (type == QEvent::FocusOut && text.isEmpty())
        box->setText(prompt);
    return QGroupBox::eventFilter(watched, event);
}

int ReferralForm::EmailKeyPress(QLineEdit& box, int code) {
    const std::optional<QString> refusal = refusedAddressKey(code);
    if (!refusal)
        return code;
    refuse(*refusal);
    box.setFocus(Qt::OtherFocusReason);
    return 0;
}

void ReferralForm::refuse(const QString& message) {
    messages_.show(message, MessageIcon::Stop, MessageButtons::Ok);
}

void ReferralForm::cmdSubmit_Click() {
    const ReferralRecord record{trimmedText(txtName_->text()), trimmedText(txtEmail_->text()),
                                trimmedText(txtMessage_->text()),
                                trimmedText(txtFriendName_->text()),
                                trimmedText(txtFriendEmail_->text())};
    if (const std::optional<QString> refusal = refusedAddresses(record))
        refuse(*refusal);
    else
        SendReferral(record);
}

void ReferralForm::SendReferral(const ReferralRecord& record) {
    if (const std::optional<QString> refusal = refusedEntries(record))
        refuse(*refusal);
    else
        links_.OpenWebPage(
            ReferralAddress(record, WebLinks::referralPage(), WebLinks::productSite()));
}

} // namespace tenvari
