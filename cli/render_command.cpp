#include "cli/commands.h"

#include "canvas/canvas_setup.h"
#include "canvas/draw_list.h"
#include "canvas/svg_chart.h"
#include "canvas/view_scroll.h"
#include "cli/load_document.h"
#include "files/safe_write.h"
#include "model/number_text.h"
#include "model/synthesis.h"
#include "model/tables.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

const char* const RenderUsage =
    "Usage: qz57 render SETTINGS.dat OUT.svg [--period SECONDS] [--dpi N]\n"
    "  --period SECONDS  time shown across the chart (default 30)\n"
    "  --dpi N           screen dpi the chart is sized for, 48 to 960 (default 96)\n";

namespace {

constexpr int MinDpi = 48;
constexpr int MaxDpi = 960;

struct RenderOptions {
    std::string_view settingsPath;
    std::string_view outPath;
    int periodPosition = InitialDisplayPeriod;
    int dpi = 96;
};

// Nothing to show on: the picture is taken from the view state once all updates are done.
struct NoWindow final : CanvasEffects {
    void pushScrollState(const Canvas&) override {}
    void requestRepaint(const Canvas&) override {}
};

template <typename Number> std::optional<Number> parseNumber(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (result.ec != std::errc{} || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<int> periodPositionOf(std::string_view text) {
    const std::optional<double> seconds = parseNumber<double>(text);
    for (int position = 0; seconds && position < DisplayPeriodCount; ++position)
        if (displayPeriod(position).span == *seconds)
            return position;
    return std::nullopt;
}

std::string periodChoices() {
    std::string text;
    for (int position = 0; position < DisplayPeriodCount; ++position)
        text += (position > 0 ? ", " : "") + formatGeneral(displayPeriod(position).span);
    return text;
}

// Options may stand anywhere after the command; two paths are required.
std::optional<RenderOptions> parseOptions(std::span<const std::string_view> args) {
    RenderOptions options;
    int paths = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--period" || arg == "--dpi") {
            if (i + 1 == args.size()) {
                std::fprintf(stderr, "qz57: %s needs a value\n", std::string(arg).c_str());
                return std::nullopt;
            }
            const std::string_view value = args[++i];
            if (arg == "--period") {
                const std::optional<int> position = periodPositionOf(value);
                if (!position) {
                    std::fprintf(stderr, "qz57: --period must be one of %s seconds\n",
                                 periodChoices().c_str());
                    return std::nullopt;
                }
                options.periodPosition = *position;
            } else {
                const std::optional<int> dpi = parseNumber<int>(value);
                if (!dpi || *dpi < MinDpi || *dpi > MaxDpi) {
                    std::fprintf(stderr, "qz57: --dpi must be a whole number from %d to %d\n",
                                 MinDpi, MaxDpi);
                    return std::nullopt;
                }
                options.dpi = *dpi;
            }
        } else if (arg.starts_with("--") || paths == 2) {
            std::fprintf(stderr, "qz57: unexpected argument '%s'\n", std::string(arg).c_str());
            return std::nullopt;
        } else {
            (paths++ == 0 ? options.settingsPath : options.outPath) = arg;
        }
    }
    if (paths != 2)
        return std::nullopt;
    return options;
}

// The chart as the editor shows it right after start-up, the choice of the display period and
// the loading of the document.
std::string chartOfDocument(const SignalDocument& doc, const RenderOptions& options) {
    NoWindow window;
    Canvas canvas = initialCanvas(options.dpi);
    Trace& trace = configureOutputCanvas(canvas, window);
    TracePoints samples;
    trace.points = &samples;
    rebuildSamples({}, SignalDocument{}.sampleInterval, samples);
    setView(canvas, 0, canvas.displaySpan, 0, window);
    applyDisplayPeriod(canvas, options.periodPosition, window);
    applyOutputRange(trace, doc.rangeCode);
    rebuildSamples(doc.elements, doc.sampleInterval, samples);
    setView(canvas, 0, canvas.displaySpan, 0, window);
    setView(canvas, 0, canvas.displaySpan, 0, window);
    return svgChart(buildDrawList(canvas));
}

} // namespace

int runRender(std::span<const std::string_view> args) {
    const std::optional<RenderOptions> options = parseOptions(args);
    if (!options) {
        std::fputs(RenderUsage, stderr);
        return ExitUsage;
    }
    SignalDocument doc;
    if (!loadDocumentOrReport(options->settingsPath, doc))
        return ExitFailed;
    const std::filesystem::path out = argumentPath(options->outPath);
    switch (writeFileSafely(out, chartOfDocument(doc, *options))) {
    case WriteResult::Written:
        return ExitOk;
    case WriteResult::CannotOpen:
        std::fprintf(stderr, "qz57: %s: cannot open the file for writing%s\n",
                     pathText(out).c_str(), readOnlyNote(out).c_str());
        return ExitFailed;
    case WriteResult::WriteFailed:
        std::fprintf(stderr, "qz57: %s: writing the file failed\n", pathText(out).c_str());
        return ExitFailed;
    }
    return ExitFailed;
}
