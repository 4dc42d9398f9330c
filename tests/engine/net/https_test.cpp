#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "engine/core/errors.h"
#include "engine/net/http.h"
#include "test_support.h"

namespace mv {
namespace {

// A self-signed certificate for 127.0.0.1 made for this run, and an HTTPS server using it.
class HttpsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string command =
            "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 "
            "-addext subjectAltName=IP:127.0.0.1 -keyout '" +
            (dir / "key.pem").string() + "' -out '" + (dir / "cert.pem").string() +
            "' >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << "openssl could not make a certificate";
        server = std::make_unique<httplib::SSLServer>((dir / "cert.pem").c_str(),
                                                      (dir / "key.pem").c_str());
        ASSERT_TRUE(server->is_valid());
        server->Get("/file", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("secure body", "application/octet-stream");
        });
        port = server->bind_to_any_port("127.0.0.1");
        thread = std::thread([this] { server->listen_after_bind(); });
        while (!server->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    void TearDown() override {
        if (server) server->stop();
        if (thread.joinable()) thread.join();
    }
    std::string Url(const std::string& host, const std::string& scheme = "https") const {
        return scheme + "://" + host + ":" + std::to_string(port) + "/file";
    }

    test::TTempDir dir;
    std::unique_ptr<httplib::SSLServer> server;
    std::thread thread;
    int port = 0;
};

TEST_F(HttpsTest, UntrustedCertificateIsRefusedAndTheTargetKept) {
    const auto target = dir / "results.xlsx";
    test::WriteBytes(target, "old");
    THttpOptions o;
    o.ConnectTimeoutSeconds = 5;
    EXPECT_THROW(HttpGetToFile(Url("127.0.0.1"), target, o), EError);
    EXPECT_EQ(test::ReadBytes(target), "old");
}

TEST_F(HttpsTest, TrustedCertificateWorksOnlyForItsHost) {
    THttpOptions o;
    o.ConnectTimeoutSeconds = 5;
    o.ExtraCaFile = (dir / "cert.pem").string();
    HttpGetToFile(Url("127.0.0.1", "HTTPS"), dir / "ok", o);
    EXPECT_EQ(test::ReadBytes(dir / "ok"), "secure body");
    // The same server under a name the certificate does not carry.
    try {
        HttpGetToFile(Url("localhost"), dir / "bad", o);
        ADD_FAILURE() << "no error";
    } catch (const EError& e) {
        EXPECT_NE(std::string(e.what()).find("certificate"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "bad"));
}

}  // namespace
}  // namespace mv
