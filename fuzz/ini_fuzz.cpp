// Settings files (the configuration, window settings, names and update description share
// this reader): what is read is written back unchanged, reads the same again, and a written
// key reads back as written while every other line stays.
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/support/ini_file.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(ini) {
    using namespace mv;
    TIniFile ini = TIniFile::FromBytes(fuzz::AsText(data, size));
    const std::string text = ini.Serialize();
    MV_FUZZ_CHECK(TIniFile::FromBytes(text).Serialize() == text);

    // The first section's keys, as a program reads them.
    const TIniFile again = TIniFile::FromBytes(text);
    std::string firstSection;
    for (const std::string_view line : SplitTextLines(text)) {
        const std::string trimmed = Trim(line);
        if (trimmed.starts_with('[')) {
            firstSection = Cp1251ToUtf8(trimmed.substr(1, trimmed.find(']') - 1));
            break;
        }
    }
    if (firstSection.find(']') != std::string::npos) return 0;
    for (const std::string& key : ini.ReadSection(firstSection)) {
        MV_FUZZ_CHECK(ini.ValueExists(firstSection, key));
        (void)ini.ReadInteger(firstSection, key, 0);
        (void)ini.ReadFloat(firstSection, key, 0);
        (void)ini.ReadBool(firstSection, key, false);
        MV_FUZZ_CHECK(again.ReadString(firstSection, key, "") ==
                      ini.ReadString(firstSection, key, ""));
    }
    ini.WriteString(firstSection, "FuzzKey", "значение 1");
    const TIniFile written = TIniFile::FromBytes(ini.Serialize());
    MV_FUZZ_CHECK(written.ReadString(firstSection, "FuzzKey", "") == "значение 1");
    ini.DeleteKey(firstSection, "FuzzKey");
    MV_FUZZ_CHECK(!ini.ValueExists(firstSection, "FuzzKey"));
    ini.EraseSection(firstSection);
    MV_FUZZ_CHECK(!ini.SectionExists(firstSection));
    return 0;
}
