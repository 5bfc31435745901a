#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class Qz57 : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("qz57_cli_" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs qz57 with the arguments (already quoted for the shell where needed) and the locale
    // environment as `env` takes it, English unless a test says otherwise.
    Outcome run(const std::string& arguments, const std::string& locale = "LC_ALL=C") const {
        const fs::path out = folder_ / "stdout";
        const fs::path err = folder_ / "stderr";
        const std::string command = "env " + locale + " " + std::string(QZ57_PROGRAM) + " " +
                                    arguments + " >" + out.string() + " 2>" + err.string();
        const int status = std::system(command.c_str());
        Outcome result;
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = readFile(out);
        result.err = readFile(err);
        return result;
    }

    fs::path folder_;
};

const std::string Settings = "### QZ570 series output editor data file ###\r\n"
                             "VER\t1\r\nOUTRANGE\t0\r\nRESOLUTION\t0\r\nELEMENTS\t2\r\n"
                             "FUNC\tFUNC_CONST\r\nPAR0\t1.5\r\nPAR1\t10\r\n"
                             "FUNC\tFUNC_SLOPE\r\nPAR0\t-12\r\nPAR1\t-11\r\nPAR2\t0.05\r\n";

} // namespace

TEST_F(Qz57, HelpVersionAndUsageErrors) {
    Outcome r = run("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("export SETTINGS.dat OUT.csv"), std::string::npos);
    EXPECT_NE(r.out.find("export SETTINGS.dat... --out-dir DIR"), std::string::npos);
    r = run("--version");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("qz57 ", 0), 0u);
    for (const char* command :
         {"export", "check", "render", "import", "stats", "compare", "generate"}) {
        for (const char* help : {"--help", "-h"}) {
            r = run(std::string(command) + " " + help);
            EXPECT_EQ(r.status, 0) << command << help;
            EXPECT_EQ(r.out.rfind(std::string("Usage: qz57 ") + command, 0), 0u) << r.out;
            EXPECT_EQ(r.err, "");
        }
    }
    EXPECT_EQ(run("import a.csv --help").status, 0);
    EXPECT_EQ(run("").status, 2);
    EXPECT_EQ(run("frobnicate").status, 2);
    EXPECT_EQ(run("export only-one.dat").status, 2);
    EXPECT_EQ(run("check").status, 2);
    EXPECT_EQ(run("export a.dat --out-dir").status, 2);
    EXPECT_EQ(run("export --out-dir d").status, 2);
    EXPECT_EQ(run("export a.dat --out-dir d --out-dir e").status, 2);
    EXPECT_EQ(run("export a.dat --dir d --out-dir e").status, 2);
}

TEST_F(Qz57, ExportWritesTheReplayFile) {
    writeFile(folder_ / "in.dat", Settings);
    const Outcome r = run((folder_ / "in.dat").string() + " " + (folder_ / "out.csv").string());
    EXPECT_EQ(r.status, 2); // no command word
    const Outcome e =
        run("export " + (folder_ / "in.dat").string() + " " + (folder_ / "out.csv").string());
    EXPECT_EQ(e.status, 0) << e.err;
    EXPECT_TRUE(e.err.empty());
    EXPECT_EQ(readFile(folder_ / "out.csv"), "AI1,\x81\x7D"
                                             "10[V]\r\n"
                                             "2020/1/1,0:00:00.00,1.5000\r\n"
                                             "2020/1/1,0:00:10.00,-10.0000\r\n"
                                             "2020/1/1,0:00:10.05,-10.0000\r\n");
}

