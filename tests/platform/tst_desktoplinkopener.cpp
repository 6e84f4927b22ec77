// SPDX-License-Identifier: GPL-3.0-or-later
// The real opener against a stand-in xdg-open placed first on PATH.
//
// QDesktopServices hands addresses to xdg-open only through a platform
// plugin with desktop services (xcb, wayland, vnc); the offscreen and
// minimal plugins have none. CMake runs this test on the VNC plugin, which
// needs no display. By hand: QT_QPA_PLATFORM=vnc:size=320x240:port=0, or
// xcb under xvfb-run.

#include "platform/DesktopLinkOpener.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace tenvari;

namespace {

constexpr qint64 kPromptMs = 1000; // open() must return well within this
constexpr int kLingerSeconds = 2;  // while the stand-in takes this long

} // namespace

class tst_DesktopLinkOpener : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void handsTheAddressOnOnceWithoutWaiting_data();
    void handsTheAddressOnOnceWithoutWaiting();
    void dropsWhatIsNotAWebAddress_data();
    void dropsWhatIsNotAWebAddress();

private:
    QStringList logLines() const;
    bool standInFinished() const { return logLines().contains(QStringLiteral("done")); }

    QTemporaryDir dir_;
    QString log_;
};

void tst_DesktopLinkOpener::initTestCase() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        QFAIL(qPrintable(QLatin1String("the ") + platform +
                         QLatin1String(" platform opens no web pages; run with "
                                       "QT_QPA_PLATFORM=vnc:size=320x240:port=0")));

    QVERIFY(dir_.isValid());
    log_ = dir_.filePath(QStringLiteral("opened.log"));
    const QString script = dir_.filePath(QStringLiteral("xdg-open"));
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // Notes each argument on a line of its own, lingers, then says it is done.
    file.write("#!/bin/sh\n"
               "for a in \"$@\"; do printf 'arg %s\\n' \"$a\"; done >> '" +
               log_.toLocal8Bit() +
               "'\n"
               "sleep \"${TENVARI_LINGER:-0}\"\n"
               "echo done >> '" +
               log_.toLocal8Bit() + "'\n");
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                QFileDevice::ExeOwner));

    // Qt looks xdg-open up once, at the first page opened; it must find ours.
    qputenv("PATH", QDir::toNativeSeparators(dir_.path()).toLocal8Bit() + ':' + qgetenv("PATH"));
}

void tst_DesktopLinkOpener::init() {
    QFile::remove(log_);
    qputenv("TENVARI_LINGER", "0");
}

QStringList tst_DesktopLinkOpener::logLines() const {
    QFile file(log_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void tst_DesktopLinkOpener::handsTheAddressOnOnceWithoutWaiting_data() {
    QTest::addColumn<QString>("address");
    QTest::newRow("page") << QStringLiteral("https://maker.example.com/software.html");
    QTest::newRow("site root over http") << QStringLiteral("http://tenvari.example.org/");
    QTest::newRow("encoded referral query")
        << QStringLiteral("https://maker.example.com/refer.html?taf1=ANN%20LEE&taf2=a%26b%3Dc"
                          "&taf3=x%40y.example&taf4=%22quoted%22%27");
    QTest::newRow("encoded non-ASCII")
        << QStringLiteral("https://maker.example.com/refer.html?taf1=JOS%C3%89");
}

void tst_DesktopLinkOpener::handsTheAddressOnOnceWithoutWaiting() {
    QFETCH(QString, address);
    qputenv("TENVARI_LINGER", QByteArray::number(kLingerSeconds));

    DesktopLinkOpener opener;
    QElapsedTimer clock;
    clock.start();
    opener.open(address);
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed < kPromptMs,
             qPrintable(QStringLiteral("open() took %1 ms; the stand-in lingers %2 s")
                            .arg(elapsed)
                            .arg(kLingerSeconds)));
    QVERIFY2(!standInFinished(), "open() waited for the opener to finish");

    QTRY_VERIFY_WITH_TIMEOUT(standInFinished(), (kLingerSeconds + 8) * 1000);
    // One call with one argument: the address as it was built, quotes and
    // percent-encodings intact.
    QCOMPARE(logLines(), (QStringList{QLatin1String("arg ") + address, QStringLiteral("done")}));
}

void tst_DesktopLinkOpener::dropsWhatIsNotAWebAddress_data() {
    QTest::addColumn<QString>("address");
    QTest::newRow("empty") << QString();
    QTest::newRow("local file") << QStringLiteral("file:///etc/hosts");
    QTest::newRow("relative path") << QStringLiteral("help.html");
    QTest::newRow("host without scheme") << QStringLiteral("maker.example.com/help.html");
    QTest::newRow("scheme without host") << QStringLiteral("https:///help.html");
    QTest::newRow("script") << QStringLiteral("javascript:alert(1)");
    QTest::newRow("mail") << QStringLiteral("mailto:someone@example.com");
    QTest::newRow("unencoded space") << QStringLiteral("https://maker.example.com/a b.html");
    QTest::newRow("option-like") << QStringLiteral("--help");
}

void tst_DesktopLinkOpener::dropsWhatIsNotAWebAddress() {
    QFETCH(QString, address);
    const QString sentinel = QStringLiteral("https://maker.example.com/sentinel.html");

    DesktopLinkOpener opener;
    opener.open(address);
    // A page opened afterwards finds its way; had the refused address been
    // handed on, it would have arrived first.
    opener.open(sentinel);
    QTRY_VERIFY_WITH_TIMEOUT(standInFinished(), 10000);
    QTest::qWait(100); // a refused call would have finished by now as well
    QCOMPARE(logLines(), (QStringList{QLatin1String("arg ") + sentinel, QStringLiteral("done")}));
}

QTEST_MAIN(tst_DesktopLinkOpener)
#include "tst_desktoplinkopener.moc"
