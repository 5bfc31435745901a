// Time of each command on many rows in the real main window, from the command's message until
// the window has repainted and handled what the command posted: select all, copy, duplicate,
// cut, undo, redo, paste, moves, delete and the clicks that select, on lists of 1,000 to 90,000
// elements. Prints medians in milliseconds, one line per list length. The lengths to run can be
// given on the command line ("1000 10000").

#include "bench/bench_window_win.h"
#include "model/import_step.h"
#include "model/tables.h"
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "ui/editor_refresh_win.h"
#include "ui/message_loop_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int Runs = 3;

// count elements at 1 s resolution, 0.3 s and 0.6 s long in turn, so that half of them take a
// sample and twice the list still fits the 24 h budget.
SignalDocument bulkDocument(int count) {
    SignalDocument doc;
    doc.rangeCode = 0;
    doc.resolutionCode = 2;
    doc.sampleInterval = resolution(2).sampleInterval;
    doc.elements.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        doc.elements.push_back(
            makeElement(FUNC_SIN, {0, 5, 1, static_cast<double>(i % 360), i % 2 == 0 ? 0.3 : 0.6}));
    return doc;
}

double nowMs() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Dispatches what waits as the editor's message loop does, input first through the editor.
void pumpMessages(EditorWindow& editor) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!TranslateMainMessage(editor, nullptr, message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// Runs an action and waits until the window answers again: everything painted, every posted
// message handled.
double timeUntilAnswered(EditorWindow& editor, const std::function<void()>& action) {
    const double start = nowMs();
    action();
    pumpMessages(editor);
    RedrawWindow(editor.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    pumpMessages(editor);
    return nowMs() - start;
}

void command(const EditorWindow& editor, int id) {
    SendMessageW(editor.window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

// A click on the first row of the list, as the mouse gives it: through the message loop.
void clickFirstRow(const EditorWindow& editor) {
    HWND list = editor.controls.elementList.window();
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    const LPARAM at = MAKELPARAM(row.left + 40, (row.top + row.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
}

// A click on the chart near its left edge, which selects the element shown there.
void clickChart(const EditorWindow& editor) {
    SendMessageW(editor.chart.canvasWindow, WM_LBUTTONDOWN, 0, MAKELPARAM(120, 100));
    SendMessageW(editor.chart.canvasWindow, WM_LBUTTONUP, 0, MAKELPARAM(120, 100));
}

// What the import dialog's OK does with as many points as the list has rows: they go in before
// the selected row as one step and are selected.
void importBeforeSelectedRow(EditorWindow& editor) {
    const SignalDocument& doc = editor.model.document();
    ApplyStep(editor, importElements(doc, doc.elements, doc.rangeCode, doc.resolutionCode,
                                     ActiveRow(editor)));
}

struct Step {
    const char* name;
    std::function<void(EditorWindow&)> action;
    bool timed = true;
};

// The commands in the order they run on a list of N rows; the list is N rows again at the end.
std::vector<Step> steps() {
    const auto run = [](int id) { return [id](EditorWindow& e) { command(e, id); }; };
    return {
        {"select all", run(IDM_SELECT_ALL)},
        {"copy", run(IDM_COPY)},
        {"duplicate", run(IDM_DUPLICATE)},
        {"undo", run(IDM_UNDO)},
        {"select all", run(IDM_SELECT_ALL), false},
        {"cut", run(IDM_CUT)},
        {"redo", run(IDM_REDO), false},
        {"undo cut", run(IDM_UNDO)},
        {"redo cut", run(IDM_REDO)},
        {"undo", run(IDM_UNDO), false},
        {"paste", run(IDM_PASTE)},
        {"move down", run(IDM_MOVE_DOWN)},
        {"move up", run(IDM_MOVE_UP)},
        {"undo", run(IDM_UNDO), false},
        {"undo", run(IDM_UNDO), false},
        {"undo", run(IDM_UNDO), false},
        {"list click", clickFirstRow},
        {"chart click", clickChart},
        {"import", importBeforeSelectedRow},
        {"undo", run(IDM_UNDO), false},
        {"select all", run(IDM_SELECT_ALL), false},
        {"delete", run(IDC_DELETE)},
        {"undo", run(IDM_UNDO), false},
    };
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void benchLength(EditorWindow& editor, int count) {
    ChangeDocument(editor, [count](EditorModel& model) {
        model.load(bulkDocument(count), "bulk.dat");
        return RowSelection{};
    });
    timeUntilAnswered(editor, [] {});
    const std::vector<Step> all = steps();
    std::vector<std::vector<double>> times(all.size());
    for (int run = 0; run < Runs; ++run) {
        for (std::size_t i = 0; i < all.size(); ++i)
            times[i].push_back(timeUntilAnswered(editor, [&] { all[i].action(editor); }));
    }
    std::printf("| %6d |", count);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].timed)
            std::printf(" %7.1f |", median(times[i]));
    }
    std::printf("  rows at the end: %zu\n", editor.model.document().elements.size());
    std::fflush(stdout);
}

std::vector<int> lengthsFrom(const wchar_t* commandLine) {
    std::vector<int> lengths;
    for (const wchar_t* at = commandLine; *at != L'\0';) {
        wchar_t* end = nullptr;
        const long value = std::wcstol(at, &end, 10);
        if (end == at)
            break;
        if (value > 0)
            lengths.push_back(static_cast<int>(value));
        at = end;
    }
    if (lengths.empty())
        lengths = {1'000, 10'000, 30'000, 90'000};
    return lengths;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    MainWindow main;
    if (!OpenBenchWindow(instance, main))
        return 1;
    EditorWindow& editor = main.editor;
    pumpMessages(editor);
    std::printf("| rows   |");
    for (const Step& step : steps()) {
        if (step.timed)
            std::printf(" %s |", step.name);
    }
    std::printf("  (ms, medians of %d runs)\n", Runs);
    for (int count : lengthsFrom(commandLine))
        benchLength(editor, count);
    return 0;
}
