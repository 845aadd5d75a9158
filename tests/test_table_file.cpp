#include "core/table_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace {

std::string ErrorText(const std::string& name, std::size_t recordSize)
{
    try {
        TableFile(name, recordSize).requireWholeRecords();
    } catch (const TableError& e) {
        return e.what();
    }
    return "no error";
}

// The record points into bytes, which must outlive it.
TableRecord RecordOf(const std::string& bytes)
{
    return TableRecord(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

} // namespace

TEST(TablePath, JoinsTheTableDataPathAndTheLowerCaseName)
{
    const struct {
        const char *name, *dataPath, *file, *expected;
    } cases[] = {
        {"plainFolder", "/data/tables", "ANSITBL.BIN", "/data/tables/ansitbl.bin"},
        {"mixedCase", "/data/Tables", "UnXTol.bin", "/data/Tables/unxtol.bin"},
    };
    for (const auto& c : cases) {
        ShippedTables path(c.dataPath);
        EXPECT_EQ(TablePath(c.file), c.expected) << c.name;
    }
}

TEST(TableFile, ErrorsNameTheRuntimeReasonAndTheFullPath)
{
    TempDir dir;
    ShippedTables path(dir.path().string());
    std::filesystem::create_directory(dir.file("folder.bin"));
    WriteTextFile(dir.file("short.bin"), "123456");
    WriteTextFile(dir.file("whole.bin"), "12345678");

    EXPECT_EQ(ErrorText("ANSITBL.BIN", 69), "File not found: " + dir.file("ansitbl.bin"));
    EXPECT_EQ(ErrorText("folder.bin", 4), "File access denied: " + dir.file("folder.bin"));
    EXPECT_EQ(ErrorText("short.bin", 4), "Read beyond end of file: " + dir.file("short.bin"));
    EXPECT_EQ(ErrorText("whole.bin", 4), "no error");

    WriteTextFile(dir.file("locked.bin"), "12");
    std::filesystem::permissions(dir.file("locked.bin"), std::filesystem::perms::none);
    if (std::FILE* f = std::fopen(dir.file("locked.bin").c_str(), "rb"))
        std::fclose(f); // an administrator reads it anyway
    else
        EXPECT_EQ(ErrorText("locked.bin", 2), "File access denied: " + dir.file("locked.bin"));
}

TEST(TableFile, SplitsTheFileIntoRecords)
{
    TempDir dir;
    ShippedTables path(dir.path().string());
    // Larger than one read block, so the file arrives in several pieces.
    std::string big(200003, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i % 251);
    WriteTextFile(dir.file("big.bin"), big);
    const TableFile file("big.bin", 10);
    EXPECT_EQ(file.count(), 20000u);
    EXPECT_TRUE(file.partialTail());
    EXPECT_EQ(file.record(19999).U16(0), (199990 % 251) | ((199991 % 251) << 8));

    WriteTextFile(dir.file("empty.bin"), "");
    EXPECT_EQ(TableFile("empty.bin", 10).count(), 0u);
    EXPECT_FALSE(TableFile("empty.bin", 10).partialTail());
}

TEST(TableRecord, LittleEndianFieldsAndShortStrings)
{
    const std::string bytes("\x34\x12\x78\x56\x34\x12\xFF\xFF\xFF\xFF\xFE\xFF\x68\x08\0\0", 16);
    const TableRecord r = RecordOf(bytes);
    EXPECT_EQ(r.U16(0), 0x1234);
    EXPECT_EQ(r.I32(2), 0x12345678);
    EXPECT_EQ(r.I32(6), -1);
    EXPECT_EQ(r.U16(10), 65534);
    EXPECT_EQ(r.I32(12), 2152);

    const struct {
        const char* name;
        std::string bytes;
        const char* expected;
    } strings[] = {
        {"lengthBelowCapacity", std::string("\x02" "2Axy"), "2A"},
        {"lengthEqualsCapacity", std::string("\x04" "UNEF"), "UNEF"},
        {"lengthAboveCapacity", std::string("\x09" "UNC Z"), "UNC "},
        {"emptyString", std::string("\0UNC", 4), ""},
    };
    for (const auto& s : strings) EXPECT_EQ(RecordOf(s.bytes).Str(0, 4), s.expected) << s.name;
}
