// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ReferralForm.h"

#include "links/WebLinks.h"
#include "platform/MessageService.h"
#include "widgets/KeyCodes.h"
#include "widgets/Look.h"
#include "widgets/Twips.h"
#include "widgets/TypedText.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

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

QString encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

QString ReferralAddress(const ReferralRecord& record, const QString& referralPage,
                        const QString& productSite) {
    return referralPage + QLatin1String("?taf1=") + encoded(record.name) + QLatin1String("&taf2=") +
           encoded(record.email) + QLatin1String("&taf3=") + encoded(record.message) +
           QLatin1String("&taf4=") + encoded(record.friendName) + QLatin1String("&taf5=") +
           encoded(record.friendEmail) + QLatin1String("&taf6=") + encoded(productSite);
}

ReferralForm::ReferralForm(MessageService& messages, WebLinks& links, QWidget* parent)
    : QGroupBox(QStringLiteral("Refer A Friend"), parent), messages_(messages), links_(links) {
    setObjectName(QStringLiteral("fraReferral"));
    setFont(look::verdana(8, true));

    txtName_ = addBox("txtName", kNamePrompt, kFirstBoxTop);
    txtEmail_ = addBox("txtEmail", kEmailPrompt, kFirstBoxTop + kBoxStep);
    txtFriendName_ = addBox("txtFriendName", kFriendNamePrompt, kFirstBoxTop + 2 * kBoxStep);
    txtFriendEmail_ = addBox("txtFriendEmail", kFriendEmailPrompt, kFirstBoxTop + 3 * kBoxStep);
    txtMessage_ = addBox("txtMessage", kMessagePrompt, kFirstBoxTop + 4 * kBoxStep);
    for (QLineEdit* box : {txtEmail_, txtFriendEmail_})
        box->setMaxLength(kEmailMaxLength);
    for (QLineEdit* box : {txtName_, txtFriendName_})
        box->setMaxLength(kNameMaxLength);
    txtMessage_->setMaxLength(kMessageMaxLength);

    cmdSubmit_ = new QPushButton(QStringLiteral("Refer A Friend &Now"), this);
    cmdSubmit_->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit_->setFont(look::verdana(8, true));
    cmdSubmit_->setGeometry(twipsRect(kBoxLeft, kFirstBoxTop + 5 * kBoxStep, kBoxWidth, 495));
    connect(cmdSubmit_, &QPushButton::clicked, this, &ReferralForm::cmdSubmit_Click);

    for (QLineEdit* box : {txtEmail_, txtFriendEmail_})
        installKeyPressHandler(*box, [this, box](int code) { return EmailKeyPress(*box, code); });
}

QLineEdit* ReferralForm::addBox(const char* objectName, const char* prompt, int top) {
    auto* box = new QLineEdit(QString::fromLatin1(prompt), this);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setFont(look::verdana(8));
    box->setGeometry(twipsRect(kBoxLeft, top, kBoxWidth, kBoxHeight));
    box->setProperty("prompt", QString::fromLatin1(prompt));
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
    if (code != ' ')
        return code;
    refuse("Email Address Cannot Contain Space");
    box.setFocus(Qt::OtherFocusReason);
    return 0;
}

void ReferralForm::refuse(const char* message) {
    messages_.show(QString::fromLatin1(message), MessageIcon::Stop, MessageButtons::Ok);
}

void ReferralForm::cmdSubmit_Click() {
    try {
        const ReferralRecord record{trimmedText(txtName_->text()), trimmedText(txtEmail_->text()),
                                    trimmedText(txtMessage_->text()),
                                    trimmedText(txtFriendName_->text()),
                                    trimmedText(txtFriendEmail_->text())};
        const auto proper = [](const QString& address) {
            return address.contains(u'@') && address.contains(u'.');
        };
        if (record.email == record.friendEmail)
            refuse("Please Enter Distinct Email Addresses");
        else if (!proper(record.email) || !proper(record.friendEmail))
            refuse("Please Enter Proper Email Address");
        else
            SendReferral(record);
    } catch (...) {
        // A failed send leaves the form as it was.
    }
}

bool ReferralForm::SendReferral(const ReferralRecord& record) {
    const auto missing = [](const QString& value, const char* prompt) {
        return value.isEmpty() || value == QLatin1String(prompt);
    };
    if (missing(record.name, kNamePrompt))
        refuse("Please Enter Your Name");
    else if (missing(record.email, kEmailPrompt))
        refuse("Please Enter Your Email");
    else if (missing(record.message, kMessagePrompt))
        refuse("Please Enter Your Message");
    else if (missing(record.friendName, kFriendNamePrompt))
        refuse("Please Enter Your Friend's Name");
    else if (missing(record.friendEmail, kFriendEmailPrompt))
        refuse("Please Enter Your Friend's Email");
    else {
        links_.OpenWebPage(
            ReferralAddress(record, WebLinks::referralPage(), WebLinks::productSite()));
        return true;
    }
    return false;
}

} // namespace tenvari
