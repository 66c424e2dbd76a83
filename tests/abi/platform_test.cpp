// The bench's platform layer, seen from the bench: loading a library and calling through an
// export across the stdcall boundary, failures that say why, and on Windows the simulator's
// main window that FindWindowA finds and whose timers fire only through the message pump.
#include <gtest/gtest.h>

#include <string>

#include "platform.h"
#include "sdk/platform.h"

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace {

using Answer = int(TM_STDCALL*)();

TEST(PlatformLibrary, LoadsALibraryAndCallsItsExportAcrossTheBoundary) {
    std::string error;
    void* library = benchplatform::load_library(ABI_PROBE_FILE_NAME, error);
    ASSERT_NE(library, nullptr) << error;
    auto answer = reinterpret_cast<Answer>(benchplatform::find_export(library, "abi_foreign_answer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(benchplatform::find_export(library, "no_such_export"), nullptr);
    EXPECT_EQ(benchplatform::find_export(library, nullptr), nullptr);
    benchplatform::unload_library(library);
}

TEST(PlatformLibrary, AMissingLibraryFailsWithItsNameInTheReason) {
    std::string error;
    const std::string path = "./no-such-folder/" + benchplatform::library_file_name("Tarmelon");
    EXPECT_EQ(benchplatform::load_library(path, error), nullptr);
    EXPECT_NE(error.find("no-such-folder"), std::string::npos) << error;
    EXPECT_EQ(benchplatform::find_export(nullptr, "Linkage"), nullptr);
    benchplatform::unload_library(nullptr);  // harmless
}

TEST(PlatformLibrary, FileNamesFollowThePlatform) {
#if defined(_WIN32)
    EXPECT_EQ(benchplatform::library_file_name("SimConnect"), "SimConnect.dll");
#else
    EXPECT_EQ(benchplatform::library_file_name("SimConnect"), "libSimConnect.so");
#endif
}

TEST(PlatformPacer, RealTimeFramesWaitForTheRealClockOthersDoNot) {
    benchplatform::FramePacer fast(false);
    const std::uint64_t before = benchplatform::monotonic_ms();
    fast.frame(10'000);  // ten simulated seconds at once
    EXPECT_LT(benchplatform::monotonic_ms() - before, 1'000u);

    benchplatform::FramePacer paced(true);
    paced.frame(120);
    EXPECT_GE(benchplatform::monotonic_ms() - before, 120u);
}

#if defined(_WIN32)

UINT_PTR fired_id = 0;
int fired_count = 0;
void CALLBACK on_timer(HWND, UINT message, UINT_PTR id, DWORD) {
    if (message == WM_TIMER) {
        fired_id = id;
        ++fired_count;
    }
}

TEST(PlatformMainWindow, FindWindowFindsTheSimulatorsMainWindowWhileItLives) {
    {
        benchplatform::MainWindow window;
        ASSERT_TRUE(window.created()) << window.error();
        EXPECT_EQ(FindWindowA("FS98MAIN", nullptr), static_cast<HWND>(window.handle()));
    }
    EXPECT_EQ(FindWindowA("FS98MAIN", nullptr), nullptr);
    benchplatform::MainWindow again;  // the class is registered once per process
    ASSERT_TRUE(again.created()) << again.error();
}

TEST(PlatformMainWindow, WindowTimersFireThroughThePumpAndStopWhenKilled) {
    benchplatform::MainWindow window;
    ASSERT_TRUE(window.created()) << window.error();
    HWND hwnd = static_cast<HWND>(window.handle());
    fired_id = 0;
    fired_count = 0;
    ASSERT_NE(SetTimer(hwnd, 4, 20, on_timer), 0u);
    Sleep(60);
    EXPECT_EQ(fired_count, 0) << "timer procedures run only from the message pump";
    benchplatform::FramePacer pacer(true);
    pacer.frame(200);
    EXPECT_EQ(fired_id, 4u);
    EXPECT_GE(fired_count, 1);
    ASSERT_TRUE(KillTimer(hwnd, 4));
    benchplatform::pump_messages();
    const int after_kill = fired_count;
    Sleep(60);
    benchplatform::pump_messages();
    EXPECT_EQ(fired_count, after_kill);
}

#else

TEST(PlatformMainWindow, OutsideWindowsTheStandInPlaysTheWindow) {
    benchplatform::MainWindow window;
    EXPECT_FALSE(window.created());
    EXPECT_EQ(window.handle(), nullptr);
    EXPECT_EQ(benchplatform::pump_messages(), 0);
}

#endif

}  // namespace
