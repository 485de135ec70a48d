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
    if (mode == GameMode::Network) return "по сети";
    if (mode == GameMode::Jabber) return "через Jabber";
    std::string text = mode == GameMode::Hidden ? "число скрыто" : "число открыто";
    if (strength == 1) text += ", сильный";
    return text;
}

std::string OutcomeText(Outcome outcome, GameMode mode) {
    const bool network = IsNetworkMode(mode);
    switch (outcome) {
        case Outcome::Unfinished:
            return "не окончена";
        case Outcome::UserWon:
            return "ваша победа";
        case Outcome::ComputerWon:
            return network ? "победа соперника" : "победа компьютера";
        case Outcome::UserWonAfterComputer:
            return network ? "победа соперника, вы нашли число позже" : "победа компьютера, вы нашли число позже";
        case Outcome::AnswersContradicted:
            return "ошибка в ответах";
        case Outcome::Abandoned:
            return "брошена";
        case Outcome::Draw:
            return "ничья";
        case Outcome::OpponentForfeited:
            return "ваша победа: соперник выбыл";
        case Outcome::ConnectionLost:
            return "связь прервалась";
        case Outcome::UserForfeited:
            return "победа соперника: вы выбыли";
    }
    return "брошена";
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

std::array<std::string, 7> SideFigures(const SideStatistics& side) {
    const bool won = side.fewestTriesToWin > 0;
    char mean[32] = "—";
    if (won) {
        std::snprintf(mean, sizeof mean, "%.1f", side.meanTriesToWin);
        for (char* c = mean; *c != 0; ++c)
            if (*c == '.') *c = ',';
    }
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
        text += player ? "Вы: " : " Компьютер: ";
        bool any = false;
        for (const TriesGroup& group : groups) {
            const int32_t wins = player ? group.player : group.computer;
            if (wins == 0) continue;
            if (any) text += ", ";
            any = true;
            text += CountText(group.tries, "ход", "хода", "ходов") + (group.andMore ? " и больше" : "") + " — " +
                    CountText(wins, "победа", "победы", "побед");
        }
        text += any ? "." : "побед нет.";
    }
    return text;
}

std::string JournalNotice(const Journal& journal, const std::filesystem::path& file) {
    const std::string name = "«" + file.filename().string() + "»";
    const std::string kept = "«" + journal.damagedCopy().filename().string() + "»";
    if (journal.status() == JournalStatus::Ready) return {};
    if (journal.status() == JournalStatus::StartedAfresh)
        return "Файл журнала игр " + name + " был повреждён. Он сохранён как " + kept + ", а журнал начат заново.";

    std::string reason;
    switch (journal.fault()) {
        case JournalFault::Damaged:
            reason = journal.damagedCopy().empty()
                         ? "файл " + name + " повреждён"
                         : "файл был повреждён и сохранён как " + kept + ", а новый начать не удалось";
            break;
        case JournalFault::Locked:
            reason = "файл " + name + " занят другой программой (это может быть другая запущенная игра)";
            break;
        case JournalFault::NotAFile:
            reason = "на месте файла " + name + " в папке «" + file.parent_path().string() +
                     "» находится папка или особый файл, а не обычный файл";
            break;
        case JournalFault::DanglingLink:
            reason = "файл " + name + " — ссылка на файл, которого нет";
            break;
        case JournalFault::ReadOnlyFile:
            reason = "файл " + name + " защищён от записи";
            break;
        case JournalFault::DiskFull:
            reason = "диск заполнен";
            break;
        case JournalFault::NewerFormat:
            reason = "его записала более новая версия игры, файл оставлен как есть";
            break;
        case JournalFault::None:
        case JournalFault::CannotWrite:
            reason = journal.status() == JournalStatus::Stopped
                         ? "файл " + name + " в папке «" + file.parent_path().string() + "» больше не записывается"
                         : "в папку «" + file.parent_path().string() + "» нельзя писать";
            break;
    }
    const char* lead =
        journal.status() == JournalStatus::Stopped ? "Запись в журнал игр остановлена: " : "Журнал игр недоступен: ";
    return lead + reason + ". Игра продолжается без журнала.";
}

}  // namespace duel
