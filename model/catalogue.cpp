#include "model/catalogue.h"

#include <array>

namespace {

struct Catalogue {
    std::string_view keyword;
    TextId displayName; // Count_: no name
    int paramCount;
};

// Indexed by code, FUNC_NONE included.
constexpr std::array<Catalogue, HighestFuncType + 1> Types{{
    {"FUNC_NONE", TextId::Count_, 0},
    {"FUNC_CONST", TextId::TypeConstant, 2},
    {"FUNC_SLOPE", TextId::TypeSlope, 3},
    {"FUNC_RECT", TextId::TypeRectangle, 5},
    {"FUNC_TRI", TextId::TypeTriangle, 5},
    {"FUNC_SIN", TextId::TypeSine, 5},
    {"FUNC_EXPO", TextId::TypeExponential, 4},
    {"FUNC_RANDOM", TextId::TypeRandom, 4},
    {"FUNC_SUM", TextId::TypeSum, 2},
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

std::string_view displayNameOf(FuncType type, Language language) {
    return isKnown(type) ? text(Types[static_cast<std::size_t>(type)].displayName, language)
                         : std::string_view{};
}

int paramCountOf(FuncType type) {
    return isKnown(type) ? Types[static_cast<std::size_t>(type)].paramCount : 0;
}
