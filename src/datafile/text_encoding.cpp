#include "datafile/text_encoding.h"

#include <array>
#include <cstdint>

namespace velmora {

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

// The characters of bytes 80 to 9F. The five bytes Windows-1252 leaves
// undefined (81, 8D, 8F, 90, 9D) stand for the control characters of the
// same number, so that every byte decodes and encodes back to itself.
constexpr std::array<char32_t, 32> highControlBlock{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

unsigned byteAt(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

// The character starting at bytes[i], advancing i past it; an ill-formed
// sequence (overlong, surrogate, beyond U+10FFFF, cut short) gives nothing
// and advances by one byte.
bool nextUtf8(std::string_view bytes, std::size_t& i, char32_t& c) {
    const unsigned lead = byteAt(bytes, i);
    if (lead < 0x80) {
        c = lead;
        ++i;
        return true;
    }
    std::size_t length = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        minimum = 0x80;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        minimum = 0x800;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        minimum = 0x10000;
        c = lead & 0x07;
    } else {
        ++i;
        return false;
    }
    if (bytes.size() - i < length) {
        ++i;
        return false;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned next = byteAt(bytes, i + k);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return false;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return false;
    }
    i += length;
    return true;
}

std::string decodeUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        char32_t c = 0;
        appendUtf8(out, nextUtf8(bytes, i, c) ? c : replacementCharacter);
    }
    return out;
}

std::string decodeUtf16(std::string_view bytes, bool bigEndian) {
    const auto unitAt = [&](std::size_t i) -> char32_t {
        const unsigned first = byteAt(bytes, i);
        const unsigned second = byteAt(bytes, i + 1);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    std::string out;
    out.reserve(bytes.size());
    // A lone last byte is half a character and is dropped.
    const std::size_t units = bytes.size() / 2;
    for (std::size_t u = 0; u < units; ++u) {
        const char32_t unit = unitAt(2 * u);
        if (unit >= 0xD800 && unit <= 0xDBFF && u + 1 < units) {
            const char32_t low = unitAt(2 * (u + 1));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++u;
                continue;
            }
        }
        appendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? replacementCharacter : unit);
    }
    return out;
}

std::string decodeWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Runs of plain ASCII, nearly the whole of a data file, go as they are.
        const std::size_t start = i;
        while (i < bytes.size() && byteAt(bytes, i) < 0x80)
            ++i;
        out.append(bytes.substr(start, i - start));
        if (i == bytes.size())
            break;
        const unsigned b = byteAt(bytes, i++);
        appendUtf8(out, b < 0xA0 ? highControlBlock[b - 0x80] : b);
    }
    return out;
}

bool startsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

char windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t k = 0; k < highControlBlock.size(); ++k)
        if (highControlBlock[k] == c)
            return static_cast<char>(0x80 + k);
    return '?';
}

} // namespace

std::string decodeFileText(std::string_view bytes) {
    std::string text;
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        text = decodeUtf8(bytes.substr(3));
    else if (startsWith(bytes, "\xFF\xFE"))
        text = decodeUtf16(bytes.substr(2), false);
    else if (startsWith(bytes, "\xFE\xFF"))
        text = decodeUtf16(bytes.substr(2), true);
    else
        text = decodeWindows1252(bytes);
    // U+0000 is the only character whose UTF-8 form holds a zero byte.
    if (const std::size_t end = text.find('\0'); end != std::string::npos)
        text.resize(end);
    return text;
}

std::string encodeWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        while (i < text.size() && byteAt(text, i) < 0x80)
            ++i;
        out.append(text.substr(start, i - start));
        if (i == text.size())
            break;
        char32_t c = 0;
        out += nextUtf8(text, i, c) ? windows1252Byte(c) : '?';
    }
    return out;
}

} // namespace velmora
