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

std::string summaryText(const SignalElement& element) {
    const auto& p = element.params;
    std::string text;
    switch (element.type) {
    case FUNC_CONST:
        text = "値=" + value4(p[0]) + ", 期間=" + time3(p[1]) + "秒";
        break;
    case FUNC_SLOPE:
        text = "始点=" + value4(p[0]) + ", 終点=" + value4(p[1]) + ", 期間=" + time3(p[2]) + "秒";
        break;
    case FUNC_RECT:
    case FUNC_TRI:
        text = "値A=" + value4(p[0]) + ", 値B=" + value4(p[1]) + ", 期間A=" + time3(p[2]) +
               "秒, 期間B=" + time3(p[3]) + "秒, x" + whole(p[4]) + "回";
        break;
    case FUNC_SIN:
        text = "基値=" + value4(p[0]) + ", 振幅=" + value4(p[1]) + ", 周期=" + time3(p[2]) +
               "秒, 初期位相=" + whole(p[3]) + "°, 総時間" + time3(p[4]) + "秒";
        break;
    case FUNC_EXPO:
        text = "始点=" + value4(p[0]) + ", 終点=" + value4(p[1]) + ", 時定数=" + time3(p[2]) +
               "秒, 総時間" + time3(p[3]) + "秒";
        break;
    case FUNC_RANDOM:
        text = "基値=" + value4(p[0]) + ", 振幅=" + value4(p[1]) + ", シード=" + whole(p[2]) +
               ", 期間" + time3(p[3]) + "秒";
        break;
    case FUNC_SUM:
        text = "関数A=" + std::string(displayNameOf(element.subTypeA)) +
               ", 関数B=" + std::string(displayNameOf(element.subTypeB));
        break;
    default:
        break;
    }
    cutAtCharacter(text, MaxSummaryBytes);
    return text;
}
