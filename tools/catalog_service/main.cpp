// The maker's web service for a club or a family: the scenario catalog, the systems catalog
// and the program's update files, over one SQLite database.
//
//   catalog_service serve --db DB [--cert CERT --key KEY] [--host ADDR] [--port PORT]
//                         [--max-body BYTES]
//   catalog_service release --db DB --signing-key KEY.pem --base-url URL --program NAME
//                         --version A.B.C.D --package FILE.zip [--description TEXT]
//                         [--notes FILE.txt] [--lang LANG] [--original-name NAME]
//                         [--delete-before LIST] [--delete-after LIST]
//                         [--exec-before LIST] [--exec-after LIST]
//
// serve listens on ADDR (default 127.0.0.1; port 0: a free one) over HTTPS with the
// certificate given, or plain HTTP without one, and prints the port on the first line of
// standard output. It ends on SIGTERM or SIGINT, and when standard input is a pipe, also at
// its end (so a test's server never outlives the test).
#include <httplib.h>
#include <signal.h>
#include <sys/stat.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "catalog.h"
#include "database.h"
#include "release.h"

namespace {

using TArgs = std::map<std::string, std::string>;

// "--name value" pairs; nullopt for a lone or repeated option or one not in `known`.
std::optional<TArgs> ParseArgs(int argc, char** argv, std::initializer_list<const char*> known) {
    TArgs args;
    for (int i = 2; i < argc; i += 2) {
        const std::string name = argv[i];
        bool ok = false;
        for (const char* k : known) ok = ok || name == k;
        if (!ok || i + 1 >= argc || !args.emplace(name, argv[i + 1]).second) return std::nullopt;
    }
    return args;
}

std::string Arg(const TArgs& args, const char* name) {
    const auto it = args.find(name);
    return it == args.end() ? std::string() : it->second;
}

bool ParseSize(const std::string& text, std::size_t& value) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc() && ptr == text.data() + text.size();
}

