#include "windows1252.h"

#include <array>
#include <cstdint>

namespace tarvolo {

namespace {

constexpr char kSustituto = '\x1A';

// What 0x80..0x9F stand for; the five the code page leaves unassigned stand
// for the control characters of the same number, as Windows reads them.
constexpr std::array<char32_t, 32> kAltos = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                             0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char aByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kAltos.size(); ++i)
        if (kAltos[i] == c) return static_cast<char>(0x80 + i);
    return kSustituto;
}

void agregarUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The next code point of a UTF-8 text and its length in bytes; a byte that
// starts no well-formed sequence is one code point that the code page lacks.
std::pair<char32_t, std::size_t> siguiente(std::string_view s) {
    const auto b = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const std::uint8_t c0 = b(0);
    if (c0 < 0x80) return {c0, 1};
    std::size_t n = c0 >= 0xF0 ? 4 : c0 >= 0xE0 ? 3 : c0 >= 0xC0 ? 2 : 0;
    if (n == 0 || n > s.size() || c0 > 0xF4) return {0xFFFD, 1};
    char32_t c = c0 & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80) return {0xFFFD, 1};
        c = (c << 6) | (b(i) & 0x3F);
    }
    return {c, n};
}

}  // namespace

std::string aWindows1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto [c, n] = siguiente(utf8);
        bytes += aByte(c);
        utf8.remove_prefix(n);
    }
    return bytes;
}

std::string deWindows1252(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size());
    for (const char b : bytes) {
        const auto u = static_cast<std::uint8_t>(b);
        agregarUtf8(utf8, u >= 0x80 && u < 0xA0 ? kAltos[u - 0x80] : char32_t{u});
    }
    return utf8;
}

}  // namespace tarvolo
