// A reader of CSV text (RFC 4180), for the tests that read back the exported list of games.
#pragma once

#include "journal/csv.h"

#include <optional>
#include <string_view>
#include <vector>

namespace duel {

// Reads CSV text back into rows: quoted cells may hold commas, doubled quotes
// and line breaks; lines may end with CRLF or LF; a UTF-8 byte order mark at
// the start is skipped.  Nothing when a quote is left open or a quoted cell is
// followed by anything but a comma or a line end.
std::optional<std::vector<CsvRow>> ReadCsv(std::string_view text);

}  // namespace duel
