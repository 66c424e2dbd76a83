// Scripts: output formats, expectations, and bad input stopping with file and line.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>
#include <utility>

#include "bench.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace {

bench::Options test_gauges() {
    bench::Options o;
    o.module_path = BENCH_TEST_GAUGES;
    return o;
}

struct Run {
    int status;
    std::string out, err;
};

Run run(const std::string& script) {
    bench::Bench b(test_gauges());
    std::istringstream in(script);
    std::ostringstream out, err;
    int status = b.run_script(in, "case.bench", out, err);
    return {status, out.str(), err.str()};
}

TEST(Script, GetPrintsTheShortestRoundTripValue) {
    auto r = run("set \"L:X, bool\" 0.1\nget \"L:x,number\"\nset L:Y -16383\nget L:Y\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "\"L:x,number\" = 0.1\n\"L:Y\" = -16383\n");
}

TEST(Script, CommentsBlankLinesAndExpectationsThatHold) {
    auto r = run("# a scenario\n\nset \"L:A\" 3   # trailing comment\n"
                 "expect \"L:A\" == 3\nexpect \"L:A\" == 3.05 0.1\nexpect \"L:A\" != 4\n"
                 "expect \"L:A\" < 4\nexpect \"L:A\" <= 3\nexpect \"L:A\" > 2\nexpect \"L:A\" >= 3\n"
                 "frames 2\nseconds 0.5\ntoken 604\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "token 604 = 0\n");
}

TEST(Script, AFailedExpectationSaysWhereWhatAndWhatWasFound) {
    auto r = run("set \"L:A\" 3\nexpect \"L:A\" == 4\nexpect \"L:A\" == 3\nexpect \"L:A\" > 5\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "case.bench:2: expected \"L:A\" == 4, found 3\ncase.bench:4: expected \"L:A\" > 5, found 3\n");
}

TEST(Script, BadCommandsAndArgumentsStopWithFileAndLine) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"frobnicate", "unknown command 'frobnicate'"},
        {"frames abc", "bad frame count 'abc'"},
        {"frames -1", "bad frame count"},
        {"frames", "usage: frames N"},
        {"set \"Q:X\" 1", "bad variable name"},
        {"set \"L:X\" ten", "bad value 'ten'"},
        {"get \"L:X", "unterminated quoted text"},
        {"expect \"L:X\" =~ 1", "bad comparison"},
        {"expect \"L:X\" < 1 0.5", "tolerance goes with == or != only"},
        {"click Nope 1 1", "no gauge named Nope"},
        {"click Mouse_Test 1 1 middle", "bad mouse button 'middle'"},
        {"window open 2000", "no panel window 2000"},
        {"window shut 100", "window action must be open, close or toggle"},
        {"token 1 5", "token 1 is the clock"},
        {"element Element_Test 99", "has no element 99"},
        {"expect-element Element_Test 3 == 5", "give a string element's text in quotes"},
        {"log everything", "log what?"},
        {"describe planes", "describe what? gauges"},
        {"key 99999999999", "bad key event id"},
        {"wall-clock 10:00:00 2026-01-01", "usage: wall-clock YYYY-MM-DD HH:MM:SS"},
#if !defined(_WIN32)
        {"wall-clock 2026-02-30 10:00:00", "no such date and time"},
#endif
    };
    for (const auto& c : cases) {
        auto r = run(std::string("set \"L:Before\" 1\n") + c.line + "\nfrobnicate_after\n");
        EXPECT_EQ(r.status, 2) << c.line;
        EXPECT_EQ(r.err.rfind("case.bench:2: ", 0), 0u) << c.line << " -> " << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.line << " -> " << r.err;
        EXPECT_EQ(r.err.find("frobnicate_after"), std::string::npos) << c.line;
    }
}

