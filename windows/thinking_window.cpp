// The thinking window: a caption-less tool window with a label and a progress bar.
#include "windows/thinking_window.h"

#include "rules/twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

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

    Метка1 = new QLabel(QStringLiteral("Думаю ..."), border);
    Метка1->setObjectName(QStringLiteral("Метка1"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(12);
    Метка1->setFont(font);
    Метка1->setAlignment(Qt::AlignCenter);

    pgbThink = new QProgressBar(border);
    pgbThink->setObjectName(QStringLiteral("pgbThink"));
    pgbThink->setTextVisible(false);
    pgbThink->setRange(0, 100);
    pgbThink->setValue(0);

    auto* layout = new QVBoxLayout(border);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(Метка1);
    layout->addWidget(pgbThink);
    setFixedSize(TwipsToPixels(2775), TwipsToPixels(900));
}

void ThinkingWindow::Form_Load(const QWidget& main) {
    const QPoint corner = main.frameGeometry().topLeft();
    move(corner.x() + TwipsToPixels(1500), corner.y() + TwipsToPixels(1100));
}

void ThinkingWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace duel
