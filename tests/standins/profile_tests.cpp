// Profile files as the module's panel-state and configuration files use them.
#include <cstring>
#include <string>

#include "fixture.h"

namespace {

using Profile = SimFolder;

TEST_F(Profile, WrittenFileIsCrlfAndReadsBackIgnoringCase) {
    const std::string file = path("Test.flt.save");
    EXPECT_EQ(WritePrivateProfileStringA("PANELSTATE", "0", "1", file.c_str()), TRUE);
    EXPECT_EQ(WritePrivateProfileStringA("PANELSTATE", "1", "-5", file.c_str()), TRUE);
    EXPECT_EQ(WritePrivateProfileStringA("PANELSTATE", "0", "0", file.c_str()), TRUE);  // later wins
    EXPECT_EQ(slurp(file), "[PANELSTATE]\r\n0=0\r\n1=-5\r\n");
    EXPECT_EQ(get("panelstate", "1", file), "-5");
    EXPECT_EQ(get("PanelState", "0", file), "0");
    EXPECT_EQ(get("PANELSTATE", "2", file, "dflt  "), "dflt");  // trailing blanks of a default go
    EXPECT_EQ(get("PANELSTATE", "2", file, nullptr), "");
}

TEST_F(Profile, HandEditedFileKeepsEveryForeignLineByteForByte) {
    const std::string file = path("Tarmelon.cfg");
    spit(file,
         "; aircraft settings\n"
         "orphan=before any section\n"
         "[ElectricStart]\n"
         "  Volts  =  118  \n"
         "; keep this comment\n"
         "this line is not a key\n"
         "\n"
         "[COM1]\n"
         "1=118.50\n"
         "[broken\n"
         "tail=1");
    EXPECT_EQ(get("electricstart", "VOLTS", file), "118");
    EXPECT_EQ(get("COM1", "orphan", file), "");
    EXPECT_EQ(get("broken", "tail", file), "");
    // "tail" belongs to [COM1]: the unterminated header is not a section.
    EXPECT_EQ(get("COM1", "tail", file), "1");

    EXPECT_EQ(WritePrivateProfileStringA("ElectricStart", "volts", "120", file.c_str()), TRUE);
    EXPECT_EQ(WritePrivateProfileStringA("ElectricStart", "Mode", "2", file.c_str()), TRUE);
    EXPECT_EQ(WritePrivateProfileStringA("COM1", "2", "121.50", file.c_str()), TRUE);
    EXPECT_EQ(WritePrivateProfileStringA("NOSEGEAR", "NOSEGEAR", "1", file.c_str()), TRUE);
    EXPECT_EQ(slurp(file),
              "; aircraft settings\n"
              "orphan=before any section\n"
              "[ElectricStart]\n"
              "volts=120\n"
              "; keep this comment\n"
              "this line is not a key\n"
              "Mode=2\n"
              "\n"
              "[COM1]\n"
              "1=118.50\n"
              "[broken\n"
              "tail=1\n"
              "2=121.50\n"
              "[NOSEGEAR]\n"
              "NOSEGEAR=1\n");
}

TEST_F(Profile, QuotedValuesLoseMatchingQuotesOnly) {
    const std::string file = path("q.ini");
    spit(file, "[S]\r\na = \"two words\" \r\nb='x'\r\nc=\"mixed'\r\nd=\"\r\ne=\r\n");
    EXPECT_EQ(get("S", "a", file), "two words");
    EXPECT_EQ(get("S", "b", file), "x");
    EXPECT_EQ(get("S", "c", file), "\"mixed'");
    EXPECT_EQ(get("S", "d", file), "\"");
    EXPECT_EQ(get("S", "e", file, "default"), "");  // present but empty: not the default
}

TEST_F(Profile, ValuesAndListsAreTruncatedTheWindowsWay) {
    const std::string file = path("t.ini");
    spit(file, "[A]\nkey=abcdef\nk2=1\n[B]\n");
    char buffer[16];
    std::memset(buffer, 'X', sizeof buffer);
    EXPECT_EQ(GetPrivateProfileStringA("A", "key", "", buffer, 4, file.c_str()), 3u);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(buffer[4], 'X');  // nothing past the size
    EXPECT_EQ(GetPrivateProfileStringA("A", "key", "", buffer, 0, file.c_str()), 0u);

    std::memset(buffer, 'X', sizeof buffer);
    EXPECT_EQ(GetPrivateProfileStringA("A", nullptr, "", buffer, sizeof buffer, file.c_str()), 7u);
    EXPECT_EQ(std::string(buffer, 8), std::string("key\0k2\0\0", 8));
    EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer, file.c_str()), 4u);
    EXPECT_EQ(std::string(buffer, 5), std::string("A\0B\0\0", 5));

    std::memset(buffer, 'X', sizeof buffer);
    EXPECT_EQ(GetPrivateProfileStringA("A", nullptr, "", buffer, 7, file.c_str()), 5u);  // size - 2
    EXPECT_EQ(std::string(buffer, 7), std::string("key\0k\0\0", 7));
    EXPECT_EQ(buffer[7], 'X');
}

