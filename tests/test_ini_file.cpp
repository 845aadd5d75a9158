// INI files: reading as the profile functions do, in-place writes, saves that
// fail naming the file and leaving the old one; the settings kept in them.
#include "core/ini_file.h"
#include "core/settings.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename());
    return names;
}

TEST(IniFile, ReadsLikeTheProfileFunctions) {
    TempDir dir;
    EXPECT_EQ(ReadIniString(dir.file("none.ini"), "MAIN", "Company", "dflt"), "dflt");
    WriteTextFile(dir.file("a.ini"), "Company=outside\n[Main]\n;Company=Commented\n  company ="
                                     "  Acme Gage  \r\nPath=a=b\r\nEmpty=\n[POS]\nLeft=10\n");
    const IniFile ini(dir.file("a.ini"));
    const struct {
        const char *name, *section, *key, *value;
    } cases[] = {
        {"caseAndBlanksIgnored", "MAIN", "COMPANY", "Acme Gage"},
        {"equalsInValueCrlfLine", "main", "path", "a=b"},
        {"emptyValueIsNoDefault", "MAIN", "Empty", ""},
        {"otherSection", "pos", "left", "10"},
        {"keyOfAnotherSection", "POS", "Company", "dflt"},
        {"missingKey", "MAIN", "Top", "dflt"},
        {"missingSection", "WIRE", "Company", "dflt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "dflt"), c.value) << c.name;
    EXPECT_TRUE(ini.HasKey("main", "EMPTY"));
    EXPECT_FALSE(ini.HasKey("POS", "Company"));
}

class IniWrites : public testing::TestWithParam<DataRow> {};

TEST_P(IniWrites, KeepEveryOtherLine) {
    const DataRow& c = GetParam();
    TempDir dir;
    const std::string path = dir.file("t.ini");
    if (!c.Empty("before")) WriteTextFile(path, c.Text("before"));
    ASSERT_TRUE(WriteIniString(path, c.Text("section"), c.Text("key"), c.Text("value")));
    EXPECT_EQ(ReadTextFile(path), c.Text("after"));
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"t.ini"}) << "temporary";
}

DATA_ROWS(IniWrites, "ini_writes");

TEST(IniFile, SaveCreatesFoldersKeepsModeAndNamesTheFileOnFailure) {
    TempDir dir;
    const std::string nested = dir.file("cfg/PitchLedger/PLUSER.INI");
    ASSERT_TRUE(WriteIniString(nested, "MAIN", "ThdTableData", "/data/"));
    EXPECT_EQ(ReadIniString(nested, "main", "thdtabledata", ""), "/data/");

    const std::string path = dir.file("mode.ini");
    WriteTextFile(path, "[MAIN]\n");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteIniString(path, "MAIN", "Company", "A"));
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // A file the user names goes only into a folder that exists.
    std::string error;
    const std::string lost = dir.file("new/a.thd");
    IniFile thread(lost);
    thread.WriteString("MAIN", "TPI", "+20.000000");
    EXPECT_FALSE(thread.Save(&error, IniFile::Folder::MustExist));
    EXPECT_EQ(error, "Cannot write " + lost + ": No such file or directory");
    EXPECT_FALSE(fs::exists(dir.file("new")));
}

TEST(Settings, FirstRunDefaultsAndLocations) {
    TempDir dir;
    const std::string prog = dir.file("prog") + "/", plwin = prog + "PLWIN.INI";
    const std::string pluser = dir.file("PLUSER.INI");
    fs::create_directory(prog);
    AppSettings s;
    s.CompanyName = s.MainPath = s.TableDataPath = "stale";
    ReadSettings(s, plwin, pluser, prog);
    EXPECT_EQ(s.CompanyName, "");
    EXPECT_EQ(s.MainPath, prog);
    EXPECT_EQ(s.TableDataPath, DefaultTableDataPath(prog));
    EXPECT_FALSE(s.Paper) << "no paper chosen: the window follows the locale, plcalc Letter";
    EXPECT_FALSE(s.NewInchThreadsInMm || s.WireReadings == WireHelix::Exact);
    EXPECT_FALSE(fs::exists(plwin) || fs::exists(pluser)) << "reading creates no file";

    const std::string bin = ProgramDir();
    EXPECT_EQ(bin.back(), '/');
    EXPECT_TRUE(fs::equivalent(bin, PL_BIN_DIR)) << bin;
    EXPECT_EQ(Settings().TableDataPath, DefaultTableDataPath(bin))
        << "tools that never read the settings still find the tables";
    // Both variables are put back afterwards.
    const char *h = std::getenv("HOME"), *x = std::getenv("XDG_CONFIG_HOME");
    const std::string home = h ? h : "", xdg = x ? x : "";
    ::setenv("XDG_CONFIG_HOME", "/xdg/conf", 1);
    EXPECT_EQ(UserConfigDir(), "/xdg/conf/PitchLedger/");
    ::setenv("HOME", "/home/gm", 1);
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(UserConfigDir(), "/home/gm/.config/PitchLedger/");
    ::setenv("XDG_CONFIG_HOME", "conf", 1);
    EXPECT_EQ(UserConfigDir(), "/home/gm/.config/PitchLedger/") << "relative path ignored";
    ::setenv("HOME", home.c_str(), 1);
    x ? ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");

    const std::string writable = dir.file("w") + "/";
    fs::create_directory(writable);
    EXPECT_EQ(PlwinIniPath(writable, "/c/"), writable + "PLWIN.INI");
    EXPECT_EQ(PlwinIniPath(dir.file("missing") + "/", "/c/"), "/c/PLWIN.INI");
    ASSERT_EQ(::chmod(writable.c_str(), 0555), 0);
    if (::access(writable.c_str(), W_OK) != 0) {
        EXPECT_EQ(PlwinIniPath(writable, "/c/"), "/c/PLWIN.INI") << "read-only program folder";
    }
    ::chmod(writable.c_str(), 0755);
}

