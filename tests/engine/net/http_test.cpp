#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include <zlib.h>

#include "engine/core/errors.h"
#include "engine/net/http.h"
#include "test_support.h"

namespace mv {
namespace {

// A local server on a free port of 127.0.0.1 with a few fixed answers.
class TLocalServer {
public:
    TLocalServer() {
        m_server.Get("/file", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("new body", "application/octet-stream");
        });
        // A body sent compressed: gzip (windowBits 31) or zlib "deflate" (15).
        m_server.Get(R"(/(gzip|deflate))", [](const httplib::Request& req, httplib::Response& res) {
            const std::string plain(5000, 'z');
            const bool gzip = req.matches[1] == "gzip";
            z_stream zs{};
            deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, gzip ? 31 : 15, 8,
                         Z_DEFAULT_STRATEGY);
            std::string packed(deflateBound(&zs, plain.size()), '\0');
            zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(plain.data()));
            zs.avail_in = static_cast<uInt>(plain.size());
            zs.next_out = reinterpret_cast<Bytef*>(packed.data());
            zs.avail_out = static_cast<uInt>(packed.size());
            deflate(&zs, Z_FINISH);
            packed.resize(zs.total_out);
            deflateEnd(&zs);
            res.set_header("Content-Encoding", gzip ? "gzip" : "deflate");
            res.set_content(packed, "application/octet-stream");
        });
        m_server.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("not here", "text/plain");
        });
        m_server.Get("/moved", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("/file");
        });
        m_server.Get("/slow", [](const httplib::Request&, httplib::Response& res) {
            std::this_thread::sleep_for(std::chrono::seconds(3));
            res.set_content("late", "text/plain");
        });
        m_server.Get("/cut", [](const httplib::Request&, httplib::Response& res) {
            res.set_content_provider(100, "application/octet-stream",
                                     [](size_t offset, size_t, httplib::DataSink& sink) {
                                         if (offset > 0) return false;
                                         sink.write("0123456789", 10);
                                         return true;
                                     });
        });
        m_server.Get("/headers", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(req.get_header_value("Accept") + "|" +
                                req.get_header_value("Accept-Encoding") + "|" +
                                req.get_header_value("User-Agent"),
                            "text/plain");
        });
        m_server.Post("/form", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(req.get_header_value("Content-Type") + "|" + req.body, "text/plain");
        });
        // Requests sent through a proxy name the whole URL; the server answers them as the
        // proxy would, and records that it was asked that way.
        m_server.Get(R"(http://.*)", [this](const httplib::Request& req, httplib::Response& res) {
            m_proxied = true;
            m_proxyAuth = req.get_header_value("Proxy-Authorization");
            if (m_proxyAuth.empty()) {
                res.status = 407;
                res.set_header("Proxy-Authenticate", "Basic realm=\"proxy\"");
                return;
            }
            res.set_content("via proxy", "text/plain");
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        while (!m_server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~TLocalServer() {
        m_server.stop();
        m_thread.join();
    }
    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(m_port) + path;
    }
    int Port() const { return m_port; }
    bool Proxied() const { return m_proxied; }
    std::string ProxyAuth() const { return m_proxyAuth; }

private:
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
    std::atomic<bool> m_proxied{false};
    std::string m_proxyAuth;
};

class HttpTest : public ::testing::Test {
protected:
    TLocalServer server;
    test::TTempDir dir;
    THttpOptions Quick() const {
        THttpOptions o;
        o.ConnectTimeoutSeconds = 2;
        o.StallTimeoutSeconds = 1;
        return o;
    }
};

TEST_F(HttpTest, DownloadReplacesALongerFileWithExactlyTheBody) {
    const auto target = dir / "results.xlsx";
    test::WriteBytes(target, std::string(1000, 'x'));
    HttpGetToFile(server.Url("/file"), target, Quick());
    EXPECT_EQ(test::ReadBytes(target), "new body");
    HttpGetToFile(server.Url("/moved"), dir / "other", Quick());
    EXPECT_EQ(test::ReadBytes(dir / "other"), "new body");
}

TEST_F(HttpTest, CompressedBodiesAreStoredDecoded) {
    for (const char* path : {"/gzip", "/deflate"}) {
        HttpGetToFile(server.Url(path), dir / "z", Quick());
        EXPECT_EQ(test::ReadBytes(dir / "z"), std::string(5000, 'z')) << path;
    }
}

TEST_F(HttpTest, FailedDownloadLeavesTheTargetAndNoTemporaryFile) {
    const auto target = dir / "results.xlsx";
    for (const char* path : {"/missing", "/cut", "/slow"}) {
        test::WriteBytes(target, "old");
        try {
            HttpGetToFile(server.Url(path), target, Quick());
            ADD_FAILURE() << path << ": no error";
        } catch (const EError& e) {
            EXPECT_NE(std::string(e.what()), "") << path;
            if (std::string(path) == "/missing") {
                EXPECT_STREQ(e.what(), "HTTP 404");
            }
        }
        EXPECT_EQ(test::ReadBytes(target), "old") << path;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                                std::filesystem::directory_iterator()),
                  1)
            << path;
    }
}

