// The few formatted-input steps the shared text files need, on a string instead of a stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace crv {

/// A read position in a text buffer; every step moves it forward only.
struct TextScanner {
    std::string_view text;
    std::size_t pos = 0;

    bool atEnd() const { return pos >= text.size(); }
};

/// Skips blanks, tabs, newlines and the other C white-space characters.
void skipSpace(TextScanner& scanner);

/// Reads a decimal integer after optional white space, with an optional sign; false when no
/// digit follows. A number beyond 32 bits reads as the nearest 32-bit limit.
bool scanInt(TextScanner& scanner, std::int32_t& value);

/// Moves past the next newline, or to the end when there is none.
void skipLine(TextScanner& scanner);

/// The integer at the start of a token as atoi reads it: white space, sign, digits, the rest
/// ignored; 0 when there is no digit, the nearest 32-bit limit when it does not fit.
std::int32_t leadingInt(std::string_view token);

} // namespace crv