TEST_F(Qz57, ExportFailures) {
    writeFile(folder_ / "in.dat", Settings);
    writeFile(folder_ / "empty.dat", Settings.substr(0, Settings.find("ELEMENTS")) +
                                         "ELEMENTS\t1\r\n" +
                                         "FUNC\tFUNC_CONST\r\nPAR0\t1\r\nPAR1\t0\r\n");
    writeFile(folder_ / "bad.dat", Settings.substr(0, Settings.find("PAR1\t10")));
    const std::string out = (folder_ / "out.csv").string();

    Outcome r = run("export " + (folder_ / "empty.dat").string() + " " + out);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("There is no data to export."), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out));

    r = run("export " + (folder_ / "bad.dat").string() + " " + out);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("bad.dat:8:"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out));

    r = run("export " + (folder_ / "missing.dat").string() + " " + out);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot open"), std::string::npos) << r.err;

    writeFile(out, "old");
    r = run("export " + (folder_ / "in.dat").string() + " /dev/full");
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.empty());
    r = run("export " + (folder_ / "in.dat").string() + " " + (folder_ / "no" / "x.csv").string());
    EXPECT_EQ(r.status, 1);
    r = run("export " + (folder_ / "in.dat").string() + " " + folder_.string());
    EXPECT_EQ(r.status, 1);
    // A file-size limit fails the write after the open; the program reports it and the old file
    // stays.
    const std::string limited = "sh -c 'ulimit -f 0; exec " + std::string(QZ57_PROGRAM) +
                                " export " + (folder_ / "in.dat").string() + " " + out +
                                "' 2>/dev/null";
    const int status = std::system(limited.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_EQ(readFile(out), "old");
}

