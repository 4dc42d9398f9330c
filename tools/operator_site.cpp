// A local stand-in for the lottery operator's web site, for tests and demonstrations.
//
//   operator_site --file WORKBOOK [--cert CERT --key KEY] [--delay SECONDS]
//                 [--proxy-user USER --proxy-password PASSWORD] [--port PORT]
//
// Listens on 127.0.0.1 (port 0: a free one) over HTTP, or over HTTPS with the certificate
// given, and prints the port on the first line of standard output. It ends when standard
// input reaches its end (so it never outlives the process that started it with a pipe) or on
// SIGTERM.
//
// Paths (the workbook is read at each request, so a test may replace it between requests):
//   /results.xlsx         the workbook
//   /gzip/results.xlsx    the workbook, gzip-compressed with "Content-Encoding: gzip"
//   /slow/results.xlsx    the workbook after --delay seconds (default 5) of silence
//   /cut/results.xlsx     the first half of the workbook, then the connection is closed
//   /redirect             a redirect to /results.xlsx (also /redirect/<n>: n redirects)
//   /404, /500            that status
//   /stats                "proxied=<count of requests served as a proxy>"
// A request that names a whole http URL (as sent to a proxy) is forwarded to that URL; with
// --proxy-user the request must carry matching Basic proxy credentials (407 otherwise).
#include <httplib.h>
#include <openssl/evp.h>
#include <zlib.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <thread>

namespace {

struct TOptions {
    std::string File;
    std::string Cert;
    std::string Key;
    int DelaySeconds = 5;
    int Port = 0;
    std::string ProxyUser;
    std::string ProxyPassword;
};

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string Gzip(const std::string& plain) {
    z_stream zs{};
    deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY);
    std::string packed(deflateBound(&zs, plain.size()), '\0');
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(plain.data()));
    zs.avail_in = static_cast<uInt>(plain.size());
    zs.next_out = reinterpret_cast<Bytef*>(packed.data());
    zs.avail_out = static_cast<uInt>(packed.size());
    deflate(&zs, Z_FINISH);
    packed.resize(zs.total_out);
    deflateEnd(&zs);
    return packed;
}

std::string Base64(const std::string& text) {
    std::string out(4 * ((text.size() + 2) / 3) + 1, '\0');
    const int n = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                                  reinterpret_cast<const unsigned char*>(text.data()),
                                  static_cast<int>(text.size()));
    out.resize(static_cast<std::size_t>(n));
    return out;
}

constexpr const char* kXlsxType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

class TSite {
public:
    explicit TSite(TOptions options) : m_options(std::move(options)) {}

    void Route(httplib::Server& server) {
        server.Get("/results.xlsx",
                   [this](const httplib::Request&, httplib::Response& res) { SendWorkbook(res); });
        server.Get("/gzip/results.xlsx", [this](const httplib::Request&, httplib::Response& res) {
            if (!SendWorkbook(res)) return;
            res.set_content(Gzip(res.body), kXlsxType);
            res.set_header("Content-Encoding", "gzip");
        });
        server.Get("/slow/results.xlsx", [this](const httplib::Request&, httplib::Response& res) {
            std::this_thread::sleep_for(std::chrono::seconds(m_options.DelaySeconds));
            SendWorkbook(res);
        });
        server.Get("/cut/results.xlsx", [this](const httplib::Request&, httplib::Response& res) {
            const auto body = ReadFile(m_options.File);
            if (!body) {
                res.status = 404;
                return;
            }
            const std::string half = body->substr(0, body->size() / 2);
            res.set_content_provider(body->size(), kXlsxType,
                                     [half](size_t offset, size_t, httplib::DataSink& sink) {
                                         if (offset > 0) return false;
                                         sink.write(half.data(), half.size());
                                         return true;
                                     });
        });
        server.Get("/redirect", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("/results.xlsx");
        });
        server.Get(R"(/redirect/(\d+))", [](const httplib::Request& req, httplib::Response& res) {
            const int n = std::stoi(req.matches[1]);
            res.set_redirect(n <= 1 ? std::string("/results.xlsx")
                                    : "/redirect/" + std::to_string(n - 1));
        });
        server.Get(R"(/(404|500))", [](const httplib::Request& req, httplib::Response& res) {
            res.status = std::stoi(req.matches[1]);
            res.set_content("status " + std::string(req.matches[1]), "text/plain");
        });
        server.Get("/stats", [this](const httplib::Request&, httplib::Response& res) {
            res.set_content("proxied=" + std::to_string(m_proxied.load()), "text/plain");
        });
        server.Get(
            R"((http://[^/]+)(/.*)?)",
            [this](const httplib::Request& req, httplib::Response& res) { Forward(req, res); });
    }

