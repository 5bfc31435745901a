// What the commands that make settings files share: reading their option values, and printing
// what they made.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A finite number, with an optional leading '+'; nothing else in the text.
std::optional<double> numberArgument(std::string_view text);

// A whole number from lowest to highest; nothing else in the text.
std::optional<int> wholeArgument(std::string_view text, int lowest, int highest);

// "qz57: OPTION needs WHAT" on stderr; false, for returning at once.
bool badOption(std::string_view option, std::string_view what);

// "range R, resolution S" and then each line, on stdout.
void printMade(int rangeCode, int resolutionCode, const std::vector<std::string>& lines);
