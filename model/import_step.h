// The import's elements as one step of the editor.
#pragma once

#include "model/document_step.h"
#include "model/signal_document.h"

// Inserts the elements before row, or appends them when row is -1 (no row selected), and selects
// them. A document without a range or resolution takes the ones given (it has no elements then);
// a document with them keeps its own, which the elements were made for. Refused when there are
// no elements or they do not fit the resolution's maximum time beside the document's.
DocumentStep importElements(const SignalDocument& doc, const ElementList& elements, int rangeCode,
                            int resolutionCode, int row);
