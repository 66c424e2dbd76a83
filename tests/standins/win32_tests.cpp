// The Win32 stand-in: paths, folders, the module's file name, the main window, timers and
// finding the SimConnect library.
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "fixture.h"
#include "sdk/simconnect.h"

extern "C" sdk::HRESULT_T TM_STDCALL SimConnect_Open(sdk::SC_HANDLE*, const char*, sdk::SC_HWND,
                                                     sdk::DWORD_T, void*, sdk::DWORD_T);

namespace {

using Win32 = SimFolder;

TEST_F(Win32, NoPathEscapesTheSimulatorFolder) {
    using w32standin::host_path;
    EXPECT_EQ(host_path(root_ + "\\SimObjects\\Airplanes\\x.cfg"), root_ + "/SimObjects/Airplanes/x.cfg");
    EXPECT_EQ(host_path("panel\\Tarmelon.cfg"), root_ + "/panel/Tarmelon.cfg");
    EXPECT_EQ(host_path("C:\\Flights\\My Flight.FLT"), root_ + "/drive_c/Flights/My Flight.FLT");
    EXPECT_EQ(host_path("d:/a/../../../b"), root_ + "/drive_d/b");
    EXPECT_EQ(host_path("..\\..\\..\\etc\\passwd"), root_ + "/etc/passwd");
    EXPECT_EQ(host_path(root_ + "/../outside"), root_ + "/outside");
    EXPECT_EQ(host_path("/etc/passwd"), root_ + "/etc/passwd");
    EXPECT_EQ(host_path(root_ + "x/y"), root_ + "/" + root_.substr(1) + "x/y");

    // Through the Win32 calls: the folder lands inside the root.
    EXPECT_EQ(CreateDirectoryA("..\\..\\escape", nullptr), TRUE);
    EXPECT_TRUE(std::filesystem::is_directory(path("escape")));
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "v", "C:\\..\\x.ini"), FALSE);  // no drive_c yet
    EXPECT_EQ(CreateDirectoryA("C:\\", nullptr), TRUE);
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "v", "C:\\..\\x.ini"), TRUE);
    EXPECT_TRUE(std::filesystem::exists(path("drive_c/x.ini")));
}

