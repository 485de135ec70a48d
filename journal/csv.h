// The list of games as CSV text (RFC 4180).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace duel {

// One line of cells, already formatted for the reader of the file.
using CsvRow = std::vector<std::string>;

// The header line of the exported list of games.
inline constexpr const char* kGamesCsvHeader = "Дата,Режим,Итог,Ходов,Время";

// One cell as RFC 4180 writes it: quoted when it holds a comma, a quote or a
// line break (or starts or ends with a space), quotes doubled.
std::string CsvCell(std::string_view text);

// The header line, then one line per row; UTF-8, every line ended by CRLF.
std::string GamesCsv(std::span<const CsvRow> rows);

}  // namespace duel
