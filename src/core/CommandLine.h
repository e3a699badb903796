#pragma once

#include <charconv>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

// Reads a command line of "--name value" options and "--name" switches, each given at most
// once. Every fault is a std::invalid_argument with a one-line message naming the option.
class OptionReader {
  public:
    OptionReader(std::vector<std::string> args, std::set<std::string> switches,
                 std::set<std::string> valued);

    // Moves to the next option; false at the end. `Value()` is empty for a switch.
    bool Next();
    const std::string& Option() const { return mOption; }
    const std::string& Value() const { return mValue; }

  private:
    std::vector<std::string> mArgs;
    std::set<std::string> mSwitches;
    std::set<std::string> mValued;
    std::set<std::string> mGiven;
    std::size_t mNext = 0;
    std::string mOption;
    std::string mValue;
};

// The whole number `text` given to `option`, from `least` to `most`.
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
