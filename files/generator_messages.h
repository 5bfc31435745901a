// The words for what a generator refused or made, in the user's language.
#pragma once

#include "model/generator_settings.h"
#include "model/texts.h"

#include <string>
#include <vector>

// The field's label with the range's unit and why it was refused ("Dwell [s]: shorter than
// 0.001 s once rounded to the sample interval"), a formula's column and what was expected there
// ("column 5: ')' expected"), or the times of a result too long for the resolution.
std::string generatorRefusalMessage(const GeneratorResult& result, int rangeCode,
                                    Language language);

// What was made: elements, the largest deviation where fitted, duration against the maximum and
// samples outside the range, a line each as the import says them.
std::vector<std::string> generatorSummaryLines(const GeneratorResult& result, int rangeCode,
                                               Language language);
