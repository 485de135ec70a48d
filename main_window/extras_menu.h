// The main window's menu "&Дополнительно": the gallery's sets, the hint and the stronger opponent.
#pragma once

#include <QMenu>

#include <array>

class QAction;

namespace duel {

class HostWindow;
class Session;

// Opening the menu checks the set files and greys the sets that are missing;
// the first time some are missing it offers to fetch them.  Every check mark
// is drawn from the game state (Draw), so the toggle Qt makes on a click is
// taken back before the item's handler decides.
class ExtrasMenu : public QMenu {
public:
    ExtrasMenu(Session& session, HostWindow& host, QWidget* parent);

    // The check marks as the game state has them.
    void Draw();

    void mnuAdd_Click();  // the menu opens: missing sets grey
    void mnuAddBeautyNot_Click();
    void mnuAddBeautyTessaQuorin_Click();
    void mnuAddBeautyMarlaVentobrix_Click();
    void mnuAddBeautyDoriaFelstrand_Click();
    void mnuAddBeautyLunaPressvick_Click();
    void mnuAddBeautyNinaCorveld_Click();
    void mnuAddHint_Click();    // the hint in status panel 1
    void mnuAddStrong_Click();  // the stronger opponent from the next game on

private:
    QAction* CheckItem(QMenu* menu, const char* caption, const char* name, void (ExtrasMenu::*handler)());
    void AskForMissingSets();          // the once-per-run download question
    void GalleryItem_Click(int item);  // one body for the six item handlers

    Session& session_;
    HostWindow& host_;
    std::array<QAction*, 6> galleryItems_{};  // mnuAddBeautyNot, then the five sets
    QAction* hintItem_ = nullptr;             // mnuAddHint
    QAction* strongItem_ = nullptr;           // mnuAddStrong
};

}  // namespace duel
