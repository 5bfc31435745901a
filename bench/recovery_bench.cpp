// The recovery copy of a 10,000-element document: what the user-interface thread pays to hand it
// to the writer thread, against one 60 Hz frame (16 ms), and the write the thread then does.
#include "bench/large_documents.h"
#include "files/recovery_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

RecoveryCopy largeCopy() {
    RecoveryCopy copy;
    copy.document = tenThousandElements();
    copy.file = "C:\\measurements\\long run.dat";
    copy.everSaved = true;
    copy.time = 1796791247;
    return copy;
}

// What the user-interface thread pays: a copy of the document for the writer thread.
void recoveryHandOff(benchmark::State& state) {
    const RecoveryCopy copy = largeCopy();
    for (auto _ : state) {
        RecoveryCopy handed = copy;
        benchmark::DoNotOptimize(handed.document.elements.data());
    }
}
BENCHMARK(recoveryHandOff)->Unit(benchmark::kMillisecond);

void recoveryText(benchmark::State& state) {
    const RecoveryCopy copy = largeCopy();
    for (auto _ : state)
        benchmark::DoNotOptimize(recoveryFileText(copy));
}
BENCHMARK(recoveryText)->Unit(benchmark::kMillisecond);

// The whole write as the editor does it: the text, a temporary file flushed to the disk, and the
// replacement of the previous copy. Wall time: the flush waits for the disk.
void recoveryWrite(benchmark::State& state) {
    const RecoveryCopy copy = largeCopy();
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "qz57_bench_recovery.qzr";
    for (auto _ : state) {
        if (WriteRecoveryFile(path, copy) != WriteResult::Written)
            state.SkipWithError("the copy could not be written");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(recoveryWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
