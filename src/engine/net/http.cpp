#include "engine/net/http.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "engine/core/errors.h"
#include "engine/core/messages.h"

namespace mv {
namespace {

// libcurl's global set-up is done once, before the first handle.
void EnsureCurlInitialized() {
    static const bool done = [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        return true;
    }();
    (void)done;
}

struct TCurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct TSlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using TCurlPtr = std::unique_ptr<CURL, TCurlDeleter>;
using TSlistPtr = std::unique_ptr<curl_slist, TSlistDeleter>;

int ProgressCallback(void* data, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    // Stop requests are not honoured here: the busy state keeps every command disabled, and
    // a request ends through its own timeouts.
    if (auto* hooks = static_cast<IUiHooks*>(data)) hooks->Checkpoint();
    return 0;
}

// Builds one client for one request: decoders, TLS, proxy, timeouts and headers.
TCurlPtr BuildRequest(const std::string& url, const THttpOptions& options, bool followRedirects,
                      TSlistPtr& headers, char* errorBuffer) {
    EnsureCurlInitialized();
    TCurlPtr curl(curl_easy_init());
    if (!curl) throw EError(Msg(TMsg::HttpClientError));
    CURL* h = curl.get();
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    // Only the two schemes this program speaks, also after a redirect.
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    // Decoders for gzip and deflate bodies.
    curl_easy_setopt(h, CURLOPT_ACCEPT_ENCODING, "gzip, deflate");
    curl_easy_setopt(h, CURLOPT_SSLVERSION, static_cast<long>(CURL_SSLVERSION_TLSv1_2));
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!options.ExtraCaFile.empty())
        curl_easy_setopt(h, CURLOPT_CAINFO, options.ExtraCaFile.c_str());

    const bool proxied =
        options.Proxy && !options.Proxy->Server.empty() && options.Proxy->Port != 0;
    if (proxied) {
        curl_easy_setopt(h, CURLOPT_PROXY, options.Proxy->Server.c_str());
        curl_easy_setopt(h, CURLOPT_PROXYPORT, static_cast<long>(options.Proxy->Port));
        curl_easy_setopt(h, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
        if (!options.Proxy->Username.empty()) {
            curl_easy_setopt(h, CURLOPT_PROXYUSERNAME, options.Proxy->Username.c_str());
            curl_easy_setopt(h, CURLOPT_PROXYPASSWORD, options.Proxy->Password.c_str());
            curl_easy_setopt(h, CURLOPT_PROXYAUTH, static_cast<long>(CURLAUTH_ANY));
        }
    } else if (!options.SystemProxy) {
        // An empty proxy string stops libcurl from reading the environment's proxy.
        curl_easy_setopt(h, CURLOPT_PROXY, "");
    }

    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, followRedirects ? 1L : 0L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, options.ConnectTimeoutSeconds);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, options.StallTimeoutSeconds);
    curl_easy_setopt(h, CURLOPT_FAILONERROR, 1L);

    curl_slist* list = nullptr;
    list = curl_slist_append(list, (std::string("Accept: ") + HttpAccept).c_str());
    list = curl_slist_append(list, (std::string("Accept-Encoding: ") + HttpAcceptEncoding).c_str());
    list = curl_slist_append(list, (std::string("User-Agent: ") + HttpUserAgent).c_str());
    headers.reset(list);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, list);

    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &ProgressCallback);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, static_cast<void*>(options.Hooks));
    return curl;
}

// The reason of a failed transfer: the client's detailed text, or the HTTP status.
[[noreturn]] void RaiseTransferError(CURL* h, CURLcode code, const char* errorBuffer) {
    long status = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    if (code == CURLE_HTTP_RETURNED_ERROR && status != 0)
        throw EError("HTTP " + std::to_string(status));
    std::string reason = errorBuffer[0] ? errorBuffer : curl_easy_strerror(code);
    throw EError(reason);
}

size_t WriteToFile(char* data, size_t size, size_t count, void* user) {
    const int fd = *static_cast<int*>(user);
    const size_t total = size * count;
    size_t done = 0;
    while (done < total) {
        const ssize_t n = ::write(fd, data + done, total - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return 0;  // makes libcurl fail the transfer with a write error
        }
        done += static_cast<size_t>(n);
    }
    return total;
}

size_t WriteToString(char* data, size_t size, size_t count, void* user) {
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}

