// An in-process HTTPS stand-in for the catalogs' web service: it records every posted form
// and answers each path with the reply the test set for it.
#pragma once

#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "engine/online/online_service.h"
#include "operator_site.h"
#include "test_support.h"

namespace mv::test {

// One received request: its path and its form fields in wire order, decoded.
struct TPosted {
    std::string Path;
    std::vector<std::pair<std::string, std::string>> Fields;
    std::string Body;

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& f : Fields) names.push_back(f.first);
        return names;
    }
    std::string Value(const std::string& name) const {
        for (const auto& f : Fields)
            if (f.first == name) return f.second;
        return "<missing>";
    }
};

// How a path answers.
enum class TReplyMode { Normal, Stall, Cut };

class TCatalogServer {
public:
    explicit TCatalogServer(const std::filesystem::path& dir) : m_dir(dir) {
        if (!MakeSelfSignedCertificate(dir)) throw std::runtime_error("no certificate");
        m_server = std::make_unique<httplib::SSLServer>((dir / "cert.pem").c_str(),
                                                        (dir / "key.pem").c_str());
        m_server->Post(R"(/scripts/.*)", [this](const httplib::Request& req,
                                                httplib::Response& res) { Answer(req, res); });
        m_port = m_server->bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server->listen_after_bind(); });
        while (!m_server->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~TCatalogServer() {
        m_server->stop();
        if (m_thread.joinable()) m_thread.join();
    }
    TCatalogServer(const TCatalogServer&) = delete;
    TCatalogServer& operator=(const TCatalogServer&) = delete;

    std::string Url() const { return "https://127.0.0.1:" + std::to_string(m_port); }
    std::filesystem::path CertFile() const { return m_dir / "cert.pem"; }

    // `path` such as "/scripts/scr_getlist.php".
    void SetReply(const std::string& path, std::string reply,
                  TReplyMode mode = TReplyMode::Normal) {
        std::lock_guard lock(m_mutex);
        m_replies[path] = {std::move(reply), mode};
    }
    std::vector<TPosted> Posted() const {
        std::lock_guard lock(m_mutex);
        return m_posted;
    }
    TPosted LastPosted() const {
        std::lock_guard lock(m_mutex);
        return m_posted.empty() ? TPosted{} : m_posted.back();
    }

    // A service over this server for the given user, with short time limits.
    TOnlineService Service(const std::string& userName = "Иван",
                           const std::string& userMail = "ivan@example.org") const {
        TOnlineService service;
        service.ServiceUrl = Url();
        service.CaFile = CertFile().string();
        service.Client.AppId = ServiceAppId;
        service.Client.AppVersion = "1.0.0.0";
        service.Client.UserName = userName;
        service.Client.UserMail = userMail;
        service.Http.ExtraCaFile = service.CaFile;
        service.Http.ConnectTimeoutSeconds = 5;
        service.Http.StallTimeoutSeconds = 1;
        return service;
    }

private:
    void Answer(const httplib::Request& req, httplib::Response& res) {
        TPosted posted;
        posted.Path = req.path;
        posted.Body = req.body;
        for (const auto& field : Split(req.body, '&')) {
            const auto eq = field.find('=');
            posted.Fields.emplace_back(Decode(field.substr(0, eq)),
                                       eq == std::string::npos ? "" : Decode(field.substr(eq + 1)));
        }
        std::pair<std::string, TReplyMode> reply;
        {
            std::lock_guard lock(m_mutex);
            m_posted.push_back(posted);
            reply = m_replies[req.path];
        }
        if (reply.second == TReplyMode::Normal) {
            res.set_content(reply.first, "text/html; charset=utf-8");
            return;
        }
        // Half of the reply, then silence (stall) or the end of the connection (cut). The type
        // keeps the server from compressing, which would hide the cut.
        const std::string half = reply.first.substr(0, reply.first.size() / 2);
        const bool stall = reply.second == TReplyMode::Stall;
        res.set_content_provider(
            reply.first.size(), "application/octet-stream",
            [half, stall](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                if (offset > 0) return false;
                sink.write(half.data(), half.size());
                if (stall) std::this_thread::sleep_for(std::chrono::seconds(3));
                return !stall;
            });
    }
    static std::vector<std::string> Split(const std::string& text, char separator) {
        std::vector<std::string> parts;
        std::size_t start = 0;
        while (start <= text.size() && !text.empty()) {
            const auto end = text.find(separator, start);
            parts.push_back(text.substr(start, end - start));
            if (end == std::string::npos) break;
            start = end + 1;
        }
        return parts;
    }
    static std::string Decode(const std::string& text) {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '+') {
                out += ' ';
            } else if (text[i] == '%' && i + 2 < text.size()) {
                out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else {
                out += text[i];
            }
        }
        return out;
    }

    std::filesystem::path m_dir;
    std::unique_ptr<httplib::SSLServer> m_server;
    std::thread m_thread;
    int m_port = 0;
    mutable std::mutex m_mutex;
    std::map<std::string, std::pair<std::string, TReplyMode>> m_replies;
    std::vector<TPosted> m_posted;
};

// Reply builders: "<result>" around the rows, each row "<row>...</row>".
inline std::string Reply(const std::vector<std::string>& rows) {
    std::string text = "<result>";
    for (const auto& row : rows) text += "<row>" + row + "</row>";
    return text + "</result>";
}
inline std::string Tag(const std::string& name, const std::string& value) {
    return "<" + name + ">" + value + "</" + name + ">";
}

}  // namespace mv::test