// stop() is lost on a server that is not listening yet; a request to stop may come that early.
void StopWhenRunning(httplib::Server& server) {
    while (!server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    server.stop();
}

int Usage() {
    std::cerr << "Использование:\n"
                 "  catalog_service serve --db БАЗА [--cert СЕРТИФИКАТ --key КЛЮЧ] [--host "
                 "АДРЕС]\n"
                 "                        [--port ПОРТ] [--max-body БАЙТ]\n"
                 "  catalog_service release --db БАЗА --signing-key КЛЮЧ.pem --base-url АДРЕС\n"
                 "                        --program ИМЯ --version A.B.C.D --package ФАЙЛ.zip\n"
                 "                        [--description ТЕКСТ] [--notes ФАЙЛ.txt] [--lang "
                 "ЯЗЫК]\n"
                 "                        [--original-name ИМЯ] [--delete-before СПИСОК]\n"
                 "                        [--delete-after СПИСОК] [--exec-before СПИСОК]\n"
                 "                        [--exec-after СПИСОК]\n";
    return 2;
}

int Serve(const TArgs& args) {
    const std::string db = Arg(args, "--db");
    const std::string cert = Arg(args, "--cert");
    const std::string key = Arg(args, "--key");
    const std::string host = args.count("--host") ? Arg(args, "--host") : "127.0.0.1";
    std::size_t port = 0;
    std::size_t maxBody = 1024 * 1024;
    if (db.empty() || cert.empty() != key.empty() ||
        (args.count("--port") && (!ParseSize(Arg(args, "--port"), port) || port > 65535)) ||
        (args.count("--max-body") && (!ParseSize(Arg(args, "--max-body"), maxBody) || !maxBody)))
        return Usage();

    // The signals are taken by a thread of their own; every other thread blocks them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    std::unique_ptr<catalog::TDatabase> database;
    try {
        database = std::make_unique<catalog::TDatabase>(db);
    } catch (const std::exception& e) {
        std::cerr << "catalog_service: не удалось открыть базу \"" << db << "\": " << e.what()
                  << "\n";
        return 1;
    }
    catalog::TCatalog catalog(*database);

    std::unique_ptr<httplib::Server> server;
    if (cert.empty()) {
        server = std::make_unique<httplib::Server>();
    } else {
        server = std::make_unique<httplib::SSLServer>(cert.c_str(), key.c_str());
    }
    if (!server->is_valid()) {
        std::cerr << "catalog_service: сертификат или ключ не подходят\n";
        return 1;
    }
    server->set_payload_max_length(maxBody);
    server->Post(R"(/scripts/([A-Za-z_]+\.php))",
                 [&catalog](const httplib::Request& req, httplib::Response& res) {
                     const auto reply = catalog.Answer(req.matches[1], req.body);
                     if (!reply) {
                         res.status = 404;
                         return;
                     }
                     res.set_content(*reply, "text/html; charset=utf-8");
                 });
    server->Get(R"(/files/autoupdates/(.+))",
                [&catalog](const httplib::Request& req, httplib::Response& res) {
                    const auto content = catalog.File(req.matches[1]);
                    if (!content) {
                        res.status = 404;
                        return;
                    }
                    res.set_content(*content, "application/octet-stream");
                });

    const int bound = port > 0 ? (server->bind_to_port(host.c_str(), static_cast<int>(port))
                                      ? static_cast<int>(port)
                                      : -1)
                               : server->bind_to_any_port(host.c_str());
    if (bound <= 0) {
        std::cerr << "catalog_service: не удалось открыть порт\n";
        return 1;
    }
    std::cout << bound << std::endl;

    std::thread signals([&server, stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        StopWhenRunning(*server);
    });
    signals.detach();
    struct stat in {};
    if (fstat(0, &in) == 0 && S_ISFIFO(in.st_mode)) {
        std::thread watcher([&server] {
            char buffer[256];
            while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
            }
            StopWhenRunning(*server);
        });
        watcher.detach();
    }
    server->listen_after_bind();
    return 0;
}

int Release(const TArgs& args) {
    catalog::TReleaseOptions o;
    o.SigningKey = Arg(args, "--signing-key");
    o.BaseUrl = Arg(args, "--base-url");
    o.Program = Arg(args, "--program");
    o.Version = Arg(args, "--version");
    o.Package = Arg(args, "--package");
    o.Description = Arg(args, "--description");
    o.Notes = Arg(args, "--notes");
    o.Lang = Arg(args, "--lang");
    o.OriginalName = Arg(args, "--original-name");
    o.DeleteBefore = Arg(args, "--delete-before");
    o.DeleteAfter = Arg(args, "--delete-after");
    o.ExecBefore = Arg(args, "--exec-before");
    o.ExecAfter = Arg(args, "--exec-after");
    const std::string db = Arg(args, "--db");
    if (db.empty() || o.SigningKey.empty() || o.BaseUrl.empty() || o.Program.empty() ||
        o.Version.empty() || o.Package.empty())
        return Usage();
    try {
        catalog::TDatabase database(db);
        catalog::Release(database, o);
    } catch (const std::exception& e) {
        std::cerr << "catalog_service: выпуск не сохранён: " << e.what() << "\n";
        return 1;
    }
    std::cout << "Выпуск " << o.Program << " " << o.Version << " сохранён.\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    if (command == "serve") {
        const auto args =
            ParseArgs(argc, argv, {"--db", "--cert", "--key", "--host", "--port", "--max-body"});
        return args ? Serve(*args) : Usage();
    }
    if (command == "release") {
        const auto args =
            ParseArgs(argc, argv,
                      {"--db", "--signing-key", "--base-url", "--program", "--version", "--package",
                       "--description", "--notes", "--lang", "--original-name", "--delete-before",
                       "--delete-after", "--exec-before", "--exec-after"});
        return args ? Release(*args) : Usage();
    }
    return Usage();
}
