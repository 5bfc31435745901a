// The edit history: undo and redo of one step on a long list, and what a full history holds.

#include "model/editor_model.h"
#include "model/element_commands.h"
#include "tests/support/element_builders.h"

#include <benchmark/benchmark.h>

namespace {

// A document of this many elements at 1 s resolution (24 h), each a second long.
EditorModel editorWith(int elements) {
    EditorModel editor;
    editor.apply(changeRange(editor.document(), 0));
    editor.apply(changeResolution(editor.document(), 2));
    ElementList list;
    for (int i = 0; i < elements; ++i)
        list.push_back(makeElement(FUNC_SIN, {0, 5, 1, static_cast<double>(i % 360), 1}));
    editor.apply(pasteElements(editor.document(), list, -1));
    return editor;
}

// Undo and redo of deleting an element in the middle of a 10,000-element list (the list's second
// half moves each time), without the synthesis, which waits until the chart or the export asks
// for the samples.
void undoRedoStep(benchmark::State& state) {
    EditorModel editor = editorWith(10'000);
    editor.apply(deleteElement(editor.document(), 5'000));
    for (auto _ : state) {
        benchmark::DoNotOptimize(editor.undo());
        benchmark::DoNotOptimize(editor.redo());
    }
    state.SetLabel("one undo and one redo");
}
BENCHMARK(undoRedoStep)->Unit(benchmark::kMicrosecond);

// Recording the step itself: the edit of one element of a 10,000-element list.
void recordStep(benchmark::State& state) {
    EditorModel editor = editorWith(10'000);
    int round = 0;
    for (auto _ : state)
        editor.apply(replaceElement(editor.document(), constantElement(++round % 7, 1), 5'000));
}
BENCHMARK(recordStep)->Unit(benchmark::kMicrosecond);

// The history's memory after 1,000 one-element edits of a 1,000-element list, and after 1,000
// loads of such a list, where every step holds the whole list twice.
void historyMemory(benchmark::State& state) {
    const bool loads = state.range(0) == 1;
    std::size_t bytes = 0;
    std::size_t steps = 0;
    for (auto _ : state) {
        EditorModel editor = editorWith(1'000);
        for (int i = 0; i < 1'000; ++i) {
            if (loads) {
                SignalDocument doc = editor.document();
                doc.elements.assign(1'000, constantElement(i, 1));
                editor.load(std::move(doc), "file.dat");
            } else {
                editor.apply(replaceElement(editor.document(), constantElement(i, 1), i));
            }
        }
        bytes = editor.history().bytes();
        steps = editor.history().undoCount();
    }
    state.counters["history_MiB"] = static_cast<double>(bytes) / (1 << 20);
    state.counters["steps_kept"] = static_cast<double>(steps);
    state.SetLabel(loads ? "1,000 loads" : "1,000 edits");
}
BENCHMARK(historyMemory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
