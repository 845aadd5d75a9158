// Saving thread, ball micrometer and settings files whole or not at all: a
// disk that fails at any step keeps the old file and gets no temporary, a link
// is saved through, a file the user may not write is refused.
#include "core/atomic_file.h"
#include "core/settings.h"
#include "core/thread_record.h"
#include "gauges/ball_mic.h"
#include "pages/parameter_page.h"
#include "pages/thread_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <vector>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Revision 0 is the file on the disk, revision 1 the save that must not spoil it.
bool SaveThread(const std::string& path, int revision, std::string* error)
{
    ParameterEntry e;
    e.classText = "2";
    e.diameterText = revision == 0 ? "1/4" : "1/2";
    e.pitchText = revision == 0 ? "20" : "13";
    TTInfo rec;
    if (!SetUpRecord(e, rec).message.empty()) return false;
    rec.Calculate();
    return SaveToFile(rec, path, error);
}

bool SaveBallMic(const std::string& path, int revision, std::string* error)
{
    TBallMic bm;
    bm.Angle = revision == 0 ? 30 : 1.7899;
    bm.BallDia = 0.5;
    bm.PlaneDia = 2;
    bm.PlaneDis = 1;
    bm.CalcMethod = kBallMicAtGagePlane;
    bm.Calculate();
    return bm.Save(path, error);
}

std::string PlwinBeside(const std::string& path)
{
    return (fs::path(path).parent_path() / "PLWIN.INI").string();
}

bool SaveSettings(const std::string& path, int revision, std::string* error)
{
    const AppSettings s{revision == 0 ? "Old Gage Co." : "New Gage Co.", "/opt/pl/",
                        revision == 0 ? "/opt/pl/Tables" : "/srv/Tables"};
    return WriteSettings(s, PlwinBeside(path), path, error);
}

struct Kind {
    const char* name;
    const char* file;
    std::function<bool(const std::string&, int, std::string*)> save;
};

const Kind kKinds[] = {
    {"thread", "a.thd", SaveThread},
    {"ballMic", "a.bm", SaveBallMic},
    {"settings", "PLUSER.INI", SaveSettings},
};

// Every file the kind writes for a save to `path`.
std::vector<std::string> FilesOf(const Kind& kind, const std::string& path)
{
    if (std::string(kind.name) == "settings") return {PlwinBeside(path), path};
    return {path};
}

// Names and contents of every file under `dir`, links as their targets.
std::map<std::string, std::string> Snapshot(const fs::path& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        const std::string name = e.path().lexically_relative(dir).string();
        if (e.is_symlink()) files[name] = "-> " + fs::read_symlink(e.path()).string();
        else if (e.is_regular_file()) files[name] = ReadTextFile(e.path().string());
        else files[name] = "(not a file)";
    }
    return files;
}

int gErrno = 0;
bool gWroteSome = false;

// The first write puts part of the bytes on the disk, as a disk that fills
// mid-file does; the next one fails.
ssize_t WriteThenFail(int fd, const void* bytes, size_t size)
{
    if (!gWroteSome && size > 8) {
        gWroteSome = true;
        return ::write(fd, bytes, size / 2);
    }
    errno = gErrno;
    return -1;
}

int FsyncFails(int)
{
    errno = gErrno;
    return -1;
}

int RenameFails(const char*, const char*)
{
    errno = gErrno;
    return -1;
}

TEST(AtomicSave, FailingDiskKeepsTheOldFileAndLeavesNoTemporary)
{
    const struct {
        const char* name;
        FileCalls calls;
    } steps[] = {
        {"write", [] { FileCalls c = SystemFileCalls(); c.write = WriteThenFail; return c; }()},
        {"fsync", [] { FileCalls c = SystemFileCalls(); c.fsync = FsyncFails; return c; }()},
        {"rename", [] { FileCalls c = SystemFileCalls(); c.rename = RenameFails; return c; }()},
    };
    const struct {
        const char* name;
        int error;
    } errors[] = {{"diskFull", ENOSPC}, {"permission", EACCES}, {"readOnlyDisk", EROFS}};
    ShippedTables tables;
    for (const Kind& kind : kKinds)
        for (const auto& step : steps)
            for (const auto& err : errors) {
                SCOPED_TRACE(std::string(kind.name) + " " + step.name + " " + err.name);
                TempDir dir;
                const std::string path = dir.file(kind.file);
                ASSERT_TRUE(kind.save(path, 0, nullptr));
                const auto before = Snapshot(dir.path());
                gErrno = err.error;
                gWroteSome = false;
                std::string error, expected;
                {
                    const ScopedFileCalls failing(step.calls);
                    EXPECT_FALSE(kind.save(path, 1, &error));
                }
                for (const std::string& file : FilesOf(kind, path))
                    expected += (expected.empty() ? "" : "\n") + ("Cannot write " + file + ": ") +
                                std::strerror(err.error);
                EXPECT_EQ(error, expected);
                EXPECT_EQ(Snapshot(dir.path()), before);
            }
}

