#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "engine/core/errors.h"
#include "engine/draws/archive_file.h"
#include "engine/session/workspace.h"
#include "test_support.h"

namespace mv {
namespace {

using test::ReadBytes;
using test::TTempDir;
using test::WriteBytes;

// One record laid out by hand, independently of the encoder under test.
std::string Record(std::int32_t number, std::string nums6, std::uint8_t dateLen,
                   std::string dateBytes10, std::string padding3) {
    std::string r;
    const auto v = static_cast<std::uint32_t>(number);
    for (int i = 0; i < 4; ++i) r += static_cast<char>(v >> (8 * i));
    r += nums6;
    r += static_cast<char>(dateLen);
    r += dateBytes10;
    r += padding3;
    return r;
}

// Three records: a plain one; one with a Windows-1251 date, junk bytes past the date length
// and non-zero padding; one with extreme values and a damaged length byte above 10.
std::string FixtureBytes() {
    return Record(1024, std::string("\x03\x11\x16\x1e\x24\x09", 6), 10, "05.01.2024",
                  std::string(3, '\0')) +
           Record(1025, std::string("\x24\x01\x02\x03\x04\x24", 6), 5,
                  std::string("\xef\xed\x20\xe0\xe1\xff\x00\x7f\x80\x01", 10),
                  std::string("\x12\x34\x56", 3)) +
           Record(std::numeric_limits<std::int32_t>::max(),
                  std::string("\x00\xff\x25\x00\x01\x00", 6), 200, std::string("ABCDEFGHIJ", 10),
                  std::string("\xff\xfe\xfd", 3));
}

TEST(ArchiveFile, ReadsFieldsAndRewritesEveryByteUnchanged) {
    TTempDir dir;
    const std::string bytes = FixtureBytes();
    ASSERT_EQ(bytes.size(), 3 * DrawRecSize);
    WriteBytes(dir / "in.ldr", bytes);

    TDrawsArray draws;
    ReadArchiveFile(dir / "in.ldr", draws);
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].Number, 1024);
    EXPECT_EQ(draws[0].Nums, (std::array<std::uint8_t, 5>{3, 17, 22, 30, 36}));
    EXPECT_EQ(draws[0].Extra, 9);
    EXPECT_EQ(draws[0].Date(), "05.01.2024");
    EXPECT_EQ(draws[1].Date(), "пн аб");
    EXPECT_EQ(draws[1].Padding, (std::array<std::uint8_t, 3>{0x12, 0x34, 0x56}));
    EXPECT_EQ(draws[2].Number, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(draws[2].Date(), "ABCDEFGHIJ");  // a length above 10 reads as 10

    WriteArchiveFile(dir / "out.ldr", draws);
    EXPECT_EQ(ReadBytes(dir / "out.ldr"), bytes);
    EXPECT_EQ(EncodeArchive(draws), bytes);
}

TEST(ArchiveFile, TrailingPartialRecordIsIgnoredAndGoneAfterTheNextWrite) {
    TTempDir dir;
    const std::string whole = FixtureBytes();
    WriteBytes(dir / "Marvolet_5z36.ldr", whole + std::string("\x01\x02\x03\x04\x05", 5));
    test::TRecordingHooks hooks;
    TWorkspace ws(TDataPaths{dir.Path()}, hooks);
    ws.ReadArchive();
    ASSERT_EQ(ws.DrawCount(), 3);
    ws.WriteArchive();
    EXPECT_EQ(ReadBytes(dir / "Marvolet_5z36.ldr"), whole);
}

TEST(ArchiveFile, EmptyFileAndMissingFileLeaveTheArchiveEmpty) {
    TTempDir dir;
    test::TRecordingHooks hooks;
    TWorkspace ws(TDataPaths{dir.Path()}, hooks);
    EXPECT_NO_THROW(ws.ReadArchive());
    EXPECT_EQ(ws.DrawCount(), 0);
    EXPECT_TRUE(hooks.Statuses.empty());  // nothing was loaded, nothing announced
    EXPECT_FALSE(std::filesystem::exists(dir / "Marvolet_5z36.ldr"));

    WriteBytes(dir / "Marvolet_5z36.ldr", std::string(DrawRecSize - 1, '\x07'));
    EXPECT_NO_THROW(ws.ReadArchive());
    EXPECT_EQ(ws.DrawCount(), 0);
}

// Makes every write past `bytes` fail with EFBIG for the lifetime of the object; unlike
// file permissions this also holds when the tests run as root.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(ArchiveFile, FailedWriteKeepsTheOldFileAndTheArchiveInMemory) {
    TTempDir dir;
    const std::string bytes = FixtureBytes();
    WriteBytes(dir / "Marvolet_5z36.ldr", bytes);
    test::TRecordingHooks hooks;
    TWorkspace ws(TDataPaths{dir.Path()}, hooks);
    ws.ReadArchive();
    const std::string inMemory = EncodeArchive(ws.DrawArchive());

