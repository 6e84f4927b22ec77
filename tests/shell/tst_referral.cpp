// SPDX-License-Identifier: GPL-3.0-or-later
// The exit screen's referral form, driven as a user drives it: prompts
// that clear and come back, spaces refused in the address boxes, a few rows
// of the checks through the window (the whole table is
// tst_referralchecks), and the referral address with every entry arriving
// exactly as typed.

#include "links/WebLinks.h"
#include "shell/ExitApplication.h"
#include "shell/FrmExitScreen.h"
#include "shell/ReferralForm.h"
#include "support/FakeClock.h"
#include "support/FakeLinkOpener.h"
#include "support/FakeMessageService.h"
#include "widgets/TypedText.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>
#include <memory>

using namespace tenvari;
using namespace tenvari::test;

namespace {

using Entries = QMap<QString, QString>; // box name -> what the user does

const QStringList kBoxes{"txtName", "txtEmail", "txtMessage", "txtFriendName", "txtFriendEmail"};

} // namespace

class tst_Referral : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void prompts_data();
    void prompts();
    void spaceInAddress_data();
    void spaceInAddress();
    void submit_data();
    void submit();
    void valuesArriveAsTyped_data();
    void valuesArriveAsTyped();
    void longestReferral_data();
    void longestReferral();

private:
    QLineEdit* box(const QString& name) const;
    QPushButton* submitButton() const;
    void clickInto(QLineEdit* target);
    // Types the text: Latin-1 as key presses, anything else as an input
    // method commits it.
    void type(QLineEdit* target, const QString& text);
    void paste(QLineEdit* target, const QString& text);
    // "paste:<text>" pastes, anything else is typed; a missing entry leaves
    // the box at its prompt.
    void fill(const Entries& entries);
    QString pressSubmit();

    FakeMessageService messages_;
    FakeLinkOpener opener_;
    FakeClock clock_;
    std::unique_ptr<WebLinks> links_;
    std::unique_ptr<ExitApplication> exit_;
    QPointer<FrmExitScreen> screen_;
};

void tst_Referral::init() {
    messages_.clear();
    messages_.onShow = nullptr;
    opener_.opened.clear();
    links_ = std::make_unique<WebLinks>(opener_);
    exit_ = std::make_unique<ExitApplication>([](int) {});
    screen_ = new FrmExitScreen(messages_, *links_, clock_, *exit_);
    screen_->show();
    QApplication::setActiveWindow(screen_);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void tst_Referral::cleanup() {
    delete screen_.data();
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

QLineEdit* tst_Referral::box(const QString& name) const {
    auto* found = screen_->findChild<QLineEdit*>(name);
    if (!found)
        qFatal("no box %s", qPrintable(name));
    return found;
}

QPushButton* tst_Referral::submitButton() const {
    return screen_->findChild<QPushButton*>(QStringLiteral("cmdSubmit"));
}

void tst_Referral::clickInto(QLineEdit* target) {
    QTest::mouseClick(target, Qt::LeftButton, {},
                      QPoint(target->width() - 4, target->height() / 2));
}

void tst_Referral::type(QLineEdit* target, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(target, c.toLatin1());
        } else if (c.unicode() < 256) {
            // A key of its own on the user's keyboard (é, ü): Qt names the
            // key after the capital letter.
            const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(target, &commit);
        }
    }
}

void tst_Referral::paste(QLineEdit* target, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

void tst_Referral::fill(const Entries& entries) {
    for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
        QLineEdit* target = box(entry.key());
        clickInto(target);
        if (entry.value().startsWith(QLatin1String("paste:")))
            paste(target, entry.value().mid(6));
        else
            type(target, entry.value());
    }
}

QString tst_Referral::pressSubmit() {
    QTest::mouseClick(submitButton(), Qt::LeftButton);
    return messages_.lastText();
}

void tst_Referral::prompts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("txtName") << "txtName"
                             << "Your Name";
    QTest::newRow("txtEmail") << "txtEmail"
                              << "Your Email Address";
    QTest::newRow("txtFriendName") << "txtFriendName"
                                   << "Friend's Name";
    QTest::newRow("txtFriendEmail") << "txtFriendEmail"
                                    << "Friend's Email Address";
    QTest::newRow("txtMessage") << "txtMessage"
                                << "Your Message";
}

