#pragma once

#include "model/trace_points.h"

#include <cstdint>
#include <string>

// Colours as the window system stores them: 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

inline constexpr Colour White = 0x00FFFFFF;
inline constexpr Colour Black = 0x00000000;

// One signal drawn on the canvas: whose samples, and how they are shown. The samples belong to
// the document; the chart only reads them.
struct Trace {
    const TracePoints* points = nullptr;
    std::string name = "OUTPUT";
    std::string unit;
    double minValue = 0; // drawn at the bottom of the plot area
    double maxValue = 0; // drawn at the top
    Colour colour = White;
    bool visible = true;
};

// The scroll bar counts the whole signal as 10000 units; its range is 0 … 9999.
inline constexpr int ScrollUnits = 10000;
inline constexpr int ScrollMaximum = 9999;

// Control ids of the canvas window, its strip and the strip's scroll bar.
inline constexpr int CanvasControlId = 1111;
inline constexpr int StripIdOffset = 1000;
inline constexpr int ScrollBarIdOffset = 2000;

// The view state of one canvas: everything but its window handles.
struct Canvas {
    int scrollPage = ScrollUnits;
    int scrollPos = 0;
    Trace trace; // the output signal

    double viewStart = 0; // seconds at the left edge of the plot area
    double viewEnd = 0;   // seconds at the right edge
    double gridAnchor = 0;
    double secondsPerDivision = 0;
    bool showHundredths = false;
    double displaySpan = 0;
    int controlId = CanvasControlId;
    int x = 0; // position in the parent window
    int y = 0;
    int width = 0;
    int height = 0;
    int dpi = 96;
    // What the previous view update used, so the next one can tell what the user changed.
    double lastAppliedSpan = 0;
    int lastAppliedPos = 0;
};

// The two things a view update does to the window: move the scroll bar and repaint.
class CanvasEffects {
  public:
    virtual ~CanvasEffects() = default;
    // Scroll bar range 0 … ScrollMaximum, page scrollPage, position scrollPos.
    virtual void pushScrollState(const Canvas& canvas) = 0;
    // A complete, synchronous repaint of the canvas.
    virtual void requestRepaint(const Canvas& canvas) = 0;
};

// A canvas as created at the given screen dpi: 700 × 400 at (20, 20) at 96 dpi, scaled
// N × dpi / 96, with an empty view and a trace without samples.
Canvas initialCanvas(int dpi);

// Height of the strip below the canvas that holds the scroll bar.
int stripHeight(const Canvas& canvas);

// The trace's samples; none when it shows no signal.
const TracePoints& pointsOf(const Trace& trace);

// Ignored unless maxValue > minValue.
void setRange(Trace& trace, double minValue, double maxValue);

// Snaps to whole seconds, minutes, hours or days from 1 s up; ignores values ≤ 0 and non-finite.
void setTimePerDivision(Canvas& canvas, double seconds);

// Time extent of the trace's points, visible or not; 0 when it holds none.
double dataStartTime(const Canvas& canvas);
double dataEndTime(const Canvas& canvas);
