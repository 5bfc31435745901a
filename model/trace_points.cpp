#include "model/trace_points.h"

void TracePoints::clearPoints() {
    std::deque<SamplePoint>().swap(points_);
}

void TracePoints::appendPoint(double time, double value) {
    points_.push_back({time, value});
    if (points_.size() >= MaxTracePoints + 1)
        points_.pop_front();
}

int TracePoints::pointCount() const {
    return static_cast<int>(points_.size());
}

SamplePoint TracePoints::pointAt(int index) const {
    return points_[static_cast<std::size_t>(index)];
}

SamplePoint TracePoints::lastPoint() const {
    return points_.back();
}