TEST_F(Win32, FoldersAndAttributes) {
    const std::string cd = root_;
    EXPECT_EQ(GetFileAttributesA((cd + "\\nothing").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(CreateDirectoryA((cd + "\\a\\b").c_str(), nullptr), FALSE);  // parent missing
    EXPECT_EQ(CreateDirectoryA((cd + "\\a").c_str(), nullptr), TRUE);
    EXPECT_EQ(CreateDirectoryA((cd + "\\a").c_str(), nullptr), FALSE);  // exists
    EXPECT_EQ(GetFileAttributesA((cd + "\\a").c_str()), FILE_ATTRIBUTE_DIRECTORY);
    spit(path("a/f.txt"), "x");
    EXPECT_EQ(GetFileAttributesA((cd + "\\a\\f.txt").c_str()), 0x80u);
    EXPECT_EQ(GetFileAttributesA(nullptr), INVALID_FILE_ATTRIBUTES);

    // Replacing a file by a freshly written one, as a careful save does.
    spit(path("a/new.save"), "new");
    spit(path("a/old.save"), "old");
    EXPECT_EQ(MoveFileExA("a\\new.save", "a\\old.save", 0), FALSE);  // not asked to replace
    EXPECT_EQ(MoveFileExA("a\\new.save", "a\\old.save", MOVEFILE_REPLACE_EXISTING), TRUE);
    EXPECT_EQ(slurp(path("a/old.save")), "new");
    EXPECT_FALSE(std::filesystem::exists(path("a/new.save")));
    EXPECT_EQ(MoveFileExA("a\\missing", "a\\x", MOVEFILE_REPLACE_EXISTING), FALSE);
    EXPECT_EQ(MoveFileExA("a\\old.save", "a", MOVEFILE_REPLACE_EXISTING), FALSE);  // a folder
    EXPECT_EQ(DeleteFileA("a\\old.save"), TRUE);
    EXPECT_EQ(DeleteFileA("a\\old.save"), FALSE);
    EXPECT_EQ(DeleteFileA("a"), FALSE);  // folders are not files
    EXPECT_TRUE(std::filesystem::is_directory(path("a")));
}

// CI runs as root, who reads a mode-000 file: the stand-in refuses reads of a denied path.
TEST_F(Win32, ADeniedFileExistsButCannotBeRead) {
    const std::string ini = "[State]\r\n0=5\r\n1=7\r\n";
    spit(path("locked.save"), ini);
    spit(path("open.save"), ini);
    w32standin::deny_read(path("locked.save"));

    EXPECT_EQ(GetFileAttributesA("locked.save"), 0x80u);  // still there
    EXPECT_EQ(get("State", "0", "locked.save", "none"), "none");  // as if nothing were in it
    EXPECT_EQ(get("State", "0", (root_ + "\\locked.save").c_str()), "");
    char list[64] = {'x', 'x'};
    EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, "", list, sizeof list, "locked.save"), 0u);
    EXPECT_EQ(list[0], '\0');
    EXPECT_EQ(WritePrivateProfileStringA("State", "0", "6", "locked.save"), FALSE);
    EXPECT_EQ(slurp(path("locked.save")), ini);  // untouched
    EXPECT_EQ(get("State", "1", "open.save"), "7");  // other files as ever

    // Opening for reading: refused for the denied file, a folder and a missing file.
    const auto open_for_reading = [](const char* p) {
        return CreateFileA(p, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    EXPECT_EQ(open_for_reading("locked.save"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(open_for_reading("missing.save"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(CreateDirectoryA("folder.save", nullptr), TRUE);
    EXPECT_EQ(open_for_reading("folder.save"), INVALID_HANDLE_VALUE);
    HANDLE readable = open_for_reading("open.save");
    ASSERT_NE(readable, INVALID_HANDLE_VALUE);
    EXPECT_EQ(CloseHandle(readable), TRUE);
    EXPECT_EQ(CreateFileA("open.save", 0x40000000u, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);

    // Replaced by a freshly written file, the path stays unreadable; deleted, it is gone.
    EXPECT_EQ(MoveFileExA("open.save", "locked.save", MOVEFILE_REPLACE_EXISTING), TRUE);
    EXPECT_EQ(get("State", "1", "locked.save"), "");
    EXPECT_EQ(DeleteFileA("locked.save"), TRUE);
    EXPECT_EQ(GetFileAttributesA("locked.save"), INVALID_FILE_ATTRIBUTES);

    // A reset forgets every denial.
    spit(path("locked.save"), ini);
    w32standin::reset(root_);
    EXPECT_EQ(get("State", "1", "locked.save"), "7");
}

TEST_F(Win32, FilesOpenedForAppendingGrowByEachWrite) {
    const auto open_for_appending = [](const char* p) {
        return CreateFileA(p, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    // Created when missing, then appended to, each write at the end whatever came before.
    for (const char* line : {"1.000000\n", "1.250000\n"}) {
        HANDLE file = open_for_appending("log\\..\\GeForce.txt");
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 99;
        EXPECT_EQ(WriteFile(file, line, static_cast<DWORD>(std::strlen(line)), &written, nullptr), TRUE);
        EXPECT_EQ(written, std::strlen(line));
        EXPECT_EQ(CloseHandle(file), TRUE);
    }
    EXPECT_EQ(slurp(path("GeForce.txt")), "1.000000\n1.250000\n");

    // Opened for writing without appending, an existing file is written from its start;
    // CREATE_ALWAYS empties it first.
    HANDLE over = CreateFileA("GeForce.txt", GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(over, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WriteFile(over, "2", 1, nullptr, nullptr), TRUE);
    EXPECT_EQ(CloseHandle(over), TRUE);
    EXPECT_EQ(slurp(path("GeForce.txt")), "2.000000\n1.250000\n");
    HANDLE fresh = CreateFileA("GeForce.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(fresh, INVALID_HANDLE_VALUE);
    EXPECT_EQ(CloseHandle(fresh), TRUE);
    EXPECT_EQ(slurp(path("GeForce.txt")), "");

    // No file in a missing folder, nor in place of a folder.
    EXPECT_EQ(open_for_appending("missing\\GeForce.txt"), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(std::filesystem::exists(path("missing")));
    EXPECT_EQ(CreateDirectoryA("folder", nullptr), TRUE);
    EXPECT_EQ(open_for_appending("folder"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(open_for_appending(nullptr), INVALID_HANDLE_VALUE);

    // Handles: a read handle takes no write, and a closed or made-up handle nothing at all.
    spit(path("read.txt"), "r");
    HANDLE reading = CreateFileA("read.txt", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reading, INVALID_HANDLE_VALUE);
    DWORD written = 99;
    EXPECT_EQ(WriteFile(reading, "x", 1, &written, nullptr), FALSE);
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(CloseHandle(reading), TRUE);
    EXPECT_EQ(CloseHandle(reading), FALSE);
    EXPECT_EQ(WriteFile(reading, "x", 1, nullptr, nullptr), FALSE);
    int not_a_file = 0;
    EXPECT_EQ(CloseHandle(&not_a_file), FALSE);
    EXPECT_EQ(CloseHandle(INVALID_HANDLE_VALUE), FALSE);
    EXPECT_EQ(slurp(path("read.txt")), "r");

    // Handles left open do not outlive a reset.
    HANDLE left = open_for_appending("left.txt");
    ASSERT_NE(left, INVALID_HANDLE_VALUE);
    w32standin::reset(root_);
    EXPECT_EQ(WriteFile(left, "x", 1, nullptr, nullptr), FALSE);
}

TEST_F(Win32, TheWallClockStartsAtTheHostsTimeAndCanBeSet) {
    // At reset: the host's local time (to the minute, allowing for a minute turning over).
    const std::time_t host = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&host, &local);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_EQ(now.wYear, local.tm_year + 1900);
    EXPECT_EQ(now.wMonth, local.tm_mon + 1);
    EXPECT_NEAR(now.wHour * 60 + now.wMinute, local.tm_hour * 60 + local.tm_min, 1);

    // Set, it reads that time and runs with the bench clock, over midnight and month ends.
    w32standin::advance_clock_to(5000);
    ASSERT_TRUE(w32standin::set_local_time({2026, 12, 31, 23, 59, 58}, 5000));
    GetLocalTime(&now);
    EXPECT_EQ(now.wYear, 2026);
    EXPECT_EQ(now.wMonth, 12);
    EXPECT_EQ(now.wDay, 31);
    EXPECT_EQ(now.wDayOfWeek, 4);  // a Thursday
    EXPECT_EQ(now.wHour, 23);
    EXPECT_EQ(now.wMinute, 59);
    EXPECT_EQ(now.wSecond, 58);
    EXPECT_EQ(now.wMilliseconds, 0);
    w32standin::advance_clock_to(7250);
    GetLocalTime(&now);
    EXPECT_EQ(now.wYear, 2027);
    EXPECT_EQ(now.wMonth, 1);
    EXPECT_EQ(now.wDay, 1);
    EXPECT_EQ(now.wHour, 0);
    EXPECT_EQ(now.wMinute, 0);
    EXPECT_EQ(now.wSecond, 0);
    EXPECT_EQ(now.wMilliseconds, 250);

    // Times that do not exist change nothing.
    EXPECT_FALSE(w32standin::set_local_time({2026, 4, 31, 12, 0, 0}, 0));
    EXPECT_FALSE(w32standin::set_local_time({2026, 13, 1, 12, 0, 0}, 0));
    EXPECT_FALSE(w32standin::set_local_time({2026, 1, 1, 24, 0, 0}, 0));
    EXPECT_FALSE(w32standin::set_local_time({2027, 2, 29, 12, 0, 0}, 0));
    EXPECT_TRUE(w32standin::set_local_time({2028, 2, 29, 12, 0, 0}, 7250));
    GetLocalTime(&now);
    EXPECT_EQ(now.wDay, 29);
    GetLocalTime(nullptr);  // no crash
}

TEST_F(Win32, CurrentDirectoryAndModuleNameFollowWindowsReturnRules) {
    char buffer[512];
    const DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
    EXPECT_EQ(n, root_.size());
    EXPECT_EQ(std::string(buffer), root_);
    char tiny[4] = {'X', 'X', 'X', 'X'};
    EXPECT_EQ(GetCurrentDirectoryA(sizeof tiny, tiny), root_.size() + 1);  // needed, with terminator
    EXPECT_EQ(tiny[0], 'X');                                              // nothing written
    EXPECT_EQ(GetCurrentDirectoryA(0, nullptr), root_.size() + 1);

    // Any address inside a library names that library.
    auto* inside = reinterpret_cast<HMODULE>(reinterpret_cast<std::uintptr_t>(&FindWindowA));
    const DWORD len = GetModuleFileNameA(inside, buffer, sizeof buffer);
    ASSERT_GT(len, 0u);
    EXPECT_EQ(len, std::string(buffer).size());
    EXPECT_TRUE(std::string(buffer).ends_with("/libtmwin32.so")) << buffer;
    EXPECT_EQ(buffer[0], '/');
    char cut[8];
    EXPECT_EQ(GetModuleFileNameA(inside, cut, sizeof cut), 8u);  // truncated: returns the size
    EXPECT_EQ(std::string(cut), std::string(buffer).substr(0, 7));
    EXPECT_GT(GetModuleFileNameA(nullptr, buffer, sizeof buffer), 0u);  // the executable
    EXPECT_TRUE(std::string(buffer).ends_with("standins_tests")) << buffer;
}

TEST_F(Win32, MainWindowIsFoundByItsClassWhileItExists) {
    HWND main = FindWindowA("FS98MAIN", nullptr);
    EXPECT_NE(main, nullptr);
    EXPECT_EQ(main, w32standin::main_window());
    EXPECT_EQ(FindWindowA("fs98main", nullptr), main);
    EXPECT_EQ(FindWindowA("Notepad", nullptr), nullptr);
    EXPECT_EQ(FindWindowA(nullptr, nullptr), nullptr);
    w32standin::set_main_window_exists(false);
    EXPECT_EQ(FindWindowA("FS98MAIN", nullptr), nullptr);
}

struct Fired {
    HWND hwnd;
    UINT message;
    UINT_PTR id;
    DWORD time;
};
std::vector<Fired> g_fired;
void CALLBACK record_timer(HWND hwnd, UINT message, UINT_PTR id, DWORD time) {
    g_fired.push_back({hwnd, message, id, time});
}
void CALLBACK one_shot(HWND hwnd, UINT message, UINT_PTR id, DWORD time) {
    record_timer(hwnd, message, id, time);
    KillTimer(hwnd, id);
}

TEST_F(Win32, TimersFireOnTheBenchClockAsOftenAsDue) {
    g_fired.clear();
    HWND main = FindWindowA("FS98MAIN", nullptr);
    EXPECT_EQ(SetTimer(main, 1, 1000, record_timer), 1u);
    EXPECT_EQ(SetTimer(main, 4, 3000, one_shot), 4u);
    w32standin::advance_clock_to(999);
    EXPECT_TRUE(g_fired.empty());
    w32standin::advance_clock_to(3500);
    ASSERT_EQ(g_fired.size(), 4u);  // 1000, 2000, 3000 (timer 1 first: set first), 3000
    EXPECT_EQ(g_fired[0].time, 1000u);
    EXPECT_EQ(g_fired[0].message, 0x113u);
    EXPECT_EQ(g_fired[0].hwnd, main);
    EXPECT_EQ(g_fired[2].id, 1u);
    EXPECT_EQ(g_fired[3].id, 4u);
    EXPECT_EQ(g_fired[3].time, 3000u);
    ASSERT_EQ(w32standin::timers().size(), 1u);  // the one-shot killed itself
    EXPECT_EQ(w32standin::timers()[0].next_due_ms, 4000u);

    // Setting the same timer again restarts it from now.
    EXPECT_EQ(SetTimer(main, 1, 1000, record_timer), 1u);
    EXPECT_EQ(w32standin::timers()[0].next_due_ms, 4500u);
    EXPECT_EQ(KillTimer(main, 1), TRUE);
    EXPECT_EQ(KillTimer(main, 1), FALSE);
    EXPECT_EQ(KillTimer(main, 77), FALSE);
    EXPECT_EQ(SetTimer(reinterpret_cast<HWND>(&g_fired), 2, 10, record_timer), 0u);  // no such window

    const std::vector<std::string> expected = {
        "SetTimer(main, 1, 1000)", "SetTimer(main, 4, 3000)", "KillTimer(main, 4)",
        "SetTimer(main, 1, 1000)", "KillTimer(main, 1)",      "KillTimer(main, 1)",
        "KillTimer(main, 77)",     "SetTimer(ptr, 2, 10)"};
    EXPECT_EQ(w32standin::call_log(), expected);
}

TEST_F(Win32, SimConnectIsFoundUnlessHidden) {
    HMODULE h = LoadLibraryA("simconnect.DLL");
    ASSERT_NE(h, nullptr);
    FARPROC open = GetProcAddress(h, "SimConnect_Open");
    EXPECT_EQ(reinterpret_cast<void*>(open), reinterpret_cast<void*>(&SimConnect_Open));
    EXPECT_EQ(GetProcAddress(h, "NoSuchFunction"), nullptr);
    char name[512];
    ASSERT_GT(GetModuleFileNameA(h, name, sizeof name), 0u);
    EXPECT_TRUE(std::string(name).ends_with("/libSimConnect.so")) << name;
    EXPECT_EQ(FreeLibrary(h), TRUE);
    EXPECT_EQ(FreeLibrary(h), FALSE);
    EXPECT_EQ(GetProcAddress(h, "SimConnect_Open"), nullptr);  // not a handle any more

    EXPECT_EQ(LoadLibraryA("kernel32.dll"), nullptr);
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
    w32standin::hide_library("SimConnect.dll");
    EXPECT_EQ(LoadLibraryA("SimConnect.dll"), nullptr);
    w32standin::reset(root_);
    EXPECT_NE(LoadLibraryA("SimConnect"), nullptr);  // Windows adds ".dll"
}

}  // namespace
