#pragma once

#include "model/texts.h"

#include <cstdint>
#include <string>

// What the settings reader expected on the line where a text went wrong. The core says what and
// where; each program words it: qz57 in English, the editor in its interface's language.
enum class ReadProblem {
    None,
    LongLine,       // a line of at most `limit` characters
    Header,         // the settings file's header line
    Version,        // VER and a version of `limit` or less
    RangeCode,      // OUTRANGE and a range code 0 to `limit`
    ResolutionCode, // RESOLUTION and a resolution code 0 to `limit`
    ElementCount,   // ELEMENTS and a count of 1 or more
    Function,       // FUNC and a function keyword
    SubFunctionA,   // SUBFUNC and a keyword of a sum's function A
    SubFunctionB,   // SUBFUNC and a keyword of a sum's function B
    Parameter,      // PAR`limit` and a finite number
    KeptWhenSaved,  // parameters that a save writes as they are
    FiniteTime,     // an element of finite length
    SamplesFit,     // elements whose samples fit in `limit` points
    ElementLimit,   // at most `limit` elements
    ByteLimit,      // at most `limit` bytes of elements
    // A recovery copy's own lines around the settings it holds.
    RecoveryHeader,  // the recovery copy's header line
    RecoveryVersion, // VER and the copy's version `limit`
    RecoveryTime,    // TIME and the seconds since 1970
    RecoverySaved,   // SAVED and 0 or 1
    RecoveryFile,    // FILE and the settings file's path
    RecoveryEnd,     // the end line right after the settings (a copy cut short)
    RecoverySize,    // a copy of at most `limit` MiB
};

enum class SettingsReadStatus { Read, CannotOpen, InvalidContent };

struct SettingsReadResult {
    SettingsReadStatus status = SettingsReadStatus::Read;
    int line = 0; // 1-based line where the content went wrong (InvalidContent)
    ReadProblem problem = ReadProblem::None;
    std::int64_t limit = 0; // the number the problem names (see ReadProblem)
    bool textEnded = false; // the text ended where that line should have been

    bool ok() const { return status == SettingsReadStatus::Read; }
};

// Whether the text read was a settings file or pasted elements, as a message names it.
enum class ReadText { File, Pasted };

// What the line should have held, in the language: in English the words qz57 writes after
// "expected".
std::string expectationText(const SettingsReadResult& result, Language language,
                            ReadText source = ReadText::File);

// Where the text went wrong and what that line should have held, in brackets, in the language;
// empty when the result names no problem.
std::string problemAtLineText(const SettingsReadResult& result, Language language);

// The editor's message for a settings file it cannot take: the sentence it has always shown, then
// the line and what that line should have held.
std::string settingsInvalidMessage(const SettingsReadResult& result, Language language);
