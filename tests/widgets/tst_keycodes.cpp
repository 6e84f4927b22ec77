// SPDX-License-Identifier: GPL-3.0-or-later
// The mapping of Qt key events to the keystroke handlers' character codes,
// and the per-character hook on a line edit, driven with real key events.

#include "widgets/KeyCodes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <stdexcept>

using namespace tenvari;

namespace {

constexpr int kNoCode = -1;

// Handlers the hook is tried with; each records the codes it was given.
enum class Handler { Digits, Letters, PassAll, RefuseAll, Throwing };

} // namespace

Q_DECLARE_METATYPE(Handler)

namespace {

KeyPressHandler makeHandler(Handler kind, QList<int>& seen) {
    return [kind, &seen](int code) {
        seen << code;
        switch (kind) {
        case Handler::Digits:
            return (code >= '0' && code <= '9') || code == 8 ? code : 0;
        case Handler::Letters:
            if (code >= 'a' && code <= 'z')
                return code - 32;
            return (code >= 'A' && code <= 'Z') || code == 8 || code == 13 || code == 32 ? code : 0;
        case Handler::PassAll:
            return code;
        case Handler::RefuseAll:
            return 0;
        case Handler::Throwing:
            throw std::runtime_error("handler failed");
        }
        return code;
    };
}

// A key click whose event carries a text of its own (QTestEventList only
// makes Latin-1 ones).
class KeyWithText final : public QTestEvent {
public:
    KeyWithText(Qt::Key key, Qt::KeyboardModifiers modifiers, QString text)
        : key_(key), modifiers_(modifiers), text_(std::move(text)) {}
    void simulate(QWidget* w) override {
        QTest::sendKeyEvent(QTest::Click, w, key_, text_, modifiers_);
    }
    QTestEvent* clone() const override { return new KeyWithText(*this); }

private:
    Qt::Key key_;
    Qt::KeyboardModifiers modifiers_;
    QString text_;
};

} // namespace

class tst_KeyCodes : public QObject {
    Q_OBJECT

private slots:
    void typedCharacterCode_data();
    void typedCharacterCode();
    void hook_data();
    void hook();
    void inputMethodCommit_data();
    void inputMethodCommit();
};

void tst_KeyCodes::typedCharacterCode_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;

    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "\b" << 8;
    QTest::newRow("Backspace, no text") << int(Qt::Key_Backspace) << none << "" << 8;
    QTest::newRow("Return") << int(Qt::Key_Return) << none << "\r" << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << "\r" << 13;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << none << "\x1b" << 27;

    QTest::newRow("space") << int(Qt::Key_Space) << none << " " << 32;
    QTest::newRow("A") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "A" << 65;
    QTest::newRow("a") << int(Qt::Key_A) << none << "a" << 97;
    QTest::newRow("z") << int(Qt::Key_Z) << none << "z" << 122;
    QTest::newRow("0") << int(Qt::Key_0) << none << "0" << 48;
    QTest::newRow("9") << int(Qt::Key_9) << none << "9" << 57;
    QTest::newRow("minus") << int(Qt::Key_Minus) << none << "-" << 45;
    QTest::newRow("point") << int(Qt::Key_Period) << none << "." << 46;
    QTest::newRow("keypad 5") << int(Qt::Key_5) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "5"
                              << 53;

    // Ctrl+letter is the letter's place in the alphabet, whatever text comes along.
    QTest::newRow("Ctrl+A, control text") << int(Qt::Key_A) << ctrl << "\x01" << 1;
    QTest::newRow("Ctrl+A, no text") << int(Qt::Key_A) << ctrl << "" << 1;
    QTest::newRow("Ctrl+A, letter text") << int(Qt::Key_A) << ctrl << "a" << 1;
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << "\x03" << 3;
    QTest::newRow("Ctrl+H") << int(Qt::Key_H) << ctrl << "\b" << 8;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << "\x16" << 22;
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << ctrl << "" << 24;
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << ctrl << "\x1a" << 26;
    QTest::newRow("Ctrl+Shift+V") << int(Qt::Key_V) << ctrlShift << "\x16" << 22;
    QTest::newRow("Ctrl+V with the keypad flag")
        << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::KeypadModifier) << ""
        << 22;
    QTest::newRow("Ctrl+digit types nothing") << int(Qt::Key_1) << ctrl << "1" << kNoCode;
    // A line edit inserts an invisible format character whatever the
    // modifiers; such a key gives that character's code, never 8 or 13.
    for (const char16_t format : {u'\u200b', u'\u202e', u'\u00ad'}) {
        for (const auto& [key, name] : {std::pair{Qt::Key_H, "H"}, std::pair{Qt::Key_M, "M"}})
            QTest::addRow("Ctrl+%s carrying U+%04X", name, unsigned(format))
                << int(key) << ctrl << QString(QChar(format)) << int(format);
    }
    QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert) << ctrl << "" << kNoCode;

    // A line edit inserts the text of these combinations, so they must be seen.
    QTest::newRow("Alt+point") << int(Qt::Key_Period) << alt << "." << 46;
    QTest::newRow("Alt+a") << int(Qt::Key_A) << alt << "a" << 97;
    QTest::newRow("AltGr (Ctrl+Alt) Q gives @")
        << int(Qt::Key_Q) << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier) << "@"
        << 64;
    QTest::newRow("Meta+a") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::MetaModifier) << "a"
                            << 97;

    QTest::newRow("e acute") << int(Qt::Key_Eacute) << none << QStringLiteral("\u00e9") << 0xe9;
    QTest::newRow("euro via AltGr")
        << int(Qt::Key_E) << Qt::KeyboardModifiers(Qt::GroupSwitchModifier)
        << QStringLiteral("\u20ac") << 0x20ac;
    QTest::newRow("character outside the BMP")
        << 0 << none << QString::fromUcs4(U"\U0001F600", 1) << 0x1F600;
    QTest::newRow("two characters at once") << 0 << none << "ab" << kUntypedTextCode;

    QTest::newRow("Left") << int(Qt::Key_Left) << none << "" << kNoCode;
    QTest::newRow("Right") << int(Qt::Key_Right) << none << "" << kNoCode;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "\x7f" << kNoCode;
    QTest::newRow("Home") << int(Qt::Key_Home) << none << "" << kNoCode;
    QTest::newRow("End") << int(Qt::Key_End) << none << "" << kNoCode;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << "\t" << kNoCode;
    QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                               << "" << kNoCode;
    QTest::newRow("bare Shift") << int(Qt::Key_Shift) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                << "" << kNoCode;
}

