#include "files/settings_file.h"

#include "model/synthesis.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

// Lines are joined with CR LF and the last one ends too.
std::string lines(std::initializer_list<std::string> list) {
    std::string text;
    for (const std::string& line : list)
        text += line + "\r\n";
    return text;
}

const std::string Head = "### QZ570 series output editor data file ###";

// A constant and a sum of a sine and a random signal.
const std::string Valid = lines({Head,
                                 "VER\t1",
                                 "OUTRANGE\t0",
                                 "RESOLUTION\t0",
                                 "ELEMENTS\t2",
                                 "FUNC\tFUNC_CONST",
                                 "PAR0\t1.5",
                                 "PAR1\t10",
                                 "FUNC\tFUNC_SUM",
                                 "SUBFUNC\tFUNC_SIN",
                                 "PAR0\t0",
                                 "PAR1\t1",
                                 "PAR2\t2",
                                 "PAR3\t0",
                                 "PAR4\t10",
                                 "SUBFUNC\tFUNC_RANDOM",
                                 "PAR0\t0",
                                 "PAR1\t0.1",
                                 "PAR2\t5",
                                 "PAR3\t10"});

SettingsReadResult readText(const std::string& text, SignalDocument& doc) {
    std::istringstream in(text);
    return readSettingsText(in, doc);
}

