// A replay file exported from a document, imported and exported again gives the same bytes.
#include "files/csv_file.h"
#include "files/point_reader.h"
#include "files/settings_file.h"
#include "model/number_text.h"
#include "model/point_import.h"
#include "model/synthesis.h"
#include "model/tables.h"
#include "tests/support/element_builders.h"
#include "tests/support/exported_csv.h"

#include <gtest/gtest.h>

#include <charconv>
#include <random>
#include <sstream>
#include <string>

namespace {

constexpr double FifthDecimalBelow = 9.9999;

class Generator {
  public:
    Generator(int rangeCode, int resolutionCode, unsigned seed)
        : range_(outputRange(rangeCode)), interval_(resolution(resolutionCode).sampleInterval),
          decimals_(resolution(resolutionCode).timeDecimals), random_(seed) {}

    // A value of 4 decimals in the range, now and then a little beyond it. The settings file
    // holds 6 significant digits: only below 10 do they leave a fifth decimal, which a run of
    // rows printing the same value may need.
    double value() {
        const double span = range_.maximum - range_.minimum;
        // Beyond the range the export writes the limit, a value that does not change.
        const double beyond = range_.maximum <= FifthDecimalBelow + 1 ? 0.1 * span : 0.0;
        std::uniform_real_distribution<double> pick(
            std::max(range_.minimum - beyond, -FifthDecimalBelow - beyond),
            std::min(range_.maximum + beyond, FifthDecimalBelow + beyond));
        return rounded(pick(random_) * scale_, 4);
    }
    // A whole number of intervals, as the parameter dialog makes times.
    double time(int fewest, int most) {
        return rounded(std::uniform_int_distribution<int>(fewest, most)(random_) * interval_,
                       decimals_);
    }
    double whole(int fewest, int most) {
        return std::uniform_int_distribution<int>(fewest, most)(random_);
    }

    SignalElement element(FuncType type) {
        switch (type) {
        case FUNC_CONST:
            return makeElement(type, {value(), time(1, 300)});
        case FUNC_SLOPE:
            return makeElement(type, {value(), value(), time(1, 300)});
        case FUNC_RECT:
        case FUNC_TRI:
            return makeElement(type, {value(), value(), time(1, 60), time(1, 60), whole(1, 4)});
        case FUNC_SIN: {
            // Base and amplitude together stay where one value would.
            const double base = value() / 2;
            return makeElement(type, {rounded(base, 4), rounded(value() / 2, 4), time(20, 200),
                                      whole(0, 359), time(1, 400)});
        }
        case FUNC_EXPO:
            return makeElement(type, {value(), value(), time(1, 100), time(1, 300)});
        case FUNC_RANDOM:
            return makeElement(type,
                               {value(), rounded(value() / 20, 4), whole(0, 99999), time(1, 300)});
        default: {
            // The sum of two halves stays where one value would.
            scale_ = 0.5;
            const SignalElement a = element(static_cast<FuncType>(whole(FUNC_CONST, FUNC_EXPO)));
            const SignalElement b = element(static_cast<FuncType>(whole(FUNC_CONST, FUNC_RANDOM)));
            scale_ = 1.0;
            return makeSum(a, b);
        }
        }
    }

  private:
    static double rounded(double value, int decimals) {
        const std::string text = formatFixed(value, decimals);
        double result = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), result);
        return result;
    }

    const OutputRange& range_;
    double interval_;
    int decimals_;
    std::mt19937 random_;
    double scale_ = 1.0;
};

// Import the replay file as qz57 import does, save it and load it back.
SignalDocument imported(const std::string& csv, std::size_t& elements) {
    const PointReadResult read = readPoints(csv);
    EXPECT_TRUE(read.ok()) << static_cast<int>(read.status) << " line " << read.line;
    const ImportSettings settings = suggestedSettings(read.points);
    const ImportResult made = importPoints(read.points, settings);
    EXPECT_TRUE(made.ok()) << static_cast<int>(made.status);
    elements = made.elements.size();
    const SignalDocument doc =
        madeDocument(settings.rangeCode, settings.resolutionCode, made.elements);
    std::istringstream saved(settingsFileText(doc));
    SignalDocument loaded;
    EXPECT_TRUE(readSettingsText(saved, loaded).ok());
    return loaded;
}

} // namespace

TEST(ReplayRoundTrip, EveryTypeRangeAndResolutionExportsTheSameBytesAgain) {
    int documents = 0;
    for (int rangeCode = 0; rangeCode < RangeCount; ++rangeCode) {
        for (int resolutionCode = 0; resolutionCode < ResolutionCount; ++resolutionCode) {
            for (int type = FUNC_CONST; type <= FUNC_SUM; ++type) {
                for (unsigned variant = 0; variant < 4; ++variant) {
                    Generator make(
                        rangeCode, resolutionCode,
                        static_cast<unsigned>(((rangeCode * 4 + resolutionCode) * 9 + type) * 4 +
                                              variant));
                    SignalDocument doc;
                    doc.rangeCode = rangeCode;
                    doc.resolutionCode = resolutionCode;
                    doc.sampleInterval = resolution(resolutionCode).sampleInterval;
                    doc.elements = {
                        make.element(FUNC_CONST), make.element(static_cast<FuncType>(type)),
                        make.element(static_cast<FuncType>(type)), make.element(FUNC_SLOPE)};
                    const std::string csv = exportedCsv(doc);
                    std::size_t elements = 0;
                    const SignalDocument again = imported(csv, elements);
                    ASSERT_EQ(exportedCsv(again), csv)
                        << "range " << rangeCode << ", resolution " << resolutionCode << ", type "
                        << type << ", variant " << variant;
                    ++documents;
                }
            }
        }
    }
    EXPECT_EQ(documents, 5 * 4 * 8 * 4);
}

TEST(ReplayRoundTrip, ATriangleOfTenPeriodsOverNinetySecondsAtOneMillisecondStaysFewElements) {
    SignalDocument doc;
    doc.rangeCode = 0;
    doc.resolutionCode = 3;
    doc.sampleInterval = 0.001;
    doc.elements = {makeElement(FUNC_TRI, {-5, 5, 4.5, 4.5, 10})};
    const std::string csv = exportedCsv(doc);
    std::size_t elements = 0;
    EXPECT_EQ(exportedCsv(imported(csv, elements)), csv);
    EXPECT_LE(elements, 100u);
}
