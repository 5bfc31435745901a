#include "canvas/view_scroll.h"

#include <algorithm>
#include <cmath>

namespace {

// Scroll units of a time within the whole signal, cut toward zero; out-of-range and NaN
// quotients are kept to 0 … ScrollUnits before the conversion.
int scrollUnitsOf(double time, double whole) {
    const double units = time * ScrollUnits / whole;
    if (!(units > 0))
        return 0;
    return static_cast<int>(std::min(units, double(ScrollUnits)));
}

void resetScroll(Canvas& canvas) {
    canvas.scrollPos = 0;
    canvas.scrollPage = ScrollUnits;
}

void followEnd(Canvas& canvas, double hi, double whole, double span) {
    canvas.viewEnd = hi;
    canvas.viewStart = hi - span;
    canvas.gridAnchor = hi;
    canvas.scrollPage = scrollUnitsOf(span, whole);
    canvas.scrollPos = std::max(0, ScrollMaximum - canvas.scrollPage);
}

// The window from the current start, with the scroll bar derived from it.
void keepStart(Canvas& canvas, double lo, double whole, double span) {
    canvas.viewEnd = canvas.viewStart + span;
    canvas.gridAnchor = canvas.viewEnd;
    canvas.scrollPage = scrollUnitsOf(span, whole);
    canvas.scrollPos = scrollUnitsOf(canvas.viewStart - lo, whole);
}

void finishUpdate(Canvas& canvas, bool pushScroll, CanvasEffects& effects) {
    if (pushScroll)
        effects.pushScrollState(canvas);
    canvas.lastAppliedSpan = canvas.displaySpan;
    canvas.lastAppliedPos = canvas.scrollPos;
    effects.requestRepaint(canvas);
}

} // namespace

void setView(Canvas& canvas, double start, double end, double anchor, CanvasEffects& effects) {
    if (canvas.displaySpan != 0) {
        if (dataEndTime(canvas) > dataStartTime(canvas)) {
            updateViewFromScroll(canvas, false, effects);
            return;
        }
        resetScroll(canvas);
        effects.pushScrollState(canvas);
    }
    if (!(start < end))
        return;
    canvas.viewStart = start;
    canvas.viewEnd = end;
    canvas.gridAnchor = anchor < start || anchor > end ? end : anchor;
    effects.requestRepaint(canvas);
}

void updateViewFromScroll(Canvas& canvas, bool fromScrollBar, CanvasEffects& effects) {
    if (canvas.displaySpan == 0)
        return;
    const double lo = dataStartTime(canvas);
    const double hi = dataEndTime(canvas);
    if (!(lo < hi))
        return;
    const double whole = hi - lo;
    const double span = canvas.displaySpan;
    if (whole <= span) {
        resetScroll(canvas);
        canvas.viewStart = lo;
        canvas.viewEnd = lo + span;
        canvas.gridAnchor = hi; // the grid passes through the end of the signal
    } else if (canvas.scrollPos + canvas.scrollPage >= ScrollMaximum) {
        // A full page counts as the end too, so a signal that outgrows the window is followed.
        followEnd(canvas, hi, whole, span);
    } else if (span != canvas.lastAppliedSpan) {
        keepStart(canvas, lo, whole, span);
    } else if (canvas.scrollPos != canvas.lastAppliedPos) {
        canvas.viewStart = lo + (whole / ScrollUnits) * canvas.scrollPos;
        canvas.viewEnd = canvas.viewStart + span;
        canvas.gridAnchor = canvas.viewEnd;
    } else {
        if (fromScrollBar)
            return;
        canvas.scrollPage = scrollUnitsOf(span, whole);
        canvas.scrollPos = scrollUnitsOf(canvas.viewStart - lo, whole);
    }
    finishUpdate(canvas, !fromScrollBar, effects);
}

void showViewFrom(Canvas& canvas, double start, CanvasEffects& effects) {
    const double lo = dataStartTime(canvas);
    const double hi = dataEndTime(canvas);
    const double span = canvas.displaySpan;
    // Without a signal longer than the span there is nowhere to go: the usual view.
    if (span == 0 || !(hi - lo > span) || !std::isfinite(start)) {
        setView(canvas, 0, span, 0, effects);
        return;
    }
    if (start + span >= hi) {
        followEnd(canvas, hi, hi - lo, span);
    } else {
        canvas.viewStart = std::max(lo, start);
        keepStart(canvas, lo, hi - lo, span);
    }
    finishUpdate(canvas, true, effects);
}

void applyScrollAction(Canvas& canvas, int code, int thumbPosition, CanvasEffects& effects) {
    int p = canvas.scrollPos;
    const int g = canvas.scrollPage;
    const bool atStart = p <= 0;
    const bool atEnd = p + g >= ScrollMaximum;
    switch (code) {
    case ScrollLineUp:
        if (atStart)
            return;
        p -= g / 16;
        break;
    case ScrollLineDown:
        if (atEnd)
            return;
        p += g / 16;
        break;
    case ScrollPageUp:
        if (atStart)
            return;
        p -= 2 * g / 3;
        break;
    case ScrollPageDown:
        if (atEnd)
            return;
        p += 2 * g / 3;
        break;
    case ScrollThumbPosition:
    case ScrollThumbTrack:
        p = thumbPosition;
        break;
    case ScrollTop:
        if (atStart)
            return;
        p = 0;
        break;
    case ScrollBottom:
        if (atEnd)
            return;
        p = ScrollUnits - g;
        break;
    default:
        return;
    }
    // The position stays within the track: a full page leaves no room and keeps 0, not −1.
    if (p < 0)
        p = 0;
    else if (p + g >= ScrollMaximum)
        p = std::max(0, ScrollMaximum - g);
    canvas.scrollPos = p;
    effects.pushScrollState(canvas);
    updateViewFromScroll(canvas, true, effects);
}
