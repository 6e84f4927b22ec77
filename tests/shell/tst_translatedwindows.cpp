// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in English, in Hindi and in a generated pseudo-language:
// each text fits the control that shows it (measured with the control's
// own font against its rectangle), and with the pseudo-translation
// installed no text shows that did not come through the catalogue.

#include "links/WebLinks.h"
#include "platform/AppInfo.h"
#include "reading/FrmMain.h"
#include "shell/ExitApplication.h"
#include "shell/FrmAbout.h"
#include "shell/FrmExitScreen.h"
#include "shell/UpdateReminder.h"
#include "support/FakeClock.h"
#include "support/FakeLinkOpener.h"
#include "support/FakeMessageService.h"
#include "support/FakeSettingsStore.h"
#include "timezones/FrmTimeZone.h"
#include "widgets/Translations.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>
#include <memory>

using namespace tenvari;
using namespace tenvari::test;

namespace {

struct ShownText {
    QString where;
    QString text;
};

QString nameOf(const QObject& object) {
    return object.objectName().isEmpty() ? QString::fromLatin1(object.metaObject()->className())
                                         : object.objectName();
}

void addText(QList<ShownText>& texts, const QObject& object, const char* what,
             const QString& text) {
    if (!text.isEmpty())
        texts.append({nameOf(object) + QLatin1Char(' ') + QLatin1String(what), text});
}

void addMenuTexts(QList<ShownText>& texts, const QList<QAction*>& actions) {
    for (const QAction* action : actions) {
        addText(texts, *action, "text", action->text());
        if (action->menu())
            addMenuTexts(texts, action->menu()->actions());
    }
}

// Every text of the window and its children: titles, captions, box texts,
// list entries, menus, tooltips, accessible names and descriptions.
QList<ShownText> shownTexts(QWidget& window) {
    QList<ShownText> texts;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (const QWidget* widget : widgets) {
        addText(texts, *widget, "windowTitle",
                widget->isWindow() ? widget->windowTitle() : QString());
        addText(texts, *widget, "toolTip", widget->toolTip());
        addText(texts, *widget, "accessibleName", widget->accessibleName());
        addText(texts, *widget, "accessibleDescription", widget->accessibleDescription());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            addText(texts, *widget, "text", label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            addText(texts, *widget, "text", button->text());
        if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
            addText(texts, *widget, "title", frame->title());
        if (const auto* box = qobject_cast<const QLineEdit*>(widget))
            addText(texts, *widget, "text", box->text());
        if (const auto* list = qobject_cast<const QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                addText(texts, *widget, "item", list->itemText(i));
        if (const auto* list = qobject_cast<const QListWidget*>(widget))
            for (int i = 0; i < list->count(); ++i)
                addText(texts, *widget, "item", list->item(i)->text());
        if (const auto* bar = qobject_cast<const QMenuBar*>(widget))
            addMenuTexts(texts, bar->actions());
    }
    return texts;
}

// Placed wholly outside its parent (or inside such a control): never seen.
bool outOfSight(const QWidget& widget) {
    for (const QWidget* w = &widget; !w->isWindow(); w = w->parentWidget())
        if (!w->parentWidget()->rect().intersects(w->geometry()))
            return true;
    return false;
}

QString withoutMnemonic(QString text) {
    static const QRegularExpression mnemonic(QStringLiteral("&(.)"));
    return text.replace(mnemonic, QStringLiteral("\\1"));
}

QString tooWide(const QWidget& widget, const QString& text, int needs, int has) {
    return QStringLiteral("%1: '%2' needs %3 px, has %4")
        .arg(nameOf(widget), text)
        .arg(needs)
        .arg(has);
}

// A caption sized to its text (widgets/Factories' caption()): it may grow,
// but not beyond its parent nor into another visible control.
QString captionRunsInto(const QLabel& label) {
    const QWidget& parent = *label.parentWidget();
    if (!parent.rect().contains(label.geometry()))
        return tooWide(label, label.text(), label.geometry().right() + 1, parent.width());
    for (const QWidget* sibling : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (sibling != &label && !sibling->isHidden() && !outOfSight(*sibling) &&
            sibling->geometry().intersects(label.geometry()))
            return QStringLiteral("%1: '%2' runs into %3")
                .arg(nameOf(label), label.text(), nameOf(*sibling));
    }
    return {};
}

QString overflow(const QWidget& widget) {
    const QFontMetrics metrics(widget.font());
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const QString text = label->text();
        const QRect room = label->contentsRect();
        if (text.isEmpty())
            return {};
        if (label->wordWrap()) {
            const QRect needed =
                metrics.boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, text);
            if (needed.height() > room.height() || needed.width() > room.width())
                return QStringLiteral("%1: '%2' needs %3x%4 px, has %5x%6")
                    .arg(nameOf(widget), text)
                    .arg(needed.width())
                    .arg(needed.height())
                    .arg(room.width())
                    .arg(room.height());
            return {};
        }
        if (label->size() == label->sizeHint())
            return captionRunsInto(*label);
        const int needs = metrics.horizontalAdvance(text);
        return needs > room.width() ? tooWide(widget, text, needs, room.width()) : QString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        // The text, and the margins of a push button or the indicator and
        // its spacing of an option or check box.
        const QStyle& style = *widget.style();
        int besides = 8;
        if (qobject_cast<const QRadioButton*>(&widget))
            besides = style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &widget) +
                      style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &widget);
        else if (qobject_cast<const QCheckBox*>(&widget))
            besides = style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &widget) +
                      style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &widget);
        const int needs = metrics.horizontalAdvance(withoutMnemonic(button->text())) + besides;
        return needs > button->width() ? tooWide(widget, button->text(), needs, button->width())
                                       : QString();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        const int needs = metrics.horizontalAdvance(frame->title()) + 16;
        return needs > frame->width() ? tooWide(widget, frame->title(), needs, frame->width())
                                      : QString();
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(&widget)) {
        const int needs = metrics.horizontalAdvance(box->text()) + 6;
        return needs > box->width() ? tooWide(widget, box->text(), needs, box->width()) : QString();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(&widget)) {
        // Each entry in the field beside the arrow.
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int has =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                .width();
        for (int i = 0; i < list->count(); ++i) {
            const int needs = metrics.horizontalAdvance(list->itemText(i));
            if (needs > has)
                return tooWide(widget, list->itemText(i), needs, has);
        }
        return {};
    }
    if (const auto* list = qobject_cast<const QListWidget*>(&widget)) {
        const int needs = list->sizeHintForColumn(0);
        const int has = list->viewport()->width();
        return needs > has ? tooWide(widget, QStringLiteral("widest entry"), needs, has)
                           : QString();
    }
    if (const auto* bar = qobject_cast<const QMenuBar*>(&widget)) {
        // Every title on the one row the window's height allows for.
        const QList<QAction*> actions = bar->actions();
        const int top = actions.isEmpty() ? 0 : bar->actionGeometry(actions.first()).top();
        for (QAction* action : actions) {
            const QRect place = bar->actionGeometry(action);
            if (place.top() != top || place.right() >= bar->width())
                return QStringLiteral("%1: '%2' does not fit the menu bar's row")
                    .arg(nameOf(widget), action->text());
        }
    }
    return {};
}

