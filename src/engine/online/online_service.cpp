#include "engine/online/online_service.h"

#include <cstdio>
#include <utility>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

namespace mv {

std::string ServiceAppVersion() {
    std::vector<std::string> parts = SplitWords(MV_VERSION, ".");
    while (parts.size() < 4) parts.emplace_back("0");
    std::string text;
    for (std::size_t i = 0; i < 4; ++i) text += (i ? "." : "") + parts[i];
    return text;
}

TOnlineService OnlineServiceFor(const std::filesystem::path& configFile, const TProxy& proxy,
                                IUiHooks* hooks) {
    const TOnlineSettings settings = LoadOnlineSettings(configFile);
    TOnlineService service;
    service.ServiceUrl = settings.ServiceUrl;
    service.CaFile = settings.CaFile;
    service.Client.AppId = ServiceAppId;
    service.Client.AppVersion = ServiceAppVersion();
    service.Client.UserName = settings.UserName;
    service.Client.UserMail = settings.UserMail;
    service.Http = HttpOptionsFor(proxy);
    service.Http.ExtraCaFile = settings.CaFile;
    service.Http.Hooks = hooks;
    return service;
}

IUiHooks& ServiceHooks(const TOnlineService& service) {
    static TSilentUiHooks silent;
    return service.Http.Hooks ? *service.Http.Hooks : silent;
}

std::string PostServiceRequest(const TOnlineService& service, const std::string& path,
                               const std::vector<std::string>& fields) {
    if (service.ServiceUrl.empty()) throw EError(NoServiceUrlMessage);
    return HttpPostForm(service.ServiceUrl + path, fields, true, service.Http);
}

bool WalkServiceReply(const std::string& reply,
                      const std::function<bool(const std::string& row)>& onRow) {
    std::string rest = ExtractTagValue(reply, "<result>", "</result>", TMissingClose::Raise);
    if (rest.empty()) return false;
    for (;;) {
        const std::string row = TakeTagValue(rest, "<row>", "</row>", TMissingClose::Raise);
        if (row.empty()) break;
        const std::string error = RowValue(row, "error");
        if (!error.empty()) throw EError(SanitizeUtf8(error));
        if (!onRow(row)) break;
    }
    return true;
}

std::string RowValue(const std::string& row, const std::string& tag) {
    return ExtractTagValue(row, "<" + tag + ">", "</" + tag + ">", TMissingClose::Raise);
}

std::int32_t RowInt(const std::string& row, const std::string& tag) {
    const std::string text = RowValue(row, tag);
    constexpr std::int32_t marker = -2147483647 - 1;
    const std::int32_t value = StrToIntDef(text, marker);
    if (value == marker && StrToIntDef(text, 0) != marker) {
        throw EConvertError("\"" + SanitizeUtf8(text) + Msg(TMsg::NotAnIntegerRange) + tag + ">).");
    }
    return value;
}

std::int32_t RowIntDef(const std::string& row, const std::string& tag, std::int32_t def) {
    return StrToIntDef(RowValue(row, tag), def);
}

std::string RowUtf8(const std::string& row, const std::string& tag) {
    return SanitizeUtf8(RowValue(row, tag));
}

std::string RowBase64Utf8(const std::string& row, const std::string& tag) {
    return SanitizeUtf8(Base64Decode(RowValue(row, tag)));
}

TDateTime RowTime(const std::string& row, const std::string& tag) {
    return ParseServiceTime(RowValue(row, tag));
}

namespace {

// The length of the well-formed UTF-8 sequence at `i`, 0 when there is none.
std::size_t Utf8SequenceAt(const std::string& text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(i);
    if (c < 0x80) return 1;
    std::size_t length = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // the allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    if (byte(i + 1) < lo || byte(i + 1) > hi) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    }
    return length;
}

}  // namespace

bool IsValidUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Utf8SequenceAt(text, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string SanitizeUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Utf8SequenceAt(text, i);
        if (n == 0) {
            out += '?';
            ++i;
        } else {
            out.append(text, i, n);
            i += n;
        }
    }
    return out;
}

std::string CatalogTimeText(TDateTime value) {
    if (value == 0) return std::string();
    const TDateParts p = DecodeDateTime(value);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", p.Year, p.Month, p.Day,
                  p.Hour, p.Minute, p.Second);
    return buffer;
}

std::string LanguageAbbreviation(std::int32_t lcid) {
    static const std::pair<std::int32_t, const char*> names[] = {
        {1049, "RUS"}, {1033, "ENU"}, {2057, "ENG"}, {1058, "UKR"}, {1059, "BEL"}, {1087, "KKZ"},
        {1031, "DEU"}, {1036, "FRA"}, {1040, "ITA"}, {1034, "ESP"}, {3082, "ESN"}, {1045, "PLK"},
        {1029, "CSY"}, {1026, "BGR"}, {1062, "LVI"}, {1063, "LTH"}, {1061, "ETI"}, {1055, "TRK"},
        {1091, "UZB"}, {1068, "AZE"}, {1079, "KAT"}, {1067, "HYE"}, {1048, "ROM"}, {1038, "HUN"},
        {1043, "NLD"}, {1053, "SVE"}, {1044, "NOR"}, {1030, "DAN"}, {1035, "FIN"}, {1032, "ELL"},
        {1037, "HEB"}, {1041, "JPN"}, {2052, "CHS"}, {1028, "CHT"}, {1042, "KOR"},
    };
    for (const auto& [id, name] : names) {
        if (id == lcid) return name;
    }
    return std::string();
}

}  // namespace mv
