#pragma once

#include <deque>

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
    void appendPoint(double time, double value);
    int pointCount() const;
    SamplePoint pointAt(int index) const; // 0 <= index < pointCount()
    SamplePoint lastPoint() const;        // pointCount() > 0

  private:
    std::deque<SamplePoint> points_;
};
