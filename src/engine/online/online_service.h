#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/core/datetime.h"
#include "engine/core/messages.h"
#include "engine/net/http.h"
#include "engine/net/service_codec.h"
#include "engine/support/config_file.h"
#include "engine/support/ui_hooks.h"

namespace mv {

// The catalogs' web service as this program speaks to it: where it is, who asks, and how the
// requests go out. Every operation of the catalogs is one form POST to ServiceUrl + a fixed
// path; the reply is the service's tag text.
struct TOnlineService {
    std::string ServiceUrl;  // without a trailing slash; empty when none is configured
    std::string CaFile;      // trusted besides the system's store; empty for none
    TServiceClient Client;
    THttpOptions Http;  // the proxy of the settings, CaFile as ExtraCaFile, the hooks
};

inline constexpr TMsgText NoServiceUrlMessage{TMsg::NoServiceUrlMessage};

// One form field "name=value" of a request; ServiceEscField passes the value through
// EscapeServiceText first, as every free text sent to the service is.
inline std::string ServiceField(const char* name, const std::string& value) {
    return std::string(name) + "=" + value;
}
inline std::string ServiceField(const char* name, std::int64_t value) {
    return ServiceField(name, std::to_string(value));
}
inline std::string ServiceEscField(const char* name, const std::string& value) {
    return ServiceField(name, EscapeServiceText(value));
}

// The hooks of the service's requests, or hooks that do nothing when it has none.
IUiHooks& ServiceHooks(const TOnlineService& service);

// The Windows locale identifier of the interface language (Russian), which the catalogs send
// as "cl_lcid" and which a listed entry without a readable language takes.
inline constexpr std::int32_t InterfaceLcid = 1049;

// The program's version for the service: MV_VERSION completed to four numbers ("1.0.0.0").
std::string ServiceAppVersion();

// The service of the configuration file's section ONLINE with the requests routed as the
// proxy settings say. `hooks` (may be null) keeps the front end painting while a request
// waits. Throws the configuration file's read error.
TOnlineService OnlineServiceFor(const std::filesystem::path& configFile, const TProxy& proxy,
                                IUiHooks* hooks);

// POST of the fields to ServiceUrl + path, redirects followed; returns the reply. Throws
// EError with the bare reason (NoServiceUrlMessage, the transport's or the HTTP status's).
std::string PostServiceRequest(const TOnlineService& service, const std::string& path,
                               const std::vector<std::string>& fields);

// Walks a reply: the value of "<result>" ... "</result>", then its "<row>" ... "</row>" rows
// until an empty one, calling `onRow` with each row's text; `onRow` returns false to stop the
// walk. Returns false when "<result>" is empty (the reply carries nothing). Throws EError with
// the bare reason for a missing close tag, and for a row with a non-empty "<error>" element
// (its text is the reason) before that row reaches `onRow`.
bool WalkServiceReply(const std::string& reply,
                      const std::function<bool(const std::string& row)>& onRow);

// Elements of one row. A missing element reads as empty.
std::string RowValue(const std::string& row, const std::string& tag);
// A whole number; throws EConvertError for anything else.
std::int32_t RowInt(const std::string& row, const std::string& tag);
// A whole number, or `def` when the element is empty or not a number.
std::int32_t RowIntDef(const std::string& row, const std::string& tag, std::int32_t def);
// UTF-8 text with every malformed byte made "?".
std::string RowUtf8(const std::string& row, const std::string& tag);
// Base64 of UTF-8 text, decoded; malformed bytes become "?".
std::string RowBase64Utf8(const std::string& row, const std::string& tag);
// A service time (UTC) as local time; 0 when empty; throws EConvertError when malformed.
TDateTime RowTime(const std::string& row, const std::string& tag);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(const std::string& text);
// The text with every byte that does not belong to a well-formed UTF-8 sequence made "?".
std::string SanitizeUtf8(const std::string& text);

// A local time as the catalogs' lists show it, "yyyy-mm-dd hh:mm:ss"; empty for 0.
std::string CatalogTimeText(TDateTime value);

// The three-letter abbreviated name of a Windows language identifier ("RUS" for 1049);
// empty for an identifier the program does not know.
std::string LanguageAbbreviation(std::int32_t lcid);

}  // namespace mv
