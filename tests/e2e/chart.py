"""What the chart on the screen ought to show, and the comparison with a screenshot.

Two sources say what ought to be drawn: the SVG picture that `qz57 render` draws of a settings
file, and, for views that only scrolling reaches, the chart arithmetic redone here from the
samples of the exported CSV file. Only what is drawn robustly is compared: the columns of the grey
time-grid lines and the pixels of the signal line inside the plot area. Letters are not compared:
their shapes depend on the font the display has."""

import re
import math

from desktop import JourneyError

WIDTH, HEIGHT = 700, 400  # the canvas at 96 dpi
XL, XR = int(0.1 * WIDTH), int((1 - 0.07) * WIDTH)
YT, YB = int(0.06 * HEIGHT), int(0.9 * HEIGHT)
TRACE_RGB = (255, 255, 80)
TIME_GRID_RGB = (128, 128, 128)
SCROLL_UNITS = 10000


class ExpectedChart:
    def __init__(self, grid_xs, polyline):
        self.grid_xs = sorted(grid_xs)
        self.polyline = polyline  # [(x, y)] in canvas pixels


def chart_from_svg(text):
    grid = [int(m.group(1)) for m in
            re.finditer(r'<line class="time-grid" x1="(-?\d+)"', text)]
    match = re.search(r'<polyline class="trace" points="([^"]*)"', text)
    points = []
    if match:
        for pair in match.group(1).split():
            x, y = pair.split(",")
            points.append((int(x), int(y)))
    return ExpectedChart(grid, points)


# --- the signal, from the CSV export --------------------------------------------------------

def samples_from_csv(data, dt):
    """The sampled signal that a CSV export was written from: a row stands for every sample up to
    the next row; the last row is the closing point at the total time."""
    rows = []
    for line in data.decode("cp932").splitlines()[1:]:
        _, clock, value = line.split(",")
        h, m, s = clock.split(":")
        seconds = int(h) * 3600 + int(m) * 60 + float(s)
        rows.append((round(seconds / dt), float(value)))
    points = []
    for (k, v), (k_next, _) in zip(rows, rows[1:]):
        points.extend((i * dt, v) for i in range(k, k_next))
    total_index, last_value = rows[-1]
    points.append((total_index * dt, last_value))
    return points


# --- the chart arithmetic -------------------------------------------------------------------

