#include "model/param_fields.h"

#include "model/number_text.h"
#include "model/tables.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

// What the rows of every type are measured against under the current settings.
struct Limits {
    double lower;     // L: the range's minimum
    double upper;     // U: the range's maximum
    double interval;  // dt: the sample interval
    double maxTime;   // T: the resolution's time budget
    int timeDecimals; // d: as many decimals as the sample interval has
    std::string_view unit;
    Language language;
};

constexpr int ValueDecimals = 4;

std::string oneDecimal(double value) {
    return formatFixed(value, 1);
}

FieldRow valueRow(TextId name, std::string defaultText, const Limits& limits) {
    return {formatText(name, limits.language, {limits.unit}),
            std::move(defaultText),
            {limits.lower, limits.upper, ValueDecimals}};
}

// An amplitude may not be zero or negative; its floor is the same for every range.
FieldRow amplitudeRow(TextId name, double defaultValue, double minimum, const Limits& limits) {
    return {formatText(name, limits.language, {limits.unit}),
            oneDecimal(defaultValue),
            {minimum, limits.upper, ValueDecimals}};
}

// A time can be no shorter than `minimum` (a whole number of samples) and no longer than the
// whole budget.
FieldRow timeRow(TextId label, std::string_view defaultText, double minimum, const Limits& limits) {
    return {std::string(text(label, limits.language)),
            std::string(defaultText),
            {minimum, limits.maxTime, limits.timeDecimals}};
}

FieldRow wholeRow(TextId label, std::string_view defaultText, double minimum, double maximum,
                  const Limits& limits) {
    return {
        std::string(text(label, limits.language)), std::string(defaultText), {minimum, maximum, 0}};
}

std::vector<FieldRow> rowsOf(FuncType type, const Limits& l) {
    const double half = l.upper * 0.5;
    const double middle = (l.lower + l.upper) * 0.5;
    switch (type) {
    case FUNC_CONST:
        return {valueRow(TextId::FieldConstantValue, "0.0", l),
                timeRow(TextId::FieldHoldTime, "10.0", l.interval, l)};
    case FUNC_SLOPE:
        return {valueRow(TextId::FieldStartValue, "0.0", l),
                valueRow(TextId::FieldEndValue, oneDecimal(half), l),
                timeRow(TextId::FieldRampTime, "10.0", 2 * l.interval, l)};
    case FUNC_RECT:
    case FUNC_TRI:
        return {valueRow(TextId::FieldValueA, "0.0", l),
                valueRow(TextId::FieldValueB, oneDecimal(half), l),
                timeRow(TextId::FieldTimeA, "5.0", l.interval, l),
                timeRow(TextId::FieldTimeB, "5.0", l.interval, l),
                wholeRow(TextId::FieldRepetitions, "3", 1, 999, l)};
    case FUNC_SIN:
        return {valueRow(TextId::FieldBaseValue, oneDecimal(middle), l),
                amplitudeRow(TextId::FieldAmplitude, (l.upper - l.lower) * 0.25, 0.01, l),
                timeRow(TextId::FieldPeriod, "5.0", 20 * l.interval, l),
                wholeRow(TextId::FieldInitialPhase, "0", 0, 359, l),
                timeRow(TextId::FieldTotalTime, "10.0", l.interval, l)};
    case FUNC_EXPO:
        return {valueRow(TextId::FieldStartValue, "0.0", l),
                valueRow(TextId::FieldFinalValue, oneDecimal(half), l),
                timeRow(TextId::FieldTimeConstant, "10.0", 10 * l.interval, l),
                timeRow(TextId::FieldTotalTime, "30.0", l.interval, l)};
    case FUNC_RANDOM:
        return {valueRow(TextId::FieldBaseValue, oneDecimal(middle), l),
                amplitudeRow(TextId::FieldRmsAmplitude, (l.upper - l.lower) / 10, 0.0001, l),
                wholeRow(TextId::FieldSeed, "0", 0, 99999999, l),
                timeRow(TextId::FieldDuration, "10.0", l.interval, l)};
    default:
        return {};
    }
}

// C "isspace" in the C locale: what atof skips before the number.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool startsWithHexPrefix(std::string_view text) {
    return text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

double stepOf(int decimals) {
    switch (decimals) {
    case 1:
        return 0.1;
    case 2:
        return 0.01;
    case 3:
        return 0.001;
    case 4:
        return 0.0001;
    default:
        return 1.0;
    }
}

int shownDecimals(int decimals) {
    return decimals >= 1 && decimals <= 4 ? decimals : 0;
}

} // namespace

std::vector<FieldRow> fieldRows(FuncType type, const SignalDocument& doc, Language language) {
    if (doc.rangeCode < 0)
        return {};
    const OutputRange& range = outputRange(doc.rangeCode);
    const Resolution& res = resolution(doc.resolutionCode);
    const Limits limits{
        range.minimum,   range.maximum, doc.sampleInterval, res.maximumTotalTime, res.timeDecimals,
        range.unitLabel, language};
    return rowsOf(type, limits);
}

double readFieldNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    bool negative = false;
    if (start < text.size() && (text[start] == '+' || text[start] == '-')) {
        negative = text[start] == '-';
        ++start;
    }
    const std::string_view digits = text.substr(start);
    // from_chars takes a sign of its own; atof does not accept a second one.
    if (digits.empty() || digits[0] == '+' || digits[0] == '-')
        return 0.0;
    const char* const end = digits.data() + digits.size();
    double value = 0.0;
    std::from_chars_result result{};
    if (startsWithHexPrefix(digits))
        result = std::from_chars(digits.data() + 2, end, value, std::chars_format::hex);
    else
        result = std::from_chars(digits.data(), end, value, std::chars_format::general);
    // Out of range leaves `value` untouched; "nan" and "inf" parse but are no usable number.
    if (result.ec != std::errc{} || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

double normalizeFieldValue(double value, const FieldRule& rule) {
    if (!std::isfinite(value))
        value = 0.0;
    if (value < rule.minimum)
        value = rule.minimum;
    if (value > rule.maximum)
        value = rule.maximum;
    const double sign = value < 0 ? -1.0 : 1.0;
    const double step = stepOf(rule.decimals);
    // The count of steps stays a double: the limits may be far beyond any integer type.
    const double steps = std::trunc((std::fabs(value) + step / 2) / step);
    // Near the largest doubles the count of steps overflows; such a value has no finer digits.
    if (!std::isfinite(steps))
        return value;
    if (steps == 0.0)
        return 0.0;
    return steps * step * sign;
}

std::string normalizeFieldText(std::string_view text, const FieldRule& rule) {
    return formatFixed(normalizeFieldValue(readFieldNumber(text), rule),
                       shownDecimals(rule.decimals));
}
