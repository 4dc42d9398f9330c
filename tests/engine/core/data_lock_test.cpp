#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/data_lock.h"
#include "test_support.h"

namespace mv {
namespace {

// flock belongs to the open file description, so two TDataLock objects in one process
// exclude each other exactly like two processes do.
TEST(DataLock, SecondHolderIsRefusedUntilTheFirstIsGone) {
    test::TTempDir dir;
    const auto stakes = dir / "Marvolet_5z36.lsk";
    {
        TDataLock first;
        first.Acquire(stakes);
        EXPECT_TRUE(first.Held());
        EXPECT_TRUE(std::filesystem::exists(stakes));  // created when missing

        TDataLock second;
        try {
            second.Acquire(stakes);
            FAIL() << "the second lock was granted";
        } catch (const EDataLockBusy& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Ошибка чтения файла ставок!\r\r", 0), 0u);
        }
        EXPECT_FALSE(second.Held());
    }
    TDataLock third;
    EXPECT_NO_THROW(third.Acquire(stakes));
    third.Release();
    EXPECT_FALSE(third.Held());
    TDataLock fourth;
    EXPECT_NO_THROW(fourth.Acquire(stakes));
}

TEST(DataLock, FileThatCannotBeOpenedIsNotReportedAsBusy) {
    test::TTempDir dir;
    TDataLock lock;
    try {
        lock.Acquire(dir / "no-such-dir" / "Marvolet_5z36.lsk");
        FAIL() << "locked a file in a missing directory";
    } catch (const EDataLockBusy&) {
        FAIL() << "reported as busy";
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Ошибка чтения файла ставок!\r\r", 0), 0u);
    }
    EXPECT_FALSE(lock.Held());
}

}  // namespace
}  // namespace mv