QStringList overflowingTexts(QWidget& window) {
    QStringList found;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        if (widget->isWindow() || widget->isHidden() || outOfSight(*widget))
            continue;
        const QString problem = overflow(*widget);
        if (!problem.isEmpty())
            found << problem;
    }
    return found;
}

// The texts of a catalogue: context and source of each entry.
QSet<QPair<QString, QString>> catalogueSources(const QString& path) {
    QSet<QPair<QString, QString>> sources;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sources;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            sources.insert({context, xml.readElementText()});
    }
    return sources;
}

// Gives each text of the catalogue bracketed and 40 % longer (its own
// letters and blanks repeated, so that it wraps like words), and nothing
// for any other text, which so shows as it is written in the code.
class PseudoTranslator final : public QTranslator {
public:
    explicit PseudoTranslator(QSet<QPair<QString, QString>> sources)
        : sources_(std::move(sources)) {}

    bool isEmpty() const override { return sources_.isEmpty(); }

    QString translate(const char* context, const char* sourceText, const char* = nullptr,
                      int = -1) const override {
        const QString source = QString::fromUtf8(sourceText);
        if (!sources_.contains({QString::fromUtf8(context), source}))
            return {};
        QString letters;
        for (const QChar c : source)
            if (c.isLetter() || c == u' ')
                letters += c;
        QString padding;
        const qsizetype extra = (source.size() * 4 + 9) / 10;
        for (qsizetype i = 0; i < extra && !letters.isEmpty(); ++i)
            padding += letters.at(i % letters.size());
        return QLatin1Char('[') + source + padding + QLatin1Char(']');
    }

private:
    QSet<QPair<QString, QString>> sources_;
};

