// The list of games as CSV text (RFC 4180) and a reader of such text.
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
    std::string text = std::string(kGamesCsvHeader) + "\r\n";
    for (const CsvRow& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += ',';
            text += CsvCell(FormulaGuarded(row[i]));
        }
        text += "\r\n";
    }
    return text;
}

std::optional<std::vector<CsvRow>> ReadCsv(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<CsvRow> rows;
    CsvRow row;
    std::string cell;
    size_t i = 0;
    auto endLine = [&] {
        row.push_back(std::move(cell));
        cell.clear();
        rows.push_back(std::move(row));
        row.clear();
    };
    while (i < text.size()) {
        if (text[i] == '"' && cell.empty()) {
            // A quoted cell: up to the quote that is not doubled.
            for (++i;; ++i) {
                if (i >= text.size()) return std::nullopt;
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        cell += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell += text[i];
            }
            if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') return std::nullopt;
            if (i >= text.size()) break;
        }
        const char c = text[i];
        if (c == ',') {
            row.push_back(std::move(cell));
            cell.clear();
            ++i;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            endLine();
            i += 2;
        } else if (c == '\n') {
            endLine();
            ++i;
        } else {
            cell += c;
            ++i;
        }
    }
    if (!cell.empty() || !row.empty() || (!text.empty() && text.back() != '\n')) endLine();
    return rows;
}

}  // namespace duel
