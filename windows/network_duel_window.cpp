// The window "Дуэль по сети": its controls, the list of games found, and the checks of what is typed.
#include "windows/network_duel_window.h"

#include "network/input_checks.h"
#include "network/jabber_account.h"
#include "network/network_texts.h"
#include "platform/plain_text.h"
#include "platform/translation.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace duel {

namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

// The window's forms (the name, the direct way's fields, the Jabber way's) put their fields in one
// column: each label column is as wide as the widest label of all of them.
void AlignLabelColumns(QWidget* window) {
    QList<QWidget*> labels;
    for (QFormLayout* form : window->findChildren<QFormLayout*>()) {
        for (int row = 0; row < form->rowCount(); ++row) {
            QLayoutItem* item = form->itemAt(row, QFormLayout::LabelRole);
            if (item && item->widget()) labels << item->widget();
        }
    }
    int width = 0;
    for (const QWidget* label : labels) width = std::max(width, label->sizeHint().width());
    for (QWidget* label : labels) label->setMinimumWidth(width);
}

}  // namespace

NetworkDuelWindow::NetworkDuelWindow(const std::string& lastName, FinderFactory startBrowsing, QWidget* parent)
    : NetworkDuelWindow(NetworkDuelStart{lastName, false, false, {}, {}, {}}, std::move(startBrowsing), nullptr,
                        parent) {}

NetworkDuelWindow::NetworkDuelWindow(const NetworkDuelStart& start, FinderFactory startBrowsing,
                                     PasswordKeyring* keyring, QWidget* parent)
    : QDialog(parent), startBrowsing_(std::move(startBrowsing)), keyring_(keyring) {
    setObjectName(QStringLiteral("frmNetworkDuel"));
    setWindowTitle(Tr("windows", "Дуэль по сети"));
    BuildControls();
    nameField_->setText(Text(start.name));
    jidField_->setText(Text(start.jid));
    serverField_->setText(Text(start.server));
    friendField_->setText(Text(start.friendJid));
    (start.jabber ? jabberOption_ : directOption_)->setChecked(true);
    (start.join ? joinOption_ : hostOption_)->setChecked(true);
    const QString unavailable =
        keyring_ ? keyring_->unavailableReason() : Tr("windows", "Связка ключей рабочего стола не отвечает.");
    rememberBox_->setEnabled(unavailable.isEmpty());
    rememberBox_->setToolTip(unavailable.isEmpty() ? Tr("windows", "Хранить пароль в связке ключей рабочего стола")
                                                   : unavailable);
    if (unavailable.isEmpty() && !start.jid.empty()) {
        if (const std::optional<std::string> kept = keyring_->Read(start.jid)) {
            passwordField_->setText(Text(*kept));
            rememberBox_->setChecked(true);
        }
    }
    optCarrier_Click();
    if (start.jabber && !start.jid.empty()) passwordField_->setFocus();
}

NetworkDuelWindow::~NetworkDuelWindow() = default;

