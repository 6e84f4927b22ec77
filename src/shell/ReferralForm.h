// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ReferralChecks.h"

#include <QGroupBox>
#include <QString>

class QLineEdit;
class QPushButton;

namespace tenvari {

class MessageService;
class WebLinks;

// The exit screen's "Refer A Friend" frame: five boxes that show a prompt
// while they hold nothing of the user's, and "Refer A Friend &Now", which
// checks the entries and opens the maker's referral page with them.
//
// The checks are ReferralChecks' (refusedAddresses, then refusedEntries in
// SendReferral); each refusal ends the click with its message (stop icon).
// The entries stay as they are after a refusal and after a send. A space
// typed into an address box is refused (refusedAddressKey); pasted text is
// not filtered.
// The address boxes hold at most 254 characters, the name boxes 128 and
// the message 2,000; longer text is cut off as it is typed or pasted.
class ReferralForm : public QGroupBox {
    Q_OBJECT
public:
    ReferralForm(MessageService& messages, WebLinks& links, QWidget* parent = nullptr);

    void cmdSubmit_Click();
    // Checks a filled record and opens the referral page.
    void SendReferral(const ReferralRecord& record);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addBox(const char* objectName, const char* prompt, int top, int maxLength);
    int EmailKeyPress(QLineEdit& box, int code);
    void refuse(const QString& message);

    MessageService& messages_;
    WebLinks& links_;
    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtEmail_ = nullptr;
    QLineEdit* txtFriendName_ = nullptr;
    QLineEdit* txtFriendEmail_ = nullptr;
    QLineEdit* txtMessage_ = nullptr;
    QPushButton* cmdSubmit_ = nullptr;
};

} // namespace tenvari