void tst_KeyCodes::typedCharacterCode() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(int, expected);

    const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCOMPARE(tenvari::typedCharacterCode(event).value_or(kNoCode), expected);
}

void tst_KeyCodes::hook_data() {
    QTest::addColumn<Handler>("handler");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("startText");
    QTest::addColumn<QTestEventList>("events");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QList<int>>("expectedCodes");

    const int noLimit = 32767;
    QTestEventList e;

    e.clear();
    e.addKeyClicks("1a2.3");
    QTest::newRow("refused characters are not inserted")
        << Handler::Digits << noLimit << false << ""
        << "" << e << "123" << QList<int>{'1', 'a', '2', '.', '3'};

    e.clear();
    e.addKeyClicks("ab z");
    QTest::newRow("replaced characters are inserted instead")
        << Handler::Letters << noLimit << false << ""
        << "" << e << "AB Z" << QList<int>{'a', 'b', ' ', 'z'};

    e.clear();
    e.addKeyClicks("abc");
    QTest::newRow("replacement keeps the length limit")
        << Handler::Letters << 2 << false << ""
        << "" << e << "AB" << QList<int>{'a', 'b', 'c'};

    e.clear();
    e.addKeyClicks("q");
    QTest::newRow("read-only box takes no replacement") << Handler::Letters << noLimit << true << ""
                                                        << "" << e << "" << QList<int>{'q'};

    e.clear();
    e.addKeyClicks("3");
    QTest::newRow("full box drops an accepted digit") << Handler::Digits << 2 << false << ""
                                                      << "12" << e << "12" << QList<int>{'3'};

    e.clear();
    e.addKeyClick(Qt::Key_Backspace);
    QTest::newRow("accepted Backspace reaches the box") << Handler::Digits << noLimit << false << ""
                                                        << "12" << e << "1" << QList<int>{8};

    e.clear();
    e.addKeyClick(Qt::Key_Home);
    e.addKeyClick(Qt::Key_Delete);
    e.addKeyClick(Qt::Key_End);
    e.addKeyClick(Qt::Key_Left);
    e.addKeyClick(Qt::Key_Delete);
    QTest::newRow("Delete and arrows pass without the handler")
        << Handler::RefuseAll << noLimit << false << ""
        << "123" << e << "2" << QList<int>{};

    e.clear();
    e.addKeyClick(Qt::Key_V, Qt::ControlModifier);
    QTest::newRow("Ctrl+V refused does not paste") << Handler::RefuseAll << noLimit << false << "77"
                                                   << "1" << e << "1" << QList<int>{22};

    e.clear();
    e.addKeyClick(Qt::Key_V, Qt::ControlModifier);
    QTest::newRow("Ctrl+V let through pastes") << Handler::PassAll << noLimit << false << "77"
                                               << "1" << e << "177" << QList<int>{22};

    e.clear();
    e.append(new KeyWithText(Qt::Key_V, Qt::ControlModifier | Qt::KeypadModifier, ""));
    QTest::newRow("Ctrl+V with the keypad flag refused does not paste")
        << Handler::RefuseAll << noLimit << false << "77"
        << "1" << e << "1" << QList<int>{22};

    e.clear();
    e.addKeyClick(Qt::Key_A, Qt::ControlModifier);
    e.addKeyClicks("5");
    QTest::newRow("Ctrl+A refused does not select all") << Handler::Digits << noLimit << false << ""
                                                        << "12" << e << "125" << QList<int>{1, '5'};

    e.clear();
    e.addKeyClick('.', Qt::AltModifier);
    QTest::newRow("Alt+point is filtered") << Handler::Digits << noLimit << false << ""
                                           << "1" << e << "1" << QList<int>{'.'};

    e.clear();
    e.append(new KeyWithText(Qt::Key_H, Qt::ControlModifier, QStringLiteral("\u200b")));
    e.append(new KeyWithText(Qt::Key_M, Qt::ControlModifier, QStringLiteral("\u202e")));
    QTest::newRow("Ctrl+H and Ctrl+M carrying format characters insert nothing")
        << Handler::Digits << noLimit << false << ""
        << "12" << e << "12" << QList<int>{0x200b, 0x202e};

    e.clear();
    e.addKeyClicks("ab");
    QTest::newRow("throwing handler refuses") << Handler::Throwing << noLimit << false << ""
                                              << "x" << e << "x" << QList<int>{'a', 'b'};
}

