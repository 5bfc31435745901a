#include "cli/commands.h"
#include "version.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* Usage =
    "Usage: qz57 COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  export SETTINGS.dat OUT.csv   write the CSV replay file\n"
    "  export SETTINGS.dat... --out-dir DIR\n"
    "                                write DIR/NAME.csv for each NAME.dat; DIR must exist\n"
    "  check [--strict] [--lang ja|en] SETTINGS.dat...\n"
    "                                validate settings files and list them; warn of samples\n"
    "                                outside the output range (--strict: exit 1 on a warning);\n"
    "                                names in Japanese with --lang ja or a Japanese locale\n"
    "  render SETTINGS.dat OUT.svg [--period SECONDS] [--dpi N]\n"
    "                                draw the chart as an SVG picture\n"
    "  import POINTS OUT.dat [--range CODE] [--resolution CODE] [--step | --linear]\n"
    "         [--tolerance X] [--gain G] [--offset O] [--time-scale S]\n"
    "         [--columns T,V] [--interval SECONDS]\n"
    "                                make a settings file of the points of a replay CSV,\n"
    "                                delimited text (CSV, TSV, semicolons) or a PWL file\n"
    "                                (- reads standard input); codes as in settings files,\n"
    "                                columns from 1, --columns -,V --interval S for values\n"
    "                                without times; prints what was made\n"
    "  stats SETTINGS.dat [--from SECONDS] [--to SECONDS]\n"
    "                                min, max (with their times), mean, RMS, p-p and samples\n"
    "                                outside the range, one per line, of the whole signal or\n"
    "                                the stretch given\n"
    "  compare A B [--tolerance X]   largest difference of A from B (settings files, replay\n"
    "                                CSV or point files) at A's samples (a point file's\n"
    "                                points) where both have time; exit 1 when over X\n"
    "  generate KIND OUT.dat --range CODE --resolution CODE [options]\n"
    "                                make a settings file of a staircase, sweep, formula,\n"
    "                                start or dips (qz57 generate for the options); --append\n"
    "                                IN.dat puts them after its elements; prints what was made\n"
    "\n"
    "Options:\n"
    "  --help      show this text\n"
    "  --version   show the version\n";

struct Command {
    std::string_view name;
    int (*run)(std::span<const std::string_view> args);
    const char* const& usage;
};

const Command Commands[] = {
    {"export", runExport, ExportUsage},       {"check", runCheck, CheckUsage},
    {"render", runRender, RenderUsage},       {"import", runImport, ImportUsage},
    {"stats", runStats, StatsUsage},          {"compare", runCompare, CompareUsage},
    {"generate", runGenerate, GenerateUsage},
};

bool asksForHelp(std::span<const std::string_view> args) {
    return std::any_of(args.begin(), args.end(),
                       [](std::string_view arg) { return arg == "--help" || arg == "-h"; });
}

int run(const std::vector<std::string_view>& args) {
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
        std::puts("qz57 " QZ57_VERSION_TEXT);
        return ExitOk;
    }
    for (const Command& known : Commands) {
        if (command != known.name)
            continue;
        if (asksForHelp(rest)) {
            std::fputs(known.usage, stdout);
            return ExitOk;
        }
        return known.run(rest);
    }
    std::fprintf(stderr, "qz57: unknown command '%.*s'\n\n%s", static_cast<int>(command.size()),
                 command.data(), Usage);
    return ExitUsage;
}

#ifdef _WIN32
// Windows hands narrow arguments over in the ANSI code page, which cannot hold every file name:
// take the UTF-16 ones and make them UTF-8 like everywhere else.
std::string utf8FromUtf16(const wchar_t* text) {
    std::string out;
    for (; *text != L'\0'; ++text) {
        char32_t c = static_cast<char16_t>(*text);
        if (c >= 0xD800 && c < 0xDC00 && text[1] >= 0xDC00 && text[1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(text[1]) - 0xDC00);
            ++text;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD; // a lone surrogate names no character
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
#endif

} // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> texts;
    for (int i = 1; i < argc; ++i)
        texts.push_back(utf8FromUtf16(argv[i]));
    return run(std::vector<std::string_view>(texts.begin(), texts.end()));
}
#else
int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // Past a file-size limit the write fails and is reported, rather than ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    return run(std::vector<std::string_view>(argv + 1, argv + argc));
}
#endif
