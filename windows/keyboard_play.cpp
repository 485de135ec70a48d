// Keys that play the game, caught for the main window and the keypad alone.
#include "windows/keyboard_play.h"

#include "windows/keypad_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace duel {

namespace {

// A click where the mouse could make one.
bool ClickIfShown(QPushButton* button) {
    if (!button || button->isHidden() || !button->isEnabled()) return false;
    button->click();
    return true;
}

}  // namespace

KeyboardPlay::KeyboardPlay(QWidget& mainWindow, KeypadWindow& keypad, QPushButton* userMove, QPushButton* computerMove)
    : main_(mainWindow), keypad_(keypad), userMove_(userMove), computerMove_(computerMove) {
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
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return ClickIfShown(keypad_.кнп[static_cast<size_t>(key - Qt::Key_1)]);
    if (key == Qt::Key_Backspace) return ClickIfShown(keypad_.кнпОтмена);
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // At most one of the two is shown; with neither the key does nothing.
        return ClickIfShown(userMove_) || ClickIfShown(computerMove_);
    }
    return false;
}

}  // namespace duel
