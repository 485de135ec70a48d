// The thinking window: a caption-less tool window with a label and a progress bar.
#include "windows/thinking_window.h"

#include "platform/on_screen.h"
#include "platform/plain_text.h"
#include "platform/translation.h"
#include "rules/twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace duel {

ThinkingWindow::ThinkingWindow() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("фрмЗагрузка"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* border = new QFrame(this);
    border->setFrameStyle(QFrame::Panel | QFrame::Raised);
    border->setLineWidth(2);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(border);

    caption_ = TextLabel(Tr("windows", "Думаю ..."), border);
    caption_->setObjectName(QStringLiteral("Метка1"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(12);
    caption_->setFont(font);
    caption_->setAlignment(Qt::AlignCenter);

    progressBar_ = new QProgressBar(border);
    progressBar_->setObjectName(QStringLiteral("pgbThink"));
    progressBar_->setTextVisible(false);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);

    auto* layout = new QVBoxLayout(border);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(caption_);
    layout->addWidget(progressBar_);
    setFixedSize(TwipsToPixels(2775), TwipsToPixels(900));
}

void ThinkingWindow::SetMaximum(int maximum) {
    progressBar_->setRange(0, std::max(maximum, 1));
    progressBar_->setValue(0);
}

void ThinkingWindow::SetProgress(int value) { progressBar_->setValue(value); }

void ThinkingWindow::Form_Load(const QWidget& main, Platform& platform) {
    const QPoint corner = main.frameGeometry().topLeft();
    MoveOntoScreen(*this, platform, {corner.x() + TwipsToPixels(1500), corner.y() + TwipsToPixels(1100)});
}

void ThinkingWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace duel
