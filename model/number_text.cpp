#include "model/number_text.h"

#include <charconv>

namespace {

template <typename... Format> std::string toChars(double value, Format... format) {
    // Large enough for any double in fixed notation with up to 99 decimals.
    char buffer[512];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format...);
    if (result.ec != std::errc{})
        return "?";
    return std::string(buffer, result.ptr);
}

} // namespace

std::string formatFixed(double value, int decimals) {
    return toChars(value, std::chars_format::fixed, decimals);
}

std::string formatGeneral(double value) {
    return toChars(value, std::chars_format::general, 6);
}

std::string groupedThousands(long long count) {
    const std::string digits = std::to_string(count);
    const std::size_t sign = count < 0 ? 1 : 0;
    std::string text = digits.substr(0, sign);
    for (std::size_t i = sign; i < digits.size(); ++i) {
        if (i > sign && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}
