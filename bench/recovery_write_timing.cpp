// The recovery copy in the Windows build, where Google Benchmark cannot be linked: the same
// 10,000-element document as recovery_bench, handed off as the window does and written as the
// writer thread does. Prints the median and the slowest of the runs in milliseconds (wall time;
// the flush waits for the disk).
#include "bench/large_documents.h"
#include "files/recovery_file.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

constexpr int Runs = 41;

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

int main() {
    RecoveryCopy copy;
    copy.document = tenThousandElements();
    copy.file = "C:\\measurements\\long run.dat";
    copy.everSaved = true;
    copy.time = 1796791247;
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "qz57_bench_recovery.qzr";
    std::vector<double> handOff, text, write;
    for (int run = 0; run < Runs; ++run) {
        auto start = std::chrono::steady_clock::now();
        const RecoveryCopy handed = copy;
        handOff.push_back(millisecondsSince(start));
        start = std::chrono::steady_clock::now();
        const std::string bytes = recoveryFileText(copy);
        text.push_back(millisecondsSince(start));
        start = std::chrono::steady_clock::now();
        if (WriteRecoveryFile(path, copy) != WriteResult::Written) {
            std::fprintf(stderr, "the copy could not be written\n");
            return 1;
        }
        write.push_back(millisecondsSince(start));
    }
    std::filesystem::remove(path);
    std::sort(handOff.begin(), handOff.end());
    std::sort(text.begin(), text.end());
    std::sort(write.begin(), write.end());
    std::printf("recovery copy of 10,000 elements, %d runs\n", Runs);
    std::printf("hand-off (a copy of the document): median %.2f ms, slowest %.2f ms\n",
                handOff[Runs / 2], handOff.back());
    std::printf("text alone: median %.2f ms, slowest %.2f ms\n", text[Runs / 2], text.back());
    std::printf("whole write: median %.2f ms, slowest %.2f ms\n", write[Runs / 2], write.back());
    return 0;
}
