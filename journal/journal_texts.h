// The journal's texts for the player: a game's date, mode, outcome and tries as the list and the CSV show them, and
// the notice when the journal cannot be kept.
#pragma once

#include "journal/csv.h"
#include "journal/game_record.h"
#include "journal/journal.h"
#include "journal/statistics.h"
#include "rules/player_text.h"

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace duel {

// "2025-03-01 14:05:09" (the local date and time the game writes into the
// journal at a game's start and end) as the player reads it: "01.03.2025 14:05"; any other
// text (a file edited by hand) as it is.
std::string ShownDate(const std::string& journalDate);

// "число открыто" or "число скрыто", with ", сильный" for the stronger
// opponent; "по сети" for a duel over the network.
std::string ModeText(GameMode mode, int32_t strength);

// A short text for each way a game ends; over the network the other side is "соперник".
std::string OutcomeText(Outcome outcome, GameMode mode = GameMode::Typed);

// The opponent of a duel over the network as the list names it: "Имя (адрес)",
// the name or the address alone when the other is not known; empty for a game
// against the computer.
std::string OpponentText(const GameRecord& game);

// One line of the list of games, in the columns of kGamesCsvHeader: the
// date, the mode, the outcome, the player's tries, the computer's tries, the
// game clock at the end (as the game shows times), the player's number (empty
// when it was kept hidden), the computer's number, the opponent.
CsvRow GameRow(const GameRecord& game);
std::vector<CsvRow> GameRows(std::span<const GameRecord> games);

// `count` with the Russian word that goes with it: CountText(5, "ход",
// "хода", "ходов") is "5 ходов", 2 gives "2 хода", 21 "21 ход".
std::string CountText(int64_t count, const char* one, const char* few, const char* many);
// The same in the player's language: the counted text's translation for `count` ("%n ходов" gives
// "3 moves"), or the Russian forms when it has none.
std::string CountedText(int64_t count, PlayerText counted, const char* one, const char* few, const char* many);

// The figures of one side, in the order of kFigureNames: games, wins, the
// share of wins ("63 %"), the mean tries to win ("5,4"), the fewest, the
// current and the longest run of wins.  A side that has never won with tries
// to count shows "—" for its tries.  The time played is one figure for both
// (PlayedTimeText), the player's finds after a loss a line of the player's.
inline constexpr std::array<const char*, 7> kFigureNames = {DUEL_MARK("journal", "Игр"),
                                                            DUEL_MARK("journal", "Побед"),
                                                            DUEL_MARK("journal", "Доля побед"),
                                                            DUEL_MARK("journal", "Ходов до победы, в среднем"),
                                                            DUEL_MARK("journal", "Меньше всего ходов до победы"),
                                                            DUEL_MARK("journal", "Побед подряд сейчас"),
                                                            DUEL_MARK("journal", "Побед подряд, больше всего")};
inline constexpr const char* kFindsAfterLossName = DUEL_MARK("journal", "Нашли число после проигрыша");
inline constexpr const char* kTimePlayedName = DUEL_MARK("journal", "Время в игре");
std::array<std::string, 7> SideFigures(const SideStatistics& side);

// Time played over many games: "mm:ss" as the game clock shows it below an
// hour, "h:mm:ss" from an hour on (not "126:10").
std::string PlayedTimeText(int64_t seconds);

// The label of a group of bars under the chart: "4", or "15+" for the last
// group that gathers the rest.
std::string TriesGroupLabel(const TriesGroup& group);

// Every bar of the chart as words, for a screen reader: "Вы: 4 хода — 1
// победа, 5 ходов — 2 победы. Компьютер: побед нет."
std::string WinsByTriesText(std::span<const TriesGroup> groups);

// What the player is told when the journal is not Ready: why, and that the
// game goes on without it (or, for a damaged file, where it was kept).  `file`
// is the journal's file.  Empty for a Ready journal.
std::string JournalNotice(const Journal& journal, const std::filesystem::path& file);

}  // namespace duel
