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
#include <map>
#include <vector>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Revision 0 is the file on the disk, revision 1 the save that must not spoil it.
bool SaveThread(const std::string& path, int revision, std::string* error) {
    ParameterEntry e;
    e.classText = "2";
    e.diameterText = revision == 0 ? "1/4" : "1/2";
    e.pitchText = revision == 0 ? "20" : "13";
    TTInfo rec;
    if (!SetUpRecord(e, rec).message.empty()) return false;
    rec.Calculate();
    return SaveToFile(rec, path, error);
}

bool SaveBallMic(const std::string& path, int revision, std::string* error) {
    TBallMic bm;
    bm.Angle = revision == 0 ? 30 : 1.7899;
    bm.BallDia = 0.5;
    bm.CalcMethod = kBallMicAtGagePlane;
    bm.Calculate();
    return bm.Save(path, error);
}

std::string PlwinBeside(const std::string& path) {
    return (fs::path(path).parent_path() / "PLWIN.INI").string();
}

// Both settings files, PLWIN.INI beside the PLUSER.INI saved to.
bool SaveSettings(const std::string& path, int revision, std::string* error) {
    AppSettings s;
    s.CompanyName = revision == 0 ? "Old Gage Co." : "New Gage Co.";
    s.MainPath = "/opt/pl/";
    s.TableDataPath = revision == 0 ? "/opt/pl/Tables" : "/srv/Tables";
    return WriteSettings(s, PlwinBeside(path), path, error);
}

const struct Kind {
    const char* name;
    const char* file;
    bool (*save)(const std::string& path, int revision, std::string* error);
} kKinds[] = {
    {"thread", "a.thd", SaveThread},
    {"ballMic", "a.bm", SaveBallMic},
    {"settings", "PLUSER.INI", SaveSettings},
};

// Names and contents of every file under `dir`, links as their targets.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        const std::string name = e.path().lexically_relative(dir).string();
        if (e.is_symlink())
            files[name] = "-> " + fs::read_symlink(e.path()).string();
        else if (e.is_regular_file())
            files[name] = ReadTextFile(e.path().string());
        else
            files[name] = "(not a file)";
    }
    return files;
}

int gErrno = 0;
bool gWroteSome = false;

template <typename... Args> int Fails(Args...) {
    errno = gErrno;
    return -1;
}

// The first write puts part of the bytes on the disk, as a disk that fills
// mid-file does; the next one fails.
ssize_t WriteThenFail(int fd, const void* bytes, size_t size) {
    if (!gWroteSome && size > 8) {
        gWroteSome = true;
        return ::write(fd, bytes, size / 2);
    }
    return Fails();
}

// Over its file size limit a process gets EFBIG from the kernel itself, the
// nearest to a full disk an unprivileged test can come.
void SaveUnderSizeLimit(const Kind& kind, const std::string& path, std::string* error) {
    rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 10;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved1 = kind.save(path, 1, error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(saved1);
}

TEST(AtomicSave, FailingDiskKeepsTheOldFileAndLeavesNoTemporary) {
    const FileCalls& sys = SystemFileCalls();
    const FileCalls create = {Fails, sys.write, sys.fsync, sys.rename, sys.close, sys.unlink};
    const FileCalls write = {sys.open, WriteThenFail, sys.fsync, sys.rename, sys.close, sys.unlink};
    const FileCalls fsync = {sys.open, sys.write, Fails, sys.rename, sys.close, sys.unlink};
    const FileCalls rename = {sys.open, sys.write, sys.fsync, Fails, sys.close, sys.unlink};
    const struct {
        const char* name;
        const FileCalls* calls; // nullptr: the system's under a file size limit
        int error;
    } cases[] = {
        {"createDiskFull", &create, ENOSPC},     {"createDenied", &create, EACCES},
        {"createReadOnly", &create, EROFS},      {"writeDiskFull", &write, ENOSPC},
        {"writeDenied", &write, EACCES},         {"writeReadOnly", &write, EROFS},
        {"fsyncDiskFull", &fsync, ENOSPC},       {"fsyncDenied", &fsync, EACCES},
        {"fsyncReadOnly", &fsync, EROFS},        {"renameDiskFull", &rename, ENOSPC},
        {"renameDenied", &rename, EACCES},       {"renameReadOnly", &rename, EROFS},
        {"kernelFileSizeLimit", nullptr, EFBIG},
    };
    ShippedTables tables;
    for (const Kind& kind : kKinds)
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + " " + c.name);
            TempDir dir;
            const std::string path = dir.file(kind.file);
            ASSERT_TRUE(kind.save(path, 0, nullptr));
            const auto before = Snapshot(dir.path());
            gErrno = c.error;
            gWroteSome = false;
            std::string error, expected;
            if (c.calls) {
                const ScopedFileCalls failing(*c.calls);
                EXPECT_FALSE(kind.save(path, 1, &error));
            } else {
                SaveUnderSizeLimit(kind, path, &error);
            }
            const std::string reason = std::string(": ") + std::strerror(c.error);
            if (kind.save == SaveSettings)
                expected = "Cannot write " + PlwinBeside(path) + reason + "\n";
            expected += "Cannot write " + path + reason;
            EXPECT_EQ(error, expected);
            EXPECT_EQ(Snapshot(dir.path()), before);
        }
}

