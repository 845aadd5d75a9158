#include "core/ini_file.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Names(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
    return names;
}

TEST(IniFile, ReadsLikeTheProfileFunctions)
{
    TempDir dir;
    EXPECT_EQ(ReadIniString(dir.file("none.ini"), "MAIN", "Company", "dflt"), "dflt");
    WriteTextFile(dir.file("a.ini"), "Company=outside\n[Main]\n;Company=Commented\n  company ="
                                     "  Acme Gage  \r\nPath=a=b\r\nEmpty=\n[POS]\nLeft=10\n");
    const IniFile ini(dir.file("a.ini"));
    struct Case {
        const char* name;
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
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

TEST(IniFile, WritesKeepEveryOtherLine)
{
    struct Case {
        const char* name;
        const char* before;
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    };
    const char* file = "; set\n[MAIN]\nCompany=Old\n  Path = /opt/ \n\n[POS]\nLeft=10\n";
    const Case cases[] = {
        {"replaceInPlace", file, "main", "COMPANY", "New",
         "; set\n[MAIN]\nCompany=New\n  Path = /opt/ \n\n[POS]\nLeft=10\n"},
        {"appendBeforeBlankLine", file, "MAIN", "Top", "2",
         "; set\n[MAIN]\nCompany=Old\n  Path = /opt/ \nTop=2\n\n[POS]\nLeft=10\n"},
        {"appendToLastSection", file, "POS", "Top", "20",
         "; set\n[MAIN]\nCompany=Old\n  Path = /opt/ \n\n[POS]\nLeft=10\nTop=20\n"},
        {"newSection", file, "TIPS", "Tip", "P12",
         "; set\n[MAIN]\nCompany=Old\n  Path = /opt/ \n\n[POS]\nLeft=10\n[TIPS]\nTip=P12\n"},
        {"emptySection", "[MAIN]\n\n[POS]\n", "MAIN", "A", "X", "[MAIN]\nA=X\n\n[POS]\n"},
        {"crlfKept", "[MAIN]\r\nCompany=Old\r\n\r\n[POS]\r\nLeft=10\r\n", "POS", "Top", "20",
         "[MAIN]\r\nCompany=Old\r\n\r\n[POS]\r\nLeft=10\r\nTop=20\r\n"},
        {"crlfNewSection", "[MAIN]\r\nCompany=Old\r\n", "X", "k", "v",
         "[MAIN]\r\nCompany=Old\r\n[X]\r\nk=v\r\n"},
        {"noFinalNewline", "[MAIN]\nA=Old", "MAIN", "A", "New", "[MAIN]\nA=New\n"},
        {"newFile", "", "MAIN", "Company", "Acme", "[MAIN]\nCompany=Acme\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string path = dir.file("t.ini");
        if (*c.before) WriteTextFile(path, c.before);
        IniFile ini(path);
        ini.WriteString(c.section, c.key, c.value);
        EXPECT_EQ(ini.ReadString(c.section, c.key, "dflt"), c.value) << c.name;
        std::string error = "untouched";
        ASSERT_TRUE(ini.Save(&error)) << c.name << ": " << error;
        EXPECT_EQ(ReadTextFile(path), c.after) << c.name;
        EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"t.ini"}) << c.name << ": temporary";
    }
}

TEST(IniFile, SaveCreatesFoldersAndKeepsMode)
{
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
}

TEST(IniFile, FailedSaveNamesTheFile)
{
    TempDir dir;
    WriteTextFile(dir.file("plain"), "x");
    const std::string underFile = dir.file("plain/sub/a.ini");
    std::string error;
    EXPECT_FALSE(WriteIniString(underFile, "MAIN", "Company", "A", &error));
    EXPECT_EQ(error, "Cannot write " + underFile + ": Not a directory");

    // A file the user names goes only into a folder that exists.
    const std::string lost = dir.file("new/a.thd");
    IniFile thread(lost);
    thread.WriteString("MAIN", "TPI", "+20.000000");
    EXPECT_FALSE(thread.Save(&error, IniFile::Folder::MustExist));
    EXPECT_EQ(error, "Cannot write " + lost + ": No such file or directory");
    EXPECT_FALSE(fs::exists(dir.file("new")));

    // A directory where the file should be: the rename fails after the temporary was written.
    const std::string taken = dir.file("taken.ini");
    fs::create_directory(taken);
    WriteTextFile(taken + "/keep", "k");
    EXPECT_FALSE(WriteIniString(taken, "MAIN", "Company", "A", &error));
    EXPECT_EQ(error, "Cannot write " + taken + ": Is a directory");
    EXPECT_EQ(ReadTextFile(taken + "/keep"), "k");
    EXPECT_EQ(Names(dir.path()).size(), 2u) << "no temporary left beside the target";
}

TEST(IniFile, SaveIntoReadOnlyFolderKeepsTheOld)
{
    TempDir dir;
    std::string error;
    const fs::path locked = dir.path() / "locked";
    fs::create_directory(locked);
    const std::string path = (locked / "PLWIN.INI").string();
    WriteTextFile(path, "[MAIN]\nCompany=Old\n");
    ASSERT_EQ(::chmod(locked.c_str(), 0555), 0);
    if (::access(locked.c_str(), W_OK) == 0) {
        ::chmod(locked.c_str(), 0755);
        GTEST_SKIP() << "running with rights that ignore a read-only folder";
    }
    EXPECT_FALSE(WriteIniString(path, "MAIN", "Company", "New", &error));
    EXPECT_EQ(error, "Cannot write " + path + ": Permission denied");
    EXPECT_EQ(ReadTextFile(path), "[MAIN]\nCompany=Old\n");
    EXPECT_EQ(Names(locked), std::vector<std::string>{"PLWIN.INI"});
    ::chmod(locked.c_str(), 0755);
}

} // namespace
