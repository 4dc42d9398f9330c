#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/support/config_file.h"
#include "engine/support/ui_hooks.h"

namespace mv {

// A proxy for one request. It is used only when Server is not empty and Port is not 0; the
// user name and password go to the proxy's authentication.
struct THttpProxyParams {
    std::string Server;
    std::uint16_t Port = 0;
    std::string Username;
    std::string Password;
};

// Everything a request needs besides its URL. Each request builds its own client from
// these; nothing carries over from one request to the next.
struct THttpOptions {
    std::optional<THttpProxyParams> Proxy;
    // Without an applicable Proxy: true takes the system's proxy settings (the usual
    // http_proxy / https_proxy / no_proxy environment variables), false goes direct.
    bool SystemProxy = false;
    // A server that does not accept the connection in this time fails the request.
    long ConnectTimeoutSeconds = 30;
    // A transfer that moves no byte for this long fails: a dead server must not hang the
    // program.
    long StallTimeoutSeconds = 60;
    // A certificate file trusted in place of the system's store (a local test server).
    std::string ExtraCaFile;
    // While a request waits, Checkpoint() is called so the front end keeps repainting.
    IUiHooks* Hooks = nullptr;
};

// The options that make requests go the way the stored proxy settings say: mode 2 through
// the stored proxy with its credentials, mode 1 through the system's settings, anything
// else direct.
THttpOptions HttpOptionsFor(const TProxy& proxy);

// The three headers every request carries.
inline constexpr const char* HttpAccept =
    "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
inline constexpr const char* HttpAcceptEncoding = "gzip, deflate, sdch";
inline constexpr const char* HttpUserAgent =
    "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) "
    "Chrome/47.0.2526.80 Safari/537.36";

// True when the URL begins with "https://" in any letter case.
bool IsHttpsUrl(const std::string& url);

// GET of the URL, redirects followed, the decoded body stored in `target`. The body goes to
// a temporary file beside the target that replaces it only when the transfer is complete:
// a failed request leaves the target as it was. HTTPS needs TLS 1.2 or newer and a server
// certificate that verifies for the host name. Throws EError with the reason (the HTTP
// client's, the HTTP status, or the file system's).
void HttpGetToFile(const std::string& url, const std::filesystem::path& target,
                   const THttpOptions& options = {});

// POST of the fields ("name=value" lines, in wire order) as
// application/x-www-form-urlencoded; returns the reply body's bytes unchanged.
std::string HttpPostForm(const std::string& url, const std::vector<std::string>& fields,
                         bool followRedirects, const THttpOptions& options = {});

// One form field percent-encoded byte by byte; a space becomes "+", unreserved characters
// (letters, digits, "-", "_", ".", "~") stay.
std::string FormEncode(const std::string& text);

}  // namespace mv
