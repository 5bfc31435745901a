// The words for what an import of a point file read, made or refused, in the user's language.
#pragma once

#include "files/point_reader.h"
#include "model/point_import.h"
#include "model/texts.h"

#include <string>
#include <vector>

// Why the text was refused, with its line where one is to blame.
std::string pointReadMessage(PointReadStatus status, int line, Language language);

// Why the points cannot become elements, with the point's line or the times concerned.
std::string importRefusalMessage(const ImportResult& result, Language language);

// One line each: points read, elements made, largest deviation in the range's unit, duration
// against the maximum, clipped samples.
std::vector<std::string> importSummaryLines(const ImportSummary& summary, int rangeCode,
                                            Language language);

// The same lines without the points read, and without the deviation for elements made exactly
// rather than fitted: what a generator made.
std::vector<std::string> madeSummaryLines(const ImportSummary& summary, int rangeCode, bool fitted,
                                          Language language);

// "the data lasts 120.000 s, more than the resolution's maximum time of 90 s"
std::string tooLongMessage(const ImportSummary& summary, Language language);
