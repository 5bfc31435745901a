#include "cli/commands.h"

#include <cstdio>

int runRender(std::span<const std::string_view>) {
    std::fputs("qz57: 'render' is not built yet\n", stderr);
    return ExitFailed;
}
