// Every recovery copy the reader accepts must survive being written again: read, write, read
// again and the second write gives the same bytes, with the same path, flag and time.
#include "files/recovery_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "%s\n--- written copy ---\n%s\n", what, text.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RecoveryCopy copy;
    if (!readRecoveryText(std::string_view(reinterpret_cast<const char*>(data), size), copy).ok())
        return 0;
    const std::string written = recoveryFileText(copy);
    RecoveryCopy again;
    const SettingsReadResult reread = readRecoveryText(written, again);
    if (!reread.ok())
        fail(("written copy does not read back: line " + std::to_string(reread.line) + ", " +
              expectationText(reread, Language::English))
                 .c_str(),
             written);
    if (recoveryFileText(again) != written)
        fail("second write differs from the first", written);
    if (again.file != copy.file || again.everSaved != copy.everSaved || again.time != copy.time ||
        again.document.elements.size() != copy.document.elements.size())
        fail("the copy changed on the way", written);
    return 0;
}
