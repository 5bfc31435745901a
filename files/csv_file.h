// The CSV replay file the instrument reads from its SD card.
#pragma once

#include "model/texts.h"
#include "model/trace_points.h"

#include <filesystem>
#include <string>
#include <string_view>

enum class CsvWriteStatus {
    Written,
    CannotOpen,
    WriteFailed,
    TooFewPoints,   // fewer than 2 points: nothing to replay
    UnknownCode,    // range or resolution code outside its table
    NonFiniteValue, // a value that is not a finite number
    BadTime,        // a time that is negative, not finite, too large or earlier than the one before
};

struct CsvWriteResult {
    CsvWriteStatus status = CsvWriteStatus::Written;
    int pointIndex = -1; // the refused point (NonFiniteValue, BadTime)

    bool ok() const { return status == CsvWriteStatus::Written; }
};

// Composes the file's bytes into out (cleared first); status Written when the points can be
// exported, otherwise the refusal and out empty.
CsvWriteResult csvFileText(const TracePoints& points, int rangeCode, int resolutionCode,
                           std::string& out);

// Writes bytes that csvFileText composed; the previous file survives any failure unchanged.
CsvWriteResult writeCsvText(const std::filesystem::path& path, std::string_view text);

// Writes the replay file; refused signals write nothing, and the previous file survives any
// failure unchanged.
CsvWriteResult WriteCsvFile(const std::filesystem::path& path, const TracePoints& points,
                            int rangeCode, int resolutionCode);

// Text (UTF-8) telling the user what became of the export, for message boxes and the command line.
std::string_view csvWriteMessage(CsvWriteStatus status, Language language);
