// The names and favourites file: read into a fresh registry, written and read again into
// another one, the favourites, the display options and every method's name are the same.
#include "engine/stats/stat_list.h"
#include "engine/support/ini_file.h"
#include "fuzz_registry.h"
#include "fuzz_target.h"

namespace {

// Building the method list is the slow part; each input gets fresh copies of one built list.
mv::TStatList NewRegistry() {
    return mv::fuzz::BuiltRegistry();
}

}  // namespace

MV_FUZZ_TARGET(names) {
    using namespace mv;
    TStatList registry = NewRegistry();
    registry.ReadNamesFrom(TIniFile::FromBytes(fuzz::AsText(data, size)), true);

    TIniFile written = TIniFile::FromBytes(fuzz::AsText(data, size));
    registry.WriteNamesTo(written, true, false);
    TStatList again = NewRegistry();
    again.ReadNamesFrom(TIniFile::FromBytes(written.Serialize()), true);
    MV_FUZZ_CHECK(again.FavoritesText() == registry.FavoritesText());
    MV_FUZZ_CHECK(again.Ordered == registry.Ordered);
    MV_FUZZ_CHECK(again.ShowGroupName == registry.ShowGroupName);
    MV_FUZZ_CHECK(again.ShowMethodFlags == registry.ShowMethodFlags);
    for (int i = 0; i < registry.MethodCount(); ++i) {
        MV_FUZZ_CHECK(again.Method(i).UserName == registry.Method(i).UserName);
        (void)registry.MethodListText(i, true);
    }
    return 0;
}
