// The configuration file: every group read from any text (as the effective configuration
// shows it), and the analysis settings written back read again as the same values.
#include "engine/core/records.h"
#include "engine/support/config_file.h"
#include "engine/support/ini_file.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(config) {
    using namespace mv;
    const TIniFile ini = TIniFile::FromBytes(fuzz::AsText(data, size));
    (void)RenderEffectiveConfiguration(ini);

    TConfigData config;
    ReadAnalysisSettings(ini, config);
    TIniFile written = TIniFile::FromBytes("");
    WriteAnalysisSettings(written, config);
    TConfigData again;
    ReadAnalysisSettings(TIniFile::FromBytes(written.Serialize()), again);
    MV_FUZZ_CHECK(again == config);
    return 0;
}