TEST_F(Profile, MissingFileOrFolderGivesDefaultsAndFailedWrites) {
    const std::string missing_dir = path("no/such/folder/x.ini");
    EXPECT_EQ(get("S", "k", missing_dir, "fallback"), "fallback");
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "v", missing_dir.c_str()), FALSE);
    EXPECT_FALSE(std::filesystem::exists(path("no")));

    // Deleting from a file that is not there succeeds and creates nothing.
    const std::string absent = path("absent.ini");
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", nullptr, absent.c_str()), TRUE);
    EXPECT_EQ(WritePrivateProfileStringA("S", nullptr, nullptr, absent.c_str()), TRUE);
    EXPECT_FALSE(std::filesystem::exists(absent));

    // A folder where the file should be: a safe failure.
    std::filesystem::create_directory(path("dir.ini"));
    EXPECT_EQ(get("S", "k", path("dir.ini"), "d"), "d");
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "v", path("dir.ini").c_str()), FALSE);
}

TEST_F(Profile, DeletingKeysAndSections) {
    const std::string file = path("d.ini");
    spit(file, "[A]\r\nx=1\r\n; about A\r\ny=2\r\n[B]\r\nz=3\r\n");
    EXPECT_EQ(WritePrivateProfileStringA("a", "X", nullptr, file.c_str()), TRUE);
    EXPECT_EQ(slurp(file), "[A]\r\n; about A\r\ny=2\r\n[B]\r\nz=3\r\n");
    EXPECT_EQ(WritePrivateProfileStringA("A", nullptr, nullptr, file.c_str()), TRUE);
    EXPECT_EQ(slurp(file), "[B]\r\nz=3\r\n");
    EXPECT_EQ(get("A", "y", file, "gone"), "gone");
    EXPECT_EQ(get("B", "z", file), "3");
}

TEST_F(Profile, CorruptBytesAndVeryLongLinesAreHandledSafely) {
    const std::string file = path("c.ini");
    const std::string long_value(10000, 'v');
    const std::string long_junk(10000, '#');
    std::string bytes = "\xEF\xBB\xBF[S]\n=no key\n";
    bytes += std::string("bin\0ary\xff\x01=1\n", 12);
    bytes += long_junk + "\n";
    bytes += "long=" + long_value + "\n";
    spit(file, bytes);

    EXPECT_EQ(get("S", "=no key", file, "d"), "d");
    char big[10001];
    EXPECT_EQ(GetPrivateProfileStringA("S", "long", "", big, sizeof big, file.c_str()), 10000u);
    EXPECT_EQ(std::string(big), long_value);
    char small[8];
    EXPECT_EQ(GetPrivateProfileStringA("S", "long", "", small, sizeof small, file.c_str()), 7u);

    EXPECT_EQ(WritePrivateProfileStringA("S", "long", "short", file.c_str()), TRUE);
    std::string expected = "\xEF\xBB\xBF[S]\n=no key\n";
    expected += std::string("bin\0ary\xff\x01=1\n", 12);
    expected += long_junk + "\n" + "long=short\n";
    EXPECT_EQ(slurp(file), expected);

    EXPECT_EQ(WritePrivateProfileStringA("S", "again", long_value.c_str(), file.c_str()), TRUE);
    EXPECT_EQ(GetPrivateProfileStringA("S", "again", "", big, sizeof big, file.c_str()), 10000u);
}

}  // namespace
