// The update description: its fields read from any text, and the lists and build numbers
// taken from them.
#include "engine/support/ini_file.h"
#include "engine/update/self_update.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(update_description) {
    using namespace mv;
    const TIniFile ini = TIniFile::FromBytes(fuzz::AsText(data, size));
    for (const char* section : {"Marvolet_5z36", "marvolet_5z36"}) {
        const TUpdateVersionData d = ReadUpdateVersionData(ini, section, "1.0.0.1");
        (void)UpdateAvailable("1.0.0.1", d);
        (void)BuildNumber(d.VerId);
        for (const std::string* list :
             {&d.GlobalDeleteAfter, &d.GlobalDeleteBefore, &d.GlobalExecAfter, &d.GlobalExecBefore,
              &d.DeleteAfter, &d.DeleteBefore, &d.ExecAfter, &d.ExecBefore}) {
            for (const std::string& name : UpdateListNames(*list)) MV_FUZZ_CHECK(!name.empty());
        }
    }
    return 0;
}
