// AddDigit: appends the keypad's digit to the guess field and redraws the guess display.
#include "main_window/main_window.h"

#include <QLineEdit>
#include <QString>

namespace duel {

namespace {

constexpr int kGuessLength = 4;

// True when the character at 1-based `position` of `text` is the digit `code`.
// A position past the end or a character that is no decimal digit never matches.
bool DigitAt(const QString& text, qsizetype position, uint8_t code) {
    if (position < 1 || position > text.size()) return false;
    const QChar character = text.at(position - 1);
    return character >= QLatin1Char('0') && character <= QLatin1Char('9') && character.unicode() - u'0' == code;
}

}  // namespace

// Reads keyCode: 1..9 appends that digit, kRedrawOnly only redraws, 0 (and any
// value above kRedrawOnly, which no caller sets) does nothing.
//
// The guess display is drawn by ShowUserGuessPictures, right-aligned with
// zeros in front; a character other than 0..9, which can reach the field only
// past this procedure, is shown as the dash picture.
void MainWindow::AddDigit() {
    QLineEdit* field = тксВарМой;
    if (!field || !field->isEnabled()) return;
    if (field->text().size() >= kGuessLength) return;  // a fifth digit is ignored silently
    const uint8_t code = state().keyCode;
    if (code == 0 || code > kRedrawOnly) return;

    if (code != kRedrawOnly) field->setText(field->text() + QChar(u'0' + code));

    // Repeat check: the bound is fixed before the loop, while each test reads
    // the field as it is now, so a refusal shortens what later steps see.
    const qsizetype length = field->text().size();
    if (length >= 2) {
        for (qsizetype i = 1; i <= length - 1; ++i) {
            if (!DigitAt(field->text(), i, code)) continue;
            field->setText(field->text().chopped(1));
            Notice(platform(), this, QStringLiteral("Числа не должны повторяться !"));
        }
    }

    const QString text = field->text();
    const std::string shown = text.toStdString();
    if (shown == state().keypadShownText) return;
    state().keypadShownText = shown;
    ShowUserGuessPictures(text);
}

}  // namespace duel
