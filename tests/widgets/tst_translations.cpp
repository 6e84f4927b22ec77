// SPDX-License-Identifier: GPL-3.0-or-later
// Which catalogue the desktop's languages pick, what gets installed, and
// what every shipped catalogue keeps of its English texts: numbers, the
// places of the arguments, the access keys, the zone rows' offsets.

#include "widgets/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace tenvari;

using MaybeLanguage = std::optional<QString>;
Q_DECLARE_METATYPE(MaybeLanguage)

namespace {

// The digit runs, argument markers and angle signs of a text, sorted (a
// translation may reorder them, not change them).
QStringList fixedParts(const QString& text) {
    static const QRegularExpression parts(QStringLiteral("%[0-9]|[0-9]+|\u00b0"));
    QStringList found;
    for (const QRegularExpressionMatch& match : parts.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// Access keys: "&x" marks one, "&&" is a plain ampersand.
int accessKeys(const QString& text) {
    static const QRegularExpression key(QStringLiteral("&[^&]"));
    QString single = text;
    single.remove(QStringLiteral("&&"));
    return int(single.count(key));
}

} // namespace

class tst_Translations : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void catalogueLanguage_data();
    void catalogueLanguage();
    void installs_data();
    void installs();
    void consoleNotesWithCatalogue();
    void catalogueKeepsFixedParts_data();
    void catalogueKeepsFixedParts();
};

void tst_Translations::cleanup() {
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

void tst_Translations::catalogueLanguage_data() {
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<MaybeLanguage>("picked");
    const QString hi = QStringLiteral("hi");
    const auto list = [](const char* names) { return QString::fromLatin1(names).split(u' '); };
    QTest::newRow("language") << list("hi") << MaybeLanguage(hi);
    QTest::newRow("language and country") << list("hi-IN hi") << MaybeLanguage(hi);
    QTest::newRow("country only as given") << list("hi-IN") << MaybeLanguage(hi);
    QTest::newRow("with the script") << list("hi-Deva-IN") << MaybeLanguage(hi);
    QTest::newRow("none for one, next has") << list("fr-FR fr hi") << MaybeLanguage(hi);
    QTest::newRow("English first") << list("en-GB hi") << MaybeLanguage();
    QTest::newRow("English variant first") << list("en-IN hi-IN") << MaybeLanguage();
    QTest::newRow("C first") << list("C hi") << MaybeLanguage();
    QTest::newRow("POSIX") << list("POSIX") << MaybeLanguage();
    QTest::newRow("no catalogue") << list("de-DE de") << MaybeLanguage();
    QTest::newRow("nothing asked") << QStringList() << MaybeLanguage();
    QTest::newRow("full name before language")
        << list("pt-BR") << MaybeLanguage(QStringLiteral("pt_BR"));
    QTest::newRow("language of a full name only") << list("pt-PT") << MaybeLanguage();
}

void tst_Translations::catalogueLanguage() {
    QFETCH(QStringList, wanted);
    QFETCH(MaybeLanguage, picked);
    const QStringList catalogues{QStringLiteral("hi"), QStringLiteral("pt_BR")};
    QCOMPARE(tenvari::catalogueLanguage(wanted, catalogues), picked);
}

void tst_Translations::installs_data() {
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<MaybeLanguage>("installed");
    QTest::addColumn<QString>("january");
    QTest::addColumn<QString>("yes");
    // The tests run in the C locale: the desktop's own languages then give
    // the English texts, untouched.
    const QString english = QStringLiteral("&Yes");
    QTest::newRow("this desktop (C)") << QLocale::system().uiLanguages() << MaybeLanguage()
                                      << QStringLiteral("January") << english;
    QTest::newRow("Hindi") << QStringList{QStringLiteral("hi-IN")}
                           << MaybeLanguage(QStringLiteral("hi"))
                           << QStringLiteral("\u091c\u0928\u0935\u0930\u0940")
                           << QStringLiteral("\u0939\u093e\u0901 (&Y)");
    QTest::newRow("English before Hindi")
        << QStringList{QStringLiteral("en-US"), QStringLiteral("hi")} << MaybeLanguage()
        << QStringLiteral("January") << english;
}

void tst_Translations::installs() {
    QFETCH(QStringList, wanted);
    QFETCH(MaybeLanguage, installed);
    QFETCH(QString, january);
    QFETCH(QString, yes);
    QCOMPARE(installTranslations(*QCoreApplication::instance(), wanted), installed);
    QCOMPARE(QCoreApplication::translate("tenvari::FrmMain", "January"), january);
    // A message box's button, Qt's own text.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
}

void tst_Translations::consoleNotesWithCatalogue() {
    QVERIFY(installTranslations(*QCoreApplication::instance(), {QStringLiteral("hi")}));
    // Qt's note on trying the Latin face for Devanagari is left out; any
    // other warning still comes through.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("OpenType")));
    qWarning("  OpenType support missing for \"DejaVu Sans\", script 11");
    QTest::ignoreMessage(QtWarningMsg, "a real problem");
    qWarning("a real problem");
}

void tst_Translations::catalogueKeepsFixedParts_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    const QDir folder(QStringLiteral(TENVARI_CATALOGUE_DIR));
    const QStringList catalogues = folder.entryList({QStringLiteral("*.ts")});
    QVERIFY(!catalogues.isEmpty());
    for (const QString& name : catalogues) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation"))
                QTest::addRow("%s: %s", qPrintable(name), qPrintable(source.left(40)))
                    << source << xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }
}

void tst_Translations::catalogueKeepsFixedParts() {
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QCOMPARE(fixedParts(translation), fixedParts(source));
    QCOMPARE(accessKeys(translation), accessKeys(source));
    // A zone row: the name is translated, the abbreviation and the offset
    // after the first comma are what the picker fills in.
    static const QRegularExpression zoneRow(
        QStringLiteral("^[^,]+(,\\s?[A-Z0-9]+,\\s?-?[0-9.]+#?)$"));
    const QRegularExpressionMatch row = zoneRow.match(source);
    if (row.hasMatch())
        QVERIFY2(translation.endsWith(row.captured(1)), qPrintable(translation));
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
