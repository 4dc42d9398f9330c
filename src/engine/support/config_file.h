#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/constants.h"
#include "engine/core/messages.h"
#include "engine/core/records.h"

namespace mv {

class TIniFile;

// The configuration file "Marvolet_5z36.ini" (TDataPaths::Config()): analysis and stake
// settings, the default combination generation, the shredding formulas and the proxy.
// Each group is loaded and saved on its own; a save writes its whole group and flushes the
// file once, leaving every other line of the file as it was.
//
// Loading works on the caller's record in place and gives every key that is missing, does
// not parse or is out of range its default. A file that cannot be read throws EError
// "Ошибка чтения файла конфигурации!\r\r<reason>" and leaves what was read so far; a save
// that fails throws EError "Ошибка записи в файл конфигурации!\r\r<reason>" and leaves the
// file as it was.

inline constexpr TMsgText ConfigReadError{TMsg::ConfigReadError};
inline constexpr TMsgText ConfigWriteError{TMsg::ConfigWriteError};
// Status texts while the file is read or written.
inline constexpr TMsgText ConfigLoadStatus{TMsg::ConfigLoadStatus};
inline constexpr TMsgText ConfigSaveStatus{TMsg::ConfigSaveStatus};

// Prize tables longer than this are cut when read: the file is untrusted and only six rows
// (0..5 matches) ever mean anything.
inline constexpr int MaxProfitsInFile = 256;
inline constexpr std::size_t MaxGenerateParametersLength = 255;  // characters

// The default combination generation.
struct TGenerateSettings {
    std::int32_t CombsGenerateMode = 0;  // 0..4
    std::string CombsGenerateParameters;
    friend bool operator==(const TGenerateSettings&, const TGenerateSettings&) = default;
};

// The three shredding formulas and the decimal digits kept of each formula's value.
struct TShreddingSettings {
    std::array<std::string, 3> Formulas = {"(n1+n2+n3)/(n4+n5)", "(n4+n5)/(n1+n2+n3)",
                                           "(n1+n2)/(n3+n4+n5)"};
    std::array<std::int32_t, 3> Digits = {2, 2, 2};  // 1..5 each
    friend bool operator==(const TShreddingSettings&, const TShreddingSettings&) = default;
};

// Proxy settings. A fresh record is all zeros; loading gives the file's values (port 80
// when none is stored).
struct TProxy {
    std::uint8_t Mode = 0;  // 0 no proxy, 1 automatic search, 2 manual
    std::string Server;
    std::int32_t Port = 0;
    std::string Username;
    std::string Password;  // kept and stored as plain text
    // True when the record equals what the configuration file holds.
    bool Written = false;
    friend bool operator==(const TProxy&, const TProxy&) = default;
};

void LoadAnalysisSettings(const std::filesystem::path& file, TConfigData& config);
// The same over a settings text in memory; the file functions read and write through them.
void ReadAnalysisSettings(const TIniFile& ini, TConfigData& config);
void WriteAnalysisSettings(TIniFile& ini, const TConfigData& config);
// Writes GLOBAL MatrixCols, MatrixSegments, ChannelSize, all of STAKES (one Overlap/Profit
// pair per prize element; pairs left over from a longer table are removed) and all of CDL.
void SaveAnalysisSettings(const std::filesystem::path& file, const TConfigData& config);

void LoadGenerateSettings(const std::filesystem::path& file, TGenerateSettings& settings);
void SaveGenerateSettings(const std::filesystem::path& file, const TGenerateSettings& settings);

void LoadShreddingSettings(const std::filesystem::path& file, TShreddingSettings& settings);
void SaveShreddingSettings(const std::filesystem::path& file, const TShreddingSettings& settings);

// Without a stored "ProxyMode" the mode is 2 when a server is stored and 0 otherwise.
// Both mark the record as written when they succeed.
void LoadProxySettings(const std::filesystem::path& file, TProxy& proxy);
void SaveProxySettings(const std::filesystem::path& file, TProxy& proxy);

// --- the operator's results workbook -------------------------------------------------------
// Where the draws download fetches the operator's results workbook: an http or https address
// in section "DOWNLOAD", key "DrawsUrl". No address is built in (the operator's location is
// a matter of configuration), so a missing key gives the empty text.
inline constexpr const char* DrawsUrlSection = "DOWNLOAD";
inline constexpr const char* DrawsUrlKey = "DrawsUrl";
std::string LoadDrawsUrl(const std::filesystem::path& file);
void SaveDrawsUrl(const std::filesystem::path& file, const std::string& url);

// --- the self-update ----------------------------------------------------------------------
// A club that runs its own service and signs its own releases names its public key (Base64
// of the raw 32-byte Ed25519 key) in section "UPDATE", key "PublicKey"; empty: the program's
// built-in key is trusted.
inline constexpr const char* UpdateSection = "UPDATE";
inline constexpr const char* UpdatePublicKeyKey = "PublicKey";
std::string LoadUpdatePublicKey(const std::filesystem::path& file);

// --- the online catalogs ----------------------------------------------------------------
// Section "ONLINE": the address of the catalogs' web service ("ServiceUrl", such as
// https://127.0.0.1:8443, without a trailing slash; empty when no service is configured), a
// certificate file trusted besides the system's store ("CaFile", for a service with a
// certificate of its own), and who the user is to the catalogs ("UserName", "UserMail").
// Every key defaults to the empty text; values are trimmed.
inline constexpr const char* OnlineSection = "ONLINE";
struct TOnlineSettings {
    std::string ServiceUrl;
    std::string CaFile;
    std::string UserName;
    std::string UserMail;
    friend bool operator==(const TOnlineSettings&, const TOnlineSettings&) = default;
};
TOnlineSettings LoadOnlineSettings(const std::filesystem::path& file);
void SaveOnlineSettings(const std::filesystem::path& file, const TOnlineSettings& settings);

// --- money -------------------------------------------------------------------------------
// Round(value x 10000) with a half going to the even neighbour (FE_TONEAREST), saturating
// at the limits of TMoney; a value that is not finite gives 0.
TMoney RoundMoney(long double value);
// The same rounding done exactly on a decimal text ("0,5", "0.00005", "1e-4"): the text's
// own digits decide a tie, not their binary approximation. std::nullopt when the text does
// not parse or the amount does not fit.
std::optional<TMoney> ParseMoneyText(std::string_view text);
// value / 10000 as a float text with the interface decimal separator and no trailing zeros:
// 5000 gives "0,5", 12345 gives "1,2345", 20000 gives "2".
std::string MoneyToText(TMoney value);

// --- segments ----------------------------------------------------------------------------
// 36 digits, digit i being the segment of number i + 1.
std::string SegmentsText(const std::array<std::uint8_t, MaxNumber>& segments);
// Character i gives the segment of number i + 1; a missing character, one that is not a
// digit, and "0" give 1 (segments run from 1 to 9). Characters past the 36th are ignored.
std::array<std::uint8_t, MaxNumber> ParseSegmentsText(std::string_view text);

// --- changes -----------------------------------------------------------------------------
inline constexpr int ChangedMatrixCols = 16;
inline constexpr int ChangedChannelSize = 8;
inline constexpr int ChangedMatrixSegments = 32;
// Which of the settings that full-set comparison files depend on differ (bits OR-ed).
int ConfigChangeMask(const TConfigData& old, const TConfigData& neu);

// The effective configuration, one line per key of the file in the file's key order:
// "GLOBAL.MatrixCols=6 (по умолчанию)" when the default applies (missing, unreadable or out
// of range), "GLOBAL.MatrixCols=5" when the file's value is used. A stored proxy password is
// shown as "********". Throws EError with ConfigReadError when the file cannot be read.
std::vector<std::string> RenderEffectiveConfiguration(const std::filesystem::path& file);
std::vector<std::string> RenderEffectiveConfiguration(const TIniFile& ini);

}  // namespace mv
