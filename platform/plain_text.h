// Text on the screen is shown as written: no label, tooltip or box of the game reads markup.
//
// Qt reads a label's or tooltip's text as HTML when it merely looks like HTML; a peer's name
// "<img src=/dev/zero>" would then be loaded as a picture (reading that file without end) and
// "<h1>Зло</h1>" drawn as a heading.  Text from outside the program (a peer's name and address,
// a name found by discovery, a typed name, a file name, the journal's contents) can be anything,
// and the game's own texts need no markup: so every label of the game is made with TextLabel or
// passed through MakePlain, and every tooltip whose text is not the game's own through
// PlainToolTip.  tests/windows/plain_text_test.cpp walks every label of every window.
#pragma once

#include <QLabel>
#include <QString>
#include <QTextDocument>

namespace duel {

// `label` shows its text as written, from now on.
inline QLabel* MakePlain(QLabel* label) {
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A label for text, showing it as written.
inline QLabel* TextLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    MakePlain(label);
    label->setText(text);
    return label;
}

// A tooltip that shows `text` as written: Qt has no plain tooltips, so the text is escaped into
// markup that reads exactly as the text, its spaces and line ends kept.
inline QString PlainToolTip(const QString& text) {
    return text.isEmpty() ? QString() : Qt::convertFromPlainText(text, Qt::WhiteSpacePre);
}

}  // namespace duel
