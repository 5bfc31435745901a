#include "files/generator_form.h"

#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string>& fieldsOf(GeneratorForm& form) {
    return form.fields[static_cast<std::size_t>(form.kind)];
}

} // namespace

TEST(GeneratorForm, EveryGeneratorMakesElementsFromItsExampleValues) {
    GeneratorForm form = startGeneratorForm(madeDocument(0, 0));
    for (int kind = 0; kind < GeneratorKindCount; ++kind) {
        form.kind = static_cast<GeneratorKind>(kind);
        EXPECT_EQ(fieldsOf(form).size(), generatorFieldLabels(form.kind).size()) << kind;
        const GeneratorPreview preview = previewGenerator(form, Language::English);
        EXPECT_TRUE(preview.ok) << kind << ": " << preview.lines.front();
        EXPECT_FALSE(preview.made.elements.empty()) << kind;
    }
    // A 4-20 mA loop check: five levels, up and down.
    form.kind = GeneratorKind::Staircase;
    form.upAndDown = true;
    EXPECT_EQ(previewGenerator(form, Language::English).made.elements.size(), 9u);
}

TEST(GeneratorForm, AFieldThatIsNotANumberIsNamedAndMakesNothing) {
    GeneratorForm form = startGeneratorForm(madeDocument(0, 0));
    fieldsOf(form)[3] = std::string("ten");
    GeneratorPreview preview = previewGenerator(form, Language::English);
    EXPECT_FALSE(preview.ok);
    EXPECT_EQ(preview.lines, (std::vector<std::string>{"Dwell [s]: not a usable number"}));
    EXPECT_EQ(previewGenerator(form, Language::Japanese).lines,
              (std::vector<std::string>{"保持時間[秒]: 数値ではありません"}));

    form.kind = GeneratorKind::Dips;
    fieldsOf(form)[1] = std::string("0, 40,x");
    EXPECT_NE(previewGenerator(form, Language::English).lines.front().find("Test levels"),
              std::string::npos);
    fieldsOf(form)[1] = std::string(" 0, 40 ");
    EXPECT_TRUE(previewGenerator(form, Language::English).ok);
    fieldsOf(form)[3] = std::string("2.5"); // repeats are whole
    EXPECT_FALSE(previewGenerator(form, Language::English).ok);

    form.kind = GeneratorKind::Formula;
    form.tolerance = "";
    EXPECT_EQ(previewGenerator(form, Language::English).lines,
              (std::vector<std::string>{"Tolerance [V]: not a usable number"}));
    form.tolerance = "0.01";
    form.formula = "sin(2*pi*t";
    EXPECT_EQ(previewGenerator(form, Language::English).lines,
              (std::vector<std::string>{"column 11: ')' expected"}));
}

TEST(GeneratorForm, TheDocumentsRangeIsUsedOrOfferedAndItsElementsLeaveTheRoom) {
    SignalDocument empty;
    GeneratorForm form = startGeneratorForm(empty);
    EXPECT_TRUE(form.offersCodes);
    EXPECT_EQ(form.rangeCode, 0);
    EXPECT_EQ(form.resolutionCode, 0);

    // 85 of 90 s taken: a staircase of 10 s does not fit.
    followDocument(form, madeDocument(2, 3, {constantElement(4, 85)}));
    EXPECT_FALSE(form.offersCodes);
    EXPECT_EQ(form.rangeCode, 2);
    fieldsOf(form)[3] = std::string("2");
    const GeneratorPreview preview = previewGenerator(form, Language::English);
    EXPECT_FALSE(preview.ok);
    EXPECT_EQ(preview.lines.back(),
              "the data's 10.000 s do not fit the 5.000 s left in the document");
    fieldsOf(form)[3] = std::string("1");
    EXPECT_TRUE(previewGenerator(form, Language::English).ok);
}
