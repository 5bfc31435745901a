#include "cli/commands.h"

#include "cli/load_document.h"
#include "cli/options.h"
#include "files/generator_messages.h"
#include "files/import_form.h"
#include "files/settings_file.h"
#include "model/dips.h"
#include "model/engine_start.h"
#include "model/formula_generator.h"
#include "model/number_text.h"
#include "model/sine_sweep.h"
#include "model/staircase.h"
#include "model/tables.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

const char* const GenerateUsage =
    "Usage: qz57 generate KIND OUT.dat --range CODE --resolution CODE [options]\n"
    "       qz57 generate KIND OUT.dat --append IN.dat [options]\n"
    "  staircase --from A --to B --steps N --dwell S [--ramp S] [--updown] [--cycles N]\n"
    "  sweep     --from F1 --to F2 --duration S --amplitude A [--offset O] [--log]\n"
    "            [--tolerance X]\n"
    "  formula   --expr TEXT --duration S [--tolerance X] [--step]\n"
    "  start     --supply V --low V --crank V --fall S --low-time S --rise1 S\n"
    "            --crank-time S --rise2 S --pause S [--ripple V --ripple-freq HZ] [--cycles N]\n"
    "  dips      --nominal V [--levels P,P,...] [--durations S,S,...] [--repeats N]\n"
    "            [--interval S]\n";

namespace {

enum Kind : unsigned { Staircase = 1, Sweep = 2, Formula = 4, Start = 8, Dips = 16, Any = 31 };

struct Option {
    std::string_view name;
    unsigned kinds;    // the kinds that take it
    unsigned required; // the kinds that need it
    bool flag;         // takes no value
};

constexpr Option Options[] = {
    {"--range", Any, 0, false},
    {"--resolution", Any, 0, false},
    {"--append", Any, 0, false},
    {"--from", Staircase | Sweep, Staircase | Sweep, false},
    {"--to", Staircase | Sweep, Staircase | Sweep, false},
    {"--steps", Staircase, Staircase, false},
    {"--dwell", Staircase, Staircase, false},
    {"--ramp", Staircase, 0, false},
    {"--updown", Staircase, 0, true},
    {"--cycles", Staircase | Start, 0, false},
    {"--duration", Sweep | Formula, Sweep | Formula, false},
    {"--amplitude", Sweep, Sweep, false},
    {"--offset", Sweep, 0, false},
    {"--log", Sweep, 0, true},
    {"--tolerance", Sweep | Formula, 0, false},
    {"--expr", Formula, Formula, false},
    {"--step", Formula, 0, true},
    {"--supply", Start, Start, false},
    {"--low", Start, Start, false},
    {"--crank", Start, Start, false},
    {"--fall", Start, Start, false},
    {"--low-time", Start, Start, false},
    {"--rise1", Start, Start, false},
    {"--crank-time", Start, Start, false},
    {"--rise2", Start, Start, false},
    {"--pause", Start, Start, false},
    {"--ripple", Start, 0, false},
    {"--ripple-freq", Start, 0, false},
    {"--nominal", Dips, Dips, false},
    {"--levels", Dips, 0, false},
    {"--durations", Dips, 0, false},
    {"--repeats", Dips, 0, false},
    {"--interval", Dips, 0, false},
};

constexpr std::pair<std::string_view, Kind> Kinds[] = {{"staircase", Staircase},
                                                       {"sweep", Sweep},
                                                       {"formula", Formula},
                                                       {"start", Start},
                                                       {"dips", Dips}};

// The options given, by name; a flag's value is empty. A value that does not read is reported
// and turns the request into a usage error.
class Request {
  public:
    Kind kind = Staircase;
    std::string_view outPath;
    bool usable = true;

    bool has(std::string_view name) const { return values_.contains(name); }
    std::string_view text(std::string_view name) const { return values_.at(name); }
    void set(std::string_view name, std::string_view value) { values_[name] = value; }

    double number(std::string_view name, double fallback) {
        if (!has(name))
            return fallback;
        const std::optional<double> value = numberArgument(text(name));
        usable = (value && usable) || badOption(name, "a number");
        return value.value_or(fallback);
    }
    int whole(std::string_view name, int fallback) {
        if (!has(name))
            return fallback;
        const std::optional<int> value = wholeArgument(text(name), INT_MIN, INT_MAX);
        usable = (value && usable) || badOption(name, "a whole number");
        return value.value_or(fallback);
    }
    std::vector<double> list(std::string_view name, std::vector<double> fallback) {
        if (!has(name))
            return fallback;
        std::optional<std::vector<double>> values = fieldNumbers(text(name));
        if (!values) {
            usable = badOption(name, "numbers separated by commas") && usable;
            return fallback;
        }
        return std::move(*values);
    }

  private:
    std::map<std::string_view, std::string_view> values_;
};

std::optional<Request> requestOf(std::span<const std::string_view> args) {
    if (args.empty())
        return std::nullopt;
    Request request;
    const auto* kind = std::find_if(std::begin(Kinds), std::end(Kinds),
                                    [&](const auto& k) { return k.first == args[0]; });
    if (kind == std::end(Kinds)) {
        std::fprintf(stderr, "qz57: unknown kind '%s'\n", std::string(args[0]).c_str());
        return std::nullopt;
    }
    request.kind = kind->second;
    std::vector<std::string_view> paths;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const auto* option = std::find_if(std::begin(Options), std::end(Options),
                                          [&](const Option& o) { return o.name == arg; });
        if (!arg.starts_with("--")) {
            paths.push_back(arg);
        } else if (option == std::end(Options) || !(option->kinds & request.kind)) {
            std::fprintf(stderr, "qz57: unexpected argument '%s' for %s\n",
                         std::string(arg).c_str(), std::string(kind->first).c_str());
            return std::nullopt;
        } else if (option->flag) {
            request.set(arg, {});
        } else if (i + 1 == args.size()) {
            badOption(arg, "a value");
            return std::nullopt;
        } else {
            request.set(arg, args[++i]);
        }
    }
    for (const Option& option : Options) {
        if ((option.required & request.kind) && !request.has(option.name)) {
            std::fprintf(stderr, "qz57: %s needs %s\n", std::string(kind->first).c_str(),
                         std::string(option.name).c_str());
            return std::nullopt;
        }
    }
    if (paths.size() != 1)
        return std::nullopt;
    request.outPath = paths[0];
    return request;
}

