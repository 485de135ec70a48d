// The records window: the three best wins, the last results, and name entry for a new record.
#pragma once

#include "rules/record_name.h"

#include <QDialog>
#include <QLineEdit>
#include <QString>
#include <QValidator>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace duel {

class GameEvents;
class HostWindow;
class Platform;
struct GameState;

// `text` made storable in the settings file (rules/record_name.h); `pos`
// (a cursor), if given, is moved along.
QString StorableRecordName(const QString& text, int* pos = nullptr);

// Keeps a record name storable (StorableRecordName) while it is typed.  The
// field has no length limit of its own, so that pasted text is filtered
// before it is cut: four emoji and a name leave the name.
class RecordNameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// A name entry field that reports Enter instead of passing it on to the
// window, so Enter confirms the name and never closes the window.
class RecordNameField : public QLineEdit {
public:
    explicit RecordNameField(QWidget* parent);
    std::function<void()> onEnter;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class RecordsWindow : public QDialog {
public:
    // `host` gives the placement and the icon and redraws the main window once
    // the window has emptied the guess; the window reads `state` and changes
    // it through the records' steps, which report to `events`.
    RecordsWindow(GameState& state, GameEvents& events, Platform& platform, HostWindow& host);

    // ---- handlers ----
    void Form_Load();
    // Sets `cancel` while a name is awaited: the window then stays open.
    // While the program quits it closes all the same, and the name typed so
    // far takes the place.
    void Form_Unload(bool& cancel);
    void кнпОК_Click();
    void кнпСброс_Click();
    // Enter in the name field of place 1..3: the typed name takes the place.
    void тксП_KeyPress(int place);

    // Closing in any way (Esc, the close box, accept/reject) ends here.
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildPlaces();
    void BuildLastResults();
    void BuildButtons();
    void FillResults();
    void FillNames();

    GameState& state_;
    GameEvents& events_;
    Platform& platform_;
    HostWindow& host_;

    // ---- controls; rows 1..3 at index 0..2 ----
    QGroupBox* winnersFrame_ = nullptr;             // рмкПоб
    std::array<QLabel*, 3> nameLabels_{};           // мткП1..3
    std::array<RecordNameField*, 3> nameFields_{};  // тксП1..3, over the names
    std::array<QLabel*, 3> triesLabels_{};          // мткР1..3
    std::array<QLabel*, 3> numberLabels_{};         // мткЧ1..3
    std::array<QLabel*, 3> timeLabels_{};           // lblT1..3
    QGroupBox* lastResultsFrame_ = nullptr;         // рмкПосЛР
    QLabel* computerTriesLabel_ = nullptr;          // мткПЛРК
    QLabel* computerNumberLabel_ = nullptr;         // мткЧ4
    QLabel* computerTimeLabel_ = nullptr;           // lblT4
    QLabel* userTriesLabel_ = nullptr;              // мткПЛРВ
    QLabel* userNumberLabel_ = nullptr;             // мткЧ5
    QLabel* userTimeLabel_ = nullptr;               // lblT5
    QPushButton* resetButton_ = nullptr;            // кнпСброс
    QPushButton* okButton_ = nullptr;               // кнпОК
};

}  // namespace duel
