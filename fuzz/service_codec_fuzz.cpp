// The web service's text codecs over any reply text: tag values (found, cut and walked),
// times, Base64 (what decodes encodes back to text that decodes the same), the escapes, and
// the UTF-8 cleaning every shown value goes through.
#include "engine/core/errors.h"
#include "engine/net/service_codec.h"
#include "engine/online/online_service.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(service_codec) {
    using namespace mv;
    const std::string text(fuzz::AsText(data, size));
    for (const TMissingClose mode :
         {TMissingClose::Empty, TMissingClose::TakeRest, TMissingClose::Raise}) {
        try {
            (void)ExtractTagValue(text, "<row>", "</row>", mode);
            (void)ExtractTagValue(text, "<a>", "", mode);
            std::string rest = text;
            for (int i = 0; i < 64 && !rest.empty(); ++i) {
                const std::size_t before = rest.size();
                if (TakeTagValue(rest, "<row>", "</row>", mode).empty()) break;
                MV_FUZZ_CHECK(rest.size() < before);
            }
        } catch (const EError&) {
        }
    }
    try {
        (void)ParseServiceTime(text);
    } catch (const EError&) {
    }
    try {
        (void)RowTime(text, "created");
    } catch (const EError&) {
    }
    try {
        (void)RowInt(text, "id");
    } catch (const EError&) {
    }
    try {
        (void)RowIntDef(text, "id", 0);
        (void)RowUtf8(text, "name");
        (void)RowBase64Utf8(text, "title");
    } catch (const EError&) {
    }

    const std::string decoded = Base64Decode(text);
    MV_FUZZ_CHECK(Base64Decode(Base64Encode(decoded)) == decoded);
    (void)EscapeServiceText(text);
    const std::string clean = SanitizeUtf8(text);
    MV_FUZZ_CHECK(IsValidUtf8(clean));
    if (IsValidUtf8(text)) MV_FUZZ_CHECK(clean == text);
    return 0;
}
