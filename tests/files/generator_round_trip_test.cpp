// Every document a generator makes saves, loads and exports to the same bytes as before the save.
#include "files/csv_file.h"
#include "files/settings_file.h"
#include "model/dips.h"
#include "model/engine_start.h"
#include "model/formula_generator.h"
#include "model/sine_sweep.h"
#include "model/staircase.h"
#include "model/synthesis.h"
#include "model/tables.h"
#include "tests/support/exported_csv.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

namespace {

class Settings {
  public:
    Settings(int rangeCode, int resolutionCode, unsigned seed)
        : range_(outputRange(rangeCode)), interval_(resolution(resolutionCode).sampleInterval),
          random_(seed) {}

    // Anywhere in the range and a little beyond it, with more decimals than are kept.
    double level() {
        const double span = range_.maximum - range_.minimum;
        return real(range_.minimum - 0.1 * span, range_.maximum + 0.1 * span);
    }
    // Between fewest and most samples, not always on the grid.
    double time(int fewest, int most) { return real(fewest, most) * interval_; }
    int whole(int fewest, int most) { return std::uniform_int_distribution(fewest, most)(random_); }
    double frequency() { return real(0.01, 0.25) / interval_; }

    StaircaseSettings staircase() {
        return {level(),          level(),    whole(2, 8), time(1, 50), whole(0, 1) * time(2, 20),
                whole(0, 1) == 1, whole(1, 3)};
    }
    SineSweepSettings sweep() {
        return {frequency(), frequency(),      time(2, 2000), level() / 2,
                level() / 2, whole(0, 1) == 1, real(0, 0.01)};
    }
    FormulaSettings formula() {
        static const char* const texts[] = {"if(mod(t,1)<0.5,1,-1)", "mod(t,2)/2",
                                            "exp(-t/3)*sin(2*pi*t)", "clamp(20*t/T-5, -3, 3)"};
        return {texts[whole(0, 3)], time(1, 2000), real(0, 0.01), whole(0, 1) == 1};
    }
    EngineStartSettings engineStart() {
        const double crank = level();
        return {level(),     level(),
                crank,       whole(0, 1) * time(2, 9),
                time(1, 20), time(2, 20),
                time(4, 80), time(2, 20),
                time(1, 40), whole(0, 1) * real(0, 2),
                frequency(), whole(1, 3)};
    }
    DipsSettings dips() {
        return {level(),
                {real(0, 100), real(0, 100)},
                {time(1, 20), time(1, 9)},
                whole(1, 2),
                time(1, 30)};
    }

  private:
    double real(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }

    const OutputRange& range_;
    double interval_;
    std::mt19937 random_;
};

} // namespace

TEST(GeneratorRoundTrip, EveryGeneratedDocumentExportsTheSameBytesAfterASave) {
    int documents = 0;
    for (int rangeCode = 0; rangeCode < RangeCount; ++rangeCode) {
        for (int resolutionCode = 0; resolutionCode < ResolutionCount; ++resolutionCode) {
            const GeneratorTarget target{rangeCode, resolutionCode};
            for (unsigned seed = 0; seed < 3; ++seed) {
                Settings settings(rangeCode, resolutionCode, seed * 31 + 7);
                const GeneratorResult results[] = {
                    makeStaircase(settings.staircase(), target),
                    makeSineSweep(settings.sweep(), target),
                    makeFormula(settings.formula(), target),
                    makeEngineStart(settings.engineStart(), target),
                    makeDips(settings.dips(), target),
                };
                for (const GeneratorResult& made : results) {
                    ASSERT_TRUE(made.ok()) << static_cast<int>(made.refusal.problem);
                    const SignalDocument doc =
                        madeDocument(rangeCode, resolutionCode, made.elements);
                    const std::string saved = settingsFileText(doc);
                    std::istringstream in(saved);
                    SignalDocument loaded;
                    ASSERT_TRUE(readSettingsText(in, loaded).ok());
                    EXPECT_EQ(settingsFileText(loaded), saved);
                    EXPECT_EQ(exportedCsv(loaded), exportedCsv(doc))
                        << "range " << rangeCode << ", resolution " << resolutionCode;
                    ++documents;
                }
            }
        }
    }
    EXPECT_EQ(documents, 300);
}
