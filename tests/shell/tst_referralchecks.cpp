// SPDX-License-Identifier: GPL-3.0-or-later
// The referral form's checks without a window: the button's checks on the
// two addresses, then those before sending, in their order, with their
// exact messages; the address boxes' keystroke rule; and the referral
// address, every entry arriving exactly as entered. tst_referral runs a
// few of them through the real exit screen.

#include "shell/ReferralChecks.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using namespace tenvari;

namespace {

const ReferralRecord kValid{"Ann", "ann@example.org", "Have a look", "Bob", "bob@example.net"};
const QString kPage = QStringLiteral("https://maker.example.com/refer.html");
const QString kSite = QStringLiteral("https://tenvari.example.org/");

// The first refusal of a press of "Refer A Friend &Now", or "".
QString firstRefusal(const ReferralRecord& record) {
    return refusedAddresses(record).value_or(refusedEntries(record).value_or(QString()));
}

} // namespace

class tst_ReferralChecks : public QObject {
    Q_OBJECT
private slots:
    void checks_data();
    void checks();
    void spaceIsTheOnlyRefusedKey();
    void valuesArriveAsEntered_data();
    void valuesArriveAsEntered();
};

void tst_ReferralChecks::checks_data() {
    QTest::addColumn<QString>("field"); // the field changed from kValid
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message"); // empty: sent

    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    QTest::newRow("everything filled") << ""
                                       << ""
                                       << "";
    QTest::newRow("same address twice") << "email"
                                        << "bob@example.net" << distinct;
    QTest::newRow("addresses differing in case only") << "email"
                                                      << "BOB@example.net"
                                                      << "";
    QTest::newRow("user's address without @") << "email"
                                              << "ann.example.org" << proper;
    QTest::newRow("friend's address without @") << "friendEmail"
                                                << "bob.example" << proper;
    QTest::newRow("user's address without a dot") << "email"
                                                  << "ann@example" << proper;
    QTest::newRow("friend's address without a dot") << "friendEmail"
                                                    << "bob@net" << proper;
    QTest::newRow("friend's address at its prompt")
        << "friendEmail" << kFriendEmailPrompt << proper;
    QTest::newRow("name at its prompt")
        << "name" << kNamePrompt << QStringLiteral("Please Enter Your Name");
    QTest::newRow("name empty") << "name"
                                << "" << QStringLiteral("Please Enter Your Name");
    QTest::newRow("name as the prompt in small letters") << "name"
                                                         << "your name"
                                                         << "";
    QTest::newRow("message at its prompt")
        << "message" << kMessagePrompt << QStringLiteral("Please Enter Your Message");
    QTest::newRow("friend's name at its prompt")
        << "friendName" << kFriendNamePrompt << QStringLiteral("Please Enter Your Friend's Name");
    QTest::newRow("an address with a space is sent as it is") << "email"
                                                              << "ann @example.org"
                                                              << "";
}

void tst_ReferralChecks::checks() {
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    ReferralRecord record = kValid;
    QString* const fields[] = {&record.name, &record.email, &record.message, &record.friendName,
                               &record.friendEmail};
    const QStringList names{"name", "email", "message", "friendName", "friendEmail"};
    if (!field.isEmpty())
        *fields[names.indexOf(field)] = value;
    QCOMPARE(firstRefusal(record), message);
}

void tst_ReferralChecks::spaceIsTheOnlyRefusedKey() {
    QCOMPARE(refusedAddressKey(' ').value_or(QString()),
             QStringLiteral("Email Address Cannot Contain Space"));
    for (const int code : std::initializer_list<int>{8, 9, 'a', '@', '.', 160, 0x3000})
        QVERIFY2(!refusedAddressKey(code), qPrintable(QString::number(code)));
}

void tst_ReferralChecks::valuesArriveAsEntered_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("ampersand") << "Tom & Jerry";
    QTest::newRow("a forged key") << "x&taf6=https://elsewhere.example";
    QTest::newRow("plus, percent, hash, question mark") << "1+1=2 100% #1 ?";
    QTest::newRow("an encoded-looking text") << "%41%26";
    QTest::newRow("Japanese") << QStringLiteral("\u65e5\u672c");
}

void tst_ReferralChecks::valuesArriveAsEntered() {
    QFETCH(QString, value);
    const ReferralRecord record{value, "ann&co=1+x@example.org", value + " - a message", value,
                                "bob%20@example.net"};
    const QString address = ReferralAddress(record, kPage, kSite);
    // The real opener reads the address in strict mode: it must be valid
    // there and come out unchanged.
    const QUrl url(address, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QCOMPARE(url.toString(QUrl::FullyEncoded), address);
    QVERIFY(address.startsWith(kPage + QStringLiteral("?taf1=")));
    const QList<QPair<QString, QString>> expected{
        {"taf1", record.name},       {"taf2", record.email},       {"taf3", record.message},
        {"taf4", record.friendName}, {"taf5", record.friendEmail}, {"taf6", kSite}};
    QCOMPARE(QUrlQuery(url).queryItems(QUrl::FullyDecoded), expected);
}

QTEST_APPLESS_MAIN(tst_ReferralChecks)
#include "tst_referralchecks.moc"
