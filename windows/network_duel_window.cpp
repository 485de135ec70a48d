// The window "Дуэль по сети": its controls, the list of games found, and the checks of what is typed.
#include "windows/network_duel_window.h"

#include "network/input_checks.h"
#include "network/network_texts.h"
#include "platform/plain_text.h"
#include "platform/translation.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace duel {

namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

NetworkDuelWindow::NetworkDuelWindow(const std::string& lastName, FinderFactory startBrowsing, QWidget* parent)
    : QDialog(parent), startBrowsing_(std::move(startBrowsing)) {
    setObjectName(QStringLiteral("frmNetworkDuel"));
    setWindowTitle(Tr("windows", "Дуэль по сети"));
    BuildControls();
    nameField_->setText(Text(lastName));
    optMode_Click();
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

    auto* fields = new QFormLayout;
    fields->addRow(nameLabel, nameField_);
    fields->addRow(addressLabel_, addressField_);
    fields->addRow(portLabel, portField_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(startButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hostOption_);
    layout->addWidget(joinOption_);
    layout->addLayout(fields);
    layout->addWidget(gamesLabel_);
    layout->addWidget(gamesList_);
    layout->addWidget(discoveryNote_);
    layout->addWidget(problemLabel_);
    layout->addLayout(buttons);

    setTabOrder(hostOption_, joinOption_);
    setTabOrder(joinOption_, nameField_);
    setTabOrder(nameField_, addressField_);
    setTabOrder(addressField_, portField_);
    setTabOrder(portField_, gamesList_);
    setTabOrder(gamesList_, startButton_);
    setTabOrder(startButton_, cancelButton_);

    connect(hostOption_, &QRadioButton::toggled, this, [this] { optMode_Click(); });
    connect(gamesList_, &QListWidget::currentRowChanged, this, [this] { lstGames_Click(); });
    connect(startButton_, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void NetworkDuelWindow::optMode_Click() {
    const bool joining = joinOption_->isChecked();
    for (QWidget* part :
         {static_cast<QWidget*>(addressLabel_), static_cast<QWidget*>(addressField_),
          static_cast<QWidget*>(gamesLabel_), static_cast<QWidget*>(gamesList_), static_cast<QWidget*>(discoveryNote_)})
        part->setEnabled(joining);
    problemLabel_->hide();
    if (joining && !finder_ && startBrowsing_) {
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

}  // namespace duel
