// The journal's texts for the player: a game's date, mode, outcome and tries, and the notice when it cannot be kept.
#include "journal/journal_texts.h"

#include "rules/game_clock.h"

#include <cmath>
#include <cstdio>

namespace duel {

namespace {

bool Digits(const std::string& text, size_t from, size_t count) {
    for (size_t i = from; i < from + count; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

}  // namespace

std::string ShownDate(const std::string& journalDate) {
    // YYYY-MM-DD HH:MM:SS
    const std::string& d = journalDate;
    const bool ours = d.size() == 19 && Digits(d, 0, 4) && d[4] == '-' && Digits(d, 5, 2) && d[7] == '-' &&
                      Digits(d, 8, 2) && d[10] == ' ' && Digits(d, 11, 2) && d[13] == ':' && Digits(d, 14, 2) &&
                      d[16] == ':' && Digits(d, 17, 2);
    if (!ours) return journalDate;
    return d.substr(8, 2) + "." + d.substr(5, 2) + "." + d.substr(0, 4) + " " + d.substr(11, 5);
}

std::string ModeText(GameMode mode, int32_t strength) {
    if (mode == GameMode::Network) return Word(DUEL_TEXT("journal", "по сети"));
    if (mode == GameMode::Jabber) return Word(DUEL_TEXT("journal", "через Jabber"));
    if (strength == 1)
        return Word(mode == GameMode::Hidden ? DUEL_TEXT("journal", "число скрыто, сильный")
                                             : DUEL_TEXT("journal", "число открыто, сильный"));
    return Word(mode == GameMode::Hidden ? DUEL_TEXT("journal", "число скрыто")
                                         : DUEL_TEXT("journal", "число открыто"));
}

std::string OutcomeText(Outcome outcome, GameMode mode) {
    const bool network = IsNetworkMode(mode);
    switch (outcome) {
        case Outcome::Unfinished:
            return Word(DUEL_TEXT("journal", "не окончена"));
        case Outcome::UserWon:
            return Word(DUEL_TEXT("journal", "ваша победа"));
        case Outcome::ComputerWon:
            return Word(network ? DUEL_TEXT("journal", "победа соперника") : DUEL_TEXT("journal", "победа компьютера"));
        case Outcome::UserWonAfterComputer:
            return Word(network ? DUEL_TEXT("journal", "победа соперника, вы нашли число позже")
                                : DUEL_TEXT("journal", "победа компьютера, вы нашли число позже"));
        case Outcome::AnswersContradicted:
            return Word(DUEL_TEXT("journal", "ошибка в ответах"));
        case Outcome::Abandoned:
            break;
        case Outcome::Draw:
            return Word(DUEL_TEXT("journal", "ничья"));
        case Outcome::OpponentForfeited:
            return Word(DUEL_TEXT("journal", "ваша победа: соперник выбыл"));
        case Outcome::ConnectionLost:
            return Word(DUEL_TEXT("journal", "связь прервалась"));
        case Outcome::UserForfeited:
            return Word(DUEL_TEXT("journal", "победа соперника: вы выбыли"));
    }
    return Word(DUEL_TEXT("journal", "брошена"));
}

std::string OpponentText(const GameRecord& game) {
    if (!IsNetworkMode(game.mode)) return {};
    if (game.opponentName.empty() || game.opponentAddress.empty()) return game.opponentName + game.opponentAddress;
    return game.opponentName + " (" + game.opponentAddress + ")";
}

CsvRow GameRow(const GameRecord& game) {
    return {ShownDate(game.started),
            ModeText(game.mode, game.strength),
            OutcomeText(game.outcome, game.mode),
            std::to_string(game.playerTries),
            std::to_string(game.computerTries),
            ClockText(game.seconds),
            game.playerNumber,
            game.computerNumber,
            OpponentText(game)};
}

std::vector<CsvRow> GameRows(std::span<const GameRecord> games) {
    std::vector<CsvRow> rows;
    rows.reserve(games.size());
    for (const GameRecord& game : games) rows.push_back(GameRow(game));
    return rows;
}

std::string CountText(int64_t count, const char* one, const char* few, const char* many) {
    const int64_t tens = count % 100;
    const int64_t units = count % 10;
    const char* word = tens >= 11 && tens <= 14 ? many : units == 1 ? one : units >= 2 && units <= 4 ? few : many;
    return std::to_string(count) + " " + word;
}

std::string CountedText(int64_t count, PlayerText counted, const char* one, const char* few, const char* many) {
    const std::string worded = WordCount(counted, static_cast<int>(count));
    // No translation: the source's own three Russian forms.
    if (worded == FillCount(counted.source, static_cast<int>(count))) return CountText(count, one, few, many);
    return worded;
}

std::array<std::string, 7> SideFigures(const SideStatistics& side) {
    const bool won = side.fewestTriesToWin > 0;
    const std::string mean = won ? DecimalText(side.meanTriesToWin) : "—";
    return {std::to_string(side.games),
            std::to_string(side.wins),
            std::to_string(std::lround(side.winShare * 100)) + " %",
            mean,
            won ? std::to_string(side.fewestTriesToWin) : "—",
            std::to_string(side.currentRun),
            std::to_string(side.longestRun)};
}

std::string PlayedTimeText(int64_t seconds) {
    if (seconds < 3600) return ClockText(seconds);
    char text[40];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text;
}

std::string TriesGroupLabel(const TriesGroup& group) {
    return std::to_string(group.tries) + (group.andMore ? "+" : "");
}

std::string WinsByTriesText(std::span<const TriesGroup> groups) {
    std::string text;
    for (const bool player : {true, false}) {
        std::string list;
        for (const TriesGroup& group : groups) {
            const int32_t wins = player ? group.player : group.computer;
            if (wins == 0) continue;
            if (!list.empty()) list += ", ";
            const std::string tries =
                CountedText(group.tries, DUEL_TEXT_N("journal", "%n ходов"), "ход", "хода", "ходов");
            list += Word(DUEL_TEXT("journal", "%1 — %2"),
                         {group.andMore ? Word(DUEL_TEXT("journal", "%1 и больше"), {tries}) : tries,
                          CountedText(wins, DUEL_TEXT_N("journal", "%n побед"), "победа", "победы", "побед")});
        }
        if (!player) text += " ";
        if (list.empty())
            text +=
                Word(player ? DUEL_TEXT("journal", "Вы: побед нет.") : DUEL_TEXT("journal", "Компьютер: побед нет."));
        else
            text += Word(player ? DUEL_TEXT("journal", "Вы: %1.") : DUEL_TEXT("journal", "Компьютер: %1."), {list});
    }
    return text;
}

std::string JournalNotice(const Journal& journal, const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    const std::string kept = journal.damagedCopy().filename().string();
    const std::string folder = file.parent_path().string();
    if (journal.status() == JournalStatus::Ready) return {};
    if (journal.status() == JournalStatus::StartedAfresh)
        return Word(
            DUEL_TEXT("journal", "Файл журнала игр «%1» был повреждён. Он сохранён как «%2», а журнал начат заново."),
            {name, kept});

    std::string reason;
    switch (journal.fault()) {
        case JournalFault::Damaged:
            reason =
                journal.damagedCopy().empty()
                    ? Word(DUEL_TEXT("journal", "файл «%1» повреждён"), {name})
                    : Word(DUEL_TEXT("journal", "файл был повреждён и сохранён как «%1», а новый начать не удалось"),
                           {kept});
            break;
        case JournalFault::Locked:
            reason =
                Word(DUEL_TEXT("journal", "файл «%1» занят другой программой (это может быть другая запущенная игра)"),
                     {name});
            break;
        case JournalFault::NotAFile:
            reason =
                Word(DUEL_TEXT("journal",
                               "на месте файла «%1» в папке «%2» находится папка или особый файл, а не обычный файл"),
                     {name, folder});
            break;
        case JournalFault::DanglingLink:
            reason = Word(DUEL_TEXT("journal", "файл «%1» — ссылка на файл, которого нет"), {name});
            break;
        case JournalFault::ReadOnlyFile:
            reason = Word(DUEL_TEXT("journal", "файл «%1» защищён от записи"), {name});
            break;
        case JournalFault::DiskFull:
            reason = Word(DUEL_TEXT("journal", "диск заполнен"));
            break;
        case JournalFault::NewerFormat:
            reason = Word(DUEL_TEXT("journal", "его записала более новая версия игры, файл оставлен как есть"));
            break;
        case JournalFault::None:
        case JournalFault::CannotWrite:
            reason = journal.status() == JournalStatus::Stopped
                         ? Word(DUEL_TEXT("journal", "файл «%1» в папке «%2» больше не записывается"), {name, folder})
                         : Word(DUEL_TEXT("journal", "в папку «%1» нельзя писать"), {folder});
            break;
    }
    return Word(journal.status() == JournalStatus::Stopped
                    ? DUEL_TEXT("journal", "Запись в журнал игр остановлена: %1. Игра продолжается без журнала.")
                    : DUEL_TEXT("journal", "Журнал игр недоступен: %1. Игра продолжается без журнала."),
                {reason});
}

}  // namespace duel
