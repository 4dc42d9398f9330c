// The seed corpus of every harness, written by the program's own writers:
//   fuzz_replay --write-corpus <fuzz/corpus>
// Each reader gets a few small valid files; fuzzing starts from them and the replay tests run
// them. Run it again after a change of a file format and commit the files.
#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "engine/combs/comb_files.h"
#include "engine/combs/full_set_files.h"
#include "engine/core/game.h"
#include "engine/core/text_codec.h"
#include "engine/draws/archive_file.h"
#include "engine/draws/draws_csv.h"
#include "engine/net/service_codec.h"
#include "engine/ratings/ratings.h"
#include "engine/ratings/regulars.h"
#include "engine/scenarios/script_file.h"
#include "engine/scenarios/script_line.h"
#include "engine/scenarios/script_options.h"
#include "engine/stakes/stake_record.h"
#include "engine/stats/filter_item.h"
#include "engine/stats/stat_list.h"
#include "engine/stats/value_list.h"
#include "engine/support/config_file.h"
#include "engine/support/ini_file.h"
#include "operator_site.h"

namespace mv::fuzz {
namespace {

namespace fs = std::filesystem;

void Put(const fs::path& dir, const std::string& reader, const std::string& name,
         const std::string& bytes) {
    fs::create_directories(dir / reader);
    std::ofstream(dir / reader / name, std::ios::binary) << bytes;
}

TDrawsArray SampleDraws() {
    TDrawsArray draws(4);
    const std::uint8_t nums[4][5] = {
        {3, 17, 22, 30, 36}, {1, 2, 3, 4, 5}, {36, 12, 7, 25, 19}, {10, 11, 20, 21, 33}};
    for (std::size_t i = 0; i < draws.size(); ++i) {
        draws[i].Number = static_cast<std::int32_t>(i + 1);
        for (int j = 0; j < 5; ++j) draws[i].Nums[static_cast<std::size_t>(j)] = nums[i][j];
        draws[i].Extra = static_cast<std::uint8_t>(i + 2);
        draws[i].SetDate("0" + std::to_string(i + 1) + ".01.2024");
    }
    return draws;
}

// The parts of a zip file, by name.
std::map<std::string, std::string> ZipParts(const fs::path& file) {
    std::map<std::string, std::string> parts;
    int code = 0;
    zip_t* zip = zip_open(file.c_str(), ZIP_RDONLY, &code);
    if (!zip) return parts;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t st;
        if (zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &st) != 0) continue;
        zip_file_t* f = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0);
        if (!f) continue;
        std::string bytes(static_cast<std::size_t>(st.size), '\0');
        const zip_int64_t n = zip_fread(f, bytes.data(), st.size);
        zip_fclose(f);
        if (n >= 0) parts[st.name] = bytes.substr(0, static_cast<std::size_t>(n));
    }
    zip_discard(zip);
    return parts;
}

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteWorkbooks(const fs::path& dir) {
    const fs::path scratch = fs::temp_directory_path() / "mv_fuzz_corpus_workbook.xlsx";
    for (const bool inlineStrings : {false, true}) {
        test::WriteWorkbook(
            scratch,
            {test::HeadingRow(), test::DrawRow(1, "05.01.2024", {3, 17, 22, 30, 36}, 9),
             test::DrawRow(2, "12.01.2024", {1, 2, 3, 4, 5}, 1),
             test::TWorkbookRow{test::TFormattedNumber{45300.5, "dd.mm.yyyy hh:mm"}, 1.5,
                                std::string("текст")}},
            inlineStrings);
        const std::string name = inlineStrings ? "inline_strings.xlsx" : "shared_strings.xlsx";
        Put(dir, "workbook", name, ReadFile(scratch));
        const auto parts = ZipParts(scratch);
        auto part = [&](const char* n) {
            const auto it = parts.find(n);
            return it == parts.end() ? std::string() : it->second;
        };
        std::string joined = part("xl/worksheets/sheet1.xml");
        joined += '\0' + part("xl/sharedStrings.xml") + '\0' + part("xl/styles.xml");
        Put(dir, "workbook_xml", inlineStrings ? "inline_strings" : "shared_strings", joined);
    }
    fs::remove(scratch);
}

}  // namespace

