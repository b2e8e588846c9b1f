#include "datafile/text_lines.h"

#include "rtl/failure.h"
#include "rtl/messages.h"

namespace velmora {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

namespace {

// The quoted field whose opening quote stands at line[i]; i ends past the
// closing quote, or at the end of the line when there is none.
std::string quotedField(std::string_view line, std::size_t& i) {
    std::string field;
    ++i;
    while (i < line.size()) {
        if (line[i] != '"') {
            field += line[i++];
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
            field += '"';
            i += 2;
        } else {
            ++i;
            break;
        }
    }
    return field;
}

std::string plainField(std::string_view line, std::size_t& i) {
    const std::size_t start = i;
    while (i < line.size() && line[i] != '\t')
        ++i;
    return std::string(line.substr(start, i - start));
}

} // namespace

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    if (line.empty())
        return fields;
    std::size_t i = 0;
    for (;;) {
        fields.push_back(i < line.size() && line[i] == '"' ? quotedField(line, i) : plainField(line, i));
        if (i == line.size())
            break;
        // After a closing quote the rest up to the next tab starts a field
        // of its own; after any other field a tab stands here.
        if (line[i] == '\t')
            ++i;
    }
    return fields;
}

const std::string& itemAt(const std::vector<std::string>& items, std::size_t index) {
    if (index >= items.size())
        throw Failure(messages::listIndexOutOfBounds(static_cast<std::int64_t>(index)));
    return items[index];
}

} // namespace velmora
