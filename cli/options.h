// What the commands that make settings files share: reading their option values, and saving and
// printing what they made.
#pragma once

#include "model/signal_document.h"

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

// Writes the document to OUT and prints "range R, resolution S" and then each line on stdout;
// a failed write is reported instead. The exit status.
int saveMade(std::string_view outPath, const SignalDocument& doc,
             const std::vector<std::string>& lines);
