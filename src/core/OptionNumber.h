#pragma once

#include <charconv>
#include <stdexcept>
#include <string>

// The whole number `text` given to `option`, from `least` to `most`; anything else is a
// std::invalid_argument whose one-line message names the option and the value.
template <typename Number>
Number ParseOptionNumber(const std::string& option, const std::string& text, Number least,
                         Number most) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || ptr != end || value < least || value > most) {
        throw std::invalid_argument(option + ": \"" + text + "\" is not a number from " +
                                    std::to_string(least) + " to " + std::to_string(most));
    }
    return value;
}