class View:
    """The view and scroll state of the chart as the editor keeps it."""

    def __init__(self, total, span, division):
        self.lo, self.hi = 0.0, total
        self.span, self.division = span, division
        self.pos, self.page = 0, SCROLL_UNITS
        self.last_span, self.last_pos = 0.0, 0
        self.start, self.end, self.anchor = 0.0, span, 0.0

    def update(self, from_scroll_bar):
        whole, s = self.hi - self.lo, self.span
        if whole <= s:
            self.page, self.pos = SCROLL_UNITS, 0
            self.start, self.end, self.anchor = self.lo, self.lo + s, self.hi
        elif self.pos + self.page >= SCROLL_UNITS - 1:
            self.end, self.start, self.anchor = self.hi, self.hi - s, self.hi
            self.page = int(s * SCROLL_UNITS / whole)
            self.pos = max(SCROLL_UNITS - 1 - self.page, 0)
        elif s != self.last_span:
            self.end = self.start + s
            self.anchor = self.end
            self.page = int(s * SCROLL_UNITS / whole)
            self.pos = max(int((self.start - self.lo) * SCROLL_UNITS / whole), 0)
        elif self.pos != self.last_pos:
            self.start = self.lo + (whole / SCROLL_UNITS) * self.pos
            self.end = self.start + s
            self.anchor = self.end
        elif from_scroll_bar:
            return
        self.last_span, self.last_pos = s, self.pos

    def change_period(self, span, division):
        self.span, self.division = span, division
        self.update(False)

    def scroll(self, action, thumb=0):
        """The scroll bar's requests: 'line-', 'line+', 'page-', 'page+', 'thumb'."""
        p, g = self.pos, self.page
        if action == "line-":
            if p <= 0:
                return
            p -= g // 16
        elif action == "line+":
            if p + g >= SCROLL_UNITS - 1:
                return
            p += g // 16
        elif action == "page-":
            if p <= 0:
                return
            p -= (2 * g) // 3
        elif action == "page+":
            if p + g >= SCROLL_UNITS - 1:
                return
            p += (2 * g) // 3
        else:
            p = thumb
        if p < 0:
            p = 0
        elif p + g >= SCROLL_UNITS - 1:
            p = SCROLL_UNITS - 1 - g
        self.pos = p
        self.update(True)

    def time_to_x(self, t):
        pw = XR - XL
        return XL + math.trunc((t - self.start) * pw / (self.end - self.start) + 0.5)

    def value_to_y(self, v, lo, hi):
        y = YB - math.trunc((v - lo) * (YB - YT) / (hi - lo) + 0.5)
        return min(max(y, YT), YB)

    def grid_xs(self):
        d = self.division
        xs = [self.time_to_x(self.anchor)]
        t = self.anchor + d
        while self.time_to_x(t) < XR:
            xs.append(self.time_to_x(t))
            t += d
        t = self.anchor - d
        while self.time_to_x(t) > XL:
            xs.append(self.time_to_x(t))
            t -= d
        return xs

    def chart(self, points, lo, hi):
        times = [t for t, _ in points]
        first = next((i for i, t in enumerate(times) if t >= self.start), len(times))
        last = max((i for i, t in enumerate(times) if t <= self.end), default=-1)
        n = last - first + 1
        stride = 1
        if n > 10000:
            stride = n // 10000 + 1
            first = last - stride * (n // stride - 1)
        polyline = [(self.time_to_x(points[i][0]), self.value_to_y(points[i][1], lo, hi))
                    for i in range(first, last + 1, stride)] if n > 0 else []
        return ExpectedChart(self.grid_xs(), polyline)


# --- the screenshot -------------------------------------------------------------------------

def _raster(polyline):
    """The pixels of a polyline, joined point to point."""
    pixels = set()
    for (x0, y0), (x1, y1) in zip(polyline, polyline[1:]):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            pixels.add((x0 + round((x1 - x0) * i / steps), y0 + round((y1 - y0) * i / steps)))
    if len(polyline) == 1:
        pixels.add(polyline[0])
    return pixels


def _near(pixel, pixels, reach=1):
    x, y = pixel
    return any((x + dx, y + dy) in pixels
               for dx in range(-reach, reach + 1) for dy in range(-reach, reach + 1))


def compare_chart(picture, origin, expected, what):
    """Compares the canvas at screen position origin with the expected chart; returns a one-line
    summary or raises JourneyError with what differs."""
    ox, oy = origin
    seen_trace, grid_counts = set(), {}
    for y in range(YT, YB + 1):
        for x in range(XL, XR + 1):
            rgb = picture.pixel(ox + x, oy + y)
            if rgb == TRACE_RGB:
                seen_trace.add((x, y))
            elif rgb == TIME_GRID_RGB:
                grid_counts[x] = grid_counts.get(x, 0) + 1
    seen_grid = sorted(x for x, n in grid_counts.items() if n >= 40)
    wanted_grid = sorted(x for x in expected.grid_xs if XL <= x <= XR)
    if seen_grid != wanted_grid:
        raise JourneyError(f"{what}: time-grid lines at x {seen_grid}, expected {wanted_grid}")
    wanted_trace = {(x, y) for x, y in _raster(expected.polyline) if XL <= x <= XR}
    if not wanted_trace and not seen_trace:
        return f"{what}: grid {len(seen_grid)} lines, no signal line"
    if not wanted_trace or not seen_trace:
        raise JourneyError(f"{what}: {len(seen_trace)} signal pixels seen, "
                           f"{len(wanted_trace)} expected")
    stray = [p for p in seen_trace if not _near(p, wanted_trace)]
    missing = [p for p in wanted_trace if not _near(p, seen_trace)]
    # A pixel may differ where a line ends exactly on a rounding boundary; whole stretches may not.
    if len(stray) > 0.01 * len(seen_trace) or len(missing) > 0.01 * len(wanted_trace):
        raise JourneyError(f"{what}: signal line differs: {len(stray)} of {len(seen_trace)} "
                           f"pixels off the expected line (e.g. {sorted(stray)[:5]}), "
                           f"{len(missing)} of {len(wanted_trace)} expected pixels not drawn "
                           f"(e.g. {sorted(missing)[:5]})")
    return (f"{what}: grid {len(seen_grid)} lines match, signal {len(seen_trace)} pixels match "
            f"({len(stray)} stray, {len(missing)} missing)")
