#include "core/settings.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Sets or clears one environment variable for a scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) saved_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { saved_ ? ::setenv(name_, saved_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(Settings, FirstRunDefaults)
{
    TempDir dir;
    const std::string prog = dir.file("prog") + "/";
    fs::create_directory(prog);
    const std::string plwin = prog + "PLWIN.INI";
    const std::string pluser = dir.file("PLUSER.INI");

    AppSettings s{"stale", "stale", "stale"};
    ReadSettings(s, plwin, pluser, prog);
    EXPECT_EQ(s.CompanyName, "");
    EXPECT_EQ(s.MainPath, prog);
    EXPECT_NE(s.TableDataPath, prog + "Tables") << "no Tables folder: the installed one";
    EXPECT_EQ(s.TableDataPath.front(), '/');
    EXPECT_TRUE(s.TableDataPath.ends_with("/pitchledger/Tables")) << s.TableDataPath;

    fs::create_directory(prog + "Tables");
    ReadSettings(s, plwin, pluser, prog);
    EXPECT_EQ(s.TableDataPath, prog + "Tables");
    EXPECT_FALSE(fs::exists(plwin) || fs::exists(pluser)) << "reading creates no file";
}

TEST(Settings, WriteThenReadKeepsTextsAsTyped)
{
    TempDir dir;
    const std::string plwin = dir.file("PLWIN.INI");
    const std::string pluser = dir.file("cfg/PitchLedger/PLUSER.INI");
    WriteTextFile(plwin, "[POS]\nLeft=10\n");
    const AppSettings out{"Acme Gage & Tool", "/opt/pl/", "/data/tables/"};
    WriteSettings(out, plwin, pluser);
    EXPECT_EQ(ReadTextFile(plwin), "[POS]\nLeft=10\n[MAIN]\nCompany=Acme Gage & Tool\n");
    EXPECT_EQ(ReadTextFile(pluser), "[MAIN]\nThdMainPath=/opt/pl/\nThdTableData=/data/tables/\n");

    AppSettings in;
    ReadSettings(in, plwin, pluser, "/elsewhere/");
    EXPECT_EQ(in.CompanyName, out.CompanyName);
    EXPECT_EQ(in.MainPath, out.MainPath);
    EXPECT_EQ(in.TableDataPath, "/data/tables/") << "a trailing separator is stored unchanged";
}

TEST(Settings, Locations)
{
    const std::string prog = ProgramDir();
    EXPECT_EQ(prog.back(), '/');
    EXPECT_TRUE(fs::equivalent(prog, PL_BIN_DIR)) << prog;
    EXPECT_EQ(Settings().TableDataPath, DefaultTableDataPath(prog))
        << "tools that never read the settings still find the tables";

    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/xdg/conf");
        EXPECT_EQ(UserConfigDir(), "/xdg/conf/PitchLedger/");
    }
    {
        ScopedEnv home("HOME", "/home/gm");
        ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(UserConfigDir(), "/home/gm/.config/PitchLedger/");
        ScopedEnv relative("XDG_CONFIG_HOME", "conf");
        EXPECT_EQ(UserConfigDir(), "/home/gm/.config/PitchLedger/") << "relative path ignored";
    }

    TempDir dir;
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

} // namespace
