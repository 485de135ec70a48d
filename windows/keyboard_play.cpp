// Keys that play the game, caught for the main window and the keypad alone.
#include "windows/keyboard_play.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

#include <utility>

namespace duel {

bool ClickWhereTheMouseCould(QAbstractButton* button) {
    if (!button || button->isHidden() || !button->isEnabled()) return false;
    button->click();
    return true;
}

KeyboardPlay::KeyboardPlay(const QWidget& mainWindow, const QWidget& keypad, Presses presses)
    : main_(mainWindow), keypad_(keypad), presses_(std::move(presses)) {
    qApp->installEventFilter(this);
}

KeyboardPlay::~KeyboardPlay() { qApp->removeEventFilter(this); }

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    // Keys for a modal window, the help window or any other are not the game's.
    if (QApplication::activeModalWidget()) return false;
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    if (window != &main_ && window != &keypad_) return false;
    return KeyPress(*static_cast<QKeyEvent*>(event));
}

bool KeyboardPlay::KeyPress(const QKeyEvent& event) {
    if (event.isAutoRepeat()) return false;
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return presses_.digit && presses_.digit(key - Qt::Key_1 + 1);
    if (key == Qt::Key_Backspace) return presses_.cancel && presses_.cancel();
    // At most one move button is shown; with neither the key does nothing.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return presses_.move && presses_.move();
    return false;
}

}  // namespace duel