// A process over its file size limit gets EFBIG from the kernel itself, the
// nearest to a full disk an unprivileged test can come.
TEST(AtomicSave, FileSizeLimitOfTheKernel)
{
    ShippedTables tables;
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        TempDir dir;
        const std::string path = dir.file(kind.file);
        ASSERT_TRUE(kind.save(path, 0, nullptr));
        const auto before = Snapshot(dir.path());
        rlimit saved;
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 10;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        std::string error;
        const bool saved1 = kind.save(path, 1, &error);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
        EXPECT_FALSE(saved1);
        EXPECT_EQ(error.substr(0, error.find('\n')),
                  "Cannot write " + FilesOf(kind, path).front() + ": File too large");
        EXPECT_EQ(Snapshot(dir.path()), before);
    }
}

TEST(AtomicSave, LinksAreSavedThroughAndReadOnlyFilesRefused)
{
    const std::string old = "[MAIN]\nold=1\n";
    const struct {
        const char* name;
        // Set up in the folder; saved through `save`; `target` receives the
        // file, or stays `old` when the save is refused with `reason`.
        std::function<void(const fs::path&)> setUp;
        const char *save, *target, *reason;
    } cases[] = {
        {"absoluteLink",
         [&](const fs::path& d) {
             WriteTextFile((d / "real/t").string(), old);
             fs::create_symlink(d / "real/t", d / "l");
         },
         "l", "real/t", ""},
        {"relativeLinkFromItsFolder",
         [&](const fs::path& d) {
             fs::create_directory(d / "sub");
             WriteTextFile((d / "real/t").string(), old);
             fs::create_symlink("../real/t", d / "sub/l");
         },
         "sub/l", "real/t", ""},
        {"chainOfLinks",
         [&](const fs::path& d) {
             WriteTextFile((d / "real/t").string(), old);
             fs::create_symlink("real/t", d / "l1");
             fs::create_symlink("l1", d / "l2");
         },
         "l2", "real/t", ""},
        {"danglingLinkMakesItsTarget",
         [&](const fs::path& d) { fs::create_symlink("real/new", d / "l"); }, "l", "real/new",
         ""},
        {"readOnlyFile",
         [&](const fs::path& d) {
             WriteTextFile((d / "t").string(), old);
             fs::permissions(d / "t", fs::perms(0444));
         },
         "t", "t", "Permission denied"},
        {"linkToReadOnlyFile",
         [&](const fs::path& d) {
             WriteTextFile((d / "real/t").string(), old);
             fs::permissions(d / "real/t", fs::perms(0444));
             fs::create_symlink("real/t", d / "l");
         },
         "l", "real/t", "Permission denied"},
        {"linkLoop",
         [&](const fs::path& d) {
             fs::create_symlink("m", d / "l");
             fs::create_symlink("l", d / "m");
         },
         "l", nullptr, "Too many levels of symbolic links"},
        {"fifo", [&](const fs::path& d) { ::mkfifo((d / "t").c_str(), 0666); }, "t", nullptr,
         "Not a regular file"},
        {"folder", [&](const fs::path& d) { fs::create_directory(d / "t"); }, "t", nullptr,
         "Is a directory"},
    };
    ShippedTables tables;
    for (const Kind& kind : kKinds)
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + " " + c.name);
            TempDir dir, plain;
            fs::create_directory(dir.path() / "real");
            c.setUp(dir.path());
            std::map<std::string, std::string> expected = Snapshot(dir.path());
            const std::string path = dir.file(c.save);
            std::string error;
            const bool saved = kind.save(path, 1, &error);
            EXPECT_EQ(saved, !*c.reason);
            // The same save where no link is in the way; it keeps the old
            // file's other lines.
            const std::string wanted = plain.file(kind.file);
            if (c.target && expected.count(c.target)) WriteTextFile(wanted, old);
            ASSERT_TRUE(kind.save(wanted, 1, nullptr));
            if (!*c.reason) {
                EXPECT_EQ(error, "");
                expected[c.target] = ReadTextFile(wanted);
            } else {
                EXPECT_EQ(error, "Cannot write " + path + ": " + c.reason);
            }
            if (std::string(kind.name) == "settings")
                expected[fs::path(PlwinBeside(path)).lexically_relative(dir.path()).string()] =
                    ReadTextFile(PlwinBeside(wanted));
            EXPECT_EQ(Snapshot(dir.path()), expected) << "links stay links, no temporary";
        }
}

} // namespace
