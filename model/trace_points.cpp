#include "model/trace_points.h"

#include <algorithm>

namespace {

constexpr std::size_t Capacity = MaxTracePoints;

double timeAt(const TracePoints& points, int index) {
    return points.pointAt(index).time;
}

} // namespace

void TracePoints::clearPoints() {
    std::vector<SamplePoint>().swap(points_);
    oldest_ = 0;
}

int TracePoints::pointCount() const {
    return static_cast<int>(points_.size());
}

SamplePoint TracePoints::pointAt(int index) const {
    std::size_t slot = oldest_ + static_cast<std::size_t>(index);
    if (slot >= points_.size())
        slot -= points_.size();
    return points_[slot];
}

SamplePoint TracePoints::lastPoint() const {
    return oldest_ == 0 ? points_.back() : points_[oldest_ - 1];
}

void TracePoints::keepFirstPoints(int count) {
    if (oldest_ == 0 && count >= 0 && static_cast<std::size_t>(count) < points_.size())
        points_.resize(static_cast<std::size_t>(count));
}

void TracePoints::reservePoints(std::size_t count) {
    points_.reserve(std::min(count, Capacity));
}

int firstPointAtOrAfter(const TracePoints& points, double t) {
    const int n = points.pointCount();
    if (timeAt(points, 0) > t)
        return 0;
    if (points.lastPoint().time < t)
        return n;
    int lo = 0;
    int hi = n;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (t > timeAt(points, mid))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

int lastPointAtOrBefore(const TracePoints& points, double t) {
    const int n = points.pointCount();
    if (timeAt(points, 0) > t)
        return -1;
    if (points.lastPoint().time < t)
        return n - 1;
    int lo = 0;
    int hi = n;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (t >= timeAt(points, mid))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo - 1;
}
