// The chart of wins by tries drawn with QPainter in logical pixels: axes, marks, bars, their values and a legend.
#include "windows/wins_chart.h"

#include "journal/journal_texts.h"
#include "platform/translation.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace duel {

namespace {

// The chart's words, in the player's language (made when drawn: the translation is installed after
// the program's statics are made).
QString PlayerName() { return Tr("windows", "Вы"); }
QString ComputerName() { return Tr("windows", "Компьютер"); }
QString TriesAxis() { return Tr("windows", "Ходов до победы"); }
QString WinsAxis() { return Tr("windows", "Побед"); }

constexpr double kGap = 6;          // between texts and lines, logical pixels
constexpr double kSwatch = 10;      // the legend's colour squares
constexpr double kBarShare = 0.36;  // of a group's width, for each of its two bars

// A step between the marks of the value axis (1, 2, 5, 10, 20, ...) that
// gives at most five marks above zero.
int32_t MarkStep(int32_t most) {
    for (int32_t power = 1;; power *= 10) {
        for (const int32_t step : {power, 2 * power, 5 * power})
            if (most <= 5 * step) return step;
        if (power > 100'000'000) return 5 * power;
    }
}

}  // namespace

WinsChart::WinsChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chartWins"));
    setAccessibleName(Tr("windows", "Победы по числу ходов"));
    // Reached with Tab, so that a screen reader reads its description; the focus shows as a frame.
    setFocusPolicy(Qt::StrongFocus);
    SetStatistics({});
}

void WinsChart::SetStatistics(const JournalStatistics& statistics) {
    groups_ = GroupWinsByTries(statistics, kMaxGroups);
    setAccessibleDescription(QString::fromStdString(WinsByTriesText(groups_)));
    update();
}

QSize WinsChart::sizeHint() const {
    const QFontMetrics metrics(font());
    return {std::max(320, metrics.horizontalAdvance(QStringLiteral("0000")) * (kMaxGroups + 2)), 13 * metrics.height()};
}

QSize WinsChart::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(QStringLiteral("00")) * (kMaxGroups + 4), 8 * metrics.height()};
}

WinsChart::Layout WinsChart::LayOut() const {
    const QFontMetricsF metrics(font());
    Layout layout;
    int32_t most = 1;
    for (const TriesGroup& group : groups_) most = std::max({most, group.player, group.computer});
    layout.step = MarkStep(most);
    layout.top = (most + layout.step - 1) / layout.step * layout.step;

    const double left = metrics.horizontalAdvance(QString::number(layout.top)) + 2 * kGap;
    const double top = 2 * metrics.height() + kGap;         // the legend, the value axis' name, the top bar's value
    const double bottom = 2 * metrics.height() + 2 * kGap;  // the tries under the bars, the axis' name
    layout.plot = QRectF(left, top, std::max(1.0, width() - left - kGap), std::max(1.0, height() - top - bottom));
    const size_t count = std::max<size_t>(groups_.size(), 1);
    layout.groupWidth = layout.plot.width() / static_cast<double>(count);
    layout.barWidth = layout.groupWidth * kBarShare;
    return layout;
}

QRectF WinsChart::BarRect(const Layout& layout, size_t group, bool player) const {
    const TriesGroup& g = groups_[group];
    const double value = player ? g.player : g.computer;
    const double centre = layout.plot.left() + layout.groupWidth * (static_cast<double>(group) + 0.5);
    const double height = layout.plot.height() * value / layout.top;
    const double x = player ? centre - layout.barWidth - 1 : centre + 1;
    return {x, layout.plot.bottom() - height, layout.barWidth, height};
}

void WinsChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    const QFontMetricsF metrics(font());
    const QColor text = palette().color(QPalette::WindowText);
    QColor grid = text;
    grid.setAlphaF(0.18);
    const Layout layout = LayOut();
    const QRectF& plot = layout.plot;

    // The value axis: its name above, the marks and the grid lines.
    painter.setPen(text);
    painter.drawText(QPointF(kGap, metrics.ascent() + kGap / 2), WinsAxis());
    for (int32_t value = 0; value <= layout.top; value += layout.step) {
        const double y = plot.bottom() - plot.height() * value / layout.top;
        painter.setPen(grid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(text);
        const QString mark = QString::number(value);
        painter.drawText(QRectF(0, y - metrics.height() / 2, plot.left() - kGap, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, mark);
    }

    // The legend, right-aligned on the first line.
    double x = width() - kGap;
    for (const auto& [name, colour] :
         {std::pair{ComputerName(), kComputerColour}, std::pair{PlayerName(), kPlayerColour}}) {
        x -= metrics.horizontalAdvance(name);
        painter.setPen(text);
        painter.drawText(QPointF(x, metrics.ascent() + kGap / 2), name);
        x -= kSwatch + kGap / 2;
        painter.setPen(QPen(text, 1));
        painter.setBrush(colour);
        painter.drawRect(QRectF(x, kGap / 2 + (metrics.height() - kSwatch) / 2, kSwatch, kSwatch));
        painter.setBrush(Qt::NoBrush);
        x -= 2 * kGap;
    }

    // The bars with their values above them, the tries below.
    painter.setPen(text);
    const double below = plot.bottom() + kGap / 2;
    if (groups_.empty()) {
        painter.drawText(plot, Qt::AlignCenter, Tr("windows", "Побед пока нет"));
    }
    for (size_t i = 0; i < groups_.size(); ++i) {
        for (const bool player : {true, false}) {
            const QRectF bar = BarRect(layout, i, player);
            const int32_t value = player ? groups_[i].player : groups_[i].computer;
            if (value > 0) {
                painter.setPen(QPen(text, 0.8));
                painter.setBrush(player ? kPlayerColour : kComputerColour);
                painter.drawRect(bar);
                painter.setBrush(Qt::NoBrush);
            }
            const QString shown = QString::number(value);
            if (value > 0 && metrics.horizontalAdvance(shown) <= layout.barWidth + 2 * kGap) {
                painter.setPen(text);
                painter.drawText(QRectF(bar.center().x() - layout.groupWidth / 2, bar.top() - metrics.height(),
                                        layout.groupWidth, metrics.height()),
                                 Qt::AlignHCenter | Qt::AlignBottom, shown);
            }
        }
        painter.setPen(text);
        const double left = plot.left() + layout.groupWidth * static_cast<double>(i);
        painter.drawText(QRectF(left, below, layout.groupWidth, metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                         QString::fromStdString(TriesGroupLabel(groups_[i])));
    }
    painter.setPen(QPen(text, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawText(QRectF(plot.left(), below + metrics.height(), plot.width(), metrics.height() + kGap),
                     Qt::AlignHCenter | Qt::AlignVCenter, TriesAxis());
}

bool WinsChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const Layout layout = LayOut();
    for (size_t i = 0; i < groups_.size(); ++i) {
        for (const bool player : {true, false}) {
            QRectF area = BarRect(layout, i, player);
            area.setTop(layout.plot.top());  // a short bar answers over its whole column
            if (!area.contains(help->pos())) continue;
            const TriesGroup& group = groups_[i];
            const QString tries = QString::fromStdString(
                CountedText(group.tries, DUEL_TEXT_N("journal", "%n ходов"), "ход", "хода", "ходов"));
            const QString tip = Tr("windows", "%1, %2: %3")
                                    .arg(player ? PlayerName() : ComputerName(),
                                         group.andMore ? Tr("journal", "%1 и больше").arg(tries) : tries,
                                         QString::fromStdString(CountedText(player ? group.player : group.computer,
                                                                            DUEL_TEXT_N("journal", "%n побед"),
                                                                            "победа", "победы", "побед")));
            QToolTip::showText(help->globalPos(), tip, this);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

}  // namespace duel
