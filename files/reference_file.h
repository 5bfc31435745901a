// A reference signal from a file: a settings file, whose samples it is, or any file the import
// reads (replay CSV, delimited numbers, PWL), with the import's choice of columns.
#pragma once

#include "files/point_reader.h"
#include "model/reference_trace.h"
#include "model/texts.h"

#include <filesystem>
#include <string>
#include <string_view>

struct ReferenceReadResult {
    bool ok = false;
    std::string message;   // why it was refused, naming the line, in the language
    bool settings = false; // read as a settings file
    ReferenceTrace trace;
};

// A text that begins with the settings file's header is read as one and synthesized; any other
// as points, held for a replay file, straight lines for the rest.
ReferenceReadResult readReferenceText(std::string_view text, const PointReadOptions& options,
                                      Language language);
ReferenceReadResult readReferenceFile(const std::filesystem::path& path,
                                      const PointReadOptions& options, Language language);
