#include "model/grid_elements.h"

#include "model/number_text.h"

#include <charconv>
#include <string>

namespace {

double parsed(const std::string& text) {
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

double storedValue(double value, int decimals) {
    return parsed(formatGeneral(parsed(formatFixed(value, decimals))));
}

double gridDuration(std::int64_t samples, const Resolution& res) {
    return parsed(formatFixed(static_cast<double>(samples) * res.sampleInterval, res.timeDecimals));
}

SignalElement gridElement(double first, double last, std::int64_t samples, const Resolution& res) {
    SignalElement element;
    const double duration = gridDuration(samples, res);
    if (first == last) {
        element.type = FUNC_CONST;
        element.params[0] = first;
        element.params[1] = duration;
    } else {
        element.type = FUNC_SLOPE;
        element.params[0] = first;
        element.params[1] = last;
        element.params[2] = duration;
    }
    element.paramCount = paramCountOf(element.type);
    element.duration = elementDuration(element);
    return element;
}