TEST(AtomicSave, LinksAreSavedThroughAndReadOnlyFilesRefused) {
    const std::string old = "[MAIN]\nold=1\n";
    const struct {
        const char* name;
        // Made in the folder: `file` with `old` in it and `mode`, or a FIFO
        // or a folder; links "name>target", "@" for the folder's own path.
        const char* file;
        fs::perms mode;
        std::vector<const char*> links;
        // Saved through `save`: `target` gets the file, or the save is
        // refused with `reason` and everything stays as it was.
        const char *save, *target, *reason;
    } cases[] = {
        {"absoluteLink", "real/t", fs::perms(0644), {"l>@/real/t"}, "l", "real/t", ""},
        {"relativeLinkFromItsFolder",
         "real/t",
         fs::perms(0644),
         {"sub/l>../real/t"},
         "sub/l",
         "real/t",
         ""},
        {"chainOfLinks", "real/t", fs::perms(0644), {"l1>real/t", "l2>l1"}, "l2", "real/t", ""},
        {"danglingLinkMakesItsTarget", nullptr, {}, {"l>real/new"}, "l", "real/new", ""},
        {"readOnlyFile", "t", fs::perms(0444), {}, "t", "t", "Permission denied"},
        {"linkToReadOnlyFile",
         "real/t",
         fs::perms(0444),
         {"l>real/t"},
         "l",
         "real/t",
         "Permission denied"},
        {"linkLoop", nullptr, {}, {"l>m", "m>l"}, "l", "", "Too many levels of symbolic links"},
        {"fifo", "fifo", {}, {}, "fifo", "", "Not a regular file"},
        {"folder", "folder", {}, {}, "folder", "", "Is a directory"},
    };
    ShippedTables tables;
    for (const Kind& kind : kKinds)
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + " " + c.name);
            TempDir dir, plain;
            const fs::path d = dir.path();
            fs::create_directories(d / "real");
            fs::create_directories(d / "sub");
            const std::string made = c.file ? c.file : "", file = dir.file(made);
            if (made == "fifo")
                ::mkfifo(file.c_str(), 0666);
            else if (made == "folder")
                fs::create_directory(file);
            else if (c.file)
                WriteTextFile(file, old), fs::permissions(file, c.mode);
            for (const std::string link : c.links) {
                std::string to = link.substr(link.find('>') + 1);
                if (to[0] == '@') to = d.string() + to.substr(1);
                fs::create_symlink(to, d / link.substr(0, link.find('>')));
            }
            auto expected = Snapshot(d);
            const std::string path = dir.file(c.save);
            std::string error;
            EXPECT_EQ(kind.save(path, 1, &error), !*c.reason);
            // The same save where no link is in the way; it keeps the old
            // file's other lines.
            const std::string wanted = plain.file(kind.file);
            if (expected.count(c.target)) WriteTextFile(wanted, old);
            ASSERT_TRUE(kind.save(wanted, 1, nullptr));
            if (!*c.reason) expected[c.target] = ReadTextFile(wanted);
            EXPECT_EQ(error, *c.reason ? "Cannot write " + path + ": " + c.reason : "");
            if (kind.save == SaveSettings)
                expected[fs::path(PlwinBeside(path)).lexically_relative(d).string()] =
                    ReadTextFile(PlwinBeside(wanted));
            EXPECT_EQ(Snapshot(d), expected) << "links stay links, no temporary";
        }
}

} // namespace