void tst_Referral::prompts() {
    QFETCH(QString, name);
    QFETCH(QString, prompt);
    QLineEdit* target = box(name);
    QLineEdit* elsewhere = box(name == QLatin1String("txtName") ? "txtMessage" : "txtName");

    QCOMPARE(target->text(), prompt);
    clickInto(target);
    QCOMPARE(target->text(), QString());
    // A context menu opening over the box (to paste, say) leaves it empty.
    QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(target, &toMenu);
    QCOMPARE(target->text(), QString());
    clickInto(elsewhere);
    QCOMPARE(target->text(), prompt);

    // Blanks only count as empty.
    clickInto(target);
    paste(target, QStringLiteral("   "));
    clickInto(elsewhere);
    QCOMPARE(target->text(), prompt);

    // The user's own text stays, also when the box is entered again.
    clickInto(target);
    type(target, QStringLiteral("ab"));
    clickInto(elsewhere);
    clickInto(target);
    QCOMPARE(target->text(), QStringLiteral("ab"));

    // The prompt with blanks around still counts as the prompt...
    target->clear();
    paste(target, QStringLiteral("  ") + prompt + QStringLiteral(" "));
    clickInto(elsewhere);
    clickInto(target);
    QCOMPARE(target->text(), QString());

    // ...but not in other letters.
    paste(target, prompt.toLower());
    clickInto(elsewhere);
    clickInto(target);
    QCOMPARE(target->text(), prompt.toLower());
    QVERIFY(messages_.shown().isEmpty());
}

void tst_Referral::spaceInAddress_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("txtEmail") << "txtEmail" << true;
    QTest::newRow("txtFriendEmail") << "txtFriendEmail" << true;
    QTest::newRow("txtName") << "txtName" << false;
    QTest::newRow("txtFriendName") << "txtFriendName" << false;
    QTest::newRow("txtMessage") << "txtMessage" << false;
}

void tst_Referral::spaceInAddress() {
    QFETCH(QString, name);
    QFETCH(bool, refused);
    QLineEdit* target = box(name);
    clickInto(target);
    // The message box takes the focus while it is open.
    messages_.onShow = [this](const FakeMessageService::Shown&) { submitButton()->setFocus(); };

    type(target, QStringLiteral("ab cd"));

    if (refused) {
        QCOMPARE(target->text(), QStringLiteral("abcd"));
        QCOMPARE(messages_.texts(), QStringList{"Email Address Cannot Contain Space"});
        QCOMPARE(messages_.shown().first().icon, MessageIcon::Stop);
        QCOMPARE(messages_.shown().first().buttons, MessageButtons::Ok);
        // The focus is back in the box, where typing goes on.
        QCOMPARE(QApplication::focusWidget(), target);
    } else {
        QCOMPARE(target->text(), QStringLiteral("ab cd"));
        QVERIFY(messages_.shown().isEmpty());
    }
}

void tst_Referral::submit_data() {
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("message"); // empty: sent

    const Entries valid{{"txtName", "Ann"},
                        {"txtEmail", "ann@example.org"},
                        {"txtMessage", "Have a look"},
                        {"txtFriendName", "Bob"},
                        {"txtFriendEmail", "bob@example.net"}};
    // The valid entries with some changed; a null value leaves that box at
    // its prompt.
    const auto withAll = [&valid](const QList<QPair<QString, QString>>& changes) {
        Entries changed = valid;
        for (const auto& [name, value] : changes) {
            if (value.isNull())
                changed.remove(name);
            else
                changed[name] = value;
        }
        return changed;
    };
    const auto with = [&withAll](const QString& name, const QString& value) {
        return withAll({{name, value}});
    };
    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");

    QTest::newRow("every box at its prompt") << Entries{} << proper;
    QTest::newRow("same address once blanks are stripped")
        << with("txtEmail", "paste:  bob@example.net ") << distinct;
    QTest::newRow("name at its prompt")
        << with("txtName", QString()) << QStringLiteral("Please Enter Your Name");
    QTest::newRow("message pasted as its prompt with blanks")
        << with("txtMessage", "paste: Your Message ")
        << QStringLiteral("Please Enter Your Message");
    QTest::newRow("name and message missing: the name is asked for first")
        << withAll({{"txtName", QString()}, {"txtMessage", "   "}})
        << QStringLiteral("Please Enter Your Name");
    QTest::newRow("everything filled") << valid << QString();
    QTest::newRow("pasted address with a space is sent as it is")
        << with("txtEmail", "paste:ann @example.org") << QString();
}

void tst_Referral::submit() {
    QFETCH(Entries, entries);
    QFETCH(QString, message);
    fill(entries);
    submitButton()->setFocus();
    QStringList before;
    for (const QString& name : kBoxes)
        before << box(name)->text();

    pressSubmit();

    QStringList after;
    for (const QString& name : kBoxes)
        after << box(name)->text();
    QCOMPARE(after, before);
    QCOMPARE(QApplication::focusWidget(), submitButton());

    if (message.isEmpty()) {
        QCOMPARE(messages_.texts(), QStringList());
        QCOMPARE(opener_.opened.size(), 1);
        const QUrlQuery query(QUrl(opener_.opened.first(), QUrl::StrictMode));
        // What was in the boxes, without the blanks around it.
        const auto sent = [&query](const char* key) {
            return query.queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
        };
        QCOMPARE(sent("taf1"), trimmedText(box("txtName")->text()));
        QCOMPARE(sent("taf2"), trimmedText(box("txtEmail")->text()));
        QCOMPARE(sent("taf3"), trimmedText(box("txtMessage")->text()));
        QCOMPARE(sent("taf4"), trimmedText(box("txtFriendName")->text()));
        QCOMPARE(sent("taf5"), trimmedText(box("txtFriendEmail")->text()));
    } else {
        QCOMPARE(messages_.texts(), QStringList{message});
        QCOMPARE(messages_.shown().first().icon, MessageIcon::Stop);
        QCOMPARE(messages_.shown().first().buttons, MessageButtons::Ok);
        QCOMPARE(opener_.opened, QStringList());
    }
}