// Quoted text keeps Windows paths as written; only backslashes before a quote are special.
// A bad frame count repeats the argument as the tokenizer read it.
TEST(Script, QuotedTextKeepsBackslashesAsWritten) {
    struct Case {
        const char* argument;
        const char* read_as;
    };
    const Case cases[] = {
        {R"("C:\Flights\My Flight.FLT")", R"(C:\Flights\My Flight.FLT)"},
        {R"("\\server\share\x.FLT")", R"(\\server\share\x.FLT)"},
        {R"("say \"hi\"")", R"(say "hi")"},
        {R"("C:\Flights\\")", R"(C:\Flights\)"},
        {R"("a\\\"b")", R"(a\"b)"},
        {R"(C:\Unquoted\Path)", R"(C:\Unquoted\Path)"},
    };
    for (const auto& c : cases) {
        auto r = run(std::string("frames ") + c.argument + "\n");
        EXPECT_EQ(r.status, 2) << c.argument;
        EXPECT_EQ(r.err, std::string("case.bench:1: bad frame count '") + c.read_as +
                             "' (expected a whole number 0 to 100000000)\n")
            << c.argument;
    }
    for (const char* open : {R"(frames "C:\Flights\")", R"(frames "open)"}) {
        auto r = run(std::string(open) + "\n");
        EXPECT_EQ(r.err, "case.bench:1: unterminated quoted text\n") << open;
    }
    // The quoted text reaches the variables unchanged.
    auto r = run("set \"L:Path\" \"C:\\Flights\\My Flight.FLT\"\ndump L:PATH\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "\"L:Path\" = 0 \"C:\\\\Flights\\\\My Flight.FLT\"\n");
}

TEST(Script, NegativeKeyExpectationsSayWhatTheyFound) {
    // Key 70000 makes the test gauge's handler send 70001 with the parameter plus one.
    auto r = run("mark\nkey 70000 5\nkey 70000 5\n"
                 "expect-no-key 12345\nexpect-no-key 70001 7\nexpect-no-text \"anything\"\n"
                 "expect-no-simconnect \"SimConnect_Text\"\n"
                 "expect-no-key 70001\nexpect-no-key 70000 5\n"
                 "mark\nexpect-no-key 70001\nkey 70000 1\nexpect-no-key 70001\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "case.bench:8: expected no key 70001 since the mark, found 70001 6 (2 times)\n"
              "case.bench:9: expected no key 70000 5 since the mark, found 70000 5 (2 times)\n"
              "case.bench:13: expected no key 70001 since the mark, found 70001 2\n");
}

TEST(Script, WhatWouldPassSilentlyIsAnError) {
    struct Case {
        const char* lines;
        const char* message;
    };
    const Case cases[] = {
        {"event NO_SUCH_EVENT 1", "case.bench:2: unknown simulator event 'NO_SUCH_EVENT' (neither the simulated "
                                  "aircraft nor a SimConnect client knows it)"},
        {"unload\nclick Mouse_Test 15 15", "case.bench:3: the module is not loaded"},
        {"unload\ntooltip Mouse_Test 15 15", "case.bench:3: the module is not loaded"},
        {"unload\nexpect-tooltip Mouse_Test 15 15 \"x\"", "case.bench:3: the module is not loaded"},
        {"unload\nelement Element_Test 1", "case.bench:3: the module is not loaded"},
        {"unload\nexpect-element Element_Test 1 == 2", "case.bench:3: the module is not loaded"},
        {"unload\nmenu 55", "case.bench:3: the module is not loaded"},
        {"unload\nsave \"C:\\Flights\\x.FLT\"", "case.bench:3: the module is not loaded"},
        {"unload\nunload", "case.bench:3: the module is not loaded"},
        {"unload\ndescribe gauges", "case.bench:3: the module is not loaded"},
#if !defined(_WIN32)  // (on Windows the real Win32 calls run: the bench cannot lock files)
        {"unreadable \"C:\\Flights\\none.FLT\"", "case.bench:2: no file C:\\Flights\\none.FLT ("},
#endif
        {"fr\x01" "ames 1", "case.bench:2: unknown command 'fr\\x01ames'"},
        {"frames \"\x7f\xff\t\"", "case.bench:2: bad frame count '\\x7F\\xFF\\x09'"},
        {"Z\xc3\xbcrich", "case.bench:2: unknown command 'Z\xc3\xbcrich'"},
    };
    for (const auto& c : cases) {
        auto r = run(std::string("frames 1\n") + c.lines + "\nfrobnicate_after\n");
        EXPECT_EQ(r.status, 2) << c.lines;
        EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << c.lines << " -> " << r.err;
        EXPECT_EQ(r.err.find("frobnicate_after"), std::string::npos) << c.lines;
    }
    // What needs no module still works after unload; the aircraft knows its own events in
    // any letter case.
    auto r = run("unload\nframes 2\nkey 65752\nevent gear_up\nexpect \"A:GEAR HANDLE POSITION, bool\" == 0\n"
                 "expect \"A:BRAKE PARKING POSITION, bool\" == 0\nload\nelement Element_Test 0\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Element_Test[0] static\n");
}

