// Time of one edit in the real main window: the change to the document, the window's refresh
// with the samples rebuilt and the chart repainted, for lists of 90,000 samples with few and with
// many rows. Prints the median of each in milliseconds; an edit that stays inside one 60 Hz frame
// (16 ms) feels immediate.

#include "model/tables.h"
#include "tests/support/element_builders.h"
#include "ui/app_state_win.h"
#include "ui/main_controls_win.h"
#include "ui/main_window_win.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Runs = 15;

// rows elements sharing 90 s at 1 ms: 90,000 samples whatever the number of rows.
ElementList ninetySeconds(int rows) {
    const double each = 90.0 / rows;
    ElementList list;
    for (int i = 0; i < rows; ++i)
        list.push_back(i % 2 == 0 ? makeElement(FUNC_SIN, {0, 8, each / 4, 0, each})
                                  : makeElement(FUNC_RANDOM, {1, 2, 42, each}));
    return list;
}

double milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

double medianEdit(EditorWindow& editor, const ElementList& elements) {
    editor.model.edit([&](SignalDocument& doc) {
        doc.elements = elements;
        return true;
    });
    const int last = static_cast<int>(elements.size()) - 1;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        // The last element's level goes up and down: every run is a real change.
        SignalElement changed = elements.back();
        changed.params[0] += run % 2;
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        editor.model.replaceElement(changed, last);
        ShowDocument(editor);
        QueryPerformanceCounter(&end);
        times.push_back(milliseconds(start, end, frequency));
        pumpMessages();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    AppInstance = instance;
    if (!RegisterMainClass(instance))
        return 1;
    EditorWindow editor;
    if (CreateMainWindow(instance, 96, editor) == nullptr)
        return 1;
    ShowWindow(editor.window, SW_SHOW);
    UpdateWindow(editor.window);
    pumpMessages();

    editor.model.changeRange(0);
    editor.model.changeResolution(3); // 1 ms, 90 s
    for (int rows : {1, 10, 100, 1000, 9000}) {
        // Show all 90 s at once: the chart then draws the whole signal.
        editor.chart.canvas.displaySpan = 90;
        const double ms = medianEdit(editor, ninetySeconds(rows));
        std::printf("Edit with refresh, 90000 samples, %5d rows: %8.2f ms\n", rows, ms);
    }
    std::fflush(stdout);
    return 0;
}
