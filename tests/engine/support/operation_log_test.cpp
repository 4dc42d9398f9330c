#include "engine/support/operation_log.h"

#include <gtest/gtest.h>

#include "engine/core/text_utils.h"

namespace mv {
namespace {

TTransaction Step(std::uint8_t status, std::int64_t bytes = 0, const char* text = "") {
    TTransaction step = StartStep("Удаление файла \"a.txt\"");
    step.Status = status;
    step.Bytes = bytes;
    step.Text = text;
    step.Finished = EncodeDateTime({2024, 2, 1, 10, 20, 30, 0});
    return step;
}

class OperationLogFixture : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
    std::vector<std::pair<std::string, TRgb>> shown;
    TViewerSink viewer = [this](const std::string& text, TRgb colour) {
        shown.emplace_back(text, colour);
    };
};

TEST_F(OperationLogFixture, StartsClean) {
    const TOperation op = StartOperation("Удаление \"*.log\"");
    EXPECT_EQ(op.Name, "Удаление \"*.log\"");
    EXPECT_EQ(op.Status, ssDone);
    EXPECT_EQ(op.Finished, 0);
    EXPECT_GT(op.Started, 0);
    EXPECT_TRUE(op.Text.empty() && op.Steps.empty());
    EXPECT_EQ(op.Total + op.Processed + op.Skipped + op.Warnings + op.Errors, 0);
}

TEST_F(OperationLogFixture, StepsAreCountedByStatus) {
    TOperation op = StartOperation("op");
    EXPECT_FALSE(AddStep(op, Step(ssInformation, 999), sfShowMessage, viewer));
    EXPECT_FALSE(AddStep(op, Step(ssDone, 1024), sfShowMessage, viewer));
    EXPECT_FALSE(AddStep(op, Step(ssDone, 1024), sfShowMessage, viewer));
    EXPECT_FALSE(AddStep(op, Step(ssSkipped, 50), sfShowMessage, viewer));
    EXPECT_EQ(op.Status, ssDone);
    EXPECT_FALSE(AddStep(op, Step(ssWarning, 0, "Файл занят"), sfShowMessage, viewer));
    EXPECT_EQ(op.Status, ssWarning);
    // An error that will be retried is only listed.
    EXPECT_FALSE(AddStep(op, Step(ssError, 0, "x"), sfShowMessage | sfStopOnError, viewer, false));
    EXPECT_EQ(op.Errors, 0);
    EXPECT_EQ(op.Status, ssWarning);
    EXPECT_TRUE(
        AddStep(op, Step(ssError, 0, "Файл не найден"), sfShowMessage | sfStopOnError, viewer));
    EXPECT_EQ(op.Status, ssError);
    EXPECT_FALSE(AddStep(op, Step(ssStopped), 0, viewer));

    EXPECT_EQ(op.Steps.size(), 8u);
    EXPECT_EQ(op.Processed, 2);
    EXPECT_EQ(op.Bytes, 2048);
    EXPECT_EQ(op.Skipped, 1);
    EXPECT_EQ(op.Warnings, 1);
    EXPECT_EQ(op.Errors, 1);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].first,
              "[01.02.2024 10:20:30] Предупреждение при выполнении операции "
              "\"Удаление файла \"a.txt\"\":\r\nФайл занят!");
    EXPECT_EQ(shown[1].first,
              "[01.02.2024 10:20:30] Ошибка при выполнении операции "
              "\"Удаление файла \"a.txt\"\":\r\nФайл не найден!");
    EXPECT_EQ(shown[1].second, (TRgb{128, 0, 0}));
}

TEST_F(OperationLogFixture, ErrorFlagsDecideTheOperationStatus) {
    struct Case {
        unsigned flags;
        std::uint8_t status;
    } cases[] = {{0, ssError}, {sfErrorNotFailing, ssDone}, {sfErrorAsWarning, ssWarning}};
    for (const auto& c : cases) {
        TOperation op = StartOperation("op");
        EXPECT_FALSE(AddStep(op, Step(ssError), c.flags, viewer));
        EXPECT_EQ(op.Status, c.status) << c.flags;
        EXPECT_EQ(op.Errors, 1);
    }
    EXPECT_TRUE(shown.empty());  // no message without flag 8
}

TEST_F(OperationLogFixture, SummaryTexts) {
    TOperation op = StartOperation("op");
    op.Total = 3;
    AddStep(op, Step(ssDone, 2048), 0);
    AddStep(op, Step(ssSkipped), 0);
    FinishOperation(op, fkNothingIsError);
    EXPECT_EQ(op.Text,
              "Всего - 3, обработано - 1 ( 2,00 Kb ), пропущено - 1, предупреждений - 0, "
              "ошибок - 0.");
    EXPECT_EQ(op.Status, ssDone);
    EXPECT_GT(op.Finished, 0);

    TOperation big = StartOperation("op");
    big.Total = 1;
    AddStep(big, Step(ssDone, 1234567LL * 1024 + 512), 0);
    FinishOperation(big, 0);
    EXPECT_NE(big.Text.find("( 1 234 567,50 Kb )"), std::string::npos) << big.Text;

    TOperation none = StartOperation("op");
    AddStep(none, Step(ssDone, 0), 0);
    FinishOperation(none, fkNothingIsFine);
    EXPECT_EQ(none.Text,
              "Всего - 0, обработано - 1, пропущено - 0, предупреждений - 0, ошибок - 0.");
    EXPECT_EQ(none.Status, ssDone);
}

TEST_F(OperationLogFixture, NothingFoundCountsByKind) {
    const std::pair<int, std::uint8_t> cases[] = {
        {fkNothingIsFine, ssDone}, {fkNothingIsWarning, ssWarning}, {fkNothingIsError, ssError}};
    for (const auto& [kind, status] : cases) {
        TOperation op = StartOperation("op");
        FinishOperation(op, kind);
        EXPECT_EQ(op.Status, status) << kind;
        op = StartOperation("op");
        op.Total = 1;
        FinishOperation(op, kind);
        EXPECT_EQ(op.Status, ssDone) << kind;  // something was found
    }
    // "At least": a worse status stays.
    TOperation op = StartOperation("op");
    AddStep(op, Step(ssError), 0);
    FinishOperation(op, fkNothingIsWarning);
    EXPECT_EQ(op.Status, ssError);
}

}  // namespace
}  // namespace mv