void tst_KeyCodes::hook() {
    QFETCH(Handler, handler);
    QFETCH(int, maxLength);
    QFETCH(bool, readOnly);
    QFETCH(QString, clipboard);
    QFETCH(QString, startText);
    QFETCH(QTestEventList, events);
    QFETCH(QString, expectedText);
    QFETCH(QList<int>, expectedCodes);

    if (!clipboard.isEmpty()) {
        QGuiApplication::clipboard()->setText(clipboard);
        if (QGuiApplication::clipboard()->text() != clipboard)
            QSKIP("this platform has no clipboard");
    }

    QLineEdit box;
    box.setMaxLength(maxLength);
    box.setText(startText);
    box.setReadOnly(readOnly);
    QList<int> seen;
    installKeyPressHandler(box, makeHandler(handler, seen));
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));

    events.simulate(&box);

    QCOMPARE(box.text(), expectedText);
    QCOMPARE(seen, expectedCodes);
}

void tst_KeyCodes::inputMethodCommit_data() {
    QTest::addColumn<Handler>("handler");
    QTest::addColumn<QString>("startText"); // the caret at its end
    QTest::addColumn<QString>("commit");
    QTest::addColumn<int>("replaceFrom"); // relative to the caret
    QTest::addColumn<int>("replaceLength");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QList<int>>("expectedCodes");

    // A commit that claims to replace text outside the box acts on what is
    // there: nothing is padded with blanks.
    QTest::newRow("commit beyond the end") << Handler::Digits << "5"
                                           << "5" << 3 << 0 << "55" << QList<int>{'5'};
    QTest::newRow("replacement running past the end") << Handler::Digits << "123"
                                                      << "9" << -1 << 5 << "129" << QList<int>{'9'};
    QTest::newRow("replacement wholly beyond the end") << Handler::Digits << "12"
                                                       << "" << 4 << 2 << "12" << QList<int>{};
    QTest::newRow("commit before the start") << Handler::Digits << "12"
                                             << "7" << -9 << 1 << "72" << QList<int>{'7'};

    QTest::newRow("composed e acute refused")
        << Handler::Letters << "" << QStringLiteral("\u00e9") << 0 << 0 << "" << QList<int>{0xe9};
    QTest::newRow("each character on its own")
        << Handler::Letters << ""
        << "a1b" << 0 << 0 << "AB" << QList<int>{'a', '1', 'b'};
    QTest::newRow("outside the BMP refused")
        << Handler::Digits << "" << QString::fromUcs4(U"\U0001F600", 1) << 0 << 0 << ""
        << QList<int>{0x1F600};
    QTest::newRow("accepted text inserted as committed")
        << Handler::PassAll << "" << QStringLiteral("\u00e9") << 0 << 0 << QStringLiteral("\u00e9")
        << QList<int>{0xe9};
}

void tst_KeyCodes::inputMethodCommit() {
    QFETCH(Handler, handler);
    QFETCH(QString, startText);
    QFETCH(QString, commit);
    QFETCH(int, replaceFrom);
    QFETCH(int, replaceLength);
    QFETCH(QString, expectedText);
    QFETCH(QList<int>, expectedCodes);

    QLineEdit box(startText);
    QList<int> seen;
    installKeyPressHandler(box, makeHandler(handler, seen));
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));

    QInputMethodEvent event;
    event.setCommitString(commit, replaceFrom, replaceLength);
    QCoreApplication::sendEvent(&box, &event);
    QCOMPARE(box.text(), expectedText);
    // The caret stays within the text, so what is typed next is not padded.
    QVERIFY(box.cursorPosition() <= box.text().size());
    QCOMPARE(seen, expectedCodes);
}

QTEST_MAIN(tst_KeyCodes)
#include "tst_keycodes.moc"
