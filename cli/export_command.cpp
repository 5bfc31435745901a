#include "cli/commands.h"

#include <cstdio>

int runExport(std::span<const std::string_view>) {
    std::fputs("qz57: 'export' is not built yet\n", stderr);
    return ExitFailed;
}