// Replaces the first occurrence of from by to.
std::string edited(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

TEST(SettingsRead, ExampleFile) {
    SignalDocument doc;
    const SettingsReadResult result = readText(Valid, doc);
    ASSERT_TRUE(result.ok()) << result.line << ": " << expectationText(result, Language::English);
    EXPECT_EQ(doc.rangeCode, 0);
    EXPECT_EQ(doc.resolutionCode, 0);
    EXPECT_EQ(doc.sampleInterval, 0.01);
    ASSERT_EQ(doc.elements.size(), 2u);
    EXPECT_EQ(doc.elements[0], makeElement(FUNC_CONST, {1.5, 10}));
    const SignalElement& s = doc.elements[1];
    EXPECT_EQ(s, makeSum(makeElement(FUNC_SIN, {0, 1, 2, 0, 10}),
                         makeElement(FUNC_RANDOM, {0, 0.1, 5, 10})));
    EXPECT_EQ(s.paramCount, 2);
    EXPECT_EQ(s.params, (std::array<double, ParamSlots>{}));
    EXPECT_EQ(s.duration, 10.0);
}

TEST(SettingsRead, SampleIntervalFollowsTheResolution) {
    const std::pair<int, double> cases[] = {{0, 0.01}, {1, 0.1}, {2, 1.0}, {3, 0.001}};
    for (const auto& [code, interval] : cases) {
        SignalDocument doc;
        ASSERT_TRUE(
            readText(edited(Valid, "RESOLUTION\t0", "RESOLUTION\t" + std::to_string(code)), doc)
                .ok());
        EXPECT_EQ(doc.resolutionCode, code);
        EXPECT_EQ(doc.sampleInterval, interval);
    }
}

// One rule, many inputs: each case edits the valid file; a failure names its line.
TEST(SettingsRead, ValidationRules) {
    struct Case {
        const char* name;
        std::string text;
        int failLine; // 0: accepted
    };
    const std::string longLine = "PAR0\t1" + std::string(249, ' ');   // 255 characters
    const std::string tooLong = "PAR0\t1" + std::string(250, ' ');    // 256 characters
    const std::string longKey = "PAR0" + std::string(95, 'x');        // 99 characters
    const std::string tooLongKey = "PAR0" + std::string(96, 'x');     // 100 characters
    const std::string longWord = "FUNC_CONST" + std::string(89, 'x'); // 99 characters
    std::string noFinalEnd = Valid;
    noFinalEnd.resize(noFinalEnd.size() - 2);
    std::string lfOnly;
    for (char c : Valid)
        if (c != '\r')
            lfOnly += c;
    const Case cases[] = {
        {"valid", Valid, 0},
        {"LF line ends", lfOnly, 0},
        {"last line without its end", noFinalEnd, 0},
        {"header with trailing text", edited(Valid, Head, Head + "  extra\r"), 0},
        {"header differs within 44 characters", edited(Valid, "QZ570", "QZ571"), 1},
        {"header cut short", edited(Valid, Head, Head.substr(0, 43)), 1},
        {"empty file", "", 1},
        {"UTF-8 byte-order mark, as Notepad saves", "\xEF\xBB\xBF" + Valid, 0},
        {"byte-order mark cut short", "\xEF\xBB" + Valid, 1},
        {"byte-order mark twice", "\xEF\xBB\xBF\xEF\xBB\xBF" + Valid, 1},
        {"version 0", edited(Valid, "VER\t1", "VER\t0"), 0},
        {"negative version", edited(Valid, "VER\t1", "VER\t-3"), 0},
        {"version 1.9 reads as 1", edited(Valid, "VER\t1", "VER\t1.9"), 0},
        {"version 2", edited(Valid, "VER\t1", "VER\t2"), 2},
        {"version overflows an int", edited(Valid, "VER\t1", "VER\t99999999999"), 2},
        {"version missing", edited(Valid, "VER\t1", "VER"), 2},
        {"version not a number", edited(Valid, "VER\t1", "VER\tone"), 2},
        {"version key wrong", edited(Valid, "VER\t1", "VRE\t1"), 2},
        {"version with plus sign", edited(Valid, "VER\t1", "VER\t+1"), 0},
        {"range 4", edited(Valid, "OUTRANGE\t0", "OUTRANGE\t4"), 0},
        {"range 5", edited(Valid, "OUTRANGE\t0", "OUTRANGE\t5"), 3},
        {"range -1", edited(Valid, "OUTRANGE\t0", "OUTRANGE\t-1"), 3},
        {"range key alone", edited(Valid, "OUTRANGE\t0", "OUTRANGE"), 3},
        {"range key with suffix", edited(Valid, "OUTRANGE\t0", "OUTRANGEX\t0"), 0},
        {"range key short", edited(Valid, "OUTRANGE\t0", "OUTRANG\t0"), 3},
        {"resolution 4", edited(Valid, "RESOLUTION\t0", "RESOLUTION\t4"), 4},
        {"resolution huge", edited(Valid, "RESOLUTION\t0", "RESOLUTION\t1e999"), 0},
        {"element count 0", edited(Valid, "ELEMENTS\t2", "ELEMENTS\t0"), 5},
        {"element key ELEMENTX", edited(Valid, "ELEMENTS\t2", "ELEMENTX\t2"), 0},
        {"element count 1: the rest is ignored", edited(Valid, "ELEMENTS\t2", "ELEMENTS\t1"), 0},
        {"element count 3: the file ends early", edited(Valid, "ELEMENTS\t2", "ELEMENTS\t3"), 21},
        {"FUNC_NONE", edited(Valid, "FUNC\tFUNC_CONST", "FUNC\tFUNC_NONE"), 6},
        {"FUNC_CONSTANT reads as FUNC_CONST",
         edited(Valid, "FUNC\tFUNC_CONST", "FUNC\tFUNC_CONSTANT"), 0},
        {"unknown function", edited(Valid, "FUNC\tFUNC_CONST", "FUNC\tFUNC_SQUARE"), 6},
        {"function word missing", edited(Valid, "FUNC\tFUNC_CONST", "FUNC"), 6},
        {"function key wrong", edited(Valid, "FUNC\tFUNC_CONST", "FUN\tFUNC_CONST"), 6},
        {"random as function A", edited(Valid, "SUBFUNC\tFUNC_SIN", "SUBFUNC\tFUNC_RANDOM"), 10},
        {"sum as function A", edited(Valid, "SUBFUNC\tFUNC_SIN", "SUBFUNC\tFUNC_SUM"), 10},
        {"sum as function B", edited(Valid, "SUBFUNC\tFUNC_RANDOM", "SUBFUNC\tFUNC_SUM"), 16},
        {"expo as function A", edited(Valid, "SUBFUNC\tFUNC_SIN", "SUBFUNC\tFUNC_EXPO"), 15},
        {"parameter index 1 for 0", edited(Valid, "PAR0\t1.5", "PAR1\t1.5"), 7},
        {"parameter key PAR0x", edited(Valid, "PAR0\t1.5", "PAR0x\t1.5"), 0},
        {"parameter key PAR alone", edited(Valid, "PAR0\t1.5", "PAR\t1.5"), 7},
        {"parameter is a word", edited(Valid, "PAR0\t1.5", "PAR0\tlow"), 7},
        {"parameter missing", edited(Valid, "PAR0\t1.5", "PAR0"), 7},
        {"parameter with trailing text", edited(Valid, "PAR0\t1.5", "PAR0\t1.5V"), 0},
        {"parameter in exponent form", edited(Valid, "PAR0\t1.5", "PAR0\t1.5e0"), 0},
        {"parameter in hexadecimal", edited(Valid, "PAR0\t1.5", "PAR0\t0x1.8p0"), 0},
        {"parameter infinite", edited(Valid, "PAR0\t1.5", "PAR0\tinf"), 7},
        {"parameter NaN", edited(Valid, "PAR0\t1.5", "PAR0\tnan"), 7},
        {"parameter overflows", edited(Valid, "PAR0\t1.5", "PAR0\t1e999"), 7},
        {"parameter line too few", edited(Valid, "PAR1\t10\r\n", ""), 8},
        {"parameter line too many", edited(Valid, "PAR1\t10\r\n", "PAR1\t10\r\nPAR2\t3\r\n"), 9},
        {"extra line after the last element", Valid + "PAR4\t1\r\n", 0},
        {"garbage after the last element", Valid + std::string(1000, 'x'), 0},
        {"blank line inside", edited(Valid, "FUNC\tFUNC_SUM", "\r\nFUNC\tFUNC_SUM"), 9},
        {"blank line before the elements", edited(Valid, "ELEMENTS\t2\r\n", "ELEMENTS\t2\r\n\r\n"),
         6},
        {"blanks instead of TAB", edited(Valid, "PAR0\t1.5", "  PAR0    1.5"), 0},
        {"line of 255 characters", edited(Valid, "PAR0\t1.5", longLine), 0},
        {"line of 256 characters", edited(Valid, "PAR0\t1.5", tooLong), 7},
        {"key of 99 characters", edited(Valid, "PAR0\t1.5", longKey + "\t1.5"), 0},
        {"key of 100 characters", edited(Valid, "PAR0\t1.5", tooLongKey + "\t1.5"), 7},
        {"function word of 99 characters", edited(Valid, "FUNC\tFUNC_CONST", "FUNC\t" + longWord),
         0},
        {"function word of 100 characters",
         edited(Valid, "FUNC\tFUNC_CONST", "FUNC\t" + longWord + "x"), 6},
        {"duration that overflows",
         edited(
             edited(
                 Valid, "FUNC\tFUNC_CONST\r\nPAR0\t1.5\r\nPAR1\t10",
                 "FUNC\tFUNC_RECT\r\nPAR0\t1\r\nPAR1\t2\r\nPAR2\t1e308\r\nPAR3\t1e308\r\nPAR4\t1"),
             "ELEMENTS\t2", "ELEMENTS\t1"),
         6},
        {"negative duration loads", edited(Valid, "PAR1\t10", "PAR1\t-5"), 0},
        {"length that overflows only once saved",
         edited(edited(Valid, "FUNC\tFUNC_CONST\r\nPAR0\t1.5\r\nPAR1\t10",
                       "FUNC\tFUNC_RECT\r\nPAR0\t1\r\nPAR1\t2\r\nPAR2\t8.98846567431157e307\r\n"
                       "PAR3\t8.98846567431157e307\r\nPAR4\t-1"),
                "ELEMENTS\t2", "ELEMENTS\t1"),
         6},
        {"samples beyond the trace store", edited(Valid, "PAR1\t10", "PAR1\t1000"), 6},
        {"samples just within the store", edited(Valid, "PAR1\t10", "PAR1\t989.98"), 0},
        {"samples one past the store", edited(Valid, "PAR1\t10", "PAR1\t989.99"), 9},
        {"over the time budget but within the store",
         edited(edited(Valid, "RESOLUTION\t0", "RESOLUTION\t2"), "PAR1\t10", "PAR1\t90000"), 0},
        {"a NUL ends the line", edited(Valid, "VER\t1", std::string("VER\0\t1", 6)), 2},
    };
    for (const Case& c : cases) {
        SignalDocument doc;
        const SettingsReadResult result = readText(c.text, doc);
        if (c.failLine == 0) {
            EXPECT_TRUE(result.ok()) << c.name << ": line " << result.line << ": "
                                     << expectationText(result, Language::English);
            continue;
        }
        EXPECT_EQ(result.status, SettingsReadStatus::InvalidContent) << c.name;
        EXPECT_EQ(result.line, c.failLine)
            << c.name << ": " << expectationText(result, Language::English);
        EXPECT_FALSE(expectationText(result, Language::English).empty()) << c.name;
    }
}

// Too small for a double reads as zero with its sign; too large stays refused.
TEST(SettingsRead, NumbersBeyondTheRangeOfADouble) {
    struct Case {
        const char* text;
        std::optional<double> value; // none: refused on line 7
    };
    const Case cases[] = {
        {"1e-400", 0.0},
        {"-1e-400", -0.0},
        {"+1E-99999999999", 0.0},
        {"0x1p-2000", 0.0},
        {"-0x1.8P-1100", -0.0},
        {"4.9e-324", 4.9e-324},
        {"1e400", std::nullopt},
        {"-1e99999999999", std::nullopt},
        {"0x1p2000", std::nullopt},
    };
    for (const Case& c : cases) {
        SignalDocument doc;
        const SettingsReadResult result =
            readText(edited(Valid, "PAR0\t1.5", std::string("PAR0\t") + c.text), doc);
        if (!c.value) {
            EXPECT_EQ(result.line, 7) << c.text;
            continue;
        }
        ASSERT_TRUE(result.ok()) << c.text << ": " << expectationText(result, Language::English);
        const double read = doc.elements[0].params[0];
        EXPECT_EQ(read, *c.value) << c.text;
        EXPECT_EQ(std::signbit(read), std::signbit(*c.value)) << c.text;
    }
}

TEST(SettingsRead, FailureMessagesNameWhatWasExpected) {
    SignalDocument doc;
    SettingsReadResult result = readText(edited(Valid, "OUTRANGE\t0", "OUTRANGE\t7"), doc);
    EXPECT_EQ(expectationText(result, Language::English), "OUTRANGE and a range code 0 to 4");
    result = readText(edited(Valid, "PAR1\t0.1", "PAR1\tx"), doc);
    EXPECT_EQ(result.line, 18);
    EXPECT_EQ(expectationText(result, Language::English), "PAR1 and a finite number (parameter 1)");
    result = readText(Valid.substr(0, Valid.find("FUNC\tFUNC_SUM")), doc);
    EXPECT_EQ(result.line, 9);
    EXPECT_NE(expectationText(result, Language::English).find("the file ends"), std::string::npos);
}

TEST(SettingsRead, DocumentUntouchedUntilTheVersionIsAccepted) {
    SignalDocument doc;
    doc.rangeCode = 4;
    doc.elements.push_back(makeElement(FUNC_CONST, {1, 1}));
    const SignalDocument before = doc;
    EXPECT_FALSE(readText(edited(Valid, "VER\t1", "VER\t2"), doc).ok());
    EXPECT_EQ(doc.elements, before.elements);
    EXPECT_EQ(doc.rangeCode, 4);
    EXPECT_FALSE(readText(edited(Valid, "OUTRANGE\t0", "OUTRANGE\t9"), doc).ok());
    EXPECT_TRUE(doc.elements.empty());
}

TEST(SettingsWrite, ExampleDocumentGivesTheExampleFile) {
    SignalDocument doc;
    doc.rangeCode = 0;
    doc.resolutionCode = 0;
    doc.elements = {makeElement(FUNC_CONST, {1.5, 10}),
                    makeSum(makeElement(FUNC_SIN, {0, 1, 2, 0, 10}),
                            makeElement(FUNC_RANDOM, {0, 0.1, 5, 10}))};
    EXPECT_EQ(settingsFileText(doc), Valid);
}

TEST(SettingsWrite, NumbersHaveSixSignificantDigits) {
    const std::pair<double, const char*> cases[] = {
        {10, "10"},
        {0.5, "0.5"},
        {-32, "-32"},
        {0.001, "0.001"},
        {86400, "86400"},
        {0.123456789, "0.123457"},
        {1e6, "1e+06"},
        {1e-5, "1e-05"},
        {123456.7, "123457"},
        {-0.0001, "-0.0001"},
        {-5e6, "-5e+06"},
        {99999999, "99999999"},
        {12345678, "12345678"},
    };
    for (const auto& [value, text] : cases) {
        SignalDocument doc;
        doc.rangeCode = 1;
        doc.resolutionCode = 3;
        doc.elements = {makeElement(FUNC_CONST, {value, 1})};
        EXPECT_NE(settingsFileText(doc).find(std::string("PAR0\t") + text + "\r\n"),
                  std::string::npos)
            << text;
    }
}

TEST(SettingsFile, RoundTripRoundsToSixDigits) {
    SignalDocument doc;
    doc.rangeCode = 4;
    doc.resolutionCode = 1;
    doc.elements = {
        makeElement(FUNC_SLOPE, {0.123456789, -31.9999999, 12.3}),
        makeElement(FUNC_RECT, {1, 2, 0.5, 0.25, 2.5}),
        makeElement(FUNC_TRI, {-1, 1, 1, 1, 3}),
        makeElement(FUNC_EXPO, {0, 10, 1, 5}),
        makeSum(makeElement(FUNC_EXPO, {1, 2, 3, 4}), makeElement(FUNC_SLOPE, {0, 1, 2})),
        makeElement(FUNC_RANDOM, {0, 1, 1234, 3}),
        makeSum(makeElement(FUNC_CONST, {0, 1}), makeElement(FUNC_RANDOM, {0, 1, 87654321, 3}))};
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "qz57_settings_round_trip.dat";
    ASSERT_EQ(WriteSettingsFile(path, doc), WriteResult::Written);
    SignalDocument back;
    const SettingsReadResult result = ReadSettingsFile(path, back);
    std::filesystem::remove(path);
    ASSERT_TRUE(result.ok()) << result.line << ": " << expectationText(result, Language::English);
    EXPECT_EQ(back.rangeCode, 4);
    EXPECT_EQ(back.resolutionCode, 1);
    EXPECT_EQ(back.sampleInterval, 0.1);
    ASSERT_EQ(back.elements.size(), doc.elements.size());
    EXPECT_EQ(back.elements[0].params[0], 0.123457);
    EXPECT_EQ(back.elements[0].params[1], -32.0);
    for (std::size_t i = 1; i < doc.elements.size(); ++i)
        EXPECT_EQ(back.elements[i], doc.elements[i]) << i;
    EXPECT_EQ(settingsFileText(back), settingsFileText(doc));
}

TEST(SettingsFile, MissingFileCannotBeOpened) {
    SignalDocument doc;
    EXPECT_EQ(ReadSettingsFile("/nonexistent-folder/x.dat", doc).status,
              SettingsReadStatus::CannotOpen);
    EXPECT_EQ(ReadSettingsFile(std::filesystem::temp_directory_path(), doc).status,
              SettingsReadStatus::CannotOpen);
}
