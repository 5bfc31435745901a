#include "model/catalogue.h"

#include <array>

namespace {

struct Catalogue {
    std::string_view keyword;
    std::string_view displayName;
    int paramCount;
};

// Indexed by code, FUNC_NONE included.
constexpr std::array<Catalogue, HighestFuncType + 1> Types{{
    {"FUNC_NONE", "", 0},
    {"FUNC_CONST", "固定値", 2},
    {"FUNC_SLOPE", "スロープ", 3},
    {"FUNC_RECT", "矩形波", 5},
    {"FUNC_TRI", "三角波", 5},
    {"FUNC_SIN", "正弦波", 5},
    {"FUNC_EXPO", "飽和/減衰", 4},
    {"FUNC_RANDOM", "ランダム", 4},
    {"FUNC_SUM", "合成", 2},
}};

bool isKnown(FuncType type) {
    return type >= FUNC_NONE && type <= HighestFuncType;
}

} // namespace

std::string_view keywordOf(FuncType type) {
    return isKnown(type) ? Types[static_cast<std::size_t>(type)].keyword : std::string_view{};
}

std::optional<FuncType> typeFromKeyword(std::string_view token, FuncType highest) {
    for (FuncType code = FUNC_CONST; code <= highest && code <= HighestFuncType; ++code) {
        // Trailing characters after the keyword are ignored, as the settings reader expects.
        if (token.starts_with(Types[static_cast<std::size_t>(code)].keyword))
            return code;
    }
    return std::nullopt;
}

std::string_view displayNameOf(FuncType type) {
    return isKnown(type) ? Types[static_cast<std::size_t>(type)].displayName : std::string_view{};
}

int paramCountOf(FuncType type) {
    return isKnown(type) ? Types[static_cast<std::size_t>(type)].paramCount : 0;
}