// Every command --help lists answers a wrong argument count with exactly its listed usage.
TEST(Script, EveryListedCommandHasItsUsageAsTheArgumentCountError) {
    std::istringstream help(bench::script_commands_help());
    std::string line;
    int commands = 0;
    while (std::getline(help, line)) {
        if (line.rfind("  ", 0) != 0 || line.size() < 3 || line[2] == ' ') continue;
        const std::size_t end = line.find("  ", 2);
        const std::string usage = line.substr(2, end == std::string::npos ? std::string::npos : end - 2);
        const std::string name = usage.substr(0, usage.find(' '));
        std::string extra;
        for (int i = 0; i < 70; ++i) extra += " 1";
        auto r = run(name + extra + "\n");
        EXPECT_EQ(r.status, 2) << name;
        EXPECT_EQ(r.err, "case.bench:1: usage: " + usage + "\n") << name;
        ++commands;
    }
    EXPECT_GE(commands, 28);
}

TEST(Script, ElementsKeysTextsAndDump) {
    auto r = run("set L:Test_Icon 2\nset L:Test_StrLen 3\nframes 1\n"
                 "element Element_Test 1\nelement Element_Test 3\n"
                 "expect-element Element_Test 1 == 2\nexpect-element Element_Test 3 == \"ABC\"\n"
                 "expect-element Element_Test 1 == shown\n"
                 "mark\nkey 70000 5\nlog keys\nexpect-key 70001 6\nexpect-key 70001\n"
                 "expect-window 1400 open\nwindow close 1400\nexpect-window 1400 closed\n"
                 "tooltip Mouse_Test 15 15\nexpect-tooltip Mouse_Test 50 50 \"Big area [0]\"\n"
                 "dump L:TEST_SEQ\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Element_Test[1] icon 2\nElement_Test[3] string \"ABC\"\n70000 5\n70001 6\n"
              "Small [OFF], [0 ft]\n\"L:Test_Seq\" = 12\n");
}

