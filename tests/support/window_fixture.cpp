// The window test fixture: one program per test, offscreen, scripted platform.
#include "tests/support/window_fixture.h"

#include <QLabel>
#include <QListWidget>

namespace duel::testing {

void WindowTest::SetUp() {
    ASSERT_TRUE(folder.isValid());
    platform.folder = folder.path();
    platform.configFolder = configFolder.path() + QStringLiteral("/config");
    StartProgram();
}

void WindowTest::TearDown() {
    if (window) {
        window->close();
        window.reset();
    }
    for (QWidget* top : QApplication::topLevelWidgets()) delete top;
}

void WindowTest::StartProgram() {
    if (window) {
        window->close();
        window.reset();
    }
    window = std::make_unique<MainWindow>(state, platform);
    window->Form_Load();
}

void WindowTest::StartGame(const QString& number, double secretFraction) {
    platform.fractions.push_back(secretFraction);
    if (number.isEmpty()) {
        platform.inputs.push_back(QString());
        platform.answers.push_back(MsgAnswer::Yes);
    } else {
        platform.inputs.push_back(number);
    }
    window->mnuGameNew_Click();
}

QStringList WindowTest::historyLines() const {
    QStringList lines;
    for (int i = 0; i < window->СписокЧШЗ->count(); ++i) lines << window->СписокЧШЗ->item(i)->text();
    return lines;
}

QString WindowTest::picturesText(const std::array<QLabel*, 4>& pictures) {
    QString text;
    for (QLabel* picture : pictures) text += picture->accessibleName();
    return text;
}

}  // namespace duel::testing
