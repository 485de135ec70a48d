// The picture viewer frmSee: the won picture, scrolled when larger than the screen, and saved on request.
#pragma once

#include "rules/player_text.h"
#include "storage/held_file.h"

#include <QDialog>
#include <QString>

#include <memory>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QTemporaryDir;

namespace duel {

class HostWindow;
class Platform;
struct GameState;

// Title of the save dialog and the text of its filter (which matches every file).
inline constexpr const char* kSaveDialogTitle = DUEL_MARK("windows", "Выберете файл для сохранения картинки");
inline constexpr const char* kSaveDialogFilter = DUEL_MARK("windows", "Все файлы (*)");

class PictureViewer : public QDialog {
public:
    // Shows the temporary picture `picture` of (beautySet, beautyPicture),
    // holding it while the viewer may show or save it, and removes it when
    // the viewer closes or is destroyed.  `privateFolder`, when given, holds
    // that file and goes with the viewer.
    PictureViewer(GameState& state, Platform& platform, HostWindow& host, HeldFile picture,
                  std::unique_ptr<QTemporaryDir> privateFolder = nullptr);
    ~PictureViewer() override;

    // ---- handlers ----
    // Loads the picture and lays the window out; false when the file is not a
    // picture that can be decoded (the viewer must not be shown then).
    bool Form_Load();
    void Form_Unload();  // removes the temporary file
    void VScroll_Change();
    void VScroll_Scroll() { VScroll_Change(); }
    void HScroll_Change();
    void cmdSave_Click();

    const QString& pictureFile() const { return pictureFile_; }

    void done(int result) override;

private:
    GameState& state_;
    Platform& platform_;
    HostWindow& host_;
    HeldFile heldPicture_;
    QString pictureFile_;  // its path
    std::unique_ptr<QTemporaryDir> privateFolder_;

    // ---- controls ----
    QFrame* pictureFrame_ = nullptr;          // Frame: the visible part of the picture
    QLabel* picture_ = nullptr;               // pctJpg
    QScrollBar* verticalScroll_ = nullptr;    // VScroll
    QScrollBar* horizontalScroll_ = nullptr;  // HScroll, only for a picture wider than the screen
    QPushButton* saveButton_ = nullptr;       // cmdSave
};

}  // namespace duel
