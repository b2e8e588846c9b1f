#include "tables/text_block.h"

#include <algorithm>
#include <optional>

namespace velmora {

namespace {

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

bool endsField(std::string_view text, std::size_t at) {
    return at == text.size() || text[at] == '\t' || isLineBreak(text[at]);
}

// The unquoted field that opens at `start` with a quote, and where it ends;
// nothing when the quotes do not close right before a field's end.
std::optional<std::pair<std::string, std::size_t>> quotedField(std::string_view text, std::size_t start) {
    std::string field;
    std::size_t at = start + 1;
    while (at < text.size()) {
        if (text[at] != '"') {
            field += text[at++];
            continue;
        }
        if (at + 1 < text.size() && text[at + 1] == '"') {
            field += '"';
            at += 2;
            continue;
        }
        if (!endsField(text, at + 1))
            return std::nullopt;
        return std::pair{std::move(field), at + 1};
    }
    return std::nullopt;
}

// Moves past one line break (CR LF counts as one).
std::size_t pastLineBreak(std::string_view text, std::size_t at) {
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
        return at + 2;
    return at + 1;
}

bool needsQuotes(const std::string& text) {
    return text.find_first_of("\t\r\n") != std::string::npos || (!text.empty() && text.front() == '"');
}

void appendField(std::string& out, const std::string& text) {
    if (!needsQuotes(text)) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

TextBlock parseTextBlock(std::string_view text) {
    TextBlock block;
    std::size_t at = 0;
    while (at < text.size()) {
        std::vector<std::string>& row = block.emplace_back();
        for (;;) {
            std::optional<std::pair<std::string, std::size_t>> quoted;
            if (text[at] == '"')
                quoted = quotedField(text, at);
            if (quoted) {
                row.push_back(std::move(quoted->first));
                at = quoted->second;
            } else {
                const std::size_t end = std::min(text.find_first_of("\t\r\n", at), text.size());
                row.emplace_back(text.substr(at, end - at));
                at = end;
            }
            if (at == text.size() || isLineBreak(text[at]))
                break;
            ++at; // the tab
            if (at == text.size()) {
                row.emplace_back();
                break;
            }
        }
        if (at < text.size())
            at = pastLineBreak(text, at);
    }
    return block;
}

std::string blockText(const Table& table, const std::vector<std::int32_t>& rows, std::int32_t firstColumn,
                      std::int32_t lastColumn) {
    std::string out;
    for (std::int32_t row : rows) {
        for (std::int32_t column = firstColumn; column <= lastColumn; ++column) {
            if (column > firstColumn)
                out += '\t';
            appendField(out, table.cell(column, row));
        }
        out += "\r\n";
    }
    return out;
}

PastePlan planPaste(const TextBlock& block, std::int32_t column, std::int32_t row, std::int32_t columnCount,
                    std::int32_t rowCount) {
    PastePlan plan;
    for (std::size_t r = 0; r < block.size(); ++r) {
        const std::int64_t targetRow = std::int64_t{row} + static_cast<std::int64_t>(r);
        for (std::size_t c = 0; c < block[r].size(); ++c) {
            const std::int64_t targetColumn = std::int64_t{column} + static_cast<std::int64_t>(c);
            if (targetRow >= rowCount || targetColumn >= columnCount) {
                ++plan.outside;
                continue;
            }
            plan.inside.push_back(
                {static_cast<std::int32_t>(targetColumn), static_cast<std::int32_t>(targetRow), block[r][c]});
        }
    }
    return plan;
}

std::vector<CellText> cellsToClear(const std::vector<CellPosition>& selected) {
    const bool nodeColumnOnly =
        std::all_of(selected.begin(), selected.end(), [](const CellPosition& cell) { return cell.column == 0; });
    std::vector<CellText> cleared;
    for (const CellPosition& cell : selected) {
        if (nodeColumnOnly || cell.column > 0)
            cleared.push_back({cell.column, cell.row, ""});
    }
    return cleared;
}

} // namespace velmora