TEST_F(Qz57, CheckListsTheDocument) {
    writeFile(folder_ / "in.dat", Settings);
    const Outcome r = run("check --lang ja " + (folder_ / "in.dat").string());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("range: ±10V (code 0)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("resolution: 10m秒 / 15分 (code 0)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("   1  00:00.000  固定値  値=1.5000, 期間=10.000秒"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("   2  00:10.000  スロープ"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("total time: 10.050 s of 900 s\n"), std::string::npos) << r.out;
    // The slope from −12 lies below the ±10 V range for all of its five samples and the closing
    // point.
    EXPECT_TRUE(r.out.ends_with(
        "warning: element 2: 6 samples outside the range, the first at 00:10.000\n"))
        << r.out;
}

TEST_F(Qz57, CheckListsInEnglishOutsideAJapaneseLocale) {
    writeFile(folder_ / "in.dat", Settings);
    const Outcome r = run("check " + (folder_ / "in.dat").string());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("range: ±10 V (code 0)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("resolution: 10 ms / 15 min (code 0)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("   1  00:00.000  Constant  value=1.5000, duration=10.000 s"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("   2  00:10.000  Slope  start="), std::string::npos) << r.out;
}

TEST_F(Qz57, CheckLanguageFromTheLocaleOrTheOption) {
    writeFile(folder_ / "in.dat", Settings);
    const std::string file = (folder_ / "in.dat").string();
    const std::string japanese = "  固定値  ";
    const std::string english = "  Constant  ";
    const struct {
        const char* locale;
        const char* option;
        const std::string& expected;
    } cases[] = {
        {"-u LC_ALL -u LC_MESSAGES LANG=ja_JP.UTF-8", "", japanese},
        {"-u LC_ALL LC_MESSAGES=ja_JP.UTF-8 LANG=C", "", japanese},
        {"LC_ALL=en_US.UTF-8 LANG=ja_JP.UTF-8", "", english},
        {"-u LC_ALL -u LC_MESSAGES -u LANG", "", english},
        {"LC_ALL=ja_JP.UTF-8", "--lang en ", english},
        {"LC_ALL=C", "--lang ja ", japanese},
    };
    for (const auto& c : cases) {
        const Outcome r = run("check " + std::string(c.option) + file, c.locale);
        EXPECT_EQ(r.status, 0) << c.locale << r.err;
        EXPECT_NE(r.out.find(c.expected), std::string::npos) << c.locale << r.out;
    }
    EXPECT_EQ(run("check --lang fr " + file).status, 2);
    EXPECT_EQ(run("check " + file + " --lang").status, 2);
}

TEST_F(Qz57, CheckStrictFailsOnWarnings) {
    writeFile(folder_ / "in.dat", Settings);
    std::string fits = Settings.substr(0, Settings.find("FUNC\tFUNC_SLOPE"));
    fits.replace(fits.find("ELEMENTS\t2"), 10, "ELEMENTS\t1");
    writeFile(folder_ / "fits.dat", fits);
    EXPECT_EQ(run("check " + (folder_ / "in.dat").string() + " --strict").status, 1);
    EXPECT_EQ(run("check --strict " + (folder_ / "fits.dat").string()).status, 0);
}

TEST_F(Qz57, CheckNamesTheBadLine) {
    writeFile(folder_ / "bad.dat",
              Settings.substr(0, Settings.find("OUTRANGE")) + "OUTRANGE\t7\r\n");
    const Outcome r = run("check " + (folder_ / "bad.dat").string());
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(
        r.err.find("bad.dat:3: invalid settings file: expected OUTRANGE and a range code 0 to 4"),
        std::string::npos)
        << r.err;
}

TEST_F(Qz57, ExportEachIntoAFolder) {
    const fs::path dir = folder_ / "csv";
    fs::create_directories(dir);
    fs::create_directories(folder_ / "other");
    const std::string other = Settings.substr(0, Settings.find("ELEMENTS")) +
                              "ELEMENTS\t1\r\nFUNC\tFUNC_CONST\r\nPAR0\t2\r\nPAR1\t1\r\n";
    writeFile(folder_ / "one.dat", Settings);
    writeFile(folder_ / "two.dat", other);
    writeFile(folder_ / "bad.dat", "junk\r\n");
    writeFile(folder_ / "other" / "ONE.dat", other);
    writeFile(dir / "two.csv", "old");
    const std::string inputs = (folder_ / "one.dat").string() + " " +
                               (folder_ / "bad.dat").string() + " " +
                               (folder_ / "other" / "ONE.dat").string();
    Outcome r = run("export " + inputs + " --out-dir " + dir.string() + " " +
                    (folder_ / "two.dat").string());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
    EXPECT_NE(r.err.find("bad.dat:1:"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("ONE.dat: not exported: ONE.csv is already the output of"),
              std::string::npos)
        << r.err;
    // The same bytes as one file at a time; a name taken by an earlier file is not overwritten.
    for (const char* name : {"one", "two"}) {
        const std::string single = (folder_ / (std::string(name) + ".csv")).string();
        ASSERT_EQ(run("export " + (folder_ / name).string() + ".dat " + single).status, 0);
        EXPECT_EQ(readFile(dir / (std::string(name) + ".csv")), readFile(single)) << name;
    }
    EXPECT_FALSE(fs::exists(dir / "ONE.csv"));

    r = run("export " + inputs + " --out-dir " + (folder_ / "missing").string());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing: no such folder"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(folder_ / "missing"));
}

TEST_F(Qz57, CheckEachFile) {
    writeFile(folder_ / "in.dat", Settings);
    writeFile(folder_ / "bad.dat", "junk\r\n");
    const std::string in = (folder_ / "in.dat").string();
    const Outcome r = run("check " + in + " " + (folder_ / "bad.dat").string() + " " + in);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.rfind(in + ":\nrange: ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\n\n" + (folder_ / "bad.dat").string() + ":\n\n" + in + ":\nrange: "),
              std::string::npos)
        << r.out;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find("bad.dat:1:"), std::string::npos) << r.err;
}

// The mode bits decide, so this holds when the tests run as root too.
TEST_F(Qz57, ReadOnlyOutputIsLeftAlone) {
    writeFile(folder_ / "in.dat", Settings);
    const fs::path out = folder_ / "out.csv";
    writeFile(out, "old");
    fs::permissions(out, fs::perms::owner_read);
    const Outcome r = run("export " + (folder_ / "in.dat").string() + " " + out.string());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("out.csv: The file could not be opened. (the file is read-only)"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(readFile(out), "old");
}

TEST_F(Qz57, ImportMakesASettingsFileThatExportsTheSameReplayFile) {
    for (const char* name : {"current_1ms", "functions_10ms"}) {
        const fs::path golden = fs::path(QZ57_GOLDEN_DIR) / (std::string(name) + ".csv");
        const fs::path dat = folder_ / "imported.dat";
        const fs::path csv = folder_ / "again.csv";
        const Outcome r = run("import " + golden.string() + " " + dat.string());
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("points read: "), std::string::npos);
        EXPECT_NE(r.out.find("elements made: "), std::string::npos);
        EXPECT_NE(r.out.find("clipped samples: 0"), std::string::npos);
        ASSERT_EQ(run("export " + dat.string() + " " + csv.string()).status, 0);
        EXPECT_EQ(readFile(csv), readFile(golden)) << name;
    }
}

TEST_F(Qz57, ImportReadsStandardInputAndTakesItsOptions) {
    writeFile(folder_ / "in.txt", "title\nCH1\n1\n2\n3\n");
    const fs::path dat = folder_ / "values.dat";
    const Outcome r = run("import - " + dat.string() +
                          " --range 4 --resolution 0 --step --columns -,1 --interval 0.5 "
                          "--gain 2 --offset 1 < " +
                          (folder_ / "in.txt").string());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("range 4, resolution 0"), std::string::npos);
    EXPECT_NE(r.out.find("duration: 1.500 s of 900 s"), std::string::npos);
    const std::string settings = readFile(dat);
    EXPECT_NE(settings.find("OUTRANGE\t4\r\nRESOLUTION\t0\r\nELEMENTS\t3\r\n"), std::string::npos);
    EXPECT_NE(settings.find("PAR0\t3\r\nPAR1\t0.5\r\n"), std::string::npos);
    EXPECT_NE(settings.find("PAR0\t7\r\n"), std::string::npos);

    writeFile(folder_ / "ms.csv", "ms,mV\n0,0\n2000,500\n");
    const Outcome scaled = run("import " + (folder_ / "ms.csv").string() + " " + dat.string() +
                               " --range 0 --time-scale 0.001 --gain 0.001 --tolerance 0.01");
    ASSERT_EQ(scaled.status, 0) << scaled.err;
    EXPECT_NE(scaled.out.find("elements made: 1\n"), std::string::npos);
    // The last point's 0.5 V plays for one sample interval.
    EXPECT_NE(scaled.out.find("duration: 2.001 s of 90 s"), std::string::npos);
}

TEST_F(Qz57, ImportRefusalsNameTheLineAndWriteNothing) {
    const fs::path dat = folder_ / "out.dat";
    writeFile(folder_ / "back.csv", "t,v\n0,1\n2,2\n1,3\n");
    Outcome r =
        run("import " + (folder_ / "back.csv").string() + " " + dat.string() + " --range 0");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("back.csv: line 4: the time is earlier than the one before"),
              std::string::npos)
        << r.err;
    writeFile(folder_ / "long.csv", "0,0\n120,1\n");
    r = run("import " + (folder_ / "long.csv").string() + " " + dat.string() +
            " --range 0 --resolution 3");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("the data lasts 120.000 s, more than the resolution's maximum time of "
                         "90 s"),
              std::string::npos)
        << r.err;
    EXPECT_FALSE(fs::exists(dat));
    EXPECT_EQ(run("import " + (folder_ / "long.csv").string() + " " + dat.string()).status, 2);
    EXPECT_EQ(run("import " + (folder_ / "missing.csv").string() + " " + dat.string()).status, 1);
}

