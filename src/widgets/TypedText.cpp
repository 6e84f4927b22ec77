// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/TypedText.h"

namespace tenvari {

QString trimmedText(const QString& text) {
    constexpr char16_t blank = u' ';
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == blank)
        ++first;
    while (last > first && text[last - 1] == blank)
        --last;
    return text.mid(first, last - first);
}

} // namespace tenvari
