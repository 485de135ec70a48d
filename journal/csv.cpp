// The list of games as CSV text (RFC 4180).
#include "journal/csv.h"

namespace duel {

std::string CsvCell(std::string_view text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) return std::string(text);
    std::string cell = "\"";
    for (char c : text) {
        if (c == '"') cell += '"';
        cell += c;
    }
    cell += '"';
    return cell;
}

std::string FormulaGuarded(std::string_view text) {
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        return "'" + std::string(text);
    return std::string(text);
}

std::string GamesCsv(std::span<const CsvRow> rows) {
    std::string text = Word("journal", kGamesCsvHeader) + "\r\n";
    for (const CsvRow& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += ',';
            text += CsvCell(FormulaGuarded(row[i]));
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace duel