TEST_F(Qz57, ImportUsageErrors) {
    EXPECT_NE(run("--help").out.find("import POINTS OUT.dat"), std::string::npos);
    EXPECT_EQ(run("import only-one.csv").status, 2);
    EXPECT_EQ(run("import a.csv b.dat --range 5").status, 2);
    EXPECT_EQ(run("import a.csv b.dat --resolution x").status, 2);
    EXPECT_EQ(run("import a.csv b.dat --columns 0,1").status, 2);
    EXPECT_EQ(run("import a.csv b.dat --columns 1").status, 2);
    EXPECT_EQ(run("import a.csv b.dat --interval -1").status, 2);
    EXPECT_EQ(run("import a.csv b.dat --tolerance -0.1").status, 2);
    EXPECT_EQ(run("import a.csv b.dat --time-scale 0").status, 2);
    EXPECT_EQ(run("import a.csv b.dat --gain").status, 2);
    EXPECT_EQ(run("import a.csv b.dat --frobnicate 1").status, 2);
}

TEST_F(Qz57, StatsPrintsTheFiguresOfTheWholeSignalOrAStretch) {
    writeFile(folder_ / "in.dat", Settings);
    Outcome r = run("stats " + (folder_ / "in.dat").string());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "start 0.000 s\nend 10.050 s\nduration 10.050 s\nsamples 1005\n"
                     "min -10.0000 at 10.000 s\nmax 1.5000 at 0.000 s\nmean 1.4428\n"
                     "rms 1.6542\np-p 11.5000\noutside range 5\nunit V\n");
    r = run("stats " + (folder_ / "in.dat").string() + " --from 9.98 --to 10.02");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "start 9.980 s\nend 10.020 s\nduration 0.040 s\nsamples 4\n"
                     "min -10.0000 at 10.000 s\nmax 1.5000 at 9.980 s\nmean -4.2500\n"
                     "rms 7.1502\np-p 11.5000\noutside range 2\nunit V\n");
}

