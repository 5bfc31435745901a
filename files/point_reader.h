// Reads the points of a signal from text: the replay CSV this program exports, delimited text
// (CSV, TSV, semicolons) with or without times, and PWL files of circuit simulators.
#pragma once

#include "model/point_list.h"

#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

// Beyond these a file is refused before its points are kept.
inline constexpr std::size_t MaxPointTextBytes = std::size_t{256} << 20;
inline constexpr std::size_t MaxPointRows = 10'000'000;

enum class PointFormat { ReplayCsv, Delimited, Pwl };

// Column choices count fields from 0.
inline constexpr int NoTimeColumn = -1;  // values only, one per timeStep
inline constexpr int DefaultColumn = -2; // chosen from the first row of numbers

struct PointReadOptions {
    int timeColumn = DefaultColumn;
    int valueColumn = DefaultColumn;
    double timeStep = 0.0; // seconds between rows read without times
    std::size_t maxRows = MaxPointRows;

    bool operator==(const PointReadOptions&) const = default;
};

enum class PointReadStatus {
    Read,
    CannotOpen,
    TooLarge,      // over MaxPointTextBytes
    TooManyRows,   // over MaxPointRows
    NoNumbers,     // no row whose chosen columns hold numbers
    TooFewColumns, // a row lacks the chosen columns
    NotANumber,    // a chosen field of a row is not a number or time
    NotFinite,     // NaN or infinity
    TimeBackwards, // a time earlier than the one before
    NeedsTimeStep, // values without times and no positive time step
};

struct PointReadResult {
    PointReadStatus status = PointReadStatus::Read;
    int line = 0; // the refused line, from 1; 0 when no line is to blame
    PointFormat format = PointFormat::Delimited;
    PointList points;
    // Fields of the first row of numbers, with the names of the header row above it where it
    // has them (UTF-8 only; a name in another encoding is left empty).
    int columnCount = 0;
    std::vector<std::string> columnNames;
    // The columns read; a date and a time in two fields count as the time column.
    int timeColumn = NoTimeColumn;
    int valueColumn = 0;
    bool timeSpansTwoFields = false;

    bool ok() const { return status == PointReadStatus::Read; }
};

// The whole text of a file or stream, refusing more than MaxPointTextBytes; status Read,
// CannotOpen or TooLarge.
PointReadStatus loadPointText(const std::filesystem::path& path, std::string& text);
PointReadStatus loadPointText(std::istream& in, std::string& text);

// The points of the text, its format told from its content.
PointReadResult readPoints(std::string_view text, const PointReadOptions& options = {});
