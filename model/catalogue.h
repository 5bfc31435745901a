#pragma once

#include "model/texts.h"

#include <optional>
#include <string_view>

// Function types an element can be; the code is what settings files and the dialog store.
using FuncType = int;

inline constexpr FuncType FUNC_NONE = 0;
inline constexpr FuncType FUNC_CONST = 1;
inline constexpr FuncType FUNC_SLOPE = 2;
inline constexpr FuncType FUNC_RECT = 3;
inline constexpr FuncType FUNC_TRI = 4;
inline constexpr FuncType FUNC_SIN = 5;
inline constexpr FuncType FUNC_EXPO = 6;
inline constexpr FuncType FUNC_RANDOM = 7;
inline constexpr FuncType FUNC_SUM = 8;

inline constexpr FuncType HighestFuncType = FUNC_SUM;
inline constexpr FuncType HighestSubTypeA = FUNC_EXPO;
inline constexpr FuncType HighestSubTypeB = FUNC_RANDOM;

// Settings-file keyword ("FUNC_SIN"); empty for a code outside 0..8.
std::string_view keywordOf(FuncType type);

// The first code 1..highest whose keyword begins the token; FUNC_NONE never matches.
std::optional<FuncType> typeFromKeyword(std::string_view token, FuncType highest);

// Name shown in the list view and the type combos (UTF-8); empty for 0 and unknown codes.
std::string_view displayNameOf(FuncType type, Language language);

// Number of parameter slots the type uses; 0 for FUNC_NONE and unknown codes.
int paramCountOf(FuncType type);