    TDrawRec extra;
    extra.Number = 5000;
    try {
        TFileSizeLimit limit(DrawRecSize);
        ws.StoreDraw(extra);
        FAIL() << "the write should have failed";
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Ошибка записи в файл тиражей!\r\r", 0), 0u)
            << e.what();
    }
    EXPECT_EQ(ReadBytes(dir / "Marvolet_5z36.ldr"), bytes);
    EXPECT_EQ(EncodeArchive(ws.DrawArchive()), inMemory);
    // No temporary file is left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(ArchiveFile, ArchiveThatCouldNotBeReadIsNeverOverwritten) {
    TTempDir dir;
    // A symlink loop cannot be read, but a rename would happily replace it.
    std::filesystem::create_symlink("Marvolet_5z36.ldr", dir / "Marvolet_5z36.ldr");
    test::TRecordingHooks hooks;
    TWorkspace ws(TDataPaths{dir.Path()}, hooks);
    try {
        ws.ReadArchive();
        FAIL() << "the read should have failed";
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Ошибка чтения файла тиражей!\r\r", 0), 0u);
    }
    EXPECT_TRUE(ws.ArchiveReadIncomplete());
    EXPECT_THROW(ws.StoreDraw(TDrawRec{}), EError);
    EXPECT_EQ(ws.DrawCount(), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "Marvolet_5z36.ldr"));

    // Once the file reads again, writing works again.
    std::filesystem::remove(dir / "Marvolet_5z36.ldr");
    WriteBytes(dir / "Marvolet_5z36.ldr", FixtureBytes());
    ws.ReadArchive();
    EXPECT_NO_THROW(ws.StoreDraw(TDrawRec{}));
    EXPECT_EQ(ws.DrawCount(), 4);
}

struct TFindCase {
    const char* Name;
    std::vector<std::int32_t> Numbers;
    std::int32_t Wanted;
    int Expected;
};

TEST(ArchiveFile, FindDrawIndex) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const std::vector<TFindCase> cases = {
        {"empty", {}, 1, -1},
        {"single hit", {5}, 5, 0},
        {"single miss", {5}, 6, -1},
        {"ascending first", {10, 11, 12, 13, 14}, 10, 0},
        {"ascending last", {10, 11, 12, 13, 14}, 14, 4},
        {"ascending middle", {10, 11, 12, 13, 14}, 12, 2},
        {"ascending below", {10, 11, 12, 13, 14}, 9, -1},
        {"ascending above", {10, 11, 12, 13, 14}, 15, -1},
        {"ascending gap, walk down", {1, 5, 100, 101, 102}, 100, 2},
        {"ascending gap, walk up", {1, 2, 3, 4, 5, 100}, 5, 4},
        {"ascending gap, missing", {1, 5, 100, 101, 102}, 50, -1},
        {"descending", {9, 7, 5, 3}, 5, 2},
        {"unordered", {5, 3, 9, 1}, 1, 3},
        {"unordered middle", {5, 3, 9, 1}, 3, 1},
        {"unordered missing", {5, 3, 9, 1}, 7, -1},
        {"ascending duplicate", {1, 2, 2, 3}, 2, 1},
        {"ascending duplicate at end", {1, 2, 3, 3}, 3, 3},
        {"unordered duplicate of the first", {4, 2, 4}, 4, 0},
        {"unordered duplicate in the middle", {9, 2, 1, 2, 0}, 2, 3},
        {"all equal", {7, 7, 7}, 7, 0},
        {"extreme ascending", {kMin, 0, kMax}, 0, 1},
        {"extreme missing", {1, kMax}, kMax - 1, -1},
        {"extreme below", {kMin + 1, kMax}, kMin, -1},
    };
    for (const TFindCase& c : cases) {
        TDrawsArray draws;
        for (const std::int32_t n : c.Numbers) draws.emplace_back().Number = n;
        EXPECT_EQ(FindDrawIndex(draws, c.Wanted), c.Expected) << c.Name;
    }
}

}  // namespace
}  // namespace mv
