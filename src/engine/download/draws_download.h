#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/messages.h"
#include "engine/core/records.h"
#include "engine/download/workbook.h"
#include "engine/net/http.h"

namespace mv {

class TWorkspace;

// The operator's results workbook is kept under this name in the data directory, replaced by
// every successful fetch and left there afterwards.
inline constexpr const char* DrawsWorkbookFileName = "results.xlsx";
inline constexpr TMsgText DrawsDownloadStatus{TMsg::DrawsDownloadStatus};
inline constexpr TMsgText DrawsDownloadCaption{TMsg::DrawsDownloadCaption};
inline constexpr TMsgText DrawsDownloadRetryQuestion{TMsg::DrawsDownloadRetryQuestion};
// What a download without a configured address tells the user.
inline constexpr TMsgText DrawsUrlMissingText{TMsg::DrawsUrlMissing};

// The draws of the operator's sheet that the archive does not have yet, and what was passed
// over. The sheet's layout: row 1 is a heading; column 1 the draw number, column 2 the date
// (its display text, cut to 10 characters), columns 3-7 the five numbers, column 8 the extra
// number.
struct TSheetDraws {
    // Ascending by number, whatever the order of the sheet: the archive must stay sorted.
    TDrawsArray Draws;
    // Rows whose number is below the first one asked for or already present (in the archive
    // or in an earlier row of the sheet).
    int Existing = 0;
    // Rows with a number outside 1..36 or a number repeated among the five: they would make
    // every statistic computed over them wrong, so they are left out.
    int Invalid = 0;
    std::vector<std::int32_t> InvalidNumbers;
    // Rows without a draw number (an empty or non-numeric first cell, or 0 and below).
    int WithoutNumber = 0;
};

// Picks the rows numbered `first` and above that `archive` does not hold.
TSheetDraws DrawsFromSheet(const std::vector<TSheetRow>& rows, std::int32_t first,
                           const TDrawsArray& archive);

// One attempt: fetches `url` into DrawsWorkbookFileName of the data directory, reads its
// first sheet and appends the new draws to the archive (AppendDraws). Throws EError with the
// reason when the fetch fails, the workbook cannot be read or the archive cannot be written;
// the archive is then unchanged.
TSheetDraws FetchDraws(TWorkspace& ws, const std::string& url, const THttpOptions& http,
                       std::int32_t first);

struct TDownloadParams {
    std::string Url;
    // Timeouts, trusted certificates and the waiting hook of the requests (the hooks default
    // to the workspace's); the proxy is taken from the workspace's record at every attempt.
    THttpOptions Http;
    // Whether a failure asks "Повторить попытку?". Without a person to answer (the command
    // line, a run without a display) there is one attempt.
    bool AskRetry = true;
};

struct TDownloadResult {
    int Added = 0;
    // The counts of the last attempt that read the sheet.
    int Existing = 0;
    int Invalid = 0;
    std::vector<std::int32_t> InvalidNumbers;
    int WithoutNumber = 0;
    // The last attempt failed and no retry was asked for; Error holds its reason.
    bool Failed = false;
    // No address is configured; Error holds DrawsUrlMissingText and nothing was fetched.
    bool NoAddress = false;
    std::string Error;
};

// Fetches from the draw after the archive's newest (1 for an empty archive) until an attempt
// succeeds or the retry question is answered "no". After a successful fetch a proxy record
// that is not marked as written is saved (a failed save is shown through the hooks). After a
// failure in automatic proxy mode the record's server, port and credentials are cleared and
// it is marked unwritten, so the next success stores the reset. The status text shows
// DrawsDownloadStatus meanwhile and is cleared at the end.
TDownloadResult DownloadDraws(TWorkspace& ws, const TDownloadParams& params);

// The download at start-up, by the stored mode: 0 asks DownloadAtStartQuestion ("Подтверждение",
// Yes by default), 1 downloads without asking, 2 never. Returns whether to download now.
inline constexpr TMsgText DownloadAtStartQuestion{TMsg::DownloadAtStartQuestion};
bool DownloadAtStart(int mode, IUiHooks& hooks);

}  // namespace mv