void NetworkDuelWindow::BuildControls() {
    const auto named = [](QWidget* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    hostOption_ = new QRadioButton(Tr("windows", "&Создать игру"), this);
    joinOption_ = new QRadioButton(Tr("windows", "&Присоединиться к игре"), this);
    named(hostOption_, "optHost");
    named(joinOption_, "optJoin");
    hostOption_->setChecked(true);

    nameField_ = new QLineEdit(this);
    named(nameField_, "txtName");
    nameField_->setMaxLength(2 * net::kMaxNameCharacters);  // UTF-16 units; the check counts characters
    addressField_ = new QLineEdit(this);
    named(addressField_, "txtAddress");
    addressField_->setMaxLength(253 + 2);
    portField_ = new QLineEdit(QString::number(net::kDefaultPort), this);
    named(portField_, "txtPort");
    portField_->setMaxLength(5);
    gamesList_ = new QListWidget(this);
    named(gamesList_, "lstGames");
    gamesList_->setMinimumHeight(80);
    gamesList_->setMinimumWidth(340);  // a found game's line with an IPv6 address

    QLabel* nameLabel = TextLabel(Tr("windows", "&Ваше имя:"), this);
    addressLabel_ = TextLabel(Tr("windows", "&Адрес:"), this);
    QLabel* portLabel = TextLabel(Tr("windows", "По&рт:"), this);
    gamesLabel_ = TextLabel(Tr("windows", "&Игры в локальной сети:"), this);
    named(addressLabel_, "lblAddress");
    named(gamesLabel_, "lblGames");
    nameLabel->setBuddy(nameField_);
    addressLabel_->setBuddy(addressField_);
    portLabel->setBuddy(portField_);
    gamesLabel_->setBuddy(gamesList_);
    discoveryNote_ = TextLabel(QString(), this);
    named(discoveryNote_, "lblDiscovery");
    discoveryNote_->setWordWrap(true);
    problemLabel_ = TextLabel(QString(), this);
    named(problemLabel_, "lblProblem");
    problemLabel_->setWordWrap(true);
    problemLabel_->hide();

    startButton_ = new QPushButton(Tr("windows", "&Начать"), this);
    cancelButton_ = new QPushButton(Tr("windows", "Отмена"), this);
    named(startButton_, "cmdStart");
    named(cancelButton_, "cmdCancel");
    startButton_->setDefault(true);

    directOption_ = new QRadioButton(Tr("windows", "Напр&ямую (адрес и порт)"), this);
    jabberOption_ = new QRadioButton(Tr("windows", "Через &Jabber (XMPP)"), this);
    named(directOption_, "optDirect");
    named(jabberOption_, "optJabber");
    directOption_->setChecked(true);
    // Two choices of two: each pair its own group (radio buttons of one parent would make one).
    for (const auto& pair : {std::pair{hostOption_, joinOption_}, std::pair{directOption_, jabberOption_}}) {
        auto* group = new QButtonGroup(this);
        group->addButton(pair.first);
        group->addButton(pair.second);
    }
    BuildJabberControls();

    auto* nameRow = new QFormLayout;
    nameRow->addRow(nameLabel, nameField_);
    directPart_ = new QWidget(this);
    auto* fields = new QFormLayout;
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addRow(addressLabel_, addressField_);
    fields->addRow(portLabel, portField_);
    auto* directLayout = new QVBoxLayout(directPart_);
    directLayout->setContentsMargins(0, 0, 0, 0);
    directLayout->addLayout(fields);
    directLayout->addWidget(gamesLabel_);
    directLayout->addWidget(gamesList_);
    directLayout->addWidget(discoveryNote_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(startButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    auto* carriers = new QHBoxLayout;
    carriers->addWidget(directOption_);
    carriers->addWidget(jabberOption_);
    auto* modes = new QHBoxLayout;
    modes->addWidget(hostOption_);
    modes->addWidget(joinOption_);
    layout->addLayout(carriers);
    layout->addLayout(modes);
    layout->addLayout(nameRow);
    layout->addWidget(directPart_);
    layout->addWidget(jabberPart_);
    layout->addWidget(problemLabel_);
    layout->addLayout(buttons);
    AlignLabelColumns(this);

    setTabOrder(directOption_, jabberOption_);
    setTabOrder(jabberOption_, hostOption_);
    setTabOrder(hostOption_, joinOption_);
    setTabOrder(joinOption_, nameField_);
    setTabOrder(nameField_, addressField_);
    setTabOrder(addressField_, portField_);
    setTabOrder(portField_, gamesList_);
    setTabOrder(gamesList_, jidField_);
    setTabOrder(jidField_, passwordField_);
    setTabOrder(passwordField_, rememberBox_);
    setTabOrder(rememberBox_, serverField_);
    setTabOrder(serverField_, friendField_);
    setTabOrder(friendField_, startButton_);
    setTabOrder(startButton_, cancelButton_);

    connect(hostOption_, &QRadioButton::toggled, this, [this] { optMode_Click(); });
    connect(jabberOption_, &QRadioButton::toggled, this, [this] { optCarrier_Click(); });
    connect(gamesList_, &QListWidget::currentRowChanged, this, [this] { lstGames_Click(); });
    connect(startButton_, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void NetworkDuelWindow::BuildJabberControls() {
    jabberPart_ = new QWidget(this);
    jidField_ = new QLineEdit(jabberPart_);
    jidField_->setObjectName(QStringLiteral("txtJid"));
    jidField_->setMaxLength(1023);
    passwordField_ = new QLineEdit(jabberPart_);
    passwordField_->setObjectName(QStringLiteral("txtPassword"));
    passwordField_->setEchoMode(QLineEdit::Password);
    passwordField_->setMaxLength(1023);
    rememberBox_ = new QCheckBox(Tr("windows", "&Запомнить пароль"), jabberPart_);
    rememberBox_->setObjectName(QStringLiteral("chkRememberPassword"));
    serverField_ = new QLineEdit(jabberPart_);
    serverField_->setObjectName(QStringLiteral("txtServer"));
    serverField_->setMaxLength(253 + 8);
    serverField_->setPlaceholderText(Tr("windows", "по адресу Jabber"));
    friendField_ = new QLineEdit(jabberPart_);
    friendField_->setObjectName(QStringLiteral("txtFriendJid"));
    friendField_->setMaxLength(1023);
    QLabel* jidLabel = TextLabel(Tr("windows", "Ваш а&дрес Jabber:"), jabberPart_);
    QLabel* passwordLabel = TextLabel(Tr("windows", "Паро&ль:"), jabberPart_);
    QLabel* serverLabel = TextLabel(Tr("windows", "С&ервер:"), jabberPart_);
    friendLabel_ = TextLabel(Tr("windows", "Адрес Jabber с&оперника:"), jabberPart_);
    friendLabel_->setObjectName(QStringLiteral("lblFriendJid"));
    jidLabel->setBuddy(jidField_);
    passwordLabel->setBuddy(passwordField_);
    serverLabel->setBuddy(serverField_);
    friendLabel_->setBuddy(friendField_);
    auto* form = new QFormLayout(jabberPart_);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(jidLabel, jidField_);
    form->addRow(passwordLabel, passwordField_);
    form->addRow(QString(), rememberBox_);
    form->addRow(serverLabel, serverField_);
    form->addRow(friendLabel_, friendField_);
}

void NetworkDuelWindow::optCarrier_Click() {
    const bool jabber = jabberOption_->isChecked();
    directPart_->setVisible(!jabber);
    jabberPart_->setVisible(jabber);
    optMode_Click();
}

void NetworkDuelWindow::optMode_Click() {
    const bool joining = joinOption_->isChecked();
    friendLabel_->setEnabled(joining);
    friendField_->setEnabled(joining);
    for (QWidget* part :
         {static_cast<QWidget*>(addressLabel_), static_cast<QWidget*>(addressField_),
          static_cast<QWidget*>(gamesLabel_), static_cast<QWidget*>(gamesList_), static_cast<QWidget*>(discoveryNote_)})
        part->setEnabled(joining);
    problemLabel_->hide();
    if (joining && !jabberOption_->isChecked() && !finder_ && startBrowsing_) {
        finder_ = startBrowsing_();
        if (finder_) finder_->onChanged = [this] { ShowGames(); };
    }
    ShowGames();
}

void NetworkDuelWindow::ShowGames() {
    const bool available = finder_ && finder_->available();
    shownGames_ = available ? finder_->games() : std::vector<net::FoundGame>{};
    const QSignalBlocker quiet(gamesList_);
    gamesList_->clear();
    for (const net::FoundGame& game : shownGames_) gamesList_->addItem(Text(net::FoundGameLine(game)));
    if (!joinOption_->isChecked()) {
        discoveryNote_->clear();
    } else if (!available) {
        discoveryNote_->setText(Tr(PlayerText{"network", net::kTextNoDiscovery}));
    } else {
        discoveryNote_->setText(shownGames_.empty() ? Tr("windows", "Игр в сети пока не видно.") : QString());
    }
}

void NetworkDuelWindow::lstGames_Click() {
    const int row = gamesList_->currentRow();
    if (row < 0 || row >= static_cast<int>(shownGames_.size())) return;
    addressField_->setText(Text(shownGames_[static_cast<size_t>(row)].address));
    portField_->setText(QString::number(shownGames_[static_cast<size_t>(row)].port));
}

void NetworkDuelWindow::Problem(const char* text, QWidget* field) {
    // The texts are the Russian constants of network/network_texts.h and this window's own.
    problemLabel_->setText(Tr(PlayerText{"network", text}));
    problemLabel_->show();
    field->setFocus();
}

void NetworkDuelWindow::cmdStart_Click() {
    NetworkDuelChoice chosen;
    chosen.mode = joinOption_->isChecked() ? NetworkDuelChoice::Mode::Join : NetworkDuelChoice::Mode::Host;
    chosen.name = nameField_->text().trimmed().toStdString();
    if (const std::optional<net::NameFault> fault = net::CheckPlayerName(chosen.name))
        return Problem(net::NameFaultText(*fault), nameField_);
    if (jabberOption_->isChecked()) {
        if (!TakeJabber(chosen)) return;
        choice_ = chosen;
        accept();
        return;
    }
    if (chosen.mode == NetworkDuelChoice::Mode::Join) {
        chosen.address = addressField_->text().trimmed().toStdString();
        if (chosen.address.size() > 2 && chosen.address.front() == '[' && chosen.address.back() == ']')
            chosen.address = chosen.address.substr(1, chosen.address.size() - 2);
        if (chosen.address.empty()) return Problem(net::kTextNoAddress, addressField_);
        if (!net::IsTypedAddress(chosen.address))
            return Problem(DUEL_MARK("network", "Адрес — это имя компьютера или адрес IP, например 192.168.1.5."),
                           addressField_);
    }
    const std::optional<uint16_t> port = net::ParsePort(portField_->text().trimmed().toStdString());
    if (!port) return Problem(net::kTextBadPort, portField_);
    chosen.port = *port;
    choice_ = chosen;
    accept();
}

bool NetworkDuelWindow::TakeJabber(NetworkDuelChoice& chosen) {
    chosen.jabber = true;
    chosen.jid = jidField_->text().trimmed().toStdString();
    if (!net::IsBareJid(chosen.jid)) {
        Problem(net::kTextBadJid, jidField_);
        return false;
    }
    chosen.password = passwordField_->text().toStdString();
    if (chosen.password.empty()) {
        Problem(DUEL_MARK("network", "Введите пароль."), passwordField_);
        return false;
    }
    chosen.rememberPassword = rememberBox_->isEnabled() && rememberBox_->isChecked();
    chosen.server = serverField_->text().trimmed().toStdString();
    if (!chosen.server.empty()) {
        const std::optional<net::JoinTarget> server = net::ParseJabberServer(chosen.server);
        if (!server) {
            Problem(DUEL_MARK("network",
                              "Сервер — это имя компьютера или адрес IP, можно с портом: jabber.example.org:5222."),
                    serverField_);
            return false;
        }
        chosen.serverHost = server->address;
        chosen.serverPort = server->port;
    }
    if (chosen.mode == NetworkDuelChoice::Mode::Join) {
        chosen.friendJid = friendField_->text().trimmed().toStdString();
        if (!net::IsBareJid(chosen.friendJid)) {
            Problem(net::kTextBadJid, friendField_);
            return false;
        }
    }
    if (keyring_ && rememberBox_->isEnabled()) {
        if (chosen.rememberPassword)
            keyring_->Write(chosen.jid, chosen.password);
        else
            keyring_->Forget(chosen.jid);
    }
    return true;
}

}  // namespace duel
