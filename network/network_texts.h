// What the duel over the network tells the player: refusals, faults, turns and endings.  The
// constants are the Russian texts, marked for the catalogue and worded where they are shown
// (Word("network", text)); the composed texts are worded here.
#pragma once

#include "rules/player_text.h"

#include <string>
#include <string_view>

namespace duel::net {

// The host would not play.
inline constexpr const char* kTextDeclined = DUEL_MARK("network", "Соперник отказался от дуэли.");
inline constexpr const char* kTextBusy = DUEL_MARK("network", "Соперник уже играет.");
inline constexpr const char* kTextOtherVersion = DUEL_MARK("network", "У соперника другая версия игры.");

// The connection ended before the duel began: nobody won.
inline constexpr const char* kTextLost = DUEL_MARK("network", "Связь с соперником потеряна.");
inline constexpr const char* kTextNoGreeting = DUEL_MARK("network", "Соперник не представился вовремя.");
inline constexpr const char* kTextNoAnswer = DUEL_MARK("network", "Соперник не ответил на приглашение за 2 минуты.");
inline constexpr const char* kTextNoCommit = DUEL_MARK("network", "Соперник не загадал число за 2 минуты.");
// Through Jabber: no game of the friend's waits (offline, or not in a game).
inline constexpr const char* kTextNotWaiting = DUEL_MARK("network", "Соперник не ждёт приглашения.");
inline constexpr const char* kTextJabberLogin = DUEL_MARK("network", "Сервер Jabber не принял адрес или пароль.");
inline constexpr const char* kTextJabberLost = DUEL_MARK("network", "Связь с сервером Jabber потеряна.");
inline constexpr const char* kTextBadJid = DUEL_MARK("network", "Адрес Jabber должен иметь вид имя@сервер.");
// Why joining failed, after "Не удалось подключиться к ADDRESS: ".
inline constexpr const char* kTextConnectTimeout = DUEL_MARK("network", "соперник не отвечает");

// The duel had begun (both had committed to their numbers) when one side left or stalled: its forfeit.
inline constexpr const char* kTextOpponentLeft = DUEL_MARK("network", "Соперник покинул дуэль. Победа засчитана вам.");
inline constexpr const char* kTextOpponentNoMove =
    DUEL_MARK("network", "Соперник не сделал ход за 2 минуты. Победа засчитана вам.");
inline constexpr const char* kTextOpponentNoReveal =
    DUEL_MARK("network", "Соперник не открыл своё число. Победа засчитана вам.");
inline constexpr const char* kTextYouNoMove =
    DUEL_MARK("network", "Вы не сделали ход за 2 минуты. Победа засчитана сопернику.");

// What a peer sent that the game does not take.
inline constexpr const char* kTextGarbled = DUEL_MARK("network", "Соперник прислал непонятное сообщение.");
inline constexpr const char* kTextTooLong = DUEL_MARK("network", "Соперник прислал слишком длинное сообщение.");
inline constexpr const char* kTextBadGuess =
    DUEL_MARK("network", "Соперник прислал ход не из четырёх разных цифр от 1 до 9.");
inline constexpr const char* kTextBadAnswer = DUEL_MARK("network", "Соперник прислал невозможный ответ.");
inline constexpr const char* kTextOutOfTurn = DUEL_MARK("network", "Соперник прислал сообщение не в свою очередь.");
inline constexpr const char* kTextBadName = DUEL_MARK("network", "Соперник назвался недопустимым именем.");
inline constexpr const char* kTextBadCommitment = DUEL_MARK("network", "Соперник открыл не то число, которое загадал.");

// The checks of a player's name, for the name typed here and the one a peer sends.
inline constexpr const char* kTextNameEmpty = DUEL_MARK("network", "Введите имя.");
inline constexpr const char* kTextNameTooLong = DUEL_MARK("network", "Имя должно быть не длиннее 20 знаков.");
inline constexpr const char* kTextNameBadText = DUEL_MARK("network", "В имени есть недопустимые знаки.");
inline constexpr const char* kTextNameSpaces = DUEL_MARK("network", "Имя не должно начинаться или кончаться пробелом.");

// The other values of the window and the command line.
inline constexpr const char* kTextBadPort = DUEL_MARK("network", "Порт должен быть числом от 1 до 65535.");
inline constexpr const char* kTextNoAddress = DUEL_MARK("network", "Введите адрес соперника.");
// A port the system keeps for the administrator, after "Не удалось открыть порт N для дуэли: ".
inline constexpr const char* kTextPrivilegedPort =
    DUEL_MARK("network", "порты ниже 1024 может открыть только администратор (root). Выберите порт от 1024 до 65535.");

// Discovery where no Avahi daemon answers.
inline constexpr const char* kTextNoDiscovery = DUEL_MARK("network", "Поиск игр в сети недоступен: введите адрес.");

// The duel's turns and endings, for the status bar and the end of the game.
inline constexpr const char* kTextYourTurn = DUEL_MARK("network", "Ваш ход");
inline constexpr const char* kTextYouWon = DUEL_MARK("network", "Вы победили!");
inline constexpr const char* kTextDraw = DUEL_MARK("network", "Ничья.");
inline constexpr const char* kTextNumberPrompt = DUEL_MARK("network", "Загадайте число:");
// The joining side has reached the host, whose player decides.
inline constexpr const char* kTextAwaitingAnswer = DUEL_MARK("network", "Ждём ответа соперника ...");

inline std::string OpponentTurnText(std::string_view name) {
    return Word(DUEL_TEXT("network", "Ход соперника: %1"), {name});
}
inline std::string OpponentWonText(std::string_view name) {
    return Word(DUEL_TEXT("network", "Победил соперник «%1»."), {name});
}
inline std::string OpponentNumberText(std::string_view number) {
    return Word(DUEL_TEXT("network", "Число соперника: %1"), {number});
}
inline std::string WaitingText(int port) {
    return Word(DUEL_TEXT("network", "Ждём соперника: порт %1"), {std::to_string(port)});
}
inline std::string WaitingJabberText(std::string_view jid) {
    return Word(DUEL_TEXT("network", "Ждём приглашения: %1"), {jid});
}
inline std::string AskToPlayText(std::string_view name, std::string_view address) {
    return Word(DUEL_TEXT("network", "Игрок «%1» (%2) хочет сыграть с вами. Начать дуэль?"), {name, address});
}
// The player who asked to play left while the host's player was being asked.
inline std::string LeftUnansweredText(std::string_view name) {
    return Word(DUEL_TEXT("network", "Игрок «%1» ушёл, не дождавшись ответа."), {name});
}
// The last seconds of this side's move.
inline std::string MoveTimeLeftText(long long seconds) {
    return Word(DUEL_TEXT("network", "На ход осталось %1 с"), {std::to_string(seconds)});
}
// The opponent's answers do not fit the number it revealed, from its move `move` (1 for the first).
inline std::string LieText(int move) {
    return Word(DUEL_TEXT("network", "Ответы соперника не сходятся с его числом (ход %1)."), {std::to_string(move)});
}

}  // namespace duel::net
