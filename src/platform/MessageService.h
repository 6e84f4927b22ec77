// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaType>
#include <QString>

namespace tenvari {

enum class MessageIcon { Stop, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// A modal message box titled with the application's title: the text, an
// icon, and OK or Yes/No. Returns when the user has closed it.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const QString& text, MessageIcon icon,
                               MessageButtons buttons = MessageButtons::Ok) = 0;
};

} // namespace tenvari

Q_DECLARE_METATYPE(tenvari::MessageAnswer)