int WriteCorpus(const fs::path& dir) {
    const TDrawsArray draws = SampleDraws();
    Put(dir, "archive", "draws.dat", EncodeArchive(draws));
    Put(dir, "draws_csv", "export.csv", DrawsToCsv(draws));
    Put(dir, "draws_csv", "dates_only.csv", "05.01.2024;3;17;22;30;36;9\r\n\xEF\xBB\xBF");

    TIniFile window = TIniFile::FromBytes("; окно\r\n");
    window.WriteInteger("TTemplateMain", "Left", 10);
    window.WriteInteger("TTemplateMain", "Width", 1024);
    window.WriteBool("TTemplateMain", "Maximized", true);
    window.WriteFloat("Графики", "Масштаб", 0.75L);
    window.WriteString("Графики", "Линии", "Сумма; Среднее");
    Put(dir, "ini", "window.ini", window.Serialize());
    Put(dir, "ini", "utf8_bom.ini", "\xEF\xBB\xBF[Раздел]\r\nКлюч=значение\r\n[Другой\r\nx=1\r\n");

    TConfigData config;
    config.Cost = 1000000;
    config.Profits = {{2, 2000000}, {3, 15000000}, {5, 1234567890}};
    config.Weights.CoefDeviation = -0.5L;
    TIniFile configIni = TIniFile::FromBytes("");
    WriteAnalysisSettings(configIni, config);
    configIni.WriteString("SHREDDING", "Formula1", "(n1+n2+n3)/(n4+n5)");
    configIni.WriteString("PROXY", "ProxyServer", "proxy.local");
    configIni.WriteInteger("PROXY", "ProxyPort", 3128);
    Put(dir, "config", "config.ini", configIni.Serialize());

    TStatList registry;
    registry.BuildMethods();
    registry.SetFavoritesText("NUMS,SUMS,ZZZ1");
    registry.Ordered = true;
    if (registry.MethodCount() > 1) registry.SetMethodText(1, "Мои суммы");
    TIniFile names = TIniFile::FromBytes("[STRINGS_RUS]\r\nZZZ9=чужой метод\r\n");
    registry.WriteNamesTo(names, true, false);
    Put(dir, "names", "names.flt", names.Serialize());

    TIniFile update = TIniFile::FromBytes("");
    update.WriteString("GlobalOptions", "DeleteBefore", "old.txt; tmp\\*.bak");
    update.WriteString("Marvolet_5z36", "VerId", "1.0.0.7");
    update.WriteString("Marvolet_5z36", "Description", "Исправления");
    update.WriteString("Marvolet_5z36", "DownloadUrl", "https://example.org/p.zip");
    update.WriteString("Marvolet_5z36", "ExecAfter", "setup.sh;");
    update.WriteString("Marvolet_5z36", "PackageSignature", Base64Encode("signature"));
    Put(dir, "update_description", "description.cfg", update.Serialize());

    const TScriptLines script = {
        ScriptLineText({ScriptOptionsText({0, slmFull, ssmRandom, false, false}),
                        {"TSD1#NUMS:10#LNO:#SF:1", "BMF2#SUMS:20#CMV:5#ST:4"},
                        "первая строка"}),
        "",
        ScriptLineText({ScriptOptionsText({3, slmExclude, ssmFirst, true, true}),
                        {"TSD1#NUMS:1-9;2#LNO:#SF:1"},
                        ""}),
    };
    Put(dir, "script_file", "scenario.lsc", Utf8ToCp1251(ScriptLinesToText(script)));
    Put(dir, "script_line", "lines.txt", ScriptLinesToText(script));

    std::string items;
    for (const char* text : {"TSD1#NUMS:10#LNO:#SF:1", "bmf5#sums:20#cmv:5#st", "FDB0#CHN1:7"}) {
        items += NormalizeItemText(text, registry) + "\r\n";
    }
    items += JoinValueList({10, 20, 30}, ";") + "\r\n1-10;3\r\n" + CoefficientText(-1.25L) + "\r\n";
    Put(dir, "filter_item", "items.txt", items);

    TCombsArray combs;
    for (const TDrawRec& d : draws) combs.Append(TComb{d.Nums});
    Put(dir, "comb_file", "list.lcv", CombinationsFileText(combs.Data(), combs.Count()));
    Put(dir, "clipboard", "rows.txt", CombinationsClipboardText(combs, {0, 1, 2, 3}));

    for (const char* code : {"SUMS", "NUMS"}) {
        const int m = registry.FindMethod(code);
        if (m < 0) continue;
        const auto stat = registry.CreateStat(registry.Method(m));
        Put(dir, "full_set", std::string(code) + ".dfc",
            EncodeFullSetFile(CountFullSetValues(*stat, combs.Data(), combs.Count())));
    }

    std::string stakes;
    TStakeRecord stake;
    stake.Kind = skScript;
    stake.DrawNumber = 5;
    stake.SampleSize = 120;
    const std::uint8_t staked[] = {3, 9, 17, 22, 30, 36};
    stake.Numbers.Assign(staked);
    stake.Profit = -60000;
    stake.Comment = "Сценарий @ FULL#RAND + TSD1#NUMS:10#LNO:#SF:1";
    for (const TStakeRecord& rec : {MakeStakeMarker(), stake}) {
        const TStakeBytes bytes = EncodeStakeRec(rec);
        stakes.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    Put(dir, "stakes", "stakes.lsk", stakes);

    TRatingRecord rating;
    rating.Name = stake.Comment;
    rating.Stakes = 4;
    rating.Matched = 5;
    rating.Histogram = {1, 1, 1, 1, 0, 0};
    rating.Profit = 123456;
    const TRatingBytes ratingBytes = EncodeRatingRec(rating);
    Put(dir, "ratings", "ratings.lrt",
        std::string(reinterpret_cast<const char*>(ratingBytes.data()), ratingBytes.size()));

    TTableRecord regular;
    regular.Comment = DefaultRegularComment;
    regular.Start = {1, 2, 3, 4, 5};
    regular.Current = {2, 3, 4, 5, 6};
    regular.Step = -7;
    regular.StakesMade = 3;
    const TRegularBytes regularBytes = EncodeRegularRec(regular);
    Put(dir, "regulars", "regulars.ltb",
        std::string(reinterpret_cast<const char*>(regularBytes.data()), regularBytes.size()));

    Put(dir, "systems", "5-12-0_0001.dat", "1 2 3 4 5\r\n6 7 8 9 10\r\n11 12 1 2 3\r\n");
    Put(dir, "systems", "separators.dat", "1*2+3,4-5\r\n6.7/8:9;10\r\n");

    const std::string row =
        "<row><id>7</id><key_cl_name>Автор</key_cl_name><key_cl_mail>user@example.org"
        "</key_cl_mail><key_cl_lcid>1049</key_cl_lcid><uniapps>1</uniapps><publics>1</publics>"
        "<created>2024-01-05 20:00:00</created><rating_avg>4,5</rating_avg><rating_cnt>2"
        "</rating_cnt><title>" +
        Base64Encode("Сценарий") + "</title><descr>" + Base64Encode("Описание") +
        "</descr><rate>5</rate><nums>12</nums><olap>0</olap>"
        "<csize>3</csize><url>https://example.org</url></row>";
    Put(dir, "catalog_reply", "list.txt", "<result>" + row + row + "</result>");
    Put(dir, "catalog_reply", "error.txt",
        "<result><row><error>Нет доступа</error></row></result>");
    Put(dir, "catalog_reply", "script.txt", ScriptLinesToText(script));
    Put(dir, "service_codec", "reply.txt", "<result>" + row + "</result>");
    Put(dir, "service_codec", "escaped.txt",
        EscapeServiceText("a\"b\\c?\r\n") + "<created>2024-02-29 23:59:59</created>");

    for (const char* formula : {"(n1+n2+n3)/(n4+n5)", "SQRT(n1*p1)+LN(t5)-2^-3^2",
                                "ROUND(n1/7)+FRAC(SIN(n2))*NOT(n3-n4)", "n1 0.5+p2/3"}) {
        static int index = 0;
        Put(dir, "shredding", "formula" + std::to_string(++index), formula);
    }

    WriteWorkbooks(dir);
    return 0;
}

}  // namespace mv::fuzz
