#include "engine/download/draws_download.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"
#include "engine/session/workspace.h"
#include "engine/support/config_file.h"

namespace mv {
namespace {

constexpr int kColumnNumber = 1;
constexpr int kColumnDate = 2;
constexpr int kColumnFirstNum = 3;
constexpr int kColumnExtra = 8;

// Column 1 is read by value: a number rounded to the nearest integer, a text read as an
// integer; anything else gives 0.
std::int32_t DrawNumberOf(const TSheetCell& cell) {
    if (cell.HasNumber) {
        const double rounded = std::nearbyint(cell.Number);
        if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
            rounded > std::numeric_limits<std::int32_t>::max())
            return 0;
        return static_cast<std::int32_t>(rounded);
    }
    return StrToIntDef(Trim(cell.Text), 0);
}

bool ValidNumbers(const TDrawRec& draw) {
    std::set<int> seen;
    for (const std::uint8_t n : draw.Nums) {
        if (n < 1 || n > MaxNumber || !seen.insert(n).second) return false;
    }
    return true;
}

}  // namespace

TSheetDraws DrawsFromSheet(const std::vector<TSheetRow>& rows, std::int32_t first,
                           const TDrawsArray& archive) {
    TSheetDraws out;
    std::set<std::int32_t> present;
    for (const TDrawRec& d : archive) present.insert(d.Number);
    for (const TSheetRow& row : rows) {
        if (row.Row < 2) continue;
        const std::int32_t number = DrawNumberOf(row.Cell(kColumnNumber));
        if (number <= 0) {
            ++out.WithoutNumber;
            continue;
        }
        if (number < first || present.count(number) > 0) {
            ++out.Existing;
            continue;
        }
        TDrawRec draw;
        draw.Number = number;
        draw.SetDate(row.Cell(kColumnDate).Text);
        for (int i = 0; i < NumbersInDraw; ++i)
            draw.Nums[static_cast<std::size_t>(i)] =
                StrToByteOrZero(row.Cell(kColumnFirstNum + i).Text);
        draw.Extra = StrToByteOrZero(row.Cell(kColumnExtra).Text);
        if (!ValidNumbers(draw)) {
            ++out.Invalid;
            out.InvalidNumbers.push_back(number);
            continue;
        }
        present.insert(number);
        out.Draws.push_back(draw);
    }
    std::stable_sort(out.Draws.begin(), out.Draws.end(),
                     [](const TDrawRec& a, const TDrawRec& b) { return a.Number < b.Number; });
    return out;
}

TSheetDraws FetchDraws(TWorkspace& ws, const std::string& url, const THttpOptions& http,
                       std::int32_t first) {
    ws.Hooks().ShowStatus(DrawsDownloadStatus);
    const auto file = ws.Paths().Dir / DrawsWorkbookFileName;
    HttpGetToFile(url, file, http);
    std::vector<TSheetRow> rows;
    try {
        rows = ReadFirstSheet(file, kColumnExtra);
    } catch (const std::exception& e) {
        throw EError(Msg(TMsg::WorkbookPrefix) + std::string(DrawsWorkbookFileName) +
                     Msg(TMsg::WorkbookNotRead) + e.what());
    }
    TSheetDraws got = DrawsFromSheet(rows, first, ws.DrawArchive());
    ws.AppendDraws(got.Draws);
    return got;
}

TDownloadResult DownloadDraws(TWorkspace& ws, const TDownloadParams& params) {
    TDownloadResult result;
    const std::string url = Trim(params.Url);
    if (url.empty()) {
        result.Failed = result.NoAddress = true;
        result.Error = DrawsUrlMissingText;
        return result;
    }
    IUiHooks& hooks = ws.Hooks();
    TStatusGuard status(hooks, DrawsDownloadStatus);
    for (;;) {
        const std::int32_t first = ws.DrawCount() == 0 ? 1 : ws.NextDrawNumber(0);
        try {
            THttpOptions http = HttpOptionsFor(ws.Proxy);
            http.ConnectTimeoutSeconds = params.Http.ConnectTimeoutSeconds;
            http.StallTimeoutSeconds = params.Http.StallTimeoutSeconds;
            http.ExtraCaFile = params.Http.ExtraCaFile;
            http.Hooks = params.Http.Hooks ? params.Http.Hooks : &hooks;
            const TSheetDraws got = FetchDraws(ws, url, http, first);
            result.Added += static_cast<int>(got.Draws.size());
            result.Existing = got.Existing;
            result.Invalid = got.Invalid;
            result.InvalidNumbers = got.InvalidNumbers;
            result.WithoutNumber = got.WithoutNumber;
            result.Failed = false;
            result.Error.clear();
            break;
        } catch (const std::exception& e) {
            if (ws.Proxy.Mode == 1) {
                ws.Proxy.Server.clear();
                ws.Proxy.Port = 0;
                ws.Proxy.Username.clear();
                ws.Proxy.Password.clear();
                ws.Proxy.Written = false;
            }
            result.Failed = true;
            result.Error = e.what();
            if (!params.AskRetry || !hooks.Ask(TAskKind::YesNo, DrawsDownloadCaption,
                                               Fmt(DrawsDownloadRetryQuestion, {e.what()})))
                return result;
        }
    }
    if (!ws.Proxy.Written) {
        try {
            SaveProxySettings(ws.Paths().Config(), ws.Proxy);
        } catch (const EError& e) {
            hooks.ShowMessage(TMessageKind::Error, e.what());
        }
    }
    return result;
}

bool DownloadAtStart(int mode, IUiHooks& hooks) {
    if (mode == 1) return true;
    if (mode == 2) return false;
    return hooks.Ask(TAskKind::Confirm, {}, DownloadAtStartQuestion);
}

}  // namespace mv