TEST_F(Qz57, StatsRefusals) {
    writeFile(folder_ / "in.dat", Settings);
    const std::string in = (folder_ / "in.dat").string();
    const Outcome late = run("stats " + in + " --from 20");
    EXPECT_EQ(late.status, 1);
    EXPECT_NE(late.err.find("no samples from 20.000 s to 10.050 s; the signal lasts 10.050 s"),
              std::string::npos);
    EXPECT_EQ(run("stats " + (folder_ / "missing.dat").string()).status, 1);
    const std::vector<std::string> usage = {
        "",           in + " --from", in + " --from x", in + " --from 3 --to 2", in + " --bad 1",
        in + " " + in};
    for (const std::string& args : usage)
        EXPECT_EQ(run("stats " + args).status, 2) << args;
}

TEST_F(Qz57, CompareReportsTheLargestDifferenceAgainstTheTolerance) {
    writeFile(folder_ / "in.dat", Settings);
    const std::string in = (folder_ / "in.dat").string();
    const std::string csv = (folder_ / "in.csv").string();
    ASSERT_EQ(run("export " + in + " " + csv).status, 0);
    // A line 1 V above the constant, past its end: compared where both have time.
    writeFile(folder_ / "line.pwl", "0 2.5\n5 2.5\n");
    const std::string line = (folder_ / "line.pwl").string();
    const struct {
        std::string args;
        int status;
        std::string out;
    } rows[] = {
        {in + " " + csv, 0,
         "largest difference 0.0000 at 0.000 s\ncompared 1005 samples from 0.000 s to 10.040 s\n"},
        {csv + " " + in, 0,
         "largest difference 0.0000 at 0.000 s\ncompared 2 samples from 0.000 s to 10.000 s\n"},
        {in + " " + line, 1,
         "largest difference 1.0000 at 0.000 s\ncompared 501 samples from 0.000 s to 5.000 s\n"},
        {in + " " + line + " --tolerance 1", 0,
         "largest difference 1.0000 at 0.000 s\ncompared 501 samples from 0.000 s to 5.000 s\n"},
        {line + " " + in + " --tolerance 0.5", 1,
         "largest difference 1.0000 at 0.000 s\ncompared 2 samples from 0.000 s to 5.000 s\n"},
    };
    for (const auto& row : rows) {
        const Outcome r = run("compare " + row.args);
        EXPECT_EQ(r.status, row.status) << row.args << r.err;
        EXPECT_EQ(r.out, row.out) << row.args;
    }
}

TEST_F(Qz57, CompareRefusals) {
    writeFile(folder_ / "in.dat", Settings);
    writeFile(folder_ / "bad.csv", "0,1\n1,x\n");
    const std::string in = (folder_ / "in.dat").string();
    const Outcome bad = run("compare " + in + " " + (folder_ / "bad.csv").string());
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("bad.csv: line 2: "), std::string::npos);
    const std::vector<std::string> usage = {in, in + " " + in + " " + in,
                                            in + " " + in + " --tolerance -1", in + " --x " + in};
    for (const std::string& args : usage)
        EXPECT_EQ(run("compare " + args).status, 2) << args;
}

