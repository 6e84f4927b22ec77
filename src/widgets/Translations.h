// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QCoreApplication;

namespace tenvari {

// The window program's translations. Its texts are written in English in
// the code; a catalogue per language (tenvari_<language>.qm, embedded
// under :/i18n) gives them in that language, and Qt's own catalogue
// (qtbase_<language>.qm from Qt's translations folder, else the few of its
// texts the windows show, embedded beside ours) the texts of Qt's dialogs
// and menus.

/*
 *  catalogueLanguage
 *
 *  Picks the catalogue for the languages the desktop asks for.
 *
 *  Given:
 *     uiLanguages  QStringList  the desktop's languages, most wanted first
 *                               (QLocale::uiLanguages(): "hi-IN", "hi", "C")
 *     catalogues   QStringList  the languages a catalogue exists for
 *                               ("hi", "pt_BR")
 *
 *  Returned (function value):
 *                  optional<QString>  the catalogue's language; none when
 *                               English comes first
 *
 *  Notes:
 *
 *  1) The languages are tried in order. "C", "POSIX" and every English
 *     variant end the search with none: English is the program's own, so a
 *     user who puts English before Hindi gets English.
 *
 *  2) A language matches its catalogue by its full name (dashes read as
 *     underscores, "pt-BR" as "pt_BR") or by its language alone ("hi-IN"
 *     as "hi"). A language without a catalogue is passed over.
 */
std::optional<QString> catalogueLanguage(const QStringList& uiLanguages,
                                         const QStringList& catalogues);

// The languages of the embedded catalogues ("hi"), sorted.
QStringList embeddedCatalogues();

// Installs the catalogue that catalogueLanguage picks for uiLanguages,
// and Qt's own catalogue of that language where the system has one, into
// the application (which owns them). Returns the language installed, none
// for English. A catalogue that does not load leaves the texts English.
// With a catalogue installed, Qt's console note on each script it first
// tries in the windows' Latin face is left out.
std::optional<QString> installTranslations(QCoreApplication& application,
                                           const QStringList& uiLanguages);

} // namespace tenvari
