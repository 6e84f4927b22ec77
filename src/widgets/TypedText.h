// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tenvari {

/*
 *  trimmedText
 *
 *  How the program drops the blanks around what a user typed into a box.
 *
 *  Given:
 *     text    QString  any text
 *
 *  Returned (function value):
 *             QString  text without its leading and trailing blanks; only
 *                      U+0020 counts as a blank (tabs and other white space
 *                      stay); a text of blanks only gives the empty text
 */
QString trimmedText(const QString& text);

} // namespace tenvari