private:
    bool SendWorkbook(httplib::Response& res) {
        const auto body = ReadFile(m_options.File);
        if (!body) {
            res.status = 404;
            res.set_content("no workbook", "text/plain");
            return false;
        }
        res.set_content(*body, kXlsxType);
        return true;
    }

    void Forward(const httplib::Request& req, httplib::Response& res) {
        if (!m_options.ProxyUser.empty()) {
            const std::string expected =
                "Basic " + Base64(m_options.ProxyUser + ":" + m_options.ProxyPassword);
            if (req.get_header_value("Proxy-Authorization") != expected) {
                res.status = 407;
                res.set_header("Proxy-Authenticate", "Basic realm=\"operator_site\"");
                return;
            }
        }
        ++m_proxied;
        httplib::Client client(req.matches[1]);
        client.set_connection_timeout(5);
        client.set_read_timeout(30);
        const std::string path = req.matches[2].length() > 0 ? std::string(req.matches[2]) : "/";
        httplib::Headers headers;
        if (req.has_header("Accept-Encoding"))
            headers.emplace("Accept-Encoding", req.get_header_value("Accept-Encoding"));
        client.set_decompress(false);
        const auto answer = client.Get(path, headers);
        if (!answer) {
            res.status = 502;
            res.set_content("bad gateway", "text/plain");
            return;
        }
        res.status = answer->status;
        for (const char* name : {"Content-Encoding", "Location"}) {
            if (answer->has_header(name)) res.set_header(name, answer->get_header_value(name));
        }
        res.set_content(answer->body, answer->get_header_value("Content-Type"));
    }

    TOptions m_options;
    std::atomic<int> m_proxied{0};
};

std::optional<TOptions> ParseArgs(int argc, char** argv) {
    TOptions o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (arg == "--file") {
            o.File = value();
        } else if (arg == "--cert") {
            o.Cert = value();
        } else if (arg == "--key") {
            o.Key = value();
        } else if (arg == "--delay") {
            o.DelaySeconds = std::atoi(value().c_str());
        } else if (arg == "--port") {
            o.Port = std::atoi(value().c_str());
        } else if (arg == "--proxy-user") {
            o.ProxyUser = value();
        } else if (arg == "--proxy-password") {
            o.ProxyPassword = value();
        } else {
            return std::nullopt;
        }
    }
    if (o.File.empty() || o.Cert.empty() != o.Key.empty()) return std::nullopt;
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = ParseArgs(argc, argv);
    if (!options) {
        std::cerr << "usage: operator_site --file WORKBOOK [--cert CERT --key KEY] "
                     "[--delay SECONDS] [--port PORT] [--proxy-user U --proxy-password P]\n";
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN);
    std::unique_ptr<httplib::Server> server;
    if (options->Cert.empty()) {
        server = std::make_unique<httplib::Server>();
    } else {
        server = std::make_unique<httplib::SSLServer>(options->Cert.c_str(), options->Key.c_str());
    }
    if (!server->is_valid()) {
        std::cerr << "operator_site: the certificate or key cannot be used\n";
        return 1;
    }
    TSite site(*options);
    site.Route(*server);
    const int port = options->Port > 0
                         ? (server->bind_to_port("127.0.0.1", options->Port) ? options->Port : -1)
                         : server->bind_to_any_port("127.0.0.1");
    if (port <= 0) {
        std::cerr << "operator_site: cannot listen\n";
        return 1;
    }
    std::cout << port << std::endl;
    // The end of standard input stops the server.
    std::thread watcher([&server] {
        char buffer[256];
        while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
        }
        server->stop();
    });
    watcher.detach();
    server->listen_after_bind();
    return 0;
}