// The preferences and the recent files come back as written; the list keeps
// the newest eight, a file opened again moves to the top.
TEST(Settings, PreferencesAndRecentFilesComeBack) {
    TempDir dir;
    const std::string plwin = dir.file("PLWIN.INI"), pluser = dir.file("PLUSER.INI");
    AppSettings s;
    s.NewInchThreadsInMm = true;
    s.Paper = PaperSize::A4;
    s.WireReadings = WireHelix::Exact;
    for (int i = 1; i <= 9; ++i)
        AddRecentFile(s, "/t/" + std::to_string(i) + ".thd");
    AddRecentFile(s, "/t/5.thd");
    ASSERT_TRUE(WriteSettings(s, plwin, pluser));
    s.RecentFiles.erase(s.RecentFiles.begin() + 3);
    ASSERT_TRUE(WriteSettings(s, plwin, pluser)) << "a shorter list leaves no stale entry";
    AppSettings back;
    ReadSettings(back, plwin, pluser, dir.file(""));
    EXPECT_TRUE(back.NewInchThreadsInMm);
    EXPECT_EQ(back.Paper, PaperSize::A4);
    EXPECT_EQ(back.WireReadings, WireHelix::Exact);
    EXPECT_EQ(back.RecentFiles,
              (std::vector<std::string>{"/t/5.thd", "/t/9.thd", "/t/8.thd", "/t/6.thd", "/t/4.thd",
                                        "/t/3.thd", "/t/2.thd"}));
    for (auto [text, paper] : {std::pair{"LETTER", PaperSize::Letter}, {" a4 ", PaperSize::A4}})
        EXPECT_EQ(PaperNamed(text), paper) << text;
    EXPECT_FALSE(PaperNamed("A3"));
}

// tests/data/data_places.csv
class DataPlaces : public testing::TestWithParam<DataRow> {};

TEST_P(DataPlaces, BesideTheProgramOrInTheInstalledTree) {
    const DataRow& c = GetParam();
    TempDir dir;
    const std::string root = dir.file(""), prog = root + c.Text("program");
    for (const std::string& d : c.List("dirs"))
        fs::create_directories(root + d);
    EXPECT_EQ(DefaultTableDataPath(prog), root + c.Text("tables"));
    EXPECT_EQ(InstalledDataDir(prog).empty(), !c.Flag("installed"));
    EXPECT_EQ(PlwinIniPath(prog, "/c/"), c.Flag("installed") ? "/c/PLWIN.INI" : prog + "PLWIN.INI");
}

DATA_ROWS(DataPlaces, "data_places");

// Without /proc (a chroot) the program is found as it was started.
TEST(Settings, ProgramFoundWithoutProc) {
    TempDir dir;
    const std::string bin = dir.file("bin"), prog = dir.file("bin/plcalc");
    fs::create_directories(bin);
    fs::create_directories(dir.file("links"));
    std::ofstream(prog) << "#!/bin/sh\n";
    fs::permissions(prog, fs::perms::owner_all);
    fs::create_symlink(prog, dir.file("links/plcalc"));
    std::ofstream(dir.file("links/plain")) << "not a program\n";
    const std::string found = fs::canonical(bin).string() + "/";
    const struct {
        const char* name;
        std::string exe, argv0, path, dir;
    } cases[] = {
        {"/proc names it", "/opt/pl/bin/plcalc", prog, "", "/opt/pl/bin/"},
        {"argv0 with a folder", "", prog, "", found},
        {"link to the program", "", dir.file("links/plcalc"), "", found},
        {"bare name on PATH", "", "plcalc", "/nowhere::" + bin, found},
        {"not executable: installed bin", "", dir.file("links/plain"), "", "/usr/local/bin/"},
        {"nowhere on PATH: installed bin", "", "plcalc", "/nowhere", "/usr/local/bin/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramDirOf(c.exe, c.argv0, c.path, "/usr/local/bin"), c.dir) << c.name;
}

} // namespace
