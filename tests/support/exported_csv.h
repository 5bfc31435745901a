#pragma once

#include "files/csv_file.h"
#include "model/signal_document.h"
#include "model/synthesis.h"

#include <gtest/gtest.h>

#include <string>

// The CSV replay file of the document, as the export writes it.
inline std::string exportedCsv(const SignalDocument& doc) {
    TracePoints trace;
    rebuildSamples(doc.elements, doc.sampleInterval, trace);
    std::string csv;
    EXPECT_TRUE(csvFileText(trace, doc.rangeCode, doc.resolutionCode, csv).ok());
    return csv;
}
