#include "engine/export/export_params.h"

#include <gtest/gtest.h>

#include "engine/core/text_codec.h"
#include "engine/support/ini_file.h"
#include "test_support.h"

namespace mv {
namespace {

using test::TTempDir;

const std::string kDraws = ExportSectionName("FormMain", "lvDraws");

TExportField Field(int id, const char* name, const char* width = "10,00", bool checked = true) {
    return TExportField{id, eaLeft, checked, name, width, name};
}

TExportParams DrawsParams() {
    TExportParams p;
    p.Title = "Архив тиражей";
    p.SheetName = "Архив тиражей";
    p.Fields = {Field(0, "Тираж", "6,25"), Field(1, "Дата"), Field(2, "Номера")};
    return p;
}

TEST(ExportParams, WidthsAndAlignmentTexts) {
    EXPECT_EQ(ExportWidthFromPixels(200), "25,00");
    EXPECT_EQ(ExportWidthFromPixels(50), "6,25");
    EXPECT_DOUBLE_EQ(ExportColumnWidth("300"), 255);
    EXPECT_DOUBLE_EQ(ExportColumnWidth("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(ExportColumnWidth("12.50 симв"), 12.5);
    EXPECT_DOUBLE_EQ(ExportColumnWidth("нет"), 10);
    EXPECT_STREQ(ExportAlignmentText(eaCenter), "по центру");
    EXPECT_STREQ(ExportAlignmentText(eaRight), "по правому краю");
    EXPECT_EQ(kDraws, "EXPORT_EXCEL_FORMMAIN.LVDRAWS");
}

// Unchecking the second of three moves it to the end; checking it again puts it after the
// other checked fields.
TEST(ExportParams, CheckedFieldsComeFirst) {
    std::vector<TExportField> fields = {Field(0, "a"), Field(1, "b"), Field(2, "c")};
    fields[1].Checked = false;
    EXPECT_EQ(PartitionExportFields(fields, 1), 2);
    EXPECT_EQ(fields[0].Id, 0);
    EXPECT_EQ(fields[1].Id, 2);
    EXPECT_EQ(fields[2].Id, 1);
    fields[2].Checked = true;
    EXPECT_EQ(PartitionExportFields(fields, 2), 2);
    EXPECT_EQ(fields[2].Id, 1);
}

// A parameter file holds exactly these bytes (Windows-1251, CR LF, the keys in their order,
// no "RestoreParameters"), and reads back into the same parameters.
TEST(ExportParams, ParameterFileIsExactAndReadsBack) {
    TTempDir dir;
    TExportParams saved = DrawsParams();
    saved.Notes = "за год";
    saved.PageOrientation = 2;
    saved.BaseFontSize = 11;
    saved.Fields[0].Alignment = eaRight;
    saved.Fields[2].Checked = false;
    std::swap(saved.Fields[1], saved.Fields[2]);
    saved.Fields[1].Caption = "Выпавшие номера";
    const auto file = dir / "draws.exp";
    SaveExportParams(file, kDraws, TExportParamsOrigin::ParamFile, saved);
    EXPECT_EQ(test::ReadBytes(file), Utf8ToCp1251("[EXPORT_EXCEL_FORMMAIN.LVDRAWS]\r\n"
                                                  "Title=Архив тиражей\r\n"
                                                  "Notes=за год\r\n"
                                                  "ShowCreateTime=1\r\n"
                                                  "SheetName=Архив тиражей\r\n"
                                                  "PageOrientation=2\r\n"
                                                  "BaseFontSize=11\r\n"
                                                  "Item_0=0;Тираж;Тираж;-1;1;6,25\r\n"
                                                  "Item_1=2;Номера;Выпавшие номера;0;0;10,00\r\n"
                                                  "Item_2=1;Дата;Дата;-1;0;10,00\r\n"));

    TExportParams loaded = DrawsParams();
    loaded.Title = "другой";
    const auto result = RestoreExportParams(file, kDraws, TExportParamsOrigin::ParamFile, loaded);
    EXPECT_TRUE(result.SectionFound);
    EXPECT_TRUE(result.Errors.empty());
    EXPECT_EQ(loaded, saved);

    // Saving again over the file replaces the section and keeps what else the file holds.
    TIniFile other(file);
    other.WriteString("OTHER", "Key", "1");
    SaveExportParams(file, kDraws, TExportParamsOrigin::ParamFile, DrawsParams());
    EXPECT_EQ(TIniFile(file).ReadString("OTHER", "Key", ""), "1");
    EXPECT_FALSE(TIniFile(file).ValueExists(kDraws, "Item_3"));
}

// The configuration file keeps "RestoreParameters"; off, nothing else is restored. A title or
// notes the caller already has stay.
TEST(ExportParams, ConfigurationFileRestores) {
    TTempDir dir;
    const auto config = dir / "Marvolet_5z36.ini";
    TExportParams saved = DrawsParams();
    saved.Title = "Сохраненный";
    saved.Notes = "заметка";
    saved.BaseFontSize = 14;
    SaveExportParams(config, kDraws, TExportParamsOrigin::ConfigFile, saved);
    EXPECT_EQ(TIniFile(config).ReadSection(kDraws).front(), "RestoreParameters");

    TExportParams loaded = DrawsParams();
    RestoreExportParams(config, kDraws, TExportParamsOrigin::ConfigFile, loaded);
    EXPECT_EQ(loaded.Title, "Архив тиражей");
    EXPECT_EQ(loaded.Notes, "заметка");
    EXPECT_EQ(loaded.BaseFontSize, 14);

    saved.RestoreParameters = false;
    SaveExportParams(config, kDraws, TExportParamsOrigin::ConfigFile, saved);
    TExportParams untouched = DrawsParams();
    RestoreExportParams(config, kDraws, TExportParamsOrigin::ConfigFile, untouched);
    EXPECT_FALSE(untouched.RestoreParameters);
    EXPECT_EQ(untouched.BaseFontSize, 8);
}

// Items that do not fit are skipped one by one; the others still apply.
TEST(ExportParams, ItemsThatDoNotFitAreIgnored) {
    TTempDir dir;
    const auto file = dir / "items.exp";
    test::WriteBytes(file, Utf8ToCp1251("[EXPORT_EXCEL_FORMMAIN.LVDRAWS]\r\n"
                                        "Item_0=2;Номера;Но;мера;-1;0;10\r\n"   // seven words
                                        "Item_1=1;Другое;X;-1;0;10\r\n"         // wrong field
                                        "Item_2=2;НОМЕРА ;Шары;0;x;  7,5 \r\n"  // fits
                                        "Item_3=9;Нет;X;-1;0;10\r\n"));
    TExportParams p = DrawsParams();
    const auto result = RestoreExportParams(file, kDraws, TExportParamsOrigin::ParamFile, p);
    EXPECT_TRUE(result.Errors.empty());
    ASSERT_EQ(p.Fields.size(), 3u);
    EXPECT_EQ(p.Fields[0].Caption, "Тираж");
    EXPECT_EQ(p.Fields[1].Caption, "Дата");
    EXPECT_EQ(p.Fields[2].Caption, "Шары");
    EXPECT_FALSE(p.Fields[2].Checked);
    EXPECT_EQ(p.Fields[2].Alignment, eaLeft);
    EXPECT_EQ(p.Fields[2].Width, "7,5");
}

// Parameters of the draws list change nothing in the combinations list's export.
TEST(ExportParams, OtherSourcesSectionChangesNothing) {
    TTempDir dir;
    const auto file = dir / "draws.exp";
    TExportParams saved = DrawsParams();
    saved.BaseFontSize = 20;
    SaveExportParams(file, kDraws, TExportParamsOrigin::ParamFile, saved);
    TExportParams combs;
    combs.Title = "Комбинации";
    combs.Fields = {Field(0, "Тираж")};
    const TExportParams before = combs;
    const auto result = RestoreExportParams(file, ExportSectionName("FormMain", "lvCombs"),
                                            TExportParamsOrigin::ParamFile, combs);
    EXPECT_FALSE(result.SectionFound);
    EXPECT_EQ(combs, before);
}

TEST(ExportParams, FolderIsRemembered) {
    TTempDir dir;
    const auto config = dir / "Marvolet_5z36.ini";
    EXPECT_EQ(LoadExportFolder(config), std::filesystem::path());
    SaveExportFolder(config, dir / "Отчеты");
    EXPECT_EQ(LoadExportFolder(config), dir / "Отчеты");
}

}  // namespace
}  // namespace mv