QString cataloguePath(const char* language) {
    return QStringLiteral(TENVARI_CATALOGUE_DIR "/tenvari_%1.ts").arg(QLatin1String(language));
}

// The windows of the program, each shown as a user meets it: the main
// window after a reading and two refusals, the zone picker, the about
// box, the exit screen after a refused referral, the update reminder.
struct Tour {
    Tour() {
        links = std::make_unique<WebLinks>(opener);
        exitApplication = std::make_unique<ExitApplication>([](int) {});

        main = std::make_unique<FrmMain>(messages);
        main->show();
        QTest::keyClick(main->findChild<QLineEdit*>(QStringLiteral("txtName")), Qt::Key_1);
        main->findChild<QPushButton*>(QStringLiteral("cmdRashi"))->click();
        main->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("RAM"));
        main->findChild<QLineEdit*>(QStringLiteral("txtZoneHour"))->setText(QStringLiteral("5"));
        main->findChild<QLineEdit*>(QStringLiteral("txtZoneMinute"))->setText(QStringLiteral("30"));
        main->findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(7);
        main->findChild<QComboBox*>(QStringLiteral("cboDate"))->setCurrentIndex(14);
        main->findChild<QPushButton*>(QStringLiteral("cmdRashi"))->click();

        zoneHour = std::make_unique<QLineEdit>();
        zoneMinute = std::make_unique<QLineEdit>();
        picker = std::make_unique<FrmTimeZone>(*zoneHour, *zoneMinute);
        picker->show();
        about = std::make_unique<FrmAbout>(*links);
        about->show();
        exitScreen = new FrmExitScreen(messages, *links, clock, *exitApplication);
        exitScreen->show();
        exitScreen->findChild<QPushButton*>(QStringLiteral("cmdSubmit"))->click();

        settings.values.insert(FakeSettingsStore::key(QStringLiteral("tenvari"),
                                                      QLatin1String(kReminderSection),
                                                      QLatin1String(kReminderEntry)),
                               QStringLiteral("2000-01-01"));
        messages.scriptAnswer(MessageAnswer::No);
        ShowUpdateReminder(settings, clock, messages, *links, QStringLiteral("tenvari"));
    }
    ~Tour() { delete exitScreen; }

    QList<QWidget*> windows() const { return {main.get(), picker.get(), about.get(), exitScreen}; }

    FakeMessageService messages;
    FakeLinkOpener opener;
    FakeClock clock;
    FakeSettingsStore settings;
    std::unique_ptr<WebLinks> links;
    std::unique_ptr<ExitApplication> exitApplication;
    std::unique_ptr<FrmMain> main;
    std::unique_ptr<QLineEdit> zoneHour, zoneMinute;
    std::unique_ptr<FrmTimeZone> picker;
    std::unique_ptr<FrmAbout> about;
    FrmExitScreen* exitScreen = nullptr; // deletes itself on close
};

} // namespace

