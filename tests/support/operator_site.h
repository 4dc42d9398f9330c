#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

namespace mv::test {

// The local operator site (tools/operator_site) run as a separate process for one test.
struct TOperatorSiteOptions {
    std::filesystem::path Workbook;
    // Both set: the site answers over HTTPS with this certificate.
    std::filesystem::path Cert;
    std::filesystem::path Key;
    int DelaySeconds = 5;
    std::string ProxyUser;
    std::string ProxyPassword;
};

// A local server program run as a separate process for one test. Its standard input is a
// pipe whose end stops it; it reports its port on the first line of its standard output.
class TServerProcess {
public:
    // Starts `program` with `args` and waits for the port; throws std::runtime_error when it
    // does not come up. `https` only decides the scheme of Url().
    TServerProcess(const std::string& program, const std::vector<std::string>& args, bool https);
    ~TServerProcess();
    TServerProcess(const TServerProcess&) = delete;
    TServerProcess& operator=(const TServerProcess&) = delete;

    int Port() const { return m_port; }
    // "http://127.0.0.1:<port><path>" (https with a certificate).
    std::string Url(const std::string& path) const;

private:
    void Stop();

    std::string m_name;
    pid_t m_pid = -1;
    int m_stdin = -1;
    int m_stdout = -1;
    int m_port = 0;
    bool m_https = false;
};

class TOperatorSite : public TServerProcess {
public:
    explicit TOperatorSite(const TOperatorSiteOptions& options);
};

// Makes cert.pem and key.pem for 127.0.0.1 in `dir` with the openssl command; false when it
// cannot.
bool MakeSelfSignedCertificate(const std::filesystem::path& dir);

// A cell of a test workbook: empty, a number, a text, or a number shown through a format.
struct TFormattedNumber {
    double Value = 0;
    std::string Format;
};
using TWorkbookCell = std::variant<std::monostate, double, std::string, TFormattedNumber>;
using TWorkbookRow = std::vector<TWorkbookCell>;

// Writes a one-sheet workbook with libxlsxwriter, rows from row 1. With `inlineStrings` the
// texts are stored in the cells themselves instead of the shared strings table.
void WriteWorkbook(const std::filesystem::path& file, const std::vector<TWorkbookRow>& rows,
                   bool inlineStrings = false);
// A row of the operator's results sheet: number, date text, five numbers, extra number.
TWorkbookRow DrawRow(int number, const std::string& date, std::vector<int> nums, int extra);
// The heading row of the results sheet.
TWorkbookRow HeadingRow();

}  // namespace mv::test
