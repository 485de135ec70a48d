// The menu "&Дополнительно": the gallery's items with the prize window, the download offer, the player's choices.
#include "main_window/extras_menu.h"

#include "deployment.h"
#include "gallery/data_folders.h"
#include "gallery/gallery_sets.h"
#include "gallery/line_of_wins.h"
#include "platform/dialogs.h"
#include "platform/translation.h"
#include "platform/utf8_text.h"
#include "session/session.h"
#include "windows/host_window.h"
#include "windows/prize_window.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

#include <filesystem>
#include <utility>
#include <vector>

namespace duel {

namespace {

// The gallery menu: "&Нету", then the five picture sets in menu order.
constexpr std::array<std::pair<const char*, const char*>, 6> kBeautyItems = {{
    {"mnuAddBeautyNot", DUEL_MARK("main_window", "&Нету")},
    {"mnuAddBeautyTessaQuorin", DUEL_MARK("main_window", "&Тесса Куорин")},
    {"mnuAddBeautyMarlaVentobrix", DUEL_MARK("main_window", "&Марла Вентобрикс")},
    {"mnuAddBeautyDoriaFelstrand", DUEL_MARK("main_window", "&Дориа Фелстранд")},
    {"mnuAddBeautyLunaPressvick", DUEL_MARK("main_window", "&Луна Прессвик")},
    {"mnuAddBeautyNinaCorveld", DUEL_MARK("main_window", "&Нина Корвельд")},
}};

}  // namespace

ExtrasMenu::ExtrasMenu(Session& session, HostWindow& host, QWidget* parent)
    : QMenu(Tr("main_window", "&Дополнительно"), parent), session_(session), host_(host) {
    setObjectName(QStringLiteral("mnuAdd"));
    connect(this, &QMenu::aboutToShow, this, [this] { mnuAdd_Click(); });

    QMenu* gallery = addMenu(Tr("main_window", "К&расотка"));
    gallery->setObjectName(QStringLiteral("mnuAddBeauty"));
    using ItemHandler = void (ExtrasMenu::*)();
    const std::array<ItemHandler, 6> itemHandlers{&ExtrasMenu::mnuAddBeautyNot_Click,
                                                  &ExtrasMenu::mnuAddBeautyTessaQuorin_Click,
                                                  &ExtrasMenu::mnuAddBeautyMarlaVentobrix_Click,
                                                  &ExtrasMenu::mnuAddBeautyDoriaFelstrand_Click,
                                                  &ExtrasMenu::mnuAddBeautyLunaPressvick_Click,
                                                  &ExtrasMenu::mnuAddBeautyNinaCorveld_Click};
    for (size_t i = 0; i < kBeautyItems.size(); ++i)
        galleryItems_[i] = CheckItem(gallery, kBeautyItems[i].second, kBeautyItems[i].first, itemHandlers[i]);

    addSeparator()->setObjectName(QStringLiteral("mnuAddProbel"));
    hintItem_ = CheckItem(this, DUEL_MARK("main_window", "&Подсказка"), "mnuAddHint", &ExtrasMenu::mnuAddHint_Click);
    strongItem_ =
        CheckItem(this, DUEL_MARK("main_window", "&Сильный соперник"), "mnuAddStrong", &ExtrasMenu::mnuAddStrong_Click);
}

QAction* ExtrasMenu::CheckItem(QMenu* menu, const char* caption, const char* name, void (ExtrasMenu::*handler)()) {
    QAction* item = menu->addAction(Tr("main_window", caption));
    item->setObjectName(QString::fromUtf8(name));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, item, handler] {
        item->setChecked(!item->isChecked());
        (this->*handler)();
    });
    return item;
}

void ExtrasMenu::Draw() {
    const GameState& state = session_.state();
    for (size_t i = 0; i < galleryItems_.size(); ++i)
        galleryItems_[i]->setChecked(static_cast<int>(i) + 1 == state.galleryItem);
    hintItem_->setChecked(state.hintChosen);
    strongItem_->setChecked(state.strongChosen);
}

// ---- the gallery ---------------------------------------------------------------

void ExtrasMenu::mnuAdd_Click() {
    std::vector<std::filesystem::path> folders;
    for (const QString& folder : session_.platform().dataFolders())
        if (!folder.isEmpty()) folders.emplace_back(folder.toStdString());
    bool someMissing = false;
    for (size_t i = 1; i < galleryItems_.size(); ++i) {
        const bool present = FindSetFolder(folders, GalleryItems()[i].stem).has_value();
        galleryItems_[i]->setEnabled(present);  // a checked set keeps its mark
        someMissing = someMissing || !present;
    }
    // The question waits until the menu is on the screen: no modal box from
    // inside a menu that is still opening.
    if (TakeDownloadOffer(session_.state(), someMissing)) QTimer::singleShot(0, this, [this] { AskForMissingSets(); });
}

void ExtrasMenu::AskForMissingSets() {
    // A modal box under an open menu would fight it for the mouse.
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    Platform& platform = session_.platform();
    if (Question(platform, host_.ownerWidget(), Tr("gallery", kDownloadOfferText.data())))
        platform.openAddress(QStringLiteral("http://") + QString::fromUtf8(DUEL_HOME_HOST));
}

void ExtrasMenu::GalleryItem_Click(int item) {
    GameState& state = session_.state();
    Platform& platform = session_.platform();
    const ChoiceFollowUp next = ChooseGalleryItem(state, item);
    host_.Refresh();
    if (next == ChoiceFollowUp::Nothing) return;
    if (next == ChoiceFollowUp::PrizeWindow) {
        PrizeWindow prize(state, platform, host_);
        prize.Form_Load();
        platform.showModal(prize);  // its closing runs the line-switch confirmation
    } else {
        bool yes = false;
        if (LineSwitchAsks(state))
            yes = Question(platform, host_.ownerWidget(), QString::fromStdString(LineSwitchQuestion(state)));
        FinishLineSwitch(state, 0, yes);
    }
    host_.Refresh();
}

void ExtrasMenu::mnuAddBeautyNot_Click() { GalleryItem_Click(1); }
void ExtrasMenu::mnuAddBeautyTessaQuorin_Click() { GalleryItem_Click(2); }
void ExtrasMenu::mnuAddBeautyMarlaVentobrix_Click() { GalleryItem_Click(3); }
void ExtrasMenu::mnuAddBeautyDoriaFelstrand_Click() { GalleryItem_Click(4); }
void ExtrasMenu::mnuAddBeautyLunaPressvick_Click() { GalleryItem_Click(5); }
void ExtrasMenu::mnuAddBeautyNinaCorveld_Click() { GalleryItem_Click(6); }

// ---- the player's own choices ---------------------------------------------------

// The hint appears or goes at once; the game goes on as it was.
void ExtrasMenu::mnuAddHint_Click() {
    session_.ToggleHint();
    host_.Refresh();
}

// The game that runs keeps the opponent it began with; the next one takes the choice.
void ExtrasMenu::mnuAddStrong_Click() {
    session_.ToggleStrongOpponent();
    host_.Refresh();
}

}  // namespace duel
