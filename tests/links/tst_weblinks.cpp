// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/WebAddresses.h"
#include "links/WebLinks.h"
#include "support/FakeLinkOpener.h"

#include <QSet>
#include <QTest>
#include <QUrl>
#include <stdexcept>

using namespace tenvari;

namespace {

const QString kProduct = QString::fromLatin1(generated::kProductSite);
const QString kMaker = QString::fromLatin1(generated::kMakerSite);

} // namespace

class tst_WebLinks : public QObject {
    Q_OBJECT
private slots:
    void eachPageOpensOnceUnderItsSite_data();
    void eachPageOpensOnceUnderItsSite();
    void sevenDistinctAbsoluteWebAddresses();
    void openWebPageHandsTheAddressOnUnchanged_data();
    void openWebPageHandsTheAddressOnUnchanged();
    void referralPageIsTheMakersOwn();
};

void tst_WebLinks::eachPageOpensOnceUnderItsSite_data() {
    QTest::addColumn<WebPage>("page");
    QTest::addColumn<QString>("site");

    QTest::newRow("OnlineHelp") << WebPage::OnlineHelp << kProduct;
    QTest::newRow("Home") << WebPage::Home << kMaker;
    QTest::newRow("Download") << WebPage::Download << kProduct;
    QTest::newRow("Donate") << WebPage::Donate << kMaker;
    QTest::newRow("CoBrand") << WebPage::CoBrand << kMaker;
    QTest::newRow("FullBrand") << WebPage::FullBrand << kMaker;
    QTest::newRow("Products") << WebPage::Products << kMaker;
}

void tst_WebLinks::eachPageOpensOnceUnderItsSite() {
    QFETCH(WebPage, page);
    QFETCH(QString, site);

    test::FakeLinkOpener desktop;
    WebLinks links(desktop);
    links.open(page);

    QCOMPARE(desktop.opened, QStringList{WebLinks::address(page)});
    // Under its own site: the base followed by a path, not merely a text
    // that happens to start with the base ("https://maker.example.com.evil").
    QVERIFY2(desktop.opened.first().startsWith(site + QLatin1Char('/')),
             qPrintable(desktop.opened.first() + QLatin1String(" is not under ") + site));
}

void tst_WebLinks::sevenDistinctAbsoluteWebAddresses() {
    const QList<WebPage> pages{WebPage::OnlineHelp, WebPage::Home,    WebPage::Download,
                               WebPage::Donate,     WebPage::CoBrand, WebPage::FullBrand,
                               WebPage::Products};
    QSet<QString> distinct;
    for (WebPage page : pages) {
        const QString address = WebLinks::address(page);
        const QUrl url(address, QUrl::StrictMode);
        QVERIFY2(url.isValid(), qPrintable(address));
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QVERIFY2(!url.host().isEmpty(), qPrintable(address));
        // The program sends nothing with its pages.
        QVERIFY2(!url.hasQuery() && !url.hasFragment(), qPrintable(address));
        QCOMPARE(url.toString(QUrl::FullyEncoded), address);
        distinct.insert(address);
    }
    QCOMPARE(distinct.size(), 7);
}

void tst_WebLinks::openWebPageHandsTheAddressOnUnchanged_data() {
    QTest::addColumn<QString>("address");
    QTest::newRow("page") << QStringLiteral("https://maker.example.com/software.html");
    QTest::newRow("encoded query")
        << QStringLiteral("https://maker.example.com/refer.html?taf1=ANN%20LEE&taf2=a%26b%3Dc");
    QTest::newRow("empty") << QString();
}

void tst_WebLinks::openWebPageHandsTheAddressOnUnchanged() {
    QFETCH(QString, address);
    test::FakeLinkOpener desktop;
    WebLinks links(desktop);
    links.OpenWebPage(address);
    QCOMPARE(desktop.opened, QStringList{address});
}

void tst_WebLinks::referralPageIsTheMakersOwn() {
    const QString referral = WebLinks::referralPage();
    QVERIFY(referral.startsWith(kMaker + QLatin1Char('/')));
    QVERIFY(QUrl(referral, QUrl::StrictMode).isValid());
    QVERIFY(!QUrl(referral).hasQuery());
    QVERIFY(WebLinks::productSite().startsWith(kProduct + QLatin1Char('/')));
}

QTEST_APPLESS_MAIN(tst_WebLinks)
#include "tst_weblinks.moc"
