#pragma once

#include <cstddef>
#include <vector>

struct SamplePoint {
    double time; // seconds from the start of the signal
    double value;
};

// The store drops its oldest point rather than grow past this.
inline constexpr int MaxTracePoints = 99'999;

// The sampled signal in time order, oldest first: the one copy the chart draws and the CSV writes.
class TracePoints {
  public:
    void clearPoints();
    void appendPoint(double time, double value) {
        if (points_.size() < MaxTracePoints) {
            points_.push_back({time, value});
            return;
        }
        // Appending the 100,000th point drops the oldest: the new one takes its place.
        points_[oldest_] = {time, value};
        oldest_ = oldest_ + 1 == MaxTracePoints ? 0 : oldest_ + 1;
    }
    int pointCount() const;
    SamplePoint pointAt(int index) const; // 0 <= index < pointCount()
    SamplePoint lastPoint() const;        // pointCount() > 0

    // Keeps the first count points and drops the rest; only while the store has dropped none
    // (pointCount() < MaxTracePoints), so the first points are the oldest.
    void keepFirstPoints(int count);

    // Makes room for this many points (at most MaxTracePoints) in one allocation, so a rebuild
    // that knows its count neither copies nor holds unused space.
    void reservePoints(std::size_t count);

  private:
    // A ring once full: the newest point overwrites the oldest, which sits at oldest_.
    std::vector<SamplePoint> points_;
    std::size_t oldest_ = 0;
};

// Binary searches on points in non-decreasing time order (at least one point).
// Lowest index with time ≥ t; pointCount() when every point is earlier.
int firstPointAtOrAfter(const TracePoints& points, double t);
// Highest index with time ≤ t; -1 when every point is later.
int lastPointAtOrBefore(const TracePoints& points, double t);
