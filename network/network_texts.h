// What the duel over the network tells the player, in Russian: refusals, faults, turns and endings.
#pragma once

#include <string>
#include <string_view>

namespace duel::net {

// The host would not play.
inline constexpr const char* kTextDeclined = "Соперник отказался от дуэли.";
inline constexpr const char* kTextBusy = "Соперник уже играет.";
inline constexpr const char* kTextOtherVersion = "У соперника другая версия игры.";

// The connection ended before the duel began: nobody won.
inline constexpr const char* kTextLost = "Связь с соперником потеряна.";
inline constexpr const char* kTextNoGreeting = "Соперник не представился вовремя.";
inline constexpr const char* kTextNoAnswer = "Соперник не ответил на приглашение за 2 минуты.";
inline constexpr const char* kTextNoCommit = "Соперник не загадал число за 2 минуты.";
// Through Jabber: no game of the friend's waits (offline, or not in a game).
inline constexpr const char* kTextNotWaiting = "Соперник не ждёт приглашения.";
inline constexpr const char* kTextJabberLogin = "Сервер Jabber не принял адрес или пароль.";
inline constexpr const char* kTextJabberLost = "Связь с сервером Jabber потеряна.";
inline constexpr const char* kTextBadJid = "Адрес Jabber должен иметь вид имя@сервер.";
// Why joining failed, after "Не удалось подключиться к ADDRESS: ".
inline constexpr const char* kTextConnectTimeout = "соперник не отвечает";

// The duel had begun (both had committed to their numbers) when one side left or stalled: its forfeit.
inline constexpr const char* kTextOpponentLeft = "Соперник покинул дуэль. Победа засчитана вам.";
inline constexpr const char* kTextOpponentNoMove = "Соперник не сделал ход за 2 минуты. Победа засчитана вам.";
inline constexpr const char* kTextOpponentNoReveal = "Соперник не открыл своё число. Победа засчитана вам.";
inline constexpr const char* kTextYouNoMove = "Вы не сделали ход за 2 минуты. Победа засчитана сопернику.";

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
// A port the system keeps for the administrator, after "Не удалось открыть порт N для дуэли: ".
inline constexpr const char* kTextPrivilegedPort =
    "порты ниже 1024 может открыть только администратор (root). Выберите порт от 1024 до 65535.";

// Discovery where no Avahi daemon answers.
inline constexpr const char* kTextNoDiscovery = "Поиск игр в сети недоступен: введите адрес.";

// The duel's turns and endings, for the status bar and the end of the game.
inline constexpr const char* kTextYourTurn = "Ваш ход";
inline constexpr const char* kTextYouWon = "Вы победили!";
inline constexpr const char* kTextDraw = "Ничья.";
inline constexpr const char* kTextNumberPrompt = "Загадайте число:";
// The joining side has reached the host, whose player decides.
inline constexpr const char* kTextAwaitingAnswer = "Ждём ответа соперника ...";

inline std::string OpponentTurnText(std::string_view name) { return "Ход соперника: " + std::string(name); }
inline std::string OpponentWonText(std::string_view name) { return "Победил соперник «" + std::string(name) + "»."; }
inline std::string OpponentNumberText(std::string_view number) { return "Число соперника: " + std::string(number); }
inline std::string WaitingText(int port) { return "Ждём соперника: порт " + std::to_string(port); }
inline std::string WaitingJabberText(std::string_view jid) { return "Ждём приглашения: " + std::string(jid); }
inline std::string AskToPlayText(std::string_view name, std::string_view address) {
    return "Игрок «" + std::string(name) + "» (" + std::string(address) + ") хочет сыграть с вами. Начать дуэль?";
}
// The player who asked to play left while the host's player was being asked.
inline std::string LeftUnansweredText(std::string_view name) {
    return "Игрок «" + std::string(name) + "» ушёл, не дождавшись ответа.";
}
// The last seconds of this side's move.
inline std::string MoveTimeLeftText(long long seconds) { return "На ход осталось " + std::to_string(seconds) + " с"; }
// The opponent's answers do not fit the number it revealed, from its move `move` (1 for the first).
inline std::string LieText(int move) {
    return "Ответы соперника не сходятся с его числом (ход " + std::to_string(move) + ").";
}

}  // namespace duel::net
