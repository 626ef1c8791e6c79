// Formatted-input steps on a string: white space, decimal integers and lines.
#include "common/text_scan.h"

#include <limits>

namespace crv {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

void skipSpace(TextScanner& scanner) {
    while (!scanner.atEnd() && isSpace(scanner.text[scanner.pos])) {
        ++scanner.pos;
    }
}

bool scanInt(TextScanner& scanner, std::int32_t& value) {
    skipSpace(scanner);
    std::size_t pos = scanner.pos;
    const std::string_view text = scanner.text;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos >= text.size() || !isDigit(text[pos])) {
        return false;
    }
    // Saturate instead of wrapping: the magnitude is capped just past the 32-bit range.
    constexpr std::int64_t cap = std::int64_t{1} << 32;
    std::int64_t magnitude = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > cap) {
            magnitude = cap;
        }
        ++pos;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    value = static_cast<std::int32_t>(signedValue < low    ? low
                                      : signedValue > high ? high
                                                           : signedValue);
    scanner.pos = pos;
    return true;
}

void skipLine(TextScanner& scanner) {
    const std::size_t newline = scanner.text.find('\n', scanner.pos);
    scanner.pos = newline == std::string_view::npos ? scanner.text.size() : newline + 1;
}

std::int32_t leadingInt(std::string_view token) {
    TextScanner scanner{token};
    std::int32_t value = 0;
    return scanInt(scanner, value) ? value : 0;
}

} // namespace crv
