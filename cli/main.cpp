#include "cli/commands.h"

#include <csignal>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

constexpr const char* Usage =
    "Usage: qz57 COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  export SETTINGS.dat OUT.csv   write the CSV replay file\n"
    "  check SETTINGS.dat            validate a settings file and list it\n"
    "  render SETTINGS.dat OUT.svg [--period SECONDS] [--dpi N]\n"
    "                                draw the chart as an SVG picture\n"
    "\n"
    "Options:\n"
    "  --help      show this text\n"
    "  --version   show the version\n";

} // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // Past a file-size limit the write fails and is reported, rather than ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(Usage, stderr);
        return ExitUsage;
    }
    const std::string_view command = args.front();
    const std::span<const std::string_view> rest(args.data() + 1, args.size() - 1);
    if (command == "--help" || command == "-h") {
        std::fputs(Usage, stdout);
        return ExitOk;
    }
    if (command == "--version") {
        std::puts("qz57 1.10");
        return ExitOk;
    }
    if (command == "export")
        return runExport(rest);
    if (command == "check")
        return runCheck(rest);
    if (command == "render")
        return runRender(rest);
    std::fprintf(stderr, "qz57: unknown command '%.*s'\n\n%s", static_cast<int>(command.size()),
                 command.data(), Usage);
    return ExitUsage;
}
