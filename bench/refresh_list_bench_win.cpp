// Time of one edit in the real main window: the change to the document, the window's refresh
// with the samples rebuilt and the chart repainted, and the paint of the list and the status bar
// that follows, for lists of 90,000 samples with few and with many rows; then the load of a
// 10,000-element settings file to the refreshed window. Prints medians in milliseconds, with
// where the time goes; an edit that stays inside one 60 Hz frame (16 ms) feels immediate.

#include "bench/bench_window_win.h"
#include "bench/large_documents.h"
#include "files/settings_file.h"
#include "model/element_commands.h"
#include "model/tables.h"
#include "tests/support/element_builders.h"
#include "ui/editor_refresh_win.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int Runs = 15;

// rows elements sharing 90 s at 1 ms: 90,000 samples whatever the number of rows. A hair under
// 90 s, so that the rounding of the durations' sum keeps every edit inside the budget.
ElementList ninetySeconds(int rows) {
    const double each = (90.0 - 1e-6) / rows;
    ElementList list;
    for (int i = 0; i < rows; ++i)
        list.push_back(i % 2 == 0 ? makeElement(FUNC_SIN, {0, 8, each / 4, 0, each})
                                  : makeElement(FUNC_RANDOM, {1, 2, 42, each}));
    return list;
}

class Stopwatch {
  public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&last_);
    }
    // Milliseconds since the last lap.
    double lap() {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        const double ms = 1000.0 * static_cast<double>(now.QuadPart - last_.QuadPart) /
                          static_cast<double>(frequency_.QuadPart);
        last_ = now;
        return ms;
    }

  private:
    LARGE_INTEGER frequency_;
    LARGE_INTEGER last_;
};

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Paints now what the refresh left to be painted: the list, the status bar, the buttons.
void paintTheRest(const EditorWindow& editor) {
    RedrawWindow(editor.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Medians of one change's parts, in milliseconds.
struct Parts {
    std::vector<double> change, samples, show, rest;

    void print(const char* what) const {
        const double total = median(sum());
        std::printf("%s: %7.2f ms (change %5.2f, samples %5.2f, Refresh %5.2f, list and "
                    "status paint %5.2f)\n",
                    what, total, median(change), median(samples), median(show), median(rest));
    }

  private:
    std::vector<double> sum() const {
        std::vector<double> totals;
        for (std::size_t i = 0; i < change.size(); ++i)
            totals.push_back(change[i] + samples[i] + show[i] + rest[i]);
        return totals;
    }
};

// The chart's own repaint, the part of the refresh that is not the list's.
double medianChartPaint(EditorWindow& editor) {
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        Stopwatch clock;
        editor.chart.requestRepaint(editor.chart.canvas);
        times.push_back(clock.lap());
    }
    return median(times);
}

// Times one change to the document and the refresh it ends with; false, with nothing timed,
// when the change did not happen.
bool timeChange(EditorWindow& editor, Parts& parts, const std::function<bool()>& change) {
    Stopwatch clock;
    if (!change())
        return false;
    parts.change.push_back(clock.lap());
    editor.model.samples();
    parts.samples.push_back(clock.lap());
    Refresh(editor, DocumentPart | SelectionPart);
    parts.show.push_back(clock.lap());
    paintTheRest(editor);
    parts.rest.push_back(clock.lap());
    pumpMessages();
    return true;
}

void benchEdits(EditorWindow& editor, int rows) {
    const ElementList elements = ninetySeconds(rows);
    const SignalDocument& doc = editor.model.document();
    editor.model.apply(elementStep(doc, 0, doc.elements, elements, {}));
    Parts parts;
    for (int run = 0; run < Runs; ++run) {
        // The last element's level goes up and down: every run is a real change.
        SignalElement changed = elements.back();
        changed.params[0] += (run + 1) % 2;
        if (!timeChange(editor, parts, [&] {
                return editor.model
                    .apply(replaceElement(editor.model.document(), changed, rows - 1))
                    .has_value();
            })) {
            std::printf("The edit with %d rows was refused\n", rows);
            return;
        }
    }
    char what[64];
    std::snprintf(what, sizeof what, "Edit, %d samples, %5d rows",
                  editor.model.samples().pointCount(), rows);
    parts.print(what);
    std::printf("    of which the chart's paint %5.2f ms\n", medianChartPaint(editor));
}

// CmdLoadSettings' work once the file dialog is answered, and the refresh it ends with.
void benchLoad(EditorWindow& editor) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "qz57_bench_10000_elements.dat";
    if (WriteSettingsFile(path, tenThousandElements()) != WriteResult::Written) {
        std::printf("The settings file could not be written to %s\n", path.string().c_str());
        return;
    }
    Parts parts;
    for (int run = 0; run < Runs; ++run) {
        const bool loaded = timeChange(editor, parts, [&] {
            SignalDocument doc;
            if (!ReadSettingsFile(path, doc).ok())
                return false;
            editor.model.load(std::move(doc), path);
            return true;
        });
        if (!loaded) {
            std::printf("The settings file did not read\n");
            break;
        }
    }
    std::filesystem::remove(path);
    if (!parts.change.empty())
        parts.print("Load, 10000 elements, 80000 samples (change: read)");
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    MainWindow main;
    if (!OpenBenchWindow(instance, main))
        return 1;
    EditorWindow& editor = main.editor;
    pumpMessages();

    editor.model.apply(changeRange(editor.model.document(), 0));
    editor.model.apply(changeResolution(editor.model.document(), 3)); // 1 ms, 90 s
    // Show all 90 s at once: the chart then draws the whole signal.
    editor.chart.canvas.displaySpan = 90;
    for (int rows : {1, 10, 100, 1000, 10000})
        benchEdits(editor, rows);
    // All 800 s of the file at once.
    editor.chart.canvas.displaySpan = 1800;
    benchLoad(editor);
    std::fflush(stdout);
    return 0;
}