// Removes the temporary file unless it was renamed over the target.
class TTempFile {
public:
    explicit TTempFile(const std::filesystem::path& target) {
        std::string pattern = target.string() + ".XXXXXX";
        m_fd = ::mkstemp(pattern.data());
        if (m_fd < 0) throw EError(SystemMessage(errno));
        m_path = pattern;
    }
    ~TTempFile() {
        if (m_fd >= 0) ::close(m_fd);
        if (!m_kept) ::unlink(m_path.c_str());
    }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;
    int& Fd() { return m_fd; }
    void Commit(const std::filesystem::path& target) {
        if (::fsync(m_fd) != 0 || ::close(m_fd) != 0) {
            m_fd = -1;
            throw EError(SystemMessage(errno));
        }
        m_fd = -1;
        // A new file gets the usual permissions rather than mkstemp's private ones.
        ::chmod(m_path.c_str(), 0644);
        if (::rename(m_path.c_str(), target.c_str()) != 0) throw EError(SystemMessage(errno));
        m_kept = true;
    }

private:
    std::string m_path;
    int m_fd = -1;
    bool m_kept = false;
};

}  // namespace

THttpOptions HttpOptionsFor(const TProxy& proxy) {
    THttpOptions options;
    if (proxy.Mode == 2) {
        THttpProxyParams params;
        params.Server = proxy.Server;
        params.Port = (proxy.Port > 0 && proxy.Port <= 65535)
                          ? static_cast<std::uint16_t>(proxy.Port)
                          : std::uint16_t{0};
        params.Username = proxy.Username;
        params.Password = proxy.Password;
        options.Proxy = params;
    } else if (proxy.Mode == 1) {
        options.SystemProxy = true;
    }
    return options;
}

bool IsHttpsUrl(const std::string& url) {
    static constexpr std::string_view scheme = "https://";
    if (url.size() < scheme.size()) return false;
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        char c = url[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != scheme[i]) return false;
    }
    return true;
}

void HttpGetToFile(const std::string& url, const std::filesystem::path& target,
                   const THttpOptions& options) {
    // The file is made before any network access: a directory that cannot be written fails
    // at once.
    TTempFile temp(target);
    char errorBuffer[CURL_ERROR_SIZE] = {};
    TSlistPtr headers;
    TCurlPtr curl = BuildRequest(url, options, true, headers, errorBuffer);
    curl_easy_setopt(curl.get(), CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, &WriteToFile);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, static_cast<void*>(&temp.Fd()));
    const CURLcode code = curl_easy_perform(curl.get());
    if (code != CURLE_OK) RaiseTransferError(curl.get(), code, errorBuffer);
    temp.Commit(target);
}

std::string FormEncode(const std::string& text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '_' || c == '.' || c == '~') {
            out += static_cast<char>(c);
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string HttpPostForm(const std::string& url, const std::vector<std::string>& fields,
                         bool followRedirects, const THttpOptions& options) {
    std::string body;
    for (const std::string& field : fields) {
        if (!body.empty()) body += '&';
        const std::size_t eq = field.find('=');
        if (eq == std::string::npos) {
            body += FormEncode(field);
        } else {
            body += FormEncode(field.substr(0, eq)) + '=' + FormEncode(field.substr(eq + 1));
        }
    }
    char errorBuffer[CURL_ERROR_SIZE] = {};
    TSlistPtr headers;
    TCurlPtr curl = BuildRequest(url, options, followRedirects, headers, errorBuffer);
    headers.reset(
        curl_slist_append(headers.release(), "Content-Type: application/x-www-form-urlencoded"));
    curl_easy_setopt(curl.get(), CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(curl.get(), CURLOPT_POST, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(curl.get(), CURLOPT_COPYPOSTFIELDS, body.c_str());
    // A 301/302/303 after a POST keeps the POST, as a browser form sender would not, but the
    // web service expects its fields again at the new address.
    curl_easy_setopt(curl.get(), CURLOPT_POSTREDIR, static_cast<long>(CURL_REDIR_POST_ALL));
    std::string reply;
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, &WriteToString);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, static_cast<void*>(&reply));
    const CURLcode code = curl_easy_perform(curl.get());
    if (code != CURLE_OK) RaiseTransferError(curl.get(), code, errorBuffer);
    return reply;
}

}  // namespace mv
