#pragma once

#include <string>

// Number formatting for files and the list view, identical on every platform and C locale.

// printf "%.Nf": fixed notation with the given number of decimals.
std::string formatFixed(double value, int decimals);

// printf "%g": six significant digits, trailing zeros removed.
std::string formatGeneral(double value);

// A whole count with a comma between each group of three digits: "1,234,567".
std::string groupedThousands(long long count);
