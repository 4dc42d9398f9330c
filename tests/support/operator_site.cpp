#include "operator_site.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <cstdlib>
#include <map>
#include <stdexcept>

extern char** environ;

namespace mv::test {

namespace {

std::vector<std::string> OperatorSiteArgs(const TOperatorSiteOptions& options) {
    std::vector<std::string> args = {"--file", options.Workbook.string(), "--delay",
                                     std::to_string(options.DelaySeconds)};
    if (!options.Cert.empty())
        args.insert(args.end(), {"--cert", options.Cert.string(), "--key", options.Key.string()});
    if (!options.ProxyUser.empty()) {
        args.insert(args.end(),
                    {"--proxy-user", options.ProxyUser, "--proxy-password", options.ProxyPassword});
    }
    return args;
}

}  // namespace

TOperatorSite::TOperatorSite(const TOperatorSiteOptions& options)
    : TServerProcess(MV_OPERATOR_SITE_PATH, OperatorSiteArgs(options), !options.Cert.empty()) {}

TServerProcess::TServerProcess(const std::string& program, const std::vector<std::string>& args,
                               bool https)
    : m_name(std::filesystem::path(program).filename().string()), m_https(https) {
    std::vector<std::string> command = {program};
    command.insert(command.end(), args.begin(), args.end());
    int in[2];
    int out[2];
    if (::pipe(in) != 0 || ::pipe(out) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    for (int fd : {in[0], in[1], out[0], out[1]}) posix_spawn_file_actions_addclose(&actions, fd);
    std::vector<char*> argv;
    for (auto& a : command) argv.push_back(a.data());
    argv.push_back(nullptr);
    const int rc = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    m_stdin = in[1];
    m_stdout = out[0];
    if (rc != 0) {
        m_pid = -1;
        throw std::runtime_error(m_name + " could not be started");
    }
    // The first line of its output is the port.
    std::string line;
    pollfd p{m_stdout, POLLIN, 0};
    while (line.find('\n') == std::string::npos && ::poll(&p, 1, 10000) > 0) {
        char buffer[64];
        const ssize_t n = ::read(m_stdout, buffer, sizeof buffer);
        if (n <= 0) break;
        line.append(buffer, static_cast<std::size_t>(n));
    }
    m_port = std::atoi(line.c_str());
    if (m_port <= 0) {
        Stop();
        throw std::runtime_error(m_name + " did not report its port");
    }
}

TServerProcess::~TServerProcess() {
    Stop();
}

void TServerProcess::Stop() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
    }
    if (m_stdin >= 0) ::close(m_stdin);
    if (m_stdout >= 0) ::close(m_stdout);
    m_stdin = m_stdout = -1;
}

std::string TServerProcess::Url(const std::string& path) const {
    return std::string(m_https ? "https" : "http") + "://127.0.0.1:" + std::to_string(m_port) +
           path;
}

bool MakeSelfSignedCertificate(const std::filesystem::path& dir) {
    const std::string command =
        "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 "
        "-addext subjectAltName=IP:127.0.0.1 -keyout '" +
        (dir / "key.pem").string() + "' -out '" + (dir / "cert.pem").string() + "' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

void WriteWorkbook(const std::filesystem::path& file, const std::vector<TWorkbookRow>& rows,
                   bool inlineStrings) {
    lxw_workbook_options options{};
    options.constant_memory = inlineStrings ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* book = workbook_new_opt(file.c_str(), &options);
    if (!book) throw std::runtime_error("workbook_new_opt failed");
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    std::map<std::string, lxw_format*> formats;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const auto row = static_cast<lxw_row_t>(r);
            const auto col = static_cast<lxw_col_t>(c);
            const TWorkbookCell& cell = rows[r][c];
            if (const auto* number = std::get_if<double>(&cell)) {
                worksheet_write_number(sheet, row, col, *number, nullptr);
            } else if (const auto* text = std::get_if<std::string>(&cell)) {
                worksheet_write_string(sheet, row, col, text->c_str(), nullptr);
            } else if (const auto* formatted = std::get_if<TFormattedNumber>(&cell)) {
                lxw_format*& format = formats[formatted->Format];
                if (!format) {
                    format = workbook_add_format(book);
                    format_set_num_format(format, formatted->Format.c_str());
                }
                worksheet_write_number(sheet, row, col, formatted->Value, format);
            }
        }
    }
    if (workbook_close(book) != LXW_NO_ERROR) throw std::runtime_error("workbook_close failed");
}

TWorkbookRow DrawRow(int number, const std::string& date, std::vector<int> nums, int extra) {
    TWorkbookRow row = {double(number), date};
    for (int n : nums) row.emplace_back(double(n));
    row.emplace_back(double(extra));
    return row;
}

TWorkbookRow HeadingRow() {
    return {std::string("Тираж"), std::string("Дата"), std::string("Ч1"), std::string("Ч2"),
            std::string("Ч3"),    std::string("Ч4"),   std::string("Ч5"), std::string("Доп.")};
}

}  // namespace mv::test
