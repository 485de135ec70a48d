// The three kinds of message box the game shows, with their fixed titles, icons and buttons.
#pragma once

#include "platform/platform.h"
#include "platform/translation.h"

#include <QString>

namespace duel {

inline constexpr const char* kProductTitle = DUEL_MARK("platform", "Шелвы и злыки v 2.0");
inline constexpr const char* kProductName = DUEL_MARK("platform", "Шелвы и злыки");
inline constexpr const char* kErrorTitle = DUEL_MARK("platform", "Ошибка !!!");

// A notice or refusal: OK, the product's name as title, the information icon
// (the exclamation icon where a warning is meant).
inline void Notice(Platform& platform, QWidget* owner, const QString& text, MsgIcon icon = MsgIcon::Information) {
    platform.messageBox(owner, text, Tr("platform", kProductName), icon, MsgButtons::Ok);
}

// An invalid number: OK, the exclamation icon, the title "Ошибка !!!".
inline void ErrorBox(Platform& platform, QWidget* owner, const QString& text) {
    platform.messageBox(owner, text, Tr("platform", kErrorTitle), MsgIcon::Exclamation, MsgButtons::Ok);
}

// A question: Yes and No, no icon; true for Yes.
inline bool Question(Platform& platform, QWidget* owner, const QString& text) {
    return platform.messageBox(owner, text, Tr("platform", kProductName), MsgIcon::None, MsgButtons::YesNo) ==
           MsgAnswer::Yes;
}

// A question whose Yes destroys something: Yes and No, no icon, No the
// default button; true for Yes.
inline bool QuestionDefaultNo(Platform& platform, QWidget* owner, const QString& text) {
    return platform.messageBox(owner, text, Tr("platform", kProductName), MsgIcon::None, MsgButtons::YesNoDefaultNo) ==
           MsgAnswer::Yes;
}

// A question with a way back: Yes, No and Cancel, no icon.
inline MsgAnswer QuestionOrCancel(Platform& platform, QWidget* owner, const QString& text) {
    return platform.messageBox(owner, text, Tr("platform", kProductName), MsgIcon::None, MsgButtons::YesNoCancel);
}

}  // namespace duel
