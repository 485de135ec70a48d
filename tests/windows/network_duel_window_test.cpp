// The window "Дуэль по сети": its controls, discovery started only for joining, the list filling the fields, the
// checks.
#include "windows/network_duel_window.h"

#include "network/game_finder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <set>

namespace duel::testing {
namespace {

// Discovery as the test says: available or not, and the games it has found.
class ScriptedFinder : public net::GameFinder {
public:
    bool available() const override { return available_; }
    std::vector<net::FoundGame> games() const override { return games_; }
    void Report(bool available, std::vector<net::FoundGame> games) {
        available_ = available;
        games_ = std::move(games);
        Changed();
    }

private:
    bool available_ = true;
    std::vector<net::FoundGame> games_;
};

class NetworkDuelWindowTest : public ::testing::Test {
protected:
    NetworkDuelWindow& Open(const std::string& lastName = "Алиса") {
        window = std::make_unique<NetworkDuelWindow>(lastName, [this] {
            ++browsersStarted;
            auto made = std::make_unique<ScriptedFinder>();
            finder = made.get();
            finder->Report(finderAvailable, {});
            return made;
        });
        window->show();
        return *window;
    }
    template <typename T>
    T* control(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void Type(const char* field, const QString& text) { control<QLineEdit>(field)->setText(text); }
    QString Problem() const {
        QLabel* problem = control<QLabel>("lblProblem");
        return problem->isVisible() ? problem->text() : QString();
    }

    std::unique_ptr<NetworkDuelWindow> window;
    ScriptedFinder* finder = nullptr;
    bool finderAvailable = true;
    int browsersStarted = 0;
};

TEST_F(NetworkDuelWindowTest, OffersHostingFirstAndBrowsesOnlyWhenJoining) {
    NetworkDuelWindow& duel = Open();
    EXPECT_EQ(duel.objectName(), QStringLiteral("frmNetworkDuel"));
    EXPECT_EQ(duel.windowTitle(), QStringLiteral("Дуэль по сети"));
    EXPECT_TRUE(control<QRadioButton>("optHost")->isChecked());
    EXPECT_EQ(control<QLineEdit>("txtName")->text(), QStringLiteral("Алиса"));
    EXPECT_EQ(control<QLineEdit>("txtPort")->text(), QStringLiteral("24747"));
    EXPECT_FALSE(control<QLineEdit>("txtAddress")->isEnabled());
    EXPECT_FALSE(control<QListWidget>("lstGames")->isEnabled());
    EXPECT_EQ(browsersStarted, 0) << "nothing of Avahi before the player chooses to join";

    control<QRadioButton>("optJoin")->click();
    EXPECT_TRUE(control<QLineEdit>("txtAddress")->isEnabled());
    EXPECT_TRUE(control<QListWidget>("lstGames")->isEnabled());
    control<QRadioButton>("optHost")->click();
    control<QRadioButton>("optJoin")->click();
    EXPECT_EQ(browsersStarted, 1);

    // Games come and go as discovery reports them; choosing one fills the address and the port.
    finder->Report(true, {{"Борис", "192.168.1.7", 24747}, {"Вера", "fe80::1%eth0", 5000}});
    QListWidget* games = control<QListWidget>("lstGames");
    ASSERT_EQ(games->count(), 2);
    EXPECT_EQ(games->item(1)->text(), QStringLiteral("Вера — [fe80::1%eth0]:5000"));
    games->setCurrentRow(1);
    EXPECT_EQ(control<QLineEdit>("txtAddress")->text(), QStringLiteral("fe80::1%eth0"));
    EXPECT_EQ(control<QLineEdit>("txtPort")->text(), QStringLiteral("5000"));
    finder->Report(true, {{"Борис", "192.168.1.7", 24747}});
    EXPECT_EQ(games->count(), 1);

    control<QPushButton>("cmdStart")->click();
    ASSERT_TRUE(duel.choice());
    EXPECT_EQ(*duel.choice(), (NetworkDuelChoice{NetworkDuelChoice::Mode::Join, "Алиса", "fe80::1%eth0", 5000}));
    EXPECT_EQ(duel.result(), QDialog::Accepted);
}

TEST_F(NetworkDuelWindowTest, SaysWhenNoAvahiDaemonAnswersAndTypingStillWorks) {
    finderAvailable = false;
    NetworkDuelWindow& duel = Open();
    control<QRadioButton>("optJoin")->click();
    EXPECT_EQ(control<QLabel>("lblDiscovery")->text(), QStringLiteral("Поиск игр в сети недоступен: введите адрес."));
    EXPECT_EQ(control<QListWidget>("lstGames")->count(), 0);
    Type("txtAddress", QStringLiteral("  [::1] "));
    control<QPushButton>("cmdStart")->click();
    ASSERT_TRUE(duel.choice());
    EXPECT_EQ(duel.choice()->address, "::1");
    EXPECT_EQ(duel.choice()->port, 24747);
}

TEST_F(NetworkDuelWindowTest, ChecksWhatIsTypedAndStaysOpenUntilItIsRight) {
    struct Case {
        bool joining;
        QString name, address, port;
        const char* problem;
    };
    const Case cases[] = {
        {false, QString(), QString(), QStringLiteral("24747"), "Введите имя."},
        {false, QStringLiteral("abcdefghijklmnopqrstu"), QString(), QStringLiteral("24747"),
         "Имя должно быть не длиннее 20 знаков."},
        {false, QStringLiteral("Ева\u202Eавe"), QString(), QStringLiteral("24747"), "В имени есть недопустимые знаки."},
        {false, QStringLiteral("Ева"), QString(), QStringLiteral("0"), "Порт должен быть числом от 1 до 65535."},
        {false, QStringLiteral("Ева"), QString(), QStringLiteral("65536"), "Порт должен быть числом от 1 до 65535."},
        {true, QStringLiteral("Ева"), QString(), QStringLiteral("24747"), "Введите адрес соперника."},
        {true, QStringLiteral("Ева"), QStringLiteral("a b"), QStringLiteral("24747"),
         "Адрес — это имя компьютера или адрес IP, например 192.168.1.5."},
    };
    for (const Case& c : cases) {
        NetworkDuelWindow& duel = Open();
        if (c.joining) control<QRadioButton>("optJoin")->click();
        Type("txtName", c.name);
        Type("txtAddress", c.address);
        Type("txtPort", c.port);
        control<QPushButton>("cmdStart")->click();
        EXPECT_EQ(Problem().toStdString(), c.problem);
        EXPECT_FALSE(duel.choice());
        EXPECT_TRUE(duel.isVisible()) << c.problem;
    }
    // Spaces around a typed name are no part of it; hosting ignores the address.
    NetworkDuelWindow& duel = Open();
    Type("txtName", QStringLiteral("  Ева Браун "));
    Type("txtPort", QStringLiteral("5001"));
    control<QPushButton>("cmdStart")->click();
    ASSERT_TRUE(duel.choice());
    EXPECT_EQ(*duel.choice(), (NetworkDuelChoice{NetworkDuelChoice::Mode::Host, "Ева Браун", "", 5001}));
}

TEST_F(NetworkDuelWindowTest, EscapeCancelsAndTheKeysReachEveryControlOnce) {
    NetworkDuelWindow& duel = Open();
    // Every accelerator letter is used once.
    std::multiset<QChar> letters;
    for (QWidget* widget : duel.findChildren<QWidget*>()) {
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
        if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
        const qsizetype at = text.indexOf(u'&');
        if (at >= 0 && at + 1 < text.size()) letters.insert(text[at + 1].toLower());
    }
    EXPECT_EQ(letters.size(), 7u);
    for (QChar letter : letters) EXPECT_EQ(letters.count(letter), 1u) << QString(letter).toStdString();

    // Tab walks the controls top to bottom and comes back round.
    std::vector<std::string> chain;
    QWidget* at = control<QRadioButton>("optHost");
    do {
        chain.push_back(at->objectName().toStdString());
        at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus || !at->isEnabled() || at->objectName().isEmpty())
            at = at->nextInFocusChain();
    } while (at != control<QRadioButton>("optHost") && chain.size() < 20);
    EXPECT_EQ(chain, (std::vector<std::string>{"optHost", "optJoin", "txtName", "txtPort", "cmdStart", "cmdCancel"}));

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&duel, &escape);
    EXPECT_FALSE(duel.isVisible());
    EXPECT_EQ(duel.result(), QDialog::Rejected);
    EXPECT_FALSE(duel.choice());
}

}  // namespace
}  // namespace duel::testing
