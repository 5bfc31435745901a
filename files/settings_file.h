#pragma once

#include "files/read_problem.h"
#include "files/write_result.h"
#include "model/signal_document.h"

#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

// The first line of every settings file.
inline constexpr std::string_view SettingsFileHeader =
    "### QZ570 series output editor data file ###";

// Writes the document as a settings file; the previous file survives any failure unchanged.
// The editor saves only a list with elements and with both codes chosen: nothing else reads back.
WriteResult WriteSettingsFile(const std::filesystem::path& path, const SignalDocument& doc);

// Reads a settings file into doc. On failure doc may be partly replaced: callers that must keep
// their document read into a fresh one and take it over only when ok().
SettingsReadResult ReadSettingsFile(const std::filesystem::path& path, SignalDocument& doc);

// The bytes WriteSettingsFile writes.
std::string settingsFileText(const SignalDocument& doc);

// ReadSettingsFile's rules applied to text already open.
SettingsReadResult readSettingsText(std::istream& in, SignalDocument& doc);

// One element as the settings file holds it: its FUNC line, then its PAR lines, or for a sum its
// two SUBFUNC lines each with its PAR lines; every line ends in CR LF.
void appendElementLines(std::string& out, const SignalElement& element);

// The settings file's rules for an element's lines (limits, refusals, the check that the samples
// fit the trace at sampleInterval) applied to text that holds only elements, one after another to
// its end. Line numbers count on from lineBefore lines already taken from the text. More than
// maxElements elements are refused. On failure elements is left as it was.
SettingsReadResult readElementLines(std::istream& in, int lineBefore, double sampleInterval,
                                    std::size_t maxElements, ElementList& elements);
