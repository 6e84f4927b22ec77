// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QString>

class QLineEdit;
class QPushButton;

namespace tenvari {

class MessageService;
class WebLinks;

// What the user entered in the referral form, each text without its
// leading and trailing blanks (U+0020 only).
struct ReferralRecord {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The referral page's address with the entries as query values, keys and
// order fixed:
//   <page>?taf1=<name>&taf2=<email>&taf3=<message>&taf4=<friend's name>
//          &taf5=<friend's email>&taf6=<product site>
// Every value is percent-encoded as UTF-8 (all but A-Z a-z 0-9 - . _ ~), so
// an "&", "=", "#", "+" or blank in an entry arrives as typed and can
// neither add nor cut off a query key.
QString ReferralAddress(const ReferralRecord& record, const QString& referralPage,
                        const QString& productSite);

// The exit screen's "Refer A Friend" frame: five boxes that show a prompt
// while they hold nothing of the user's, and "Refer A Friend &Now", which
// checks the entries and opens the maker's referral page with them.
//
// Checks, in order, each ending the click with its message (stop icon):
// the two addresses equal; either address without "@"; without "."; the
// name, the user's address, the message, the friend's name, the friend's
// address empty or still at its prompt. The entries stay as they are after
// a refusal and after a send. A space typed into an address box is refused
// with "Email Address Cannot Contain Space"; pasted text is not filtered.
// The address boxes hold at most 254 characters, the name boxes 128 and
// the message 2,000; longer text is cut off as it is typed or pasted.
class ReferralForm : public QGroupBox {
    Q_OBJECT
public:
    ReferralForm(MessageService& messages, WebLinks& links, QWidget* parent = nullptr);

    static constexpr char kNamePrompt[] = "Your Name";
    static constexpr char kEmailPrompt[] = "Your Email Address";
    static constexpr char kFriendNamePrompt[] = "Friend's Name";
    static constexpr char kFriendEmailPrompt[] = "Friend's Email Address";
    static constexpr char kMessagePrompt[] = "Your Message";

    void cmdSubmit_Click();
    // Checks a filled record and opens the referral page; false when refused.
    bool SendReferral(const ReferralRecord& record);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addBox(const char* objectName, const char* prompt, int top);
    int EmailKeyPress(QLineEdit& box, int code);
    void refuse(const char* message);

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
