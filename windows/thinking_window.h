// The small window that shows "Думаю ..." and a progress bar during long work.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace duel {

class ThinkingWindow : public QWidget {
public:
    ThinkingWindow();

    QLabel* Метка1 = nullptr;
    QProgressBar* pgbThink = nullptr;

    // Places the window 1500 twips right of and 1100 twips below the outer
    // top-left corner of `main`.
    void Form_Load(const QWidget& main);

protected:
    // The window manager's close is ignored: the window goes when its work
    // ends and its owner deletes it.
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace duel