GeneratorResult generate(Request& request, const GeneratorTarget& target) {
    Request& r = request;
    switch (r.kind) {
    case Staircase: {
        const StaircaseSettings d;
        return makeStaircase({r.number("--from", d.from), r.number("--to", d.to),
                              r.whole("--steps", d.steps), r.number("--dwell", d.dwell),
                              r.number("--ramp", d.ramp), r.has("--updown"),
                              r.whole("--cycles", d.cycles)},
                             target);
    }
    case Sweep: {
        const SineSweepSettings d;
        return makeSineSweep({r.number("--from", d.fromFrequency), r.number("--to", d.toFrequency),
                              r.number("--duration", d.duration),
                              r.number("--amplitude", d.amplitude), r.number("--offset", d.offset),
                              r.has("--log"), r.number("--tolerance", d.tolerance)},
                             target);
    }
    case Formula: {
        const FormulaSettings d;
        return makeFormula({std::string(r.text("--expr")), r.number("--duration", d.duration),
                            r.number("--tolerance", d.tolerance), r.has("--step")},
                           target);
    }
    case Start: {
        const EngineStartSettings d;
        return makeEngineStart({r.number("--supply", d.supply), r.number("--low", d.low),
                                r.number("--crank", d.crank), r.number("--fall", d.fall),
                                r.number("--low-time", d.lowTime), r.number("--rise1", d.rise1),
                                r.number("--crank-time", d.crankTime), r.number("--rise2", d.rise2),
                                r.number("--pause", d.pause), r.number("--ripple", d.ripple),
                                r.number("--ripple-freq", d.rippleFrequency),
                                r.whole("--cycles", d.cycles)},
                               target);
    }
    default: {
        const DipsSettings d;
        return makeDips({r.number("--nominal", d.nominal), r.list("--levels", d.levels),
                         r.list("--durations", d.durations), r.whole("--repeats", d.repeats),
                         r.number("--interval", d.interval)},
                        target);
    }
    }
}

// A code option: -1 when absent; one that does not read is a usage error.
bool codeOption(Request& request, std::string_view name, int count, int& code) {
    code = -1;
    if (!request.has(name))
        return true;
    const std::optional<int> value = wholeArgument(request.text(name), 0, count - 1);
    code = value.value_or(-1);
    return value ||
           badOption(name, name == "--range" ? "a range code 0 to 4" : "a resolution code 0 to 3");
}

enum class Source { Ready, Usage, Failed };

// The document the elements go into: IN.dat with --append, else an empty one of the codes given.
Source documentOf(Request& request, SignalDocument& doc) {
    int range = -1;
    int res = -1;
    if (!codeOption(request, "--range", RangeCount, range) ||
        !codeOption(request, "--resolution", ResolutionCount, res))
        return Source::Usage;
    if (!request.has("--append")) {
        if (range < 0 || res < 0) {
            badOption("generate", "--range and --resolution, or --append IN.dat");
            return Source::Usage;
        }
        doc = madeDocument(range, res);
        return Source::Ready;
    }
    if (!loadDocumentOrReport(request.text("--append"), doc))
        return Source::Failed;
    if ((range >= 0 && range != doc.rangeCode) || (res >= 0 && res != doc.resolutionCode)) {
        badOption("--append", "the range and resolution of its file");
        return Source::Usage;
    }
    return Source::Ready;
}

} // namespace

int runGenerate(std::span<const std::string_view> args) {
    std::optional<Request> request = requestOf(args);
    if (!request) {
        std::fputs(GenerateUsage, stderr);
        return ExitUsage;
    }
    SignalDocument doc;
    const Source source = documentOf(*request, doc);
    if (source == Source::Usage)
        std::fputs(GenerateUsage, stderr);
    if (source != Source::Ready)
        return source == Source::Usage ? ExitUsage : ExitFailed;
    const GeneratorResult made = generate(*request, {doc.rangeCode, doc.resolutionCode});
    if (!request->usable) {
        std::fputs(GenerateUsage, stderr);
        return ExitUsage;
    }
    if (!made.ok()) {
        std::fprintf(stderr, "qz57: %s\n",
                     generatorRefusalMessage(made, doc.rangeCode, Language::English).c_str());
        return ExitFailed;
    }
    if (!elementsFitTimeBudget(doc, made.elements)) {
        const double left = resolution(doc.resolutionCode).maximumTotalTime - totalDuration(doc);
        std::fprintf(stderr, "qz57: %s\n",
                     formatText(TextId::ImportNoRoom, Language::English,
                                {formatFixed(made.summary.duration, 3), formatFixed(left, 3)})
                         .c_str());
        return ExitFailed;
    }
    doc.elements.insert(doc.elements.end(), made.elements.begin(), made.elements.end());
    return saveMade(request->outPath, doc,
                    generatorSummaryLines(made, doc.rangeCode, Language::English));
}
