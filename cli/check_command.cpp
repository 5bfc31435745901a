#include "cli/commands.h"

#include <cstdio>

int runCheck(std::span<const std::string_view>) {
    std::fputs("qz57: 'check' is not built yet\n", stderr);
    return ExitFailed;
}
