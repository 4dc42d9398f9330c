// Full-set comparison files: the bytes of one method against an independent count, building,
// opening, rebuilding and the norm of the statistics table.
#include <gtest/gtest.h>

#include <filesystem>

#include "combs_fixture.h"
#include "engine/combs/full_set.h"
#include "engine/combs/full_set_files.h"
#include "engine/support/config_file.h"

namespace mv::test {
namespace {

void PutLe(std::string& out, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// The EVEN file counted by brute force: how many combinations of 1..36 hold k even numbers,
// one record per k (K1 = k, K2..K4 = 0), then the trailer.
std::string ExpectedEvenFile() {
    std::int32_t counts[6] = {};
    for (int a = 1; a <= 36; ++a)
        for (int b = a + 1; b <= 36; ++b)
            for (int c = b + 1; c <= 36; ++c)
                for (int d = c + 1; d <= 36; ++d)
                    for (int e = d + 1; e <= 36; ++e)
                        ++counts[(a % 2 == 0) + (b % 2 == 0) + (c % 2 == 0) + (d % 2 == 0) +
                                 (e % 2 == 0)];
    std::string bytes;
    std::int32_t smallest = counts[0], largest = counts[0];
    for (int k = 0; k <= 5; ++k) {
        PutLe(bytes, static_cast<std::uint32_t>(k), 2);
        PutLe(bytes, 0, 6);
        PutLe(bytes, static_cast<std::uint32_t>(counts[k]), 4);
        smallest = std::min(smallest, counts[k]);
        largest = std::max(largest, counts[k]);
    }
    PutLe(bytes, static_cast<std::uint32_t>(smallest), 4);
    PutLe(bytes, static_cast<std::uint32_t>(largest), 4);
    PutLe(bytes, 0, 4);
    return bytes;
}

class FullSetFilesTest : public CombsTest {
protected:
    void SetUp() override { SetPrefetchsEnabled(Ws, true); }
    int Method(const std::string& code) { return Ws.Stats().FindMethod(code); }
    std::filesystem::path File(const std::string& code) {
        return Dir / "Prefetchs" / ("Marvolet_5z36_" + code + ".dfc");
    }
};

TEST_F(FullSetFilesTest, EvenFileMatchesAnIndependentCountByteForByte) {
    const std::string expected = ExpectedEvenFile();
    ASSERT_EQ(expected.size(), 7 * FullSetRecordSize);
    const auto counts = OpenFullSetFile(Ws, Method("EVEN"));
    ASSERT_TRUE(counts.has_value());
    EXPECT_EQ(ReadBytes(File("EVEN")), expected);
    EXPECT_EQ(counts->Records.size(), 6u);
    EXPECT_EQ(counts->Smallest, 8568);   // C(18, 5)
    EXPECT_EQ(counts->Largest, 124848);  // C(18, 2) * C(18, 3)
    EXPECT_EQ(Hooks.Statuses.front(),
              "Создание файла предварительной выборки " + File("EVEN").string() + "...");
    EXPECT_TRUE(Hooks.Messages.empty());
}

TEST_F(FullSetFilesTest, EncodingRoundTripsSignedPartsAndAnEmptyArray) {
    TFullSetCounts counts;
    TStatValueRec r;
    r.Key.SetK(1, 40000);  // above 32767: the unsigned first part
    r.Key.SetK(2, -3);
    r.Key.SetK(4, 7);
    r.Count = 12;
    counts.Records = {r};
    counts.Smallest = counts.Largest = 12;
    const std::string bytes = EncodeFullSetFile(counts);
    EXPECT_EQ(bytes, std::string("\x40\x9C\xFD\xFF\x00\x00\x07\x00\x0C\x00\x00\x00"
                                 "\x0C\x00\x00\x00\x0C\x00\x00\x00\x00\x00\x00\x00",
                                 24));
    const TFullSetCounts back = DecodeFullSetFile(bytes);
    ASSERT_EQ(back.Records.size(), 1u);
    EXPECT_EQ(back.Records[0].Key, r.Key);
    EXPECT_EQ(back.Records[0].Count, 12);

    EXPECT_TRUE(DecodeFullSetFile(std::string(12, '\0')).Records.empty());
    EXPECT_THROW(DecodeFullSetFile(std::string(13, '\0')), EError);
    EXPECT_THROW(DecodeFullSetFile(std::string(11, '\0')), EError);
}

TEST_F(FullSetFilesTest, ZeroByteFileIsRebuiltOnTheNextUse) {
    std::filesystem::create_directories(Dir / "Prefetchs");
    WriteBytes(File("EVEN"), "");
    ASSERT_TRUE(OpenFullSetFile(Ws, Method("EVEN")).has_value());
    EXPECT_EQ(ReadBytes(File("EVEN")), ExpectedEvenFile());
}

TEST_F(FullSetFilesTest, DamagedFileIsReportedAndKept) {
    std::filesystem::create_directories(Dir / "Prefetchs");
    WriteBytes(File("EVEN"), std::string(13, 'x'));
    EXPECT_FALSE(OpenFullSetFile(Ws, Method("EVEN")).has_value());
    ASSERT_EQ(Hooks.Messages.size(), 1u);
    EXPECT_EQ(Hooks.Messages[0].second.rfind(
                  "Ошибка открытия файла данных для полного набора вариантов!\r\rИмя файла: " +
                      File("EVEN").string() + "\r\r",
                  0),
              0u);
    EXPECT_EQ(ReadBytes(File("EVEN")).size(), 13u);
}

// Files whose size, layout and trailer look right but whose numbers cannot be the full set's
// are damaged files too: reported, never shown, kept until a rebuild replaces them.
TEST_F(FullSetFilesTest, ImpossibleCountsAreReportedNeverShownAndRebuiltOnRequest) {
    const std::string good = ExpectedEvenFile();
    // The EVEN file's records: k = 0..5 even numbers, counts 8568, ..., trailer 8568, 124848.
    const auto record = [&good](int i) { return good.substr(12 * i, 12); };
    const auto withCount = [](std::string bytes, int i, std::uint32_t count) {
        std::string le;
        PutLe(le, count, 4);
        return bytes.replace(12 * i + 8, 4, le);
    };
    const auto withTrailer = [](std::string bytes, std::uint32_t smallest, std::uint32_t largest) {
        std::string le;
        PutLe(le, smallest, 4);
        PutLe(le, largest, 4);
        return bytes.replace(72, 8, le);
    };
    struct TCase {
        const char* What;
        std::string Bytes;
        const char* Reason;
    };
    const std::vector<TCase> cases = {
        {"huge count, trailer to match",
         withTrailer(withCount(good, 2, 290200493), 8568, 290200493), "сумма количеств"},
        {"smallest above largest", withTrailer(good, 124848, 8568), "итоговая запись"},
        {"negative count", withCount(good, 0, 0xFFFFFFFF), "меньше 1"},
        {"zero count", withCount(good, 0, 0), "меньше 1"},
        {"records swapped", record(1) + record(0) + good.substr(24), "не упорядочены"},
        {"record repeated", record(0) + record(0) + good.substr(24), "не упорядочены"},
        {"records missing", record(0) + record(1) + good.substr(72), "итоговая запись"},
        {"no records", good.substr(72), "итоговая запись"},
    };
    std::filesystem::create_directories(Dir / "Prefetchs");
    AddDraw({2, 4, 6, 1, 3});
    AddDraw({2, 4, 5, 7, 9});
    TStatTableRequest request;
    request.Registry = &Ws.Stats();
    request.MethodIndex = Method("EVEN");
    request.Draws = &Ws.DrawArchive();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        Hooks.Messages.clear();
        WriteBytes(File("EVEN"), c.Bytes);
        EXPECT_FALSE(OpenFullSetFile(Ws, Method("EVEN")).has_value());
        ASSERT_EQ(Hooks.Messages.size(), 1u);
        const std::string& message = Hooks.Messages[0].second;
        EXPECT_EQ(message.rfind("Ошибка открытия файла данных для полного набора вариантов!", 0),
                  0u);
        EXPECT_NE(message.find(c.Reason), std::string::npos) << message;
        const TStatTable table = ComputeStatTableWithNorm(Ws, request);
        EXPECT_FALSE(table.HasComparison);
        for (const TStatRow& row : table.Rows) EXPECT_EQ(row.Texts[scNorm], "-");
        EXPECT_EQ(ReadBytes(File("EVEN")), c.Bytes);
    }
    EXPECT_EQ(RebuildFullSetFiles(Ws, true, 1u << 0).Failed, 0);
    EXPECT_EQ(ReadBytes(File("EVEN")), good);
}

TEST_F(FullSetFilesTest, NothingWithoutTheOptionOrWithoutANorm) {
    SetPrefetchsEnabled(Ws, false);
    EXPECT_FALSE(OpenFullSetFile(Ws, Method("EVEN")).has_value());
    SetPrefetchsEnabled(Ws, true);
    EXPECT_FALSE(OpenFullSetFile(Ws, Method("POE1")).has_value());
    EXPECT_FALSE(std::filesystem::exists(Dir / "Prefetchs"));
}

// Building a file while the user has a filtered list: the same list afterwards, no undo.
TEST_F(FullSetFilesTest, BuildingKeepsTheUserListAndEndsUndo) {
    SetCurrent({Comb(1, 2, 3, 4, 5), Comb(2, 3, 4, 5, 6)});
    DeleteSelectedCombinations(Ws, {0});
    ASSERT_TRUE(Combs().CanUndo());
    ASSERT_TRUE(CreateFullSetFile(Ws, Method("NUMS")).has_value());
    EXPECT_EQ(ListOf(Combs().CurrentList), std::vector<TComb>{Comb(2, 3, 4, 5, 6)});
    EXPECT_FALSE(Combs().CanUndo());
}

TEST_F(FullSetFilesTest, FailedBuildLeavesNoFileAndSaysWhichFile) {
    WriteBytes(Dir / "Prefetchs", "a file where the directory belongs");
    EXPECT_FALSE(CreateFullSetFile(Ws, Method("EVEN")).has_value());
    ASSERT_EQ(Hooks.Messages.size(), 1u);
    EXPECT_EQ(Hooks.Messages[0].first, TMessageKind::Error);
    EXPECT_EQ(Hooks.Messages[0].second.rfind(
                  "Ошибка создания файла данных для полного набора вариантов!\r\rИмя файла: " +
                      File("EVEN").string() + "\r\r",
                  0),
              0u);
    EXPECT_FALSE(std::filesystem::exists(File("EVEN")));
    std::filesystem::remove(Dir / "Prefetchs");
    for (const auto& entry : std::filesystem::directory_iterator(Dir.Path())) {
        EXPECT_EQ(entry.path().filename().string().find(".dfc"), std::string::npos);
    }
}

// The parallel rebuild writes what one method at a time writes; missing files are always
// built, existing ones only for the groups asked.
TEST_F(FullSetFilesTest, RebuildBuildsMissingFilesAndChosenGroupsLikeOneByOne) {
    SetPrefetchsEnabled(Ws, false);
    EXPECT_EQ(RebuildFullSetFiles(Ws, false, AllStatGroupsMask).Built, 0);
    EXPECT_TRUE(Hooks.Statuses.empty()) << "a normal start with the option off builds nothing";

    const TRebuildResult first = RebuildFullSetFiles(Ws, true, 0);
    int withNorm = 0;
    int numbersGroup = 0;
    for (int i = 0; i < Ws.Stats().MethodCount(); ++i) {
        const TStatClass& cls = *Ws.Stats().Method(i).StatClass;
        withNorm += cls.HasNorm() ? 1 : 0;
        numbersGroup += cls.HasNorm() && cls.Group == 0 ? 1 : 0;
    }
    EXPECT_EQ(first.Built, withNorm);
    EXPECT_EQ(first.Failed, 0);
    EXPECT_EQ(Hooks.Statuses.front(), "progress: Создание файлов для полного набора комбинаций...");
    EXPECT_EQ(Hooks.Statuses.back(), "");

    const std::vector<TComb> set = FullSet();
    for (const char* code : {"NUMS", "EVNV", "POS3"}) {
        const auto stat = Ws.Stats().CreateStat(Ws.Stats().Method(Method(code)));
        EXPECT_EQ(ReadBytes(File(code)),
                  EncodeFullSetFile(CountFullSetValues(*stat, set.data(), set.size())))
            << code;
    }
    EXPECT_EQ(ReadBytes(File("EVEN")), ExpectedEvenFile());
    // Every file built passes the check of its method's values per combination.
    SetPrefetchsEnabled(Ws, true);
    for (int i = 0; i < Ws.Stats().MethodCount(); ++i) {
        if (!Ws.Stats().Method(i).StatClass->HasNorm()) continue;
        EXPECT_TRUE(OpenFullSetFile(Ws, i).has_value()) << i;
    }
    EXPECT_TRUE(Hooks.Messages.empty());
    SetPrefetchsEnabled(Ws, false);

    EXPECT_EQ(RebuildFullSetFiles(Ws, true, 0).Built, 0);
    EXPECT_EQ(RebuildFullSetFiles(Ws, true, 1u << 15).Built, 0);  // no group 15
    std::filesystem::remove(File("NUMS"));
    EXPECT_EQ(RebuildFullSetFiles(Ws, true, 0).Built, 1);
    SetPrefetchsEnabled(Ws, true);
    EXPECT_EQ(RebuildFullSetFiles(Ws, false, 1u << 0).Built, numbersGroup);
}

// A configuration changed while the program was not running (the INI file edited, another
// copy of the program) must not leave files that describe the old one: the files of the
// groups that read the configuration carry a record of it and are built again when it
// differs; the other groups are left alone.
TEST_F(FullSetFilesTest, FilesOfAnotherConfigurationAreBuiltAgain) {
    const auto record = [this](const std::string& code) {
        return ReadBytes(Dir / "Prefetchs" / ("Marvolet_5z36_" + code + ".cfg"));
    };
    const auto expectedBytes = [this](const std::string& code) {
        const std::vector<TComb> set = FullSet();
        const auto stat = Ws.Stats().CreateStat(Ws.Stats().Method(Method(code)));
        return EncodeFullSetFile(CountFullSetValues(*stat, set.data(), set.size()));
    };
    // A file built under the configuration in force carries its record and is used as it is.
    ASSERT_TRUE(OpenFullSetFile(Ws, Method("CHNC")).has_value());
    EXPECT_EQ(record("CHNC"), "ChannelSize=6\n");
    ASSERT_TRUE(CreateFullSetFile(Ws, Method("COLN")).has_value());
    EXPECT_EQ(record("COLN"), "MatrixCols=6\n");
    Hooks.Statuses.clear();
    ASSERT_TRUE(OpenFullSetFile(Ws, Method("CHNC")).has_value());
    EXPECT_TRUE(Hooks.Statuses.empty()) << "nothing built";

    // Every other file present (content aside): a rebuild of no groups builds nothing.
    for (int i = 0; i < Ws.Stats().MethodCount(); ++i) {
        const TStatMethod& method = Ws.Stats().Method(i);
        if (!method.StatClass->HasNorm()) continue;
        const auto file = FullSetFileName(Ws.Paths(), method);
        if (!std::filesystem::exists(file)) WriteBytes(file, "placeholder");
        const std::string expected = FullSetMethodRecord(method, Ws.Stats());
        if (!expected.empty()) WriteBytes(FullSetRecordName(Ws.Paths(), method), expected);
    }
    EXPECT_EQ(RebuildFullSetFiles(Ws, true, 0).Built, 0);

    // The channel size changed behind the program's back: exactly the channel files are
    // stale, and a rebuild of no groups builds them, under the new size.
    Ws.Config().ChannelSize = 5;
    Ws.Stats().BuildMethods();
    int channelFiles = 0;
    for (int i = 0; i < Ws.Stats().MethodCount(); ++i) {
        const TStatMethod& method = Ws.Stats().Method(i);
        const bool stale = FullSetFileStale(Ws.Paths(), method, Ws.Stats());
        EXPECT_EQ(stale, method.StatClass->HasNorm() && method.StatClass->Group == 3)
            << TStatList::MethodCode(method);
        channelFiles += method.StatClass->HasNorm() && method.StatClass->Group == 3 ? 1 : 0;
    }
    EXPECT_EQ(channelFiles, 11);  // CHAN, CHNV, CHNC, CHN1..CHN8
    EXPECT_EQ(RebuildFullSetFiles(Ws, true, 0).Built, channelFiles);
    EXPECT_EQ(record("CHN8"), "ChannelSize=5\n");
    EXPECT_EQ(ReadBytes(File("CHNC")), expectedBytes("CHNC"));
    EXPECT_EQ(RebuildFullSetFiles(Ws, true, 0).Built, 0);

    // The matrix changed: its file is built again before the statistics table uses it; a
    // file whose record went missing (an interrupted build) too.
    Ws.Config().MatrixCols = 4;
    Ws.Stats().BuildMethods();
    bool built = false;
    const TFullSetSource source{Ws.Stats(), Ws.Paths(), Hooks};
    ASSERT_TRUE(ReadOrBuildFullSetFile(source, Method("COLN"), built).has_value());
    EXPECT_TRUE(built);
    EXPECT_EQ(record("COLN"), "MatrixCols=4\n");
    EXPECT_EQ(ReadBytes(File("COLN")), expectedBytes("COLN"));
    std::filesystem::remove(Dir / "Prefetchs" / "Marvolet_5z36_CHNC.cfg");
    ASSERT_TRUE(ReadOrBuildFullSetFile(source, Method("CHNC"), built).has_value());
    EXPECT_TRUE(built);
    ASSERT_TRUE(ReadOrBuildFullSetFile(source, Method("CHNC"), built).has_value());
    EXPECT_FALSE(built);
    EXPECT_TRUE(Hooks.Messages.empty());

    // The other groups have no record and never go stale.
    EXPECT_FALSE(std::filesystem::exists(Dir / "Prefetchs" / "Marvolet_5z36_EVEN.cfg"));
    EXPECT_EQ(FullSetConfigRecord(0, Ws.Config()), "");
    EXPECT_EQ(FullSetConfigRecord(12, Ws.Config()), "");
    TConfigData segments;
    segments.MatrixSegments = ParseSegmentsText("12");
    EXPECT_EQ(FullSetConfigRecord(5, segments),
              "MatrixSegments=121111111111111111111111111111111111\n");
}

TEST(FullSetGroups, ConfigurationChangesChooseTheirGroups) {
    EXPECT_EQ(RebuildGroupsForConfigChange(ChangedChannelSize), 8);
    EXPECT_EQ(RebuildGroupsForConfigChange(ChangedMatrixCols | ChangedMatrixSegments), 48);
    EXPECT_EQ(RebuildGroupsForConfigChange(0), 0);
}

TEST_F(FullSetFilesTest, StatisticsTableGetsItsNormWhenComparisonIsOn) {
    AddDraw({2, 4, 6, 1, 3});
    AddDraw({2, 4, 5, 7, 9});
    AddDraw({2, 4, 6, 8, 3});
    TStatTableRequest request;
    request.Registry = &Ws.Stats();
    request.MethodIndex = Method("EVEN");
    request.Draws = &Ws.DrawArchive();
    request.WindowLength = 10;

    SetPrefetchsEnabled(Ws, false);
    EXPECT_FALSE(ComputeStatTableWithNorm(Ws, request).HasComparison);

    SetPrefetchsEnabled(Ws, true);
    const TStatTable table = ComputeStatTableWithNorm(Ws, request);
    ASSERT_TRUE(table.HasComparison);
    EXPECT_EQ(table.AllCombinations.size(), 6u);
    // Counts 1 (2:3), 1 (3:2), 1 (4:1): scale = 1 / 124848, so 2:3 and 3:2 have norm 1.
    for (const TStatRow& row : table.Rows) {
        const int expected = row.Rec.Key.K1() == 2 || row.Rec.Key.K1() == 3 ? 1 : 0;
        EXPECT_EQ(row.Rec.Norm, expected) << row.Texts[scValue];
    }
}

}  // namespace
}  // namespace mv::test