TEST(Script, FailedKeyTextAndElementExpectations) {
    auto r = run("mark\nkey 70000 5\nexpect-key 70001 7\nexpect-key 12345\nexpect-text \"Panel state saved\"\n"
                 "frames 1\nexpect-element Element_Test 1 == hidden\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("case.bench:3: expected key 70001 7, found 70001 6"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("case.bench:4: expected key 12345, found none since the mark"), std::string::npos);
    EXPECT_NE(r.err.find("case.bench:5: expected text \"Panel state saved\", found no text"), std::string::npos);
    EXPECT_NE(r.err.find("case.bench:7: expected Element_Test[1] == hidden, found shown"), std::string::npos);
}

// The command-line tool: exit statuses and messages as a CI job sees them. A POSIX shell
// runs it; cross builds (run under an emulator) check the same through the scenario scripts.
#if defined(_WIN32) || defined(BENCH_CROSS_BUILD)
#define SKIP_WITHOUT_NATIVE_SHELL() GTEST_SKIP() << "the command line is checked by the scenario scripts here"
#else
#define SKIP_WITHOUT_NATIVE_SHELL() (void)0
#endif

int exit_code(int raw) {
#if defined(_WIN32)
    return raw;
#else
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
}

int run_cli(const std::string& script_text, std::string& err) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("bench-cli-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    fs::path script = dir / "s.bench";
    std::ofstream(script) << script_text;
    fs::path err_file = dir / "err.txt";
    std::string cmd = std::string(BENCH_EXE) + " --module " + BENCH_TEST_GAUGES + " --root " + (dir / "root").string() +
                      " " + script.string() + " >/dev/null 2>" + err_file.string();
    int raw = std::system(cmd.c_str());
    std::ifstream e(err_file);
    err.assign(std::istreambuf_iterator<char>(e), {});
    fs::remove_all(dir);
#if defined(_WIN32)
    return raw;
#else
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
}

TEST(Cli, ExitStatusesAndMessages) {
    SKIP_WITHOUT_NATIVE_SHELL();
    std::string err;
    EXPECT_EQ(run_cli("frames 1\nexpect \"L:Test_Init\" == 1\n", err), 0) << err;
    EXPECT_EQ(run_cli("frames 1\nbogus 1\n", err), 2);
    EXPECT_NE(err.find("s.bench:2: unknown command 'bogus'"), std::string::npos) << err;
    EXPECT_EQ(run_cli("expect \"L:Test_Init\" == 7\n", err), 1);
    EXPECT_NE(err.find("s.bench:1: expected \"L:Test_Init\" == 7, found 1"), std::string::npos) << err;
}

TEST(Cli, HelpListsTheOptionsAndTheScriptCommands) {
    SKIP_WITHOUT_NATIVE_SHELL();
    namespace fs = std::filesystem;
    const fs::path out = fs::temp_directory_path() / "bench-cli-help.txt";
    const std::string cmd = std::string(BENCH_EXE) + " --help >" + out.string() + " 2>&1";
    const int raw = std::system(cmd.c_str());
    std::ifstream in(out);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    fs::remove(out);
    EXPECT_EQ(exit_code(raw), 0);
    for (const char* part : {"usage: tarmelon-bench [options] [SCRIPT...]", "  --no-simconnect  the connection never opens",
                             "exit status: 0 all held", "  frames N ", "  expect VAR OP VALUE [TOL] ",
                             "  describe gauges "})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    EXPECT_NE(text.find(bench::script_commands_help()), std::string::npos);
}

// A script that cannot be read is an error with the system's reason, never an empty run.
TEST(Cli, AnUnreadableScriptSaysWhy) {
    SKIP_WITHOUT_NATIVE_SHELL();
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "bench-cli-unreadable";
    fs::remove_all(dir);
    fs::create_directories(dir / "folder.bench");
    auto run_on = [&](const fs::path& script) {
        const fs::path err = dir / "err.txt";
        const std::string cmd = std::string(BENCH_EXE) + " --module " + BENCH_TEST_GAUGES + " --root " +
                                (dir / "root").string() + " " + script.string() + " >/dev/null 2>" + err.string();
        const int status = exit_code(std::system(cmd.c_str()));
        std::ifstream e(err);
        return std::make_pair(status, std::string((std::istreambuf_iterator<char>(e)), {}));
    };
    auto [status, err] = run_on(dir / "folder.bench");
    EXPECT_EQ(status, 2);
    EXPECT_EQ(err, (dir / "folder.bench").string() + ": cannot read the script: Is a directory\n");
    std::tie(status, err) = run_on(dir / "missing.bench");
    EXPECT_EQ(status, 2);
    EXPECT_EQ(err, (dir / "missing.bench").string() + ": cannot read the script: No such file or directory\n");
#if !defined(_WIN32)
    // Modes bind only who is not root.
    std::ofstream(dir / "locked.bench") << "frames 1\n";
    fs::permissions(dir / "locked.bench", fs::perms::none);
    std::tie(status, err) = run_on(dir / "locked.bench");
    if (::geteuid() != 0) {
        EXPECT_EQ(status, 2);
        EXPECT_EQ(err, (dir / "locked.bench").string() + ": cannot read the script: Permission denied\n");
    }
#endif
    fs::remove_all(dir);
}

TEST(Cli, UsageErrors) {
    SKIP_WITHOUT_NATIVE_SHELL();
    for (const char* args : {"--fps 0", "--frobnicate", "--root", "/nonexistent/script.bench"}) {
        std::string cmd = std::string(BENCH_EXE) + " --module " + BENCH_TEST_GAUGES + " " + args + " >/dev/null 2>&1";
        int raw = std::system(cmd.c_str());
#if defined(_WIN32)
        EXPECT_EQ(raw, 2) << args;
#else
        EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 2) << args;
#endif
    }
}

}  // namespace
