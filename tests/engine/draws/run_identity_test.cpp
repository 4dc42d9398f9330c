#include <gtest/gtest.h>

#include <string>

#include "engine/core/errors.h"
#include "engine/draws/run_identity.h"
#include "test_support.h"

namespace mv {
namespace {

// Digests published with the SHA-256 standard's examples.
constexpr const char* kAbcSha256 =
    "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
constexpr const char* kEmptySha256 =
    "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";
constexpr const char* kMillionASha256 =
    "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0";

TConfigData Config() {
    TConfigData config;
    config.Cost = 5000;
    config.Profits = {{3, 1500000}, {4, 2000000}, {5, 12345}};
    return config;
}

TEST(RunIdentity, FixedArchive) {
    test::TTempDir dir;
    const auto archive = dir / "a.ldr";
    test::WriteBytes(archive, "abc");
    const TRunIdentity identity = MakeRunIdentity(archive, 7, Config());
    EXPECT_EQ(identity.ArchiveSha256, kAbcSha256);
    EXPECT_EQ(identity.Version, MV_VERSION);
    EXPECT_EQ(RunIdentityText(identity),
              std::string("Идентификатор запуска: архив ba7816bf8f01, смещение 7, стоимость "
                          "ставки 0,5, выигрыши 3=150; 4=200; 5=1,2345, версия ") +
                  MV_VERSION);

    TConfigData free;
    EXPECT_NE(RunIdentityText(MakeRunIdentity(archive, 0, free)).find(", выигрыши нет, "),
              std::string::npos);
}

TEST(RunIdentity, FileReading) {
    test::TTempDir dir;
    // Larger than one read: every piece must reach the digest.
    test::WriteBytes(dir / "big.ldr", std::string(1000000, 'a'));
    EXPECT_EQ(MakeRunIdentity(dir / "big.ldr", 0, {}).ArchiveSha256, kMillionASha256);
    // A missing archive is an empty one.
    EXPECT_EQ(MakeRunIdentity(dir / "missing.ldr", 0, {}).ArchiveSha256, kEmptySha256);
    EXPECT_EQ(Sha256Hex(""), kEmptySha256);
    EXPECT_THROW(MakeRunIdentity(dir.Path(), 0, {}), EOSError);
}

TEST(RunIdentity, EveryPartChangesTheLine) {
    test::TTempDir dir;
    const auto archive = dir / "a.ldr";
    test::WriteBytes(archive, "abc");
    const std::string base = RunIdentityText(MakeRunIdentity(archive, 7, Config()));
    EXPECT_EQ(RunIdentityText(MakeRunIdentity(archive, 7, Config())), base);

    TConfigData prize = Config();
    prize.Profits[1].Profit += 1;
    TConfigData fewer = Config();
    fewer.Profits.pop_back();
    TConfigData cost = Config();
    cost.Cost = 10000;
    EXPECT_NE(RunIdentityText(MakeRunIdentity(archive, 6, Config())), base);
    EXPECT_NE(RunIdentityText(MakeRunIdentity(archive, 7, prize)), base);
    EXPECT_NE(RunIdentityText(MakeRunIdentity(archive, 7, fewer)), base);
    EXPECT_NE(RunIdentityText(MakeRunIdentity(archive, 7, cost)), base);
    test::WriteBytes(archive, "abd");
    EXPECT_NE(RunIdentityText(MakeRunIdentity(archive, 7, Config())), base);
}

}  // namespace
}  // namespace mv
