#pragma once

#include "canvas/canvas_state.h"
#include "canvas/plot_geometry.h"

#include <vector>

inline constexpr int MaxDrawnPoints = 10000;

// Indices first, first + stride, … last are drawn; count is how many (0: nothing in view).
struct PointSelection {
    int first = 0;
    int last = -1;
    int stride = 1;
    int count = 0;
};

// The points of the view, every stride-th counted back from the last so that at most
// MaxDrawnPoints are drawn and the last point in view always is.
PointSelection selectPointRange(const Canvas& canvas, const Trace& trace);

// The polyline of the trace in pixels: the selected points in order, values clamped to the plot,
// with the points of each pixel column kept to its extremes.
std::vector<PixelPoint> selectDrawPoints(const Canvas& canvas, const Trace& trace);

// A line through points that share a pixel column covers that column from their lowest to their
// highest pixel, whatever their order: the column's first, lowest, highest and last point draw
// the same pixels as all of them, so a dense trace costs the painter a few points per column.
std::vector<PixelPoint> keepColumnExtremes(const std::vector<PixelPoint>& pixels);

// The same, for pixels handed over one by one: a long trace need not be held in pixels first.
class ColumnExtremes {
  public:
    void add(PixelPoint pixel);
    // The kept pixels, the last column's included; the object is spent.
    std::vector<PixelPoint> finish();

  private:
    void keep(PixelPoint pixel);
    void closeColumn();

    std::vector<PixelPoint> kept_;
    PixelPoint first_{};
    PixelPoint low_{};
    PixelPoint high_{};
    PixelPoint last_{};
    long long lowAt_ = 0; // where in the column the lowest and highest came
    long long highAt_ = 0;
    long long count_ = 0; // points in the open column
};

// The drawn points outside the trace's value range, in runs of consecutive points beyond the same
// limit: each run lies along the plot's top or bottom edge. A run that covers a single column
// gains the next pixel, so that even a lone clipped point shows. None when the range is unset.
std::vector<std::vector<PixelPoint>> selectClippedRuns(const Canvas& canvas, const Trace& trace);
