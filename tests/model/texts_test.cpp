#include "model/texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// The numbers n of the "{n}" a text holds.
std::set<int> placeholders(std::string_view text) {
    std::set<int> numbers;
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        if (text[i] == '{' && text[i + 2] == '}' && text[i + 1] >= '1' && text[i + 1] <= '9')
            numbers.insert(text[i + 1] - '0');
    }
    return numbers;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

TEST(TextTable, EveryIdHasBothTextsWithTheSameArguments) {
    for (std::size_t i = 0; i < TextCount; ++i) {
        const auto id = static_cast<TextId>(i);
        const std::string_view japanese = text(id, Language::Japanese);
        const std::string_view english = text(id, Language::English);
        SCOPED_TRACE(std::string(japanese) + " / " + std::string(english));
        EXPECT_FALSE(japanese.empty()) << i;
        EXPECT_FALSE(english.empty()) << i;
        EXPECT_TRUE(isValidUtf8(japanese));
        EXPECT_TRUE(isValidUtf8(english));
        std::set<int> expected;
        for (int n = 1; n <= argumentCount(id); ++n)
            expected.insert(n);
        EXPECT_EQ(placeholders(japanese), expected) << i;
        EXPECT_EQ(placeholders(english), expected) << i;
    }
}

// What the call sites pass: a format that gained or lost an argument has to change here too.
TEST(TextTable, FormatsTakeTheArgumentsTheirCallersPass) {
    const struct {
        TextId id;
        int arguments;
    } formats[] = {
        {TextId::SummaryConstant, 2},
        {TextId::SummarySlope, 3},
        {TextId::SummaryRectangle, 5},
        {TextId::SummarySine, 5},
        {TextId::SummaryExponential, 4},
        {TextId::SummaryRandom, 4},
        {TextId::SummarySum, 2},
        {TextId::FieldConstantValue, 1},
        {TextId::FieldStartValue, 1},
        {TextId::FieldEndValue, 1},
        {TextId::FieldValueA, 1},
        {TextId::FieldValueB, 1},
        {TextId::FieldBaseValue, 1},
        {TextId::FieldAmplitude, 1},
        {TextId::FieldFinalValue, 1},
        {TextId::FieldRmsAmplitude, 1},
        {TextId::StatusModified, 1},
        {TextId::StatusTotalTime, 1},
        {TextId::StatusTimeOfMax, 2},
        {TextId::StatusCounts, 2},
        {TextId::StatusClipped, 2},
        {TextId::PasteRefused, 2},
        {TextId::ReadProblemAtLine, 2},
        {TextId::ReadLongLine, 1},
        {TextId::ReadHeader, 1},
        {TextId::ReadVersion, 1},
        {TextId::ReadRangeCode, 1},
        {TextId::ReadResolutionCode, 1},
        {TextId::ReadParameter, 1},
        {TextId::ReadSamplesFit, 1},
        {TextId::ReadElementLimit, 1},
        {TextId::ReadByteLimit, 1},
        {TextId::ReadFileEnded, 1},
        {TextId::ReadTextEnded, 1},
        {TextId::StatusMoreElements, 1},
        {TextId::ReadRecoveryVersion, 1},
        {TextId::ReadRecoverySize, 1},
        {TextId::AboutVersion, 1},
        {TextId::RecoveryQuestion, 2},
        {TextId::RecoveryUnreadable, 1},
        {TextId::ImportAtLine, 2},
        {TextId::ImportTooLong, 2},
        {TextId::ImportSummaryPoints, 1},
        {TextId::ImportSummaryElements, 1},
        {TextId::ImportSummaryDeviation, 2},
        {TextId::ImportSummaryDuration, 2},
        {TextId::ImportSummaryClipped, 1},
        {TextId::ImportColumn, 1},
        {TextId::ImportNamedColumn, 2},
        {TextId::ImportTolerance, 1},
        {TextId::ImportOffset, 1},
        {TextId::ImportDocumentCodes, 2},
        {TextId::ImportFieldNotNumber, 1},
        {TextId::ImportNoRoom, 2},
        {TextId::PictureNotWritten, 1},
        {TextId::StatusStatsSelection, 8},
        {TextId::StatusStatsWhole, 8},
        {TextId::StatusReferenceDifference, 3},
        {TextId::GenerateFrom, 1},
        {TextId::GenerateTo, 1},
        {TextId::GenerateAmplitude, 1},
        {TextId::GenerateOffset, 1},
        {TextId::GenerateTolerance, 1},
        {TextId::GenerateSupply, 1},
        {TextId::GenerateLowLevel, 1},
        {TextId::GenerateCrankLevel, 1},
        {TextId::GenerateRipple, 1},
        {TextId::GenerateNominal, 1},
        {TextId::GenerateFieldProblem, 2},
        {TextId::GenerateBelowMinimum, 1},
        {TextId::GenerateAboveMaximum, 1},
        {TextId::GenerateShorterThanSample, 1},
        {TextId::GenerateFrequencyTooHigh, 1},
        {TextId::GenerateAtColumn, 2},
        {TextId::GenerateUnknownName, 1},
        {TextId::GenerateArgumentCount, 2},
        {TextId::GenerateFormulaTooLong, 1},
        {TextId::GenerateFormulaTooDeep, 1},
        {TextId::GenerateNotFinite, 1},
        {TextId::GenerateHugeValue, 1},
    };
    std::set<TextId> listed;
    for (const auto& format : formats) {
        EXPECT_EQ(argumentCount(format.id), format.arguments) << text(format.id, Language::English);
        listed.insert(format.id);
    }
    for (std::size_t i = 0; i < TextCount; ++i) {
        const auto id = static_cast<TextId>(i);
        if (!listed.contains(id)) {
            EXPECT_EQ(argumentCount(id), 0) << text(id, Language::English);
        }
    }
}

TEST(TextTable, FormatPutsArgumentsWhereTheTextSays) {
    EXPECT_EQ(formatText(TextId::StatusTimeOfMax, Language::Japanese, {"85.000", "90"}),
              "85.000 秒 / 90 秒");
    EXPECT_EQ(formatText(TextId::StatusTimeOfMax, Language::English, {"85.000", "90"}),
              "85.000 s / 90 s");
    // An argument holding braces is put in as it is, never read as a placeholder.
    EXPECT_EQ(formatText(TextId::StatusModified, Language::English, {"{2}.dat"}),
              "{2}.dat (modified)");
    EXPECT_EQ(formatText(TextId::StatusTimeOfMax, Language::English, {"1"}), "1 s / {2} s");
    EXPECT_EQ(formatText(TextId::StatusUntitled, Language::English, {"unused"}), "Untitled");
}

TEST(TextTable, IdsOutsideTheTableHaveNoText) {
    EXPECT_EQ(text(TextId::Count_, Language::English), "");
    EXPECT_EQ(argumentCount(TextId::Count_), 0);
    EXPECT_EQ(formatText(static_cast<TextId>(-1), Language::Japanese, {"x"}), "");
}

} // namespace
