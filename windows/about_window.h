// The about window фрмО_программе: the author, the location and two links.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace duel {

class HostWindow;
class Platform;

// A modal window opened from the "&Справка" menu.  The link labels turn red
// under the mouse and open the mail program or the browser through the
// platform.  Nothing here touches the game state: the window is not handed it.
class AboutWindow : public QDialog {
public:
    AboutWindow(Platform& platform, HostWindow& host);

    // Client area in twips.
    static constexpr int kWidthTwips = 5400;
    static constexpr int kHeightTwips = 2520;

    // The link targets.
    static QString MailTarget();
    static QString HomePageTarget();

    // Places the window against the main window's current frame and takes
    // its icon; run each time the window is shown.
    void Form_Load();

    // ---- hover colours ----
    void Form_MouseMove();
    void lblAdress_MouseMove();
    void lblHP_MouseMove();
    void lblMail_MouseMove();
    void lblHPAdress_MouseMove();
    void lblMailAdress_MouseMove();

    // ---- clicks ----
    void lblHPAdress_Click();
    void lblMailAdress_Click();
    void кнпОК_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    // Right edge on the main window's right edge, top 500 twips below its top.
    void SetLinkColours(bool homePageRed, bool mailRed);

    Platform& platform_;
    HostWindow& host_;

    // ---- controls ----
    QLabel* authorLabel_ = nullptr;      // lblFIO
    QLabel* locationLabel_ = nullptr;    // lblAdress
    QLabel* mailCaption_ = nullptr;      // lblMail
    QLabel* mailLink_ = nullptr;         // lblMailAdress
    QLabel* homePageCaption_ = nullptr;  // lblHP
    QLabel* homePageLink_ = nullptr;     // lblHPAdress
    QLabel* leftPicture_ = nullptr;      // изб1
    QLabel* rightPicture_ = nullptr;     // изб2
    QPushButton* okButton_ = nullptr;    // кнпОК
};

}  // namespace duel
