#include "model/signal_element.h"

#include "model/number_text.h"

#include <cstddef>

namespace {

// The list view's text buffer holds 255 bytes and a terminator.
constexpr std::size_t MaxSummaryBytes = 255;

// Shortens to at most maxBytes without splitting a UTF-8 character.
void cutAtCharacter(std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return;
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    text.resize(end);
}

std::string value4(double v) {
    return formatFixed(v, 4);
}
std::string time3(double v) {
    return formatFixed(v, 3);
}
std::string whole(double v) {
    return formatFixed(v, 0);
}

} // namespace

double elementDuration(const SignalElement& element) {
    const auto& p = element.params;
    switch (element.type) {
    case FUNC_CONST:
        return p[1];
    case FUNC_SLOPE:
        return p[2];
    case FUNC_RECT:
    case FUNC_TRI:
        return (p[3] + p[2]) * p[4];
    case FUNC_SIN:
        return p[4];
    case FUNC_EXPO:
    case FUNC_RANDOM:
        return p[3];
    case FUNC_SUM:
        return elementDuration(subElement(element, SubFunction::A));
    default:
        return 0.0;
    }
}

SignalElement subElement(const SignalElement& element, SubFunction which) {
    SignalElement sub;
    if (which == SubFunction::A) {
        sub.type = element.subTypeA;
        sub.paramCount = element.subParamCountA;
        sub.params = element.subParamsA;
    } else {
        sub.type = element.subTypeB;
        sub.paramCount = element.subParamCountB;
        sub.params = element.subParamsB;
    }
    return sub;
}

std::string summaryText(const SignalElement& element, Language language) {
    const auto& p = element.params;
    std::string text;
    switch (element.type) {
    case FUNC_CONST:
        text = formatText(TextId::SummaryConstant, language, {value4(p[0]), time3(p[1])});
        break;
    case FUNC_SLOPE:
        text =
            formatText(TextId::SummarySlope, language, {value4(p[0]), value4(p[1]), time3(p[2])});
        break;
    case FUNC_RECT:
    case FUNC_TRI:
        text = formatText(TextId::SummaryRectangle, language,
                          {value4(p[0]), value4(p[1]), time3(p[2]), time3(p[3]), whole(p[4])});
        break;
    case FUNC_SIN:
        text = formatText(TextId::SummarySine, language,
                          {value4(p[0]), value4(p[1]), time3(p[2]), whole(p[3]), time3(p[4])});
        break;
    case FUNC_EXPO:
        text = formatText(TextId::SummaryExponential, language,
                          {value4(p[0]), value4(p[1]), time3(p[2]), time3(p[3])});
        break;
    case FUNC_RANDOM:
        text = formatText(TextId::SummaryRandom, language,
                          {value4(p[0]), value4(p[1]), whole(p[2]), time3(p[3])});
        break;
    case FUNC_SUM:
        text = formatText(
            TextId::SummarySum, language,
            {displayNameOf(element.subTypeA, language), displayNameOf(element.subTypeB, language)});
        break;
    default:
        break;
    }
    cutAtCharacter(text, MaxSummaryBytes);
    return text;
}
