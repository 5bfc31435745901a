#include "files/read_problem.h"

#include "files/settings_file.h"

#include <array>

namespace {

// The text of each problem, in the order of ReadProblem (None has none).
constexpr std::array<TextId, 22> ProblemTexts{
    TextId::ReadLongLine,       TextId::ReadHeader,          TextId::ReadVersion,
    TextId::ReadRangeCode,      TextId::ReadResolutionCode,  TextId::ReadElementCount,
    TextId::ReadFunction,       TextId::ReadSubFunctionA,    TextId::ReadSubFunctionB,
    TextId::ReadParameter,      TextId::ReadKeptWhenSaved,   TextId::ReadFiniteTime,
    TextId::ReadSamplesFit,     TextId::ReadElementLimit,    TextId::ReadByteLimit,
    TextId::ReadRecoveryHeader, TextId::ReadRecoveryVersion, TextId::ReadRecoveryTime,
    TextId::ReadRecoverySaved,  TextId::ReadRecoveryFile,    TextId::ReadRecoveryEnd,
    TextId::ReadRecoverySize,
};

} // namespace

std::string expectationText(const SettingsReadResult& result, Language language, ReadText source) {
    if (result.problem == ReadProblem::None)
        return {};
    const TextId id = ProblemTexts[static_cast<std::size_t>(result.problem) - 1];
    const std::string argument = result.problem == ReadProblem::Header
                                     ? std::string(SettingsFileHeader)
                                     : std::to_string(result.limit);
    std::string expected = formatText(id, language, {argument});
    if (!result.textEnded)
        return expected;
    return formatText(source == ReadText::File ? TextId::ReadFileEnded : TextId::ReadTextEnded,
                      language, {expected});
}

std::string problemAtLineText(const SettingsReadResult& result, Language language) {
    if (result.problem == ReadProblem::None)
        return {};
    return formatText(TextId::ReadProblemAtLine, language,
                      {std::to_string(result.line), expectationText(result, language)});
}

std::string settingsInvalidMessage(const SettingsReadResult& result, Language language) {
    std::string message(text(TextId::SettingsInvalid, language));
    if (result.problem != ReadProblem::None)
        message.append("\n").append(problemAtLineText(result, language));
    return message;
}
