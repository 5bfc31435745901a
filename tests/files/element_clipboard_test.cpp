#include "files/element_clipboard.h"

#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Head = std::string(ElementClipboardHeader) + "\r\n";

// A constant and a sum, as a copy writes them.
const std::string Two = Head +
                        "FUNC\tFUNC_CONST\r\nPAR0\t1.5\r\nPAR1\t10\r\n"
                        "FUNC\tFUNC_SUM\r\nSUBFUNC\tFUNC_SIN\r\n"
                        "PAR0\t0\r\nPAR1\t1\r\nPAR2\t2\r\nPAR3\t0\r\nPAR4\t10\r\n"
                        "SUBFUNC\tFUNC_RANDOM\r\nPAR0\t0\r\nPAR1\t0.1\r\nPAR2\t5\r\nPAR3\t10\r\n";

SettingsReadResult paste(std::string_view text, ElementList& elements) {
    return readElementClipboardText(text, 0.001, elements);
}

std::string edited(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

} // namespace

TEST(ElementClipboard, CopyWritesTheSettingsLines) {
    EXPECT_EQ(elementClipboardText(
                  {constantElement(1.5, 10), makeSum(makeElement(FUNC_SIN, {0, 1, 2, 0, 10}),
                                                     makeElement(FUNC_RANDOM, {0, 0.1, 5, 10}))}),
              Two);
}

TEST(ElementClipboard, EveryTypeReadsBackAsCopied) {
    const ElementList elements = {
        constantElement(-2.5, 3),
        makeElement(FUNC_SLOPE, {0.123457, -32, 12.3}),
        makeElement(FUNC_RECT, {1, 2, 0.5, 0.25, 2.5}),
        makeElement(FUNC_TRI, {-1, 1, 1, 1, 3}),
        makeElement(FUNC_SIN, {0, 1, 2, 45, 4}),
        makeElement(FUNC_EXPO, {0, 10, 1, 5}),
        makeElement(FUNC_RANDOM, {0, 1, 87654321, 3}),
        makeSum(makeElement(FUNC_EXPO, {1, 2, 3, 4}),
                makeElement(FUNC_RANDOM, {0, 1, 12345678, 3})),
    };
    ElementList back;
    const SettingsReadResult result = paste(elementClipboardText(elements), back);
    ASSERT_TRUE(result.ok()) << result.line << ": " << result.expected;
    EXPECT_EQ(back, elements);
}

// One rule, many inputs: each case edits the copied text; a failure names its line.
TEST(ElementClipboard, PasteRules) {
    struct Case {
        const char* name;
        std::string text;
        int failLine; // 0: accepted
    };
    std::string lfOnly;
    for (char c : Two)
        if (c != '\r')
            lfOnly += c;
    const std::string bare = Two.substr(Head.size());
    const Case cases[] = {
        {"as copied", Two, 0},
        {"LF line ends", lfOnly, 0},
        {"without the first line", bare, 0},
        {"blank lines at the end", Two + "\r\n \r\n\t", 0},
        {"last line without its end", Two.substr(0, Two.size() - 2), 0},
        {"empty", "", 1},
        {"the first line alone", Head, 2},
        {"the settings file's header", "### QZ570 series output editor data file ###\r\n" + bare,
         1},
        {"blank line between elements", edited(Two, "FUNC\tFUNC_SUM", "\r\nFUNC\tFUNC_SUM"), 5},
        {"parameter missing", edited(Two, "PAR1\t10\r\nFUNC", "FUNC"), 4},
        {"parameter infinite", edited(bare, "PAR0\t1.5", "PAR0\tinf"), 2},
        {"random as function A", edited(Two, "SUBFUNC\tFUNC_SIN", "SUBFUNC\tFUNC_RANDOM"), 6},
        {"cut short inside a sum", Two.substr(0, Two.find("SUBFUNC\tFUNC_RANDOM")), 12},
        {"line of 256 characters", edited(Two, "PAR0\t1.5", "PAR0\t1.5" + std::string(248, ' ')),
         3},
        {"samples beyond the trace", edited(Two, "PAR1\t10", "PAR1\t100"), 2},
    };
    for (const Case& c : cases) {
        ElementList elements = {constantElement(7, 1)};
        const SettingsReadResult result = paste(c.text, elements);
        if (c.failLine == 0) {
            EXPECT_TRUE(result.ok()) << c.name << ": " << result.line << ": " << result.expected;
            EXPECT_EQ(elements.size(), 2u) << c.name;
            continue;
        }
        EXPECT_EQ(result.line, c.failLine) << c.name << ": " << result.expected;
        EXPECT_EQ(elements, ElementList{constantElement(7, 1)}) << c.name;
    }
}

TEST(ElementClipboard, LimitsAreRefusedWithTheLine) {
    ElementList elements;
    const std::string one = "FUNC\tFUNC_CONST\r\nPAR0\t1\r\nPAR1\t0\r\n"; // no samples
    std::string text;
    for (std::size_t i = 0; i <= MaxClipboardElements; ++i)
        text += one;
    SettingsReadResult result = paste(text, elements);
    EXPECT_EQ(result.line, 3 * static_cast<int>(MaxClipboardElements) + 1);
    EXPECT_EQ(result.expected, "at most 99999 elements");
    EXPECT_TRUE(paste(text.substr(one.size()), elements).ok());

    result = paste(std::string(MaxClipboardBytes - 3, 'x') + "\n\n\nx", elements);
    EXPECT_EQ(result.line, 4);
    EXPECT_EQ(
        pasteFailureMessage(result, Language::Japanese),
        "貼り付けできる要素がありません。(4 行目: expected at most 33554432 bytes of elements)");
    EXPECT_EQ(pasteFailureMessage(result, Language::English),
              "There are no elements to paste. (line 4: expected at most 33554432 bytes of "
              "elements)");
}

// A copy of as many of the longest elements as a paste takes must fit the byte limit.
TEST(ElementClipboard, TheByteLimitHoldsTheLongestCopy) {
    const double n = -999'999'999'999'999; // written in full: 16 characters
    const SignalElement rect = makeElement(FUNC_RECT, {n, n, n, n, n});
    const SignalElement longest = makeSum(rect, rect);
    const std::size_t bytes = elementClipboardText({longest}).size() - Head.size();
    EXPECT_LE(Head.size() + bytes * MaxClipboardElements, MaxClipboardBytes);
}
