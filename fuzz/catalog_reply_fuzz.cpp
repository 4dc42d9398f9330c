// Replies of the catalogs' web service: the rows of a list, ratings or systems reply read
// field by field (a field that does not convert is refused with a message), and a
// downloaded scenario checked before anything uses it.
#include "engine/core/errors.h"
#include "engine/online/online_service.h"
#include "engine/online/script_catalog.h"
#include "engine/online/system_catalog.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(catalog_reply) {
    using namespace mv;
    const std::string reply(fuzz::AsText(data, size));
    TServiceClient client;
    client.AppId = ServiceAppId;
    client.UserMail = "user@example.org";
    try {
        WalkServiceReply(reply, [&](const std::string& row) {
            try {
                const TScriptInfo info = ScriptInfoOfRow(row, client);
                (void)ScriptCatalogRowTexts(info);
                (void)ScriptDataOf(info);
            } catch (const EError&) {
            }
            try {
                (void)ScriptRatingOfRow(row);
            } catch (const EError&) {
            }
            try {
                const TSystemInfo info = SystemInfoOfRow(row);
                (void)SystemCatalogRowTexts(info, false);
            } catch (const EError&) {
            }
            return true;
        });
    } catch (const EError&) {
    }
    try {
        const TScriptLines lines = CheckDownloadedScript(reply);
        for (const std::string& line : lines) MV_FUZZ_CHECK(IsValidUtf8(line));
    } catch (const EError&) {
    }
    return 0;
}
