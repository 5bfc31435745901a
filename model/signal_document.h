#pragma once

#include "model/signal_element.h"

#include <vector>

using ElementList = std::vector<SignalElement>;

// The edited signal: the element list with the chosen range and resolution (-1 until chosen).
struct SignalDocument {
    ElementList elements;
    int rangeCode = -1;
    int resolutionCode = -1;
    double sampleInterval = 0.01;
};

double totalDuration(const SignalDocument& doc);

// A document of its own for elements made for a range and resolution (an import, a generator).
SignalDocument madeDocument(int rangeCode, int resolutionCode, ElementList elements = {});

// Whether the list stays within the resolution's maximum time with element added, or put in the
// place of the element at replacedIndex.
bool fitsTimeBudget(const SignalDocument& doc, const SignalElement& element,
                    int replacedIndex = -1);

// Whether the list stays within the resolution's maximum time with all of elements added; a total
// exactly at the maximum fits.
bool elementsFitTimeBudget(const SignalDocument& doc, const ElementList& elements);

// Inserts elements before index (or after the last, index == size), judged by the total with all
// of them: either all are inserted or none; a total exactly at the maximum is accepted.
bool insertElements(SignalDocument& doc, const ElementList& elements, int index);
void clearElements(SignalDocument& doc);

// Choosing another range or resolution discards the list once one was chosen and elements exist;
// the window asks the user before that.
bool rangeChangeNeedsConfirmation(const SignalDocument& doc, int newRangeCode);
bool resolutionChangeNeedsConfirmation(const SignalDocument& doc, int newResolutionCode);

// Apply a change the user did not decline: clear the list when the change discards it, store the
// code (and the sample interval). Return true when the list was cleared, so the caller refreshes.
bool applyRangeChange(SignalDocument& doc, int newRangeCode);
bool applyResolutionChange(SignalDocument& doc, int newResolutionCode);
