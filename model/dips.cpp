#include "model/dips.h"

#include "model/generator_fields.h"

namespace {

std::vector<double> listOf(const std::vector<double>& values, TextId field,
                           GeneratorFields& fields) {
    if (values.empty())
        fields.refuse(GeneratorProblem::NoValues, field);
    else if (values.size() > DipsMaxListLength)
        fields.refuse(GeneratorProblem::AboveMaximum, field, DipsMaxListLength);
    return values;
}

} // namespace

GeneratorResult makeDips(const DipsSettings& settings, const GeneratorTarget& target) {
    GeneratorResult result;
    GeneratorFields fields(target, result);
    const double nominal = fields.level(settings.nominal, TextId::GenerateNominal);
    std::vector<double> levels;
    for (const double percent : listOf(settings.levels, TextId::GenerateTestLevels, fields))
        levels.push_back(fields.level(nominal * percent / 100.0, TextId::GenerateTestLevels));
    std::vector<std::int64_t> durations;
    for (const double seconds : listOf(settings.durations, TextId::GenerateDipDurations, fields))
        durations.push_back(fields.samples(seconds, TextId::GenerateDipDurations, 1));
    const int repeats =
        fields.whole(settings.repeats, TextId::GenerateRepeats, 1, GeneratorMaxCycles);
    const std::int64_t interval = fields.samples(settings.interval, TextId::GenerateInterval, 1);
    double dipSamples = 0.0;
    for (const std::int64_t duration : durations)
        dipSamples += static_cast<double>(duration + interval);
    const double total =
        static_cast<double>(interval) + static_cast<double>(levels.size()) * repeats * dipSamples;
    if (!fields.fits(total))
        return result;
    const double dips = static_cast<double>(levels.size() * durations.size()) * repeats;
    GridRun run(fields.resolution(), static_cast<std::size_t>(1 + 2 * dips));
    run.hold(nominal, interval);
    for (const double level : levels) {
        for (const std::int64_t duration : durations) {
            for (int i = 0; i < repeats; ++i) {
                run.hold(level, duration);
                run.hold(nominal, interval);
            }
        }
    }
    finishExact(run.take(), fields, result);
    return result;
}
