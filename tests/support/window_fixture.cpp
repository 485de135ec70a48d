// The window test fixture: one program per test, offscreen, scripted platform.
#include "tests/support/window_fixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

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
    session.reset();
}

void WindowTest::StartProgram() {
    if (window) {
        window->close();
        window.reset();
    }
    session = std::make_unique<Session>(platform);
    window = std::make_unique<MainWindow>(*session);
    window->Form_Load();
    FinishStartUp();
}

void WindowTest::FinishStartUp() {
    // The start-up steps queued for the event loop's first pass (the keypad, the tray icon, the removal of
    // leftovers), as the program's event loop runs them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
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

QPushButton* WindowTest::button(const QString& name) const { return find<QPushButton>(name); }

QLabel* WindowTest::label(const QString& name) const { return find<QLabel>(name); }

QTimer* WindowTest::timer(const QString& name) const { return find<QTimer>(name); }

bool WindowTest::hidden(const QString& name) const {
    const QWidget* widget = find(name);
    return !widget || widget->isHidden();
}

bool WindowTest::enabled(const QString& name) const {
    const QWidget* widget = find(name);
    return widget && widget->isEnabled();
}

QRadioButton* WindowTest::exactButton(int count) const {
    return find<QRadioButton>(count == 0 ? QStringLiteral("зн") : QStringLiteral("з%1").arg(count));
}

QRadioButton* WindowTest::partialButton(int count) const {
    return find<QRadioButton>(count == 0 ? QStringLiteral("шн") : QStringLiteral("ш%1").arg(count));
}

int WindowTest::selectedExact() const {
    for (int count = 0; count <= 4; ++count)
        if (exactButton(count)->isChecked()) return count;
    return -1;
}

int WindowTest::selectedPartial() const {
    for (int count = 0; count <= 4; ++count)
        if (partialButton(count)->isChecked()) return count;
    return -1;
}

QString WindowTest::hintPanel() const { return label(QStringLiteral("StatusBarPanel1"))->text(); }

QString WindowTest::clockPanel() const { return label(QStringLiteral("StatusBarPanel2"))->text(); }

bool WindowTest::isRed(const QString& labelName) const {
    return label(labelName)->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
}

double WindowTest::fontSize(const QString& labelName) const { return label(labelName)->font().pointSizeF(); }

QStringList WindowTest::historyLines() const {
    QStringList lines;
    const auto* list = find<QListWidget>(QStringLiteral("СписокЧШЗ"));
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

QString WindowTest::picturesText(const QString& stem) const {
    QString text;
    for (int i = 1; i <= 4; ++i) text += label(stem + QString::number(i))->accessibleName();
    return text;
}

bool WindowTest::picturesHidden(const QString& stem) const {
    for (int i = 1; i <= 4; ++i)
        if (!hidden(stem + QString::number(i))) return false;
    return true;
}

}  // namespace duel::testing
