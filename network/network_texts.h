// What the duel over the network tells the player, in Russian: refusals, faults, turns and endings.
#pragma once

#include <string>
#include <string_view>

namespace duel::net {

// The host would not play.
inline constexpr const char* kTextDeclined = "Соперник отказался от дуэли.";
inline constexpr const char* kTextBusy = "Соперник уже играет.";
inline constexpr const char* kTextOtherVersion = "У соперника другая версия игры.";

// The connection ended before the duel did.
inline constexpr const char* kTextLost = "Связь с соперником потеряна.";
inline constexpr const char* kTextNoGreeting = "Соперник не представился вовремя.";
inline constexpr const char* kTextConnectTimeout = "Соперник не отвечает.";

// What a peer sent that the game does not take.
inline constexpr const char* kTextGarbled = "Соперник прислал непонятное сообщение.";
inline constexpr const char* kTextTooLong = "Соперник прислал слишком длинное сообщение.";
inline constexpr const char* kTextBadGuess = "Соперник прислал ход не из четырёх разных цифр от 1 до 9.";
inline constexpr const char* kTextBadAnswer = "Соперник прислал невозможный ответ.";
inline constexpr const char* kTextOutOfTurn = "Соперник прислал сообщение не в свою очередь.";
inline constexpr const char* kTextBadName = "Соперник назвался недопустимым именем.";
inline constexpr const char* kTextBadCommitment = "Соперник открыл не то число, которое загадал.";

// The checks of a player's name, for the name typed here and the one a peer sends.
inline constexpr const char* kTextNameEmpty = "Введите имя.";
inline constexpr const char* kTextNameTooLong = "Имя должно быть не длиннее 20 знаков.";
inline constexpr const char* kTextNameBadText = "В имени есть недопустимые знаки.";
inline constexpr const char* kTextNameSpaces = "Имя не должно начинаться или кончаться пробелом.";

// The other values of the window and the command line.
inline constexpr const char* kTextBadPort = "Порт должен быть числом от 1 до 65535.";
inline constexpr const char* kTextNoAddress = "Введите адрес соперника.";

// Discovery where no Avahi daemon answers.
inline constexpr const char* kTextNoDiscovery = "Поиск игр в сети недоступен: введите адрес.";

// The duel's turns and endings, for the status bar and the end of the game.
inline constexpr const char* kTextYourTurn = "Ваш ход";
inline constexpr const char* kTextYouWon = "Вы победили!";
inline constexpr const char* kTextDraw = "Ничья.";
inline constexpr const char* kTextNumberPrompt = "Загадайте число:";

inline std::string OpponentTurnText(std::string_view name) { return "Ход соперника: " + std::string(name); }
inline std::string OpponentWonText(std::string_view name) { return "Победил соперник «" + std::string(name) + "»."; }
inline std::string OpponentNumberText(std::string_view number) { return "Число соперника: " + std::string(number); }
inline std::string WaitingText(int port) { return "Ждём соперника: порт " + std::to_string(port); }
inline std::string AskToPlayText(std::string_view name, std::string_view address) {
    return "Игрок «" + std::string(name) + "» (" + std::string(address) + ") хочет сыграть с вами. Начать дуэль?";
}
// The opponent's answers do not fit the number it revealed, from its move `move` (1 for the first).
inline std::string LieText(int move) {
    return "Ответы соперника не сходятся с его числом (ход " + std::to_string(move) + ").";
}

}  // namespace duel::net