void tst_Referral::valuesArriveAsTyped_data() {
    QTest::addColumn<QString>("value");
    // Typed as key presses, as a Latin-1 key, through an input method.
    QTest::newRow("ampersand") << "Tom & Jerry";
    QTest::newRow("e acute") << QStringLiteral("Ren\u00e9e");
    QTest::newRow("Japanese") << QStringLiteral("\u65e5\u672c");
}

void tst_Referral::valuesArriveAsTyped() {
    QFETCH(QString, value);
    const QString email = QStringLiteral("ann&co=1+x@example.org");
    const QString friendEmail = QStringLiteral("bob%20@example.net");
    fill({{"txtName", value},
          {"txtEmail", email},
          {"txtMessage", value + QStringLiteral(" - a message")},
          {"txtFriendName", value},
          {"txtFriendEmail", friendEmail}});
    QCOMPARE(box("txtName")->text(), value);
    pressSubmit();
    QCOMPARE(messages_.texts(), QStringList());
    QCOMPARE(opener_.opened.size(), 1);
    const QString address = opener_.opened.first();

    // The real opener reads the address in strict mode: it must be valid
    // there and come out unchanged.
    const QUrl url(address, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QCOMPARE(url.toString(QUrl::FullyEncoded), address);
    QVERIFY(address.startsWith(WebLinks::referralPage() + QStringLiteral("?taf1=")));

    const QList<QPair<QString, QString>> expected{
        {"taf1", value}, {"taf2", email},       {"taf3", value + QStringLiteral(" - a message")},
        {"taf4", value}, {"taf5", friendEmail}, {"taf6", WebLinks::productSite()}};
    QCOMPARE(QUrlQuery(url).queryItems(QUrl::FullyDecoded), expected);
    // Nothing but the six keys' separators is left unencoded.
    QCOMPARE(url.query(QUrl::FullyEncoded).count(u'&'), 5);
    QCOMPARE(url.query(QUrl::FullyEncoded).count(u'='), 6);
}

void tst_Referral::longestReferral_data() {
    QTest::addColumn<QString>("character"); // what each box is filled with
    // Three UTF-8 bytes in one UTF-16 unit give the longest encoding per
    // character a box can count; four bytes take two units.
    QTest::newRow("three-byte characters") << QStringLiteral("\u65e5");
    QTest::newRow("four-byte characters") << QString::fromUcs4(U"\U0001F600", 1);
    QTest::newRow("ASCII") << QStringLiteral("x");
}

void tst_Referral::longestReferral() {
    QFETCH(QString, character);
    // Each box takes what it may hold (e-mail addresses as long as RFC 5321
    // allows), and no more.
    const QMap<QString, int> limits{{"txtName", 128},
                                    {"txtEmail", 254},
                                    {"txtMessage", 2000},
                                    {"txtFriendName", 128},
                                    {"txtFriendEmail", 254}};
    for (auto limit = limits.begin(); limit != limits.end(); ++limit) {
        // Pasted far beyond the limit; the addresses differ and are proper.
        // (An even length keeps the cut between two halves of a character.)
        QString tail = limit.key().endsWith(QLatin1String("Email"))
                           ? QStringLiteral("@") + limit.key() + QStringLiteral(".example")
                           : QString();
        if (tail.size() % 2 != 0)
            tail += u'x';
        QLineEdit* target = box(limit.key());
        clickInto(target);
        paste(target, tail + character.repeated(3 * limit.value()));
        QCOMPARE(target->text().size(), limit.value());
    }
    pressSubmit();
    QCOMPARE(messages_.texts(), QStringList());
    QCOMPARE(opener_.opened.size(), 1);

    // Far below what the desktop can hand to a browser (a single argument
    // of a program is cut off at 128 KiB), and everything arrives.
    const QString address = opener_.opened.first();
    QVERIFY2(address.size() < 32 * 1024, qPrintable(QString::number(address.size())));
    const QUrlQuery query(QUrl(address, QUrl::StrictMode));
    QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded), box("txtName")->text());
    QCOMPARE(query.queryItemValue("taf2", QUrl::FullyDecoded), box("txtEmail")->text());
    QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), box("txtMessage")->text());
    QCOMPARE(query.queryItemValue("taf4", QUrl::FullyDecoded), box("txtFriendName")->text());
    QCOMPARE(query.queryItemValue("taf5", QUrl::FullyDecoded), box("txtFriendEmail")->text());
}

QTEST_MAIN(tst_Referral)
#include "tst_referral.moc"