class tst_TranslatedWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void textsFit_data();
    void textsFit();
    void everyTextTranslated();

private:
    QList<QTranslator*> installed_;
};

void tst_TranslatedWindows::initTestCase() {
    // Without a Devanagari face the Hindi would be measured as empty boxes.
    QVERIFY2(!QFontDatabase::families(QFontDatabase::Devanagari).isEmpty(),
             "no Devanagari font (Debian: fonts-noto-core)");
}

void tst_TranslatedWindows::cleanup() {
    for (QTranslator* translator : std::as_const(installed_)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed_.clear();
}

void tst_TranslatedWindows::textsFit_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    for (const QString& language : embeddedCatalogues())
        QTest::newRow(qPrintable(language)) << language;
    QVERIFY(embeddedCatalogues().contains(QStringLiteral("hi")));
}

void tst_TranslatedWindows::textsFit() {
    QFETCH(QString, language);
    if (!language.isEmpty()) {
        auto* translator = new QTranslator;
        installed_ << translator;
        QVERIFY(translator->load(QStringLiteral(":/i18n/tenvari_") + language));
        QCoreApplication::installTranslator(translator);
    }
    const Tour tour;
    QStringList overflowing;
    for (QWidget* window : tour.windows())
        overflowing << overflowingTexts(*window);
    QVERIFY2(overflowing.isEmpty(), qPrintable(overflowing.join(QLatin1Char('\n'))));
}

void tst_TranslatedWindows::everyTextTranslated() {
    const QSet<QPair<QString, QString>> sources = catalogueSources(cataloguePath("hi"));
    QVERIFY(sources.size() > 100);
    auto* translator = new PseudoTranslator(sources);
    installed_ << translator;
    QCoreApplication::installTranslator(translator);

    const Tour tour;
    QList<ShownText> texts;
    for (QWidget* window : tour.windows())
        texts << shownTexts(*window);
    for (const FakeMessageService::Shown& shown : tour.messages.shown())
        texts.append({QStringLiteral("message box"), shown.text});
    QVERIFY(tour.messages.shown().size() >= 3);

    // What may show untranslated: the product's name and version, numbers
    // with their signs, and what the user typed.
    static const QRegularExpression bracketed(QStringLiteral("\\[[^\\[\\]]*\\]"));
    static const QRegularExpression numbers(QStringLiteral("^[-+0-9.,:\u00b0'\" \\r\\n]*$"));
    const QSet<QString> own{QString::fromLatin1(kWindowCaption), QStringLiteral("RAM")};
    // The place boxes (out of sight) start with a letter to stand for a place.
    const QSet<QString> placeBoxes{QStringLiteral("txtMCity text"),
                                   QStringLiteral("txtMState text"),
                                   QStringLiteral("txtMCountry text")};
    QStringList outside;
    for (const ShownText& shown : std::as_const(texts)) {
        if (own.contains(shown.text) || placeBoxes.contains(shown.where))
            continue;
        QString rest = shown.text;
        for (qsizetype before = -1; before != rest.size();) { // innermost first
            before = rest.size();
            rest.remove(bracketed);
        }
        if (!numbers.match(rest).hasMatch())
            outside << shown.where + QStringLiteral(": ") + shown.text;
    }
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QLatin1Char('\n'))));

    // Texts 40 % longer than today's: what would no longer fit. A finding
    // for whoever translates, not a failure.
    QStringList overflowing;
    for (QWidget* window : tour.windows())
        overflowing << overflowingTexts(*window);
    qInfo("%lld controls would not fit texts 40 %% longer:\n%s", qlonglong(overflowing.size()),
          qPrintable(overflowing.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_TranslatedWindows)
#include "tst_translatedwindows.moc"
