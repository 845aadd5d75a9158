// Reading the files the program reads: a table refused by its reason and full
// path, the other kinds by their limits, the table cache, the records as read.
#include "core/settings.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "gauges/ball_mic.h"
#include "gauges/gage_catalogue.h"
#include "pages/thread_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <thread>

#include <fcntl.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The record points into bytes, which must outlive it.
TableRecord RecordOf(const std::string& bytes) {
    return TableRecord(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

} // namespace

// The path joins the table data path as given and the file name in lower case.
// What is no table is refused before it is read: a FIFO would block the read,
// a device never ends, and a sparse file of any size costs no disk.
TEST(TableFile, ErrorsNameTheReasonAndTheFullPath) {
    TempDir dir;
    const std::string tables = dir.file("Tables");
    std::filesystem::create_directory(tables);
    ShippedTables path(tables);
    const auto at = [&](const char* name) { return tables + "/" + name; };
    std::filesystem::create_directory(at("folder.bin"));
    WriteTextFile(at("short.bin"), "123456");
    WriteTextFile(at("whole.bin"), "12345678");
    ASSERT_EQ(::mkfifo(at("fifo.bin").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", at("zero.bin"));
    WriteTextFile(at("huge.bin"), "");
    std::filesystem::resize_file(at("huge.bin"), kTableFileLimit + 1);
    WriteTextFile(at("limit.bin"), "");
    std::filesystem::resize_file(at("limit.bin"), kTableFileLimit);
    const struct {
        const char *name, *file, *error; // error: the reason, or none
        std::string detail = "";
    } cases[] = {
        {"missing", "ansitbl.bin", "File not found"},
        {"folder", "folder.bin", "File access denied"},
        {"partialRecord", "short.bin", "Table file is damaged",
         " (size 6 is not a whole number of 4-byte records)"},
        {"wholeRecords", "whole.bin", nullptr},
        {"fifo", "fifo.bin", "Not a regular file"},
        {"linkToDevice", "zero.bin", "Not a regular file"},
        {"overLimit", "huge.bin", "File too large"},
        {"atLimit", "limit.bin", nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TableErrorOf([&] { TableFile(c.file, 4); }),
                  c.error ? c.error + (": " + at(c.file)) + c.detail : "no error")
            << c.name;
    EXPECT_EQ(TableErrorOf([&] { TableFile("WHOLE.Bin", 4); }), "no error");

    WriteTextFile(tables + "/locked.bin", "12");
    std::filesystem::permissions(tables + "/locked.bin", std::filesystem::perms::none);
    if (std::FILE* f = std::fopen((tables + "/locked.bin").c_str(), "rb"))
        std::fclose(f); // an administrator reads it anyway
    else
        EXPECT_EQ(TableErrorOf([&] { TableFile("locked.bin", 2); }),
                  "File access denied: " + tables + "/locked.bin");
}

// The other files the program reads, each kind with its own limit: the reader
// names the file and the program goes on; settings fall back to their defaults.
TEST(FileKinds, FifosAndOversizedFilesAreNamed) {
    TempDir dir;
    ShippedTables path(dir.path().string());
    const struct {
        const char *name, *file;
        std::uintmax_t limit;
        std::function<std::string(const std::string&)> read; // the error shown
    } kinds[] = {
        {"threadFile", "a.thd", kTextFileLimit,
         [](const std::string& p) {
             TTInfo rec;
             return LoadFromFile(rec, p).message;
         }},
        {"ballMicFile", "a.bm", kTextFileLimit,
         [](const std::string& p) {
             std::string error;
             TBallMic().Load(p, &error);
             return error;
         }},
        {"catalogue", "points.tbl", kCatalogueFileLimit,
         [](const std::string&) { return LoadGageCatalogue().front(); }},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.name);
        const std::string file = dir.file(k.file);
        ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
        EXPECT_EQ(k.read(file), "Not a regular file: " + file);
        std::filesystem::remove(file);
        WriteTextFile(file, "");
        std::filesystem::resize_file(file, k.limit + 1);
        EXPECT_EQ(k.read(file), "File too large: " + file);
        std::filesystem::resize_file(file, k.limit);
        EXPECT_EQ(k.read(file).find("too large"), std::string::npos);
        std::filesystem::remove(file);
    }

    // Settings that cannot be read keep their defaults, are named, and are
    // not written over: what the file held is the user's.
    const std::string fifo = dir.file("PLUSER.INI");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    AppSettings s;
    EXPECT_EQ(ReadSettings(s, fifo, fifo, dir.file("prog/")), "Not a regular file: " + fifo);
    EXPECT_EQ(s.MainPath, dir.file("prog/"));
    // One over the size limit could be replaced, and is not.
    const std::string large = dir.file("large.INI");
    WriteTextFile(large, "");
    std::filesystem::resize_file(large, kTextFileLimit + 1);
    EXPECT_EQ(ReadSettings(s, large, dir.file("none.INI"), dir.file("prog/")),
              "File too large: " + large);
    std::string error;
    EXPECT_FALSE(WriteSettings(s, large, dir.file("none.INI"), &error));
    EXPECT_EQ(error,
              "Cannot write " + large + ": it could not be read (File too large: " + large + ")");
    EXPECT_EQ(std::filesystem::file_size(large), kTextFileLimit + 1);
}

// Bytes are kept while the file is the same: a rewrite that keeps the size and
// the modification time, a replacement and a removal are all seen on the next use.
TEST(TableCache, KeptWhileTheFileIsUnchanged) {
    TempDir dir;
    const auto keepingTimes = [](auto write) {
        return [write](const std::string& p) {
            struct stat before {};
            ::stat(p.c_str(), &before);
            write(p);
            const timespec times[2] = {before.st_atim, before.st_mtim};
            ::utimensat(AT_FDCWD, p.c_str(), times, 0);
        };
    };
    const auto rewrite = keepingTimes([](const std::string& p) { WriteTextFile(p, "new!"); });
    const auto overwrite = keepingTimes([](const std::string& p) {
        std::FILE* f = std::fopen(p.c_str(), "r+");
        std::fputs("new!", f);
        std::fclose(f);
    });
    const struct {
        const char* name;
        std::function<void(const std::string&)> change;
        const char* after; // the bytes then read, or the error's reason
        bool sameBytes;
    } cases[] = {
        {"unchanged", [](const std::string&) {}, "old!", true},
        {"rewrittenKeepingTimes", rewrite, "new!", false},
        {"overwrittenInPlaceKeepingTimes", overwrite, "new!", false},
        {"replaced",
         [&](const std::string& p) {
             WriteTextFile(p + ".new", "new!");
             std::filesystem::rename(p + ".new", p);
         },
         "new!", false},
        {"removed", [](const std::string& p) { std::filesystem::remove(p); }, "File not found",
         false},
        {"cacheCleared", [](const std::string&) { ClearTableCache(); }, "old!", false},
        // Checked once while a batch line is worked; the change counts after it.
        {"rewrittenWhileALineIsWorked",
         [&](const std::string& p) {
             const TableCheckOnce line;
             (void)ReadTableBytes(p);
             rewrite(p);
         },
         "new!", false},
        // A process forked while the table was kept watches it afresh: an
        // event its parent reads first must not leave it the old bytes.
        {"rewrittenWhileAForkedProcessKeepsIt",
         [&](const std::string& p) {
             int ready[2], go[2];
             ASSERT_EQ(::pipe(ready), 0);
             ASSERT_EQ(::pipe(go), 0);
             const pid_t pid = ::fork();
             ASSERT_GE(pid, 0);
             char c = 0;
             if (pid == 0) {
                 WatchTablesAfresh();
                 const bool keptOld =
                     *ReadTableBytes(p) == std::vector<unsigned char>{'o', 'l', 'd', '!'};
                 if (::write(ready[1], "r", 1) != 1 || ::read(go[0], &c, 1) != 1) ::_exit(3);
                 const bool seesNew =
                     *ReadTableBytes(p) == std::vector<unsigned char>{'n', 'e', 'w', '!'};
                 StopWatchingTables();
                 ::_exit(keptOld && seesNew ? 0 : 1);
             }
             ASSERT_EQ(::read(ready[0], &c, 1), 1);
             rewrite(p);
             (void)ReadTableBytes(p); // the parent reads the event first
             ASSERT_EQ(::write(go[1], "g", 1), 1);
             int status = -1;
             ::waitpid(pid, &status, 0);
             for (const int fd : {ready[0], ready[1], go[0], go[1]})
                 ::close(fd);
             EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
         },
         "new!", false},
        // A child that ends as a process ends, without a watch of its own,
        // leaves its parent's watch as it was.
        {"keptWhileAForkedChildEnds",
         [](const std::string&) {
             const pid_t pid = ::fork();
             ASSERT_GE(pid, 0);
             if (pid == 0) {
                 StopWatchingTables();
                 ::_exit(0);
             }
             int status = -1;
             ::waitpid(pid, &status, 0);
         },
         "old!", true},
        // Tables reached through a link, re-pointed as ln -sfn does: the path
        // counts, not the folder it led to before.
        {"through/link",
         [&](const std::string&) {
             std::filesystem::create_directory_symlink("new", dir.file("through.next"));
             std::filesystem::rename(dir.file("through.next"), dir.file("through"));
         },
         "new!", false},
    };
    std::filesystem::create_directory(dir.file("old"));
    std::filesystem::create_directory(dir.file("new"));
    std::filesystem::create_directory_symlink("old", dir.file("through"));
    WriteTextFile(dir.file("new/link"), "new!");
    for (const auto& c : cases)
        WriteTextFile(dir.file(c.name), "old!");
    // Files changed moments ago are read again until they have settled.
    std::this_thread::sleep_for(std::chrono::milliseconds(kTableSettleSeconds * 1000 + 100));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string p = dir.file(c.name);
        const TableBytes first = ReadTableBytes(p);
        EXPECT_EQ(ReadTableBytes(p).get(), first.get());
        c.change(p);
        try {
            const TableBytes now = ReadTableBytes(p);
            EXPECT_EQ(std::string(now->begin(), now->end()), c.after);
            EXPECT_EQ(now.get() == first.get(), c.sameBytes);
        } catch (const TableError& e) {
            EXPECT_EQ(e.reason(), c.after);
        }
    }
}

// The check values of CRC-32 (ISO-HDLC), as the sums file holds them.
TEST(TableCache, Crc32CheckValues) {
    const struct {
        const char* name;
        std::string bytes;
        uint32_t crc;
    } cases[] = {{"empty", "", 0}, {"digits", "123456789", 0xCBF43926u}};
    for (const auto& c : cases)
        EXPECT_EQ(Crc32(reinterpret_cast<const unsigned char*>(c.bytes.data()), c.bytes.size()),
                  c.crc)
            << c.name;
}

TEST(TableRecord, ShortStrings) {
    const struct {
        const char* name;
        std::string bytes;
        const char* expected;
    } strings[] = {
        {"lengthBelowCapacity", "\0022Axy", "2A"},
        {"lengthEqualsCapacity", "\004UNEF", "UNEF"},
        {"lengthAboveCapacity", "\011UNC Z", "UNC "},
        {"emptyString", std::string("\0UNC", 4), ""},
    };
    for (const auto& s : strings)
        EXPECT_EQ(RecordOf(s.bytes).Str(0, 4), s.expected) << s.name;
}
