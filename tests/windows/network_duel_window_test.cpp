// The window "Дуэль по сети": its controls, discovery started only for joining, the list filling the fields, the
// checks.
#include "windows/network_duel_window.h"

#include "network/game_finder.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <map>
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
    EXPECT_EQ(letters.size(), 14u);
    for (QChar letter : letters) EXPECT_EQ(letters.count(letter), 1u) << QString(letter).toStdString();

    // Tab walks the controls top to bottom and comes back round.
    std::vector<std::string> chain;
    QWidget* at = control<QRadioButton>("optHost");
    do {
        chain.push_back(at->objectName().toStdString());
        at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus || !at->isEnabled() || !at->isVisible() || at->objectName().isEmpty())
            at = at->nextInFocusChain();
    } while (at != control<QRadioButton>("optHost") && chain.size() < 20);
    EXPECT_EQ(chain, (std::vector<std::string>{"optHost", "optJoin", "txtName", "txtPort", "cmdStart", "cmdCancel",
                                               "optDirect", "optJabber"}));

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&duel, &escape);
    EXPECT_FALSE(duel.isVisible());
    EXPECT_EQ(duel.result(), QDialog::Rejected);
    EXPECT_FALSE(duel.choice());
}

// A keyring that answers, or says why it cannot.
class ScriptedKeyring : public PasswordKeyring {
public:
    QString unavailableReason() override { return reason; }
    std::optional<std::string> Read(const std::string& jid) override {
        const auto found = kept.find(jid);
        return found == kept.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    void Write(const std::string& jid, const std::string& password) override { kept[jid] = password; }
    void Forget(const std::string& jid) override { kept.erase(jid); }
    QString reason;
    std::map<std::string, std::string> kept;
};

TEST_F(NetworkDuelWindowTest, ThroughJabberTheAccountIsCheckedAndTheKeyringUsedOnlyWhereOneAnswers) {
    // No keyring: the box is disabled and says why.
    NetworkDuelStart start{"Алиса", true, true, "alice@example.org", "", "bob@example.net"};
    window = std::make_unique<NetworkDuelWindow>(start, nullptr, nullptr);
    window->show();
    EXPECT_TRUE(control<QRadioButton>("optJabber")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("optJoin")->isChecked());
    EXPECT_FALSE(control<QLineEdit>("txtPort")->isVisible());
    EXPECT_EQ(window->focusWidget(), control<QLineEdit>("txtPassword"));
    EXPECT_EQ(control<QLineEdit>("txtPassword")->echoMode(), QLineEdit::Password);
    QCheckBox* remember = control<QCheckBox>("chkRememberPassword");
    EXPECT_FALSE(remember->isEnabled());
    EXPECT_EQ(remember->toolTip(), QStringLiteral("Связка ключей рабочего стола не отвечает."));
    // The name's field and the Jabber way's fields stand in one column.
    const auto left = [&](const char* name) { return control<QLineEdit>(name)->mapTo(window.get(), QPoint()).x(); };
    EXPECT_EQ(left("txtName"), left("txtJid"));
    EXPECT_EQ(left("txtName"), left("txtFriendJid"));

    struct Case {
        QString jid, password, server, friendJid;
        const char* problem;
    };
    const Case cases[] = {
        {QStringLiteral("alice"),
         QStringLiteral("x"),
         {},
         QStringLiteral("b@c"),
         "Адрес Jabber должен иметь вид имя@сервер."},
        {QStringLiteral("a@b/res"),
         QStringLiteral("x"),
         {},
         QStringLiteral("b@c"),
         "Адрес Jabber должен иметь вид имя@сервер."},
        {QStringLiteral("a@b"), QString(), {}, QStringLiteral("b@c"), "Введите пароль."},
        {QStringLiteral("a@b"), QStringLiteral("x"), QStringLiteral("a b"), QStringLiteral("b@c"),
         "Сервер — это имя компьютера или адрес IP, можно с портом: jabber.example.org:5222."},
        {QStringLiteral("a@b"),
         QStringLiteral("x"),
         {},
         QStringLiteral("b c@d"),
         "Адрес Jabber должен иметь вид имя@сервер."},
    };
    for (const Case& c : cases) {
        Type("txtJid", c.jid);
        Type("txtPassword", c.password);
        Type("txtServer", c.server);
        Type("txtFriendJid", c.friendJid);
        control<QPushButton>("cmdStart")->click();
        EXPECT_EQ(Problem().toStdString(), c.problem);
        EXPECT_FALSE(window->choice());
    }
    Type("txtJid", QStringLiteral(" alice@example.org "));
    Type("txtPassword", QStringLiteral("пароль с пробелом "));
    Type("txtServer", QStringLiteral("[::1]:5223"));
    Type("txtFriendJid", QStringLiteral("bob@example.net"));
    control<QPushButton>("cmdStart")->click();
    ASSERT_TRUE(window->choice());
    const NetworkDuelChoice& chosen = *window->choice();
    EXPECT_TRUE(chosen.jabber);
    EXPECT_EQ(chosen.jid, "alice@example.org");
    EXPECT_EQ(chosen.password, "пароль с пробелом ");
    EXPECT_EQ(chosen.serverHost, "::1");
    EXPECT_EQ(chosen.serverPort, 5223);
    EXPECT_EQ(chosen.friendJid, "bob@example.net");
    EXPECT_FALSE(chosen.rememberPassword);

    // A keyring that answers: the kept password is filled in, and kept or forgotten as the box says.
    ScriptedKeyring keyring;
    keyring.kept["alice@example.org"] = "хранимый";
    NetworkDuelStart host{"Алиса", true, false, "alice@example.org", "", ""};
    window = std::make_unique<NetworkDuelWindow>(host, nullptr, &keyring);
    window->show();
    EXPECT_TRUE(control<QCheckBox>("chkRememberPassword")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("chkRememberPassword")->isChecked());
    EXPECT_EQ(control<QLineEdit>("txtPassword")->text(), QStringLiteral("хранимый"));
    EXPECT_FALSE(control<QLineEdit>("txtFriendJid")->isEnabled());
    control<QCheckBox>("chkRememberPassword")->setChecked(false);
    control<QPushButton>("cmdStart")->click();
    ASSERT_TRUE(window->choice());
    EXPECT_EQ(window->choice()->mode, NetworkDuelChoice::Mode::Host);
    EXPECT_TRUE(keyring.kept.empty());
}

}  // namespace
}  // namespace duel::testing
