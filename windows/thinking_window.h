// The small window that shows "Думаю ..." and a progress bar during long work.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace duel {

class Platform;

class ThinkingWindow : public QWidget {
public:
    ThinkingWindow();

    // The progress bar runs from 0 to `maximum` (at least 1) and starts at 0.
    void SetMaximum(int maximum);
    void SetProgress(int value);

    // Places the window 1500 twips right of and 1100 twips below the outer
    // top-left corner of `main`, or as near as keeps it whole on the screen.
    void Form_Load(const QWidget& main, Platform& platform);

protected:
    // The window manager's close is ignored: the window goes when its work
    // ends and its owner deletes it.
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* caption_ = nullptr;            // Метка1, "Думаю ..."
    QProgressBar* progressBar_ = nullptr;  // pgbThink
};

}  // namespace duel
