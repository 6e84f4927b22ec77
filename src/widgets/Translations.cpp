// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

namespace tenvari {

namespace {

constexpr char kCatalogueFolder[] = ":/i18n";
constexpr char kCataloguePrefix[] = "tenvari_";

// Loads `file` into a translator owned by the application and installs
// it; false (and nothing installed) when the file is missing or broken.
bool install(QCoreApplication& application, const QString& file, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

// Qt tries the windows' Latin face for a script before the face that has
// it, and notes each such try on the console ("OpenType support missing for
// "DejaVu Sans", script 11") although the text then shows in the right
// face. Only that note is dropped; every other message goes on as before.
QtMessageHandler passOn = nullptr;
bool filtering = false;

void withoutScriptFallbackNotes(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
    if (type == QtWarningMsg &&
        message.trimmed().startsWith(QLatin1String("OpenType support missing for")))
        return;
    if (passOn) {
        passOn(type, context, message);
        return;
    }
    std::fputs(qPrintable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')), stderr);
}

} // namespace

std::optional<QString> catalogueLanguage(const QStringList& uiLanguages,
                                         const QStringList& catalogues) {
    for (const QString& wanted : uiLanguages) {
        QString name = wanted;
        name.replace(u'-', u'_');
        if (name == QLatin1String("C") || name == QLatin1String("POSIX") || name.isEmpty())
            return std::nullopt;
        const QString language = name.section(u'_', 0, 0).toLower();
        if (language == QLatin1String("en"))
            return std::nullopt;
        if (catalogues.contains(name))
            return name;
        if (catalogues.contains(language))
            return language;
    }
    return std::nullopt;
}

QStringList embeddedCatalogues() {
    QStringList languages;
    const QDir folder(QString::fromLatin1(kCatalogueFolder));
    const QString prefix = QString::fromLatin1(kCataloguePrefix);
    // Matched by hand: a name filter would compile a regular expression,
    // which brings PCRE2 and its JIT into every start (some 0.4 MiB).
    const QString suffix = QStringLiteral(".qm");
    for (const QString& file : folder.entryList(QDir::Files)) {
        if (file.startsWith(prefix) && file.endsWith(suffix) &&
            file.size() > prefix.size() + suffix.size())
            languages << file.mid(prefix.size()).chopped(suffix.size());
    }
    languages.sort();
    return languages;
}

std::optional<QString> installTranslations(QCoreApplication& application,
                                           const QStringList& uiLanguages) {
    const std::optional<QString> language = catalogueLanguage(uiLanguages, embeddedCatalogues());
    if (!language)
        return std::nullopt;
    if (!install(application, QString::fromLatin1(kCataloguePrefix) + *language,
                 QString::fromLatin1(kCatalogueFolder)))
        return std::nullopt;
    if (!filtering) {
        filtering = true;
        passOn = qInstallMessageHandler(withoutScriptFallbackNotes);
    }
    // Qt's own texts (message box buttons, context menus): Debian ships
    // them for many languages but not all; for some of the others we carry
    // the few the windows show. Without either they stay English.
    const QString qtCatalogue = QStringLiteral("qtbase_") + *language;
    if (!install(application, qtCatalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        install(application, qtCatalogue, QString::fromLatin1(kCatalogueFolder));
    return language;
}

} // namespace tenvari