// While the server thinks, the front end is given its turns to repaint.
TEST_F(HttpTest, WaitingRequestKeepsCallingTheFrontEnd) {
    struct TCounting : TSilentUiHooks {
        int Calls = 0;
        bool Checkpoint() override {
            ++Calls;
            return false;
        }
    } hooks;
    THttpOptions o = Quick();
    o.StallTimeoutSeconds = 10;
    o.Hooks = &hooks;
    HttpGetToFile(server.Url("/slow"), dir / "s", o);
    EXPECT_EQ(test::ReadBytes(dir / "s"), "late");
    EXPECT_GT(hooks.Calls, 10);
}

TEST_F(HttpTest, UnwritableTargetFailsBeforeTheNetwork) {
    EXPECT_THROW(HttpGetToFile(server.Url("/file"), dir / "no-dir" / "f", Quick()), EError);
}

TEST_F(HttpTest, RequestsCarryTheFixedHeaders) {
    HttpGetToFile(server.Url("/headers"), dir / "h", Quick());
    EXPECT_EQ(test::ReadBytes(dir / "h"),
              std::string(HttpAccept) + "|" + HttpAcceptEncoding + "|" + HttpUserAgent);
}

TEST_F(HttpTest, PostSendsTheFieldsFormEncodedInOrder) {
    const std::string reply =
        HttpPostForm(server.Url("/form"), {"b=1 2", "a=x&y=Ж", "c="}, true, Quick());
    EXPECT_EQ(reply, "application/x-www-form-urlencoded|b=1+2&a=x%26y%3D%D0%96&c=");
}

TEST_F(HttpTest, ManualProxyCarriesTheRequestAndItsCredentials) {
    THttpOptions o = Quick();
    o.Proxy = THttpProxyParams{"127.0.0.1", static_cast<std::uint16_t>(server.Port()), "u", "p"};
    // The target host does not exist: only the proxy can answer.
    HttpGetToFile("http://draws.invalid/file", dir / "p", o);
    EXPECT_EQ(test::ReadBytes(dir / "p"), "via proxy");
    EXPECT_TRUE(server.Proxied());
    EXPECT_EQ(server.ProxyAuth(), "Basic dTpw");
}

TEST_F(HttpTest, ProxyWithoutServerOrPortIsIgnored) {
    for (const THttpProxyParams& proxy :
         {THttpProxyParams{"", 8080, "", ""}, THttpProxyParams{"127.0.0.1", 0, "", ""}}) {
        THttpOptions o = Quick();
        o.Proxy = proxy;
        HttpGetToFile(server.Url("/file"), dir / "d", o);
        EXPECT_EQ(test::ReadBytes(dir / "d"), "new body");
    }
    EXPECT_FALSE(server.Proxied());
}

TEST(HttpProxyOptions, StoredModeDecidesTheRoute) {
    TProxy stored{2, "proxy.local", 3128, "user", "secret", true};
    THttpOptions manual = HttpOptionsFor(stored);
    ASSERT_TRUE(manual.Proxy);
    EXPECT_EQ(manual.Proxy->Server, "proxy.local");
    EXPECT_EQ(manual.Proxy->Port, 3128);
    EXPECT_EQ(manual.Proxy->Username, "user");
    EXPECT_EQ(manual.Proxy->Password, "secret");
    stored.Mode = 1;
    EXPECT_FALSE(HttpOptionsFor(stored).Proxy);
    EXPECT_TRUE(HttpOptionsFor(stored).SystemProxy);
    stored.Mode = 0;
    EXPECT_FALSE(HttpOptionsFor(stored).Proxy);
    EXPECT_FALSE(HttpOptionsFor(stored).SystemProxy);
    stored = {2, "proxy.local", 70000, "", "", true};
    EXPECT_EQ(HttpOptionsFor(stored).Proxy->Port, 0);  // out of range: ignored
}

TEST(HttpUrl, HttpsIsDecidedByTheSchemeInAnyCase) {
    EXPECT_TRUE(IsHttpsUrl("https://a"));
    EXPECT_TRUE(IsHttpsUrl("HTTPS://a"));
    EXPECT_FALSE(IsHttpsUrl("http://a"));
    EXPECT_FALSE(IsHttpsUrl("ftp://https://"));
    EXPECT_FALSE(IsHttpsUrl("https:"));
}

}  // namespace
}  // namespace mv