TEST_F(Qz57, GenerateMakesASettingsFileAndPrintsWhatWasMade) {
    const fs::path dat = folder_ / "loop.dat";
    Outcome r = run("generate staircase " + dat.string() +
                    " --range 2 --resolution 0 --from 4 --to 20 --steps 5 --dwell 10 --updown");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "range 2, resolution 0\nelements made: 9\nduration: 90.000 s of 900 s\n"
                     "clipped samples: 0\n");
    EXPECT_NE(readFile(dat).find("OUTRANGE\t2\r\nRESOLUTION\t0\r\nELEMENTS\t9\r\n"),
              std::string::npos);

    r = run("generate formula " + dat.string() +
            " --range 0 --resolution 3 --expr 'exp(-t/3)*sin(2*pi*t)' --duration 10 --step"
            " --tolerance 0.01");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("largest deviation: 0.0100 V\n"), std::string::npos) << r.out;
    EXPECT_EQ(readFile(dat).find("FUNC_SLOPE"), std::string::npos);
    for (const char* made : {"sweep --from 1 --to 20 --duration 5 --amplitude 2 --log",
                             "start --supply 12 --low 4.5 --crank 6 --fall 0 --low-time 0.05 "
                             "--rise1 0.02 --crank-time 2 --rise2 0.1 --pause 1 --ripple 0.5 "
                             "--ripple-freq 10 --cycles 2",
                             "dips --nominal 10 --levels 0,70 --durations 0.01,0.5 --repeats 2"}) {
        r = run("generate " + std::string(made) + " --range 4 --resolution 0 " + dat.string());
        EXPECT_EQ(r.status, 0) << made << ": " << r.err;
        EXPECT_EQ(run("check " + dat.string()).status, 0) << made;
    }
}

TEST_F(Qz57, GenerateAppendsAfterTheElementsOfAFile) {
    writeFile(folder_ / "in.dat", Settings);
    const fs::path out = folder_ / "out.dat";
    const std::string append = " --append " + (folder_ / "in.dat").string();
    const Outcome r = run("generate dips " + out.string() + append + " --nominal 5 --levels 0" +
                          " --durations 1 --repeats 2 --interval 2");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("range 0, resolution 0\nelements made: 5\n"), std::string::npos) << r.out;
    const std::string settings = readFile(out);
    EXPECT_EQ(settings.rfind(Settings.substr(0, Settings.find("ELEMENTS")), 0), 0u);
    EXPECT_NE(settings.find("ELEMENTS\t7\r\n"), std::string::npos);
    EXPECT_EQ(run("generate dips " + out.string() + append + " --nominal 5 --range 1").status, 2);
    const Outcome full = run("generate dips " + out.string() + append +
                             " --nominal 5 --levels 0 --durations 500 --repeats 1 --interval 200");
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find("the data's 900.000 s do not fit the 889.950 s left in the document"),
              std::string::npos)
        << full.err;
}

TEST_F(Qz57, GenerateRefusalsAreWordedAsTheEditorWordsThemAndWriteNothing) {
    const fs::path out = folder_ / "out.dat";
    writeFile(out, "old");
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"formula --expr '(1+2' --duration 1", "qz57: column 5: ')' expected\n"},
        {"formula --expr 'log(t-1)' --duration 5",
         "qz57: the value at 0.000 s is not a finite number\n"},
        {"sweep --from 1 --to 300 --duration 1 --amplitude 1",
         "qz57: End frequency [Hz]: above a quarter of the sample rate (250 Hz)\n"},
        {"staircase --from 0 --to 1 --steps 10 --dwell 10",
         "qz57: the data lasts 100.000 s, more than the resolution's maximum time of 90 s\n"},
        {"staircase --from 0 --to 1 --steps 1 --dwell 1", "qz57: Levels: must be at least 2\n"},
    };
    for (const auto& c : cases) {
        const Outcome r = run("generate " + std::string(c.arguments) +
                              " --range 0 --resolution 3 " + out.string());
        EXPECT_EQ(r.status, 1) << c.arguments;
        EXPECT_EQ(r.err, c.message);
        EXPECT_EQ(readFile(out), "old");
    }
}

TEST_F(Qz57, GenerateUsageErrors) {
    EXPECT_NE(run("--help").out.find("generate KIND OUT.dat"), std::string::npos);
    const std::string codes = " out.dat --range 0 --resolution 0";
    const std::string cases[] = {
        "generate",
        "generate ramp" + codes,
        "generate dips" + codes,
        "generate dips --nominal 1 --range 0",
        "generate dips --nominal x" + codes,
        "generate dips --nominal 1 --levels 1,,2" + codes,
        "generate dips --nominal 1 --dwell 1" + codes,
        "generate dips --nominal 1 --range 5 out.dat --resolution 0",
        "generate staircase --from 0 --to 1 --steps 2.5 --dwell 1" + codes,
        "generate formula --duration 1 --expr" + codes,
        "generate formula --duration 1 --expr t extra.dat" + codes,
    };
    for (const std::string& arguments : cases) {
        EXPECT_EQ(run(arguments).status, 2) << arguments;
    }
}
