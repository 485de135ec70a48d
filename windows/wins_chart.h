// The bar chart of wins by the number of tries: the player's and the computer's bars side by side.
#pragma once

#include "journal/statistics.h"

#include <QColor>
#include <QRectF>
#include <QWidget>

#include <vector>

namespace duel {

class WinsChart : public QWidget {
public:
    // At most this many groups of bars; the last gathers the wins with more tries.
    static constexpr int kMaxGroups = 15;
    // Dark blue and light amber: told apart by their lightness too, not by hue alone.
    static inline const QColor kPlayerColour{31, 78, 156};
    static inline const QColor kComputerColour{242, 176, 64};

    explicit WinsChart(QWidget* parent = nullptr);

    // Shows the wins of both sides; a screen reader reads every bar's value
    // from the accessible description.
    void SetStatistics(const JournalStatistics& statistics);
    const std::vector<TriesGroup>& groups() const { return groups_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;  // a bar's tooltip

private:
    // Where the bars stand, in logical pixels, for painting and for tooltips.
    struct Layout {
        QRectF plot;  // inside the axes
        double groupWidth = 0;
        double barWidth = 0;
        int32_t top = 1;   // the value at the top of the plot
        int32_t step = 1;  // between the value axis' marks
    };
    Layout LayOut() const;
    QRectF BarRect(const Layout& layout, size_t group, bool player) const;

    std::vector<TriesGroup> groups_;
};

}  // namespace duel
