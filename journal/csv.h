// The list of games as CSV text (RFC 4180).
#pragma once

#include "rules/player_text.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace duel {

// One line of cells, already formatted for the reader of the file.
using CsvRow = std::vector<std::string>;

// The header line of the exported list of games: one column for each figure, so that a spreadsheet reads them apart.
inline constexpr const char* kGamesCsvHeader = DUEL_MARK(
    "journal",
    "Дата,Режим,Итог,Ваших ходов,Ходов компьютера / соперника,Время,Ваше число,Число компьютера / соперника,Соперник");

// One cell as RFC 4180 writes it: quoted when it holds a comma, a quote or a
// line break (or starts or ends with a space), quotes doubled.
std::string CsvCell(std::string_view text);

// A cell a spreadsheet would take for a formula (one that begins with =, +,
// -, @, a tab or a carriage return) with an apostrophe before it, so that it
// is shown as text and never run; any other cell as it is.
std::string FormulaGuarded(std::string_view text);

// The header line, then one line per row, every cell FormulaGuarded; UTF-8,
// every line ended by CRLF.
std::string GamesCsv(std::span<const CsvRow> rows);

}  // namespace duel
