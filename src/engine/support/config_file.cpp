#include "engine/support/config_file.h"

#include <exception>
#include <limits>
#include <set>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"
#include "engine/support/ini_file.h"

namespace mv {
namespace {

constexpr const char* kGlobal = "GLOBAL";
constexpr const char* kStakes = "STAKES";
constexpr const char* kCdl = "CDL";
constexpr const char* kShredding = "SHREDDING";
constexpr const char* kProxy = "PROXY";

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

std::string ProfitKey(int index, const char* field) {
    return "Profit_" + std::to_string(index) + "_" + field;
}

std::string FormulaKey(int index) {
    return "Formula" + std::to_string(index + 1);
}
std::string DigitsKey(int index) {
    return FormulaKey(index) + "Digits";
}

// The first `count` characters of a UTF-8 text.
std::string Utf8Prefix(const std::string& text, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) != 0x80 && chars++ == count) return text.substr(0, i);
    }
    return text;
}

// Reads keys with their defaults and remembers which of them took the default, so that
// loading and showing the effective configuration follow the very same rules.
class TConfigReader {
public:
    explicit TConfigReader(const TIniFile& ini) : m_ini(ini) {}

    bool Has(const char* section, const std::string& key) const {
        return m_ini.ValueExists(section, key);
    }
    std::string Raw(const char* section, const std::string& key) const {
        return m_ini.ReadString(section, key, "");
    }
    // An integer in lo..hi; anything else gives the default.
    std::int32_t Int(const char* section, const std::string& key, std::int32_t def,
                     std::int32_t lo = kIntMin, std::int32_t hi = kIntMax) {
        const auto v = StrToInt64(Raw(section, key));
        const bool ok = Has(section, key) && v && *v >= lo && *v <= hi;
        Note(section, key, !ok);
        return ok ? static_cast<std::int32_t>(*v) : def;
    }
    long double Float(const char* section, const std::string& key, long double def) {
        const auto v = Has(section, key) ? ParseFloat(Raw(section, key)) : std::nullopt;
        Note(section, key, !v);
        return v ? *v : def;
    }
    TMoney Money(const char* section, const std::string& key) {
        const auto v = Has(section, key) ? ParseMoneyText(Raw(section, key)) : std::nullopt;
        Note(section, key, !v);
        return v ? *v : 0;
    }
    std::string Text(const char* section, const std::string& key, const std::string& def) {
        const bool has = Has(section, key);
        Note(section, key, !has);
        return has ? Raw(section, key) : def;
    }
    void Note(const char* section, const std::string& key, bool defaulted) {
        if (defaulted) m_defaulted.insert(std::string(section) + "." + key);
    }
    bool Defaulted(const std::string& fullKey) const { return m_defaulted.count(fullKey) > 0; }

private:
    const TIniFile& m_ini;
    std::set<std::string> m_defaulted;
};

void ReadAnalysis(TConfigReader& r, TConfigData& c) {
    // Out-of-range sizes would divide by zero in the matrix and channel arithmetic.
    c.MatrixCols = r.Int(kGlobal, "MatrixCols", 6, 1, MaxNumber);
    c.MatrixSegments = ParseSegmentsText(r.Text(kGlobal, "MatrixSegments", ""));
    c.ChannelSize = r.Int(kGlobal, "ChannelSize", 6, 2, MaxNumber);
    c.Cost = r.Money(kStakes, "Cost");
    c.MaxStake = r.Int(kStakes, "MaxStake", 5);
    const int count = r.Int(kStakes, "Profits", 0, 0, MaxProfitsInFile);
    c.Profits.clear();
    for (int i = 0; i < count; ++i) {
        TProfitRec p;
        p.Overlap = static_cast<std::uint8_t>(r.Int(kStakes, ProfitKey(i, "Overlap"), 0, 0, 255));
        p.Profit = r.Money(kStakes, ProfitKey(i, "Profit"));
        c.Profits.push_back(p);
    }
    c.Weights.CoefCount = r.Float(kCdl, "Count", 0.0L);
    c.Weights.CoefDeviation = r.Float(kCdl, "Deviation", -1.0L);
    c.Weights.CoefLevel = r.Float(kCdl, "Level", 1.0L);
    c.Weights.UsePercents = r.Int(kCdl, "UsePercents", 0) > 0;
    c.Weights.UseAbsValues = r.Int(kCdl, "UseAbsValues", 0) > 0;
}

void ReadGenerate(TConfigReader& r, TGenerateSettings& g) {
    g.CombsGenerateMode = r.Int(kGlobal, "CombsGenerateMode", 0, 0, 4);
    g.CombsGenerateParameters =
        Utf8Prefix(r.Text(kGlobal, "CombsGenerateParameters", ""), MaxGenerateParametersLength);
}

void ReadShredding(TConfigReader& r, TShreddingSettings& s) {
    const TShreddingSettings defaults;
    for (int i = 0; i < 3; ++i) {
        s.Formulas[i] = r.Text(kShredding, FormulaKey(i), defaults.Formulas[i]);
        s.Digits[i] = r.Int(kShredding, DigitsKey(i), defaults.Digits[i], 1, 5);
    }
}

void ReadProxy(TConfigReader& r, TProxy& p) {
    p.Server = r.Text(kProxy, "ProxyServer", "");
    p.Port = r.Int(kProxy, "ProxyPort", 80);
    p.Username = r.Text(kProxy, "ProxyUsername", "");
    p.Password = r.Text(kProxy, "ProxyPassword", "");
    const std::uint8_t byServer = Trim(p.Server).empty() ? 0 : 2;
    p.Mode = static_cast<std::uint8_t>(r.Int(kProxy, "ProxyMode", byServer, 0, 255));
}

// Runs one load or save; any failure becomes the operation's message.
template <class Fn>
void Guarded(const std::string& fixedText, Fn&& fn) {
    try {
        fn();
    } catch (const std::exception& e) {
        throw EError(OperationMessage(fixedText, e.what()));
    }
}

template <class Fn>
void Load(const std::filesystem::path& file, Fn&& fn) {
    Guarded(ConfigReadError, [&] {
        const TIniFile ini(file);
        TConfigReader reader(ini);
        fn(reader);
    });
}

template <class Fn>
void Save(const std::filesystem::path& file, Fn&& fn) {
    Guarded(ConfigWriteError, [&] {
        TIniFile ini(file);
        ini.BeginUpdate();
        fn(ini);
        ini.EndUpdate();
    });
}

void WriteProfits(TIniFile& ini, const std::vector<TProfitRec>& profits) {
    const int count = static_cast<int>(profits.size());
    ini.WriteInteger(kStakes, "Profits", count);
    for (int i = 0; i < count; ++i) {
        ini.WriteInteger(kStakes, ProfitKey(i, "Overlap"), profits[i].Overlap);
        ini.WriteString(kStakes, ProfitKey(i, "Profit"), MoneyToText(profits[i].Profit));
    }
    // Pairs of an earlier, longer table would only confuse a person reading the file.
    for (int i = count; i < MaxProfitsInFile; ++i) {
        const bool any = ini.ValueExists(kStakes, ProfitKey(i, "Overlap")) ||
                         ini.ValueExists(kStakes, ProfitKey(i, "Profit"));
        if (!any) break;
        ini.DeleteKey(kStakes, ProfitKey(i, "Overlap"));
        ini.DeleteKey(kStakes, ProfitKey(i, "Profit"));
    }
}

}  // namespace

void ReadAnalysisSettings(const TIniFile& ini, TConfigData& config) {
    TConfigReader reader(ini);
    ReadAnalysis(reader, config);
}

void WriteAnalysisSettings(TIniFile& ini, const TConfigData& config) {
    ini.WriteInteger(kGlobal, "MatrixCols", config.MatrixCols);
    ini.WriteString(kGlobal, "MatrixSegments", SegmentsText(config.MatrixSegments));
    ini.WriteInteger(kGlobal, "ChannelSize", config.ChannelSize);
    ini.WriteString(kStakes, "Cost", MoneyToText(config.Cost));
    ini.WriteInteger(kStakes, "MaxStake", config.MaxStake);
    WriteProfits(ini, config.Profits);
    ini.WriteFloat(kCdl, "Count", config.Weights.CoefCount);
    ini.WriteFloat(kCdl, "Deviation", config.Weights.CoefDeviation);
    ini.WriteFloat(kCdl, "Level", config.Weights.CoefLevel);
    ini.WriteInteger(kCdl, "UsePercents", config.Weights.UsePercents ? 1 : 0);
    ini.WriteInteger(kCdl, "UseAbsValues", config.Weights.UseAbsValues ? 1 : 0);
}

void LoadAnalysisSettings(const std::filesystem::path& file, TConfigData& config) {
    Load(file, [&](TConfigReader& r) { ReadAnalysis(r, config); });
}

void SaveAnalysisSettings(const std::filesystem::path& file, const TConfigData& config) {
    Save(file, [&](TIniFile& ini) { WriteAnalysisSettings(ini, config); });
}

void LoadGenerateSettings(const std::filesystem::path& file, TGenerateSettings& settings) {
    Load(file, [&](TConfigReader& r) { ReadGenerate(r, settings); });
}

void SaveGenerateSettings(const std::filesystem::path& file, const TGenerateSettings& settings) {
    Save(file, [&](TIniFile& ini) {
        ini.WriteInteger(kGlobal, "CombsGenerateMode", settings.CombsGenerateMode);
        ini.WriteString(kGlobal, "CombsGenerateParameters",
                        Utf8Prefix(settings.CombsGenerateParameters, MaxGenerateParametersLength));
    });
}

void LoadShreddingSettings(const std::filesystem::path& file, TShreddingSettings& settings) {
    Load(file, [&](TConfigReader& r) { ReadShredding(r, settings); });
}

void SaveShreddingSettings(const std::filesystem::path& file, const TShreddingSettings& settings) {
    Save(file, [&](TIniFile& ini) {
        for (int i = 0; i < 3; ++i)
            ini.WriteString(kShredding, FormulaKey(i), settings.Formulas[i]);
        for (int i = 0; i < 3; ++i) ini.WriteInteger(kShredding, DigitsKey(i), settings.Digits[i]);
    });
}

void LoadProxySettings(const std::filesystem::path& file, TProxy& proxy) {
    Load(file, [&](TConfigReader& r) { ReadProxy(r, proxy); });
    proxy.Written = true;
}

void SaveProxySettings(const std::filesystem::path& file, TProxy& proxy) {
    Save(file, [&](TIniFile& ini) {
        ini.WriteInteger(kProxy, "ProxyMode", proxy.Mode);
        ini.WriteString(kProxy, "ProxyServer", proxy.Server);
        ini.WriteInteger(kProxy, "ProxyPort", proxy.Port);
        ini.WriteString(kProxy, "ProxyUsername", proxy.Username);
        ini.WriteString(kProxy, "ProxyPassword", proxy.Password);
    });
    proxy.Written = true;
}

std::string LoadDrawsUrl(const std::filesystem::path& file) {
    std::string url;
    Load(file, [&](TConfigReader& r) { url = r.Text(DrawsUrlSection, DrawsUrlKey, ""); });
    return Trim(url);
}

void SaveDrawsUrl(const std::filesystem::path& file, const std::string& url) {
    Save(file, [&](TIniFile& ini) { ini.WriteString(DrawsUrlSection, DrawsUrlKey, Trim(url)); });
}

std::string LoadUpdatePublicKey(const std::filesystem::path& file) {
    std::string key;
    Load(file, [&](TConfigReader& r) { key = r.Text(UpdateSection, UpdatePublicKeyKey, ""); });
    return Trim(key);
}

namespace {

TOnlineSettings ReadOnline(TConfigReader& r) {
    TOnlineSettings settings;
    settings.ServiceUrl = Trim(r.Text(OnlineSection, "ServiceUrl", ""));
    settings.CaFile = Trim(r.Text(OnlineSection, "CaFile", ""));
    settings.UserName = Trim(r.Text(OnlineSection, "UserName", ""));
    settings.UserMail = Trim(r.Text(OnlineSection, "UserMail", ""));
    // "https://host:port/" and "https://host:port" name the same service.
    while (!settings.ServiceUrl.empty() && settings.ServiceUrl.back() == '/') {
        settings.ServiceUrl.pop_back();
    }
    return settings;
}

}  // namespace

TOnlineSettings LoadOnlineSettings(const std::filesystem::path& file) {
    TOnlineSettings settings;
    Load(file, [&](TConfigReader& r) { settings = ReadOnline(r); });
    return settings;
}

void SaveOnlineSettings(const std::filesystem::path& file, const TOnlineSettings& settings) {
    Save(file, [&](TIniFile& ini) {
        ini.WriteString(OnlineSection, "ServiceUrl", Trim(settings.ServiceUrl));
        ini.WriteString(OnlineSection, "CaFile", Trim(settings.CaFile));
        ini.WriteString(OnlineSection, "UserName", Trim(settings.UserName));
        ini.WriteString(OnlineSection, "UserMail", Trim(settings.UserMail));
    });
}

std::vector<std::string> RenderEffectiveConfiguration(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    Guarded(ConfigReadError, [&] { lines = RenderEffectiveConfiguration(TIniFile(file)); });
    return lines;
}

std::vector<std::string> RenderEffectiveConfiguration(const TIniFile& ini) {
    std::vector<std::string> lines;
    {
        TConfigReader r(ini);
        TConfigData c;
        TGenerateSettings g;
        TShreddingSettings s;
        TProxy p;
        ReadAnalysis(r, c);
        ReadGenerate(r, g);
        ReadShredding(r, s);
        ReadProxy(r, p);
        auto add = [&](const char* section, const std::string& key, const std::string& value) {
            const std::string full = std::string(section) + "." + key;
            lines.push_back(full + "=" + value +
                            (r.Defaulted(full) ? Msg(TMsg::ConfigDefaultMark) : ""));
        };
        add(kGlobal, "MatrixCols", std::to_string(c.MatrixCols));
        add(kGlobal, "MatrixSegments", SegmentsText(c.MatrixSegments));
        add(kGlobal, "ChannelSize", std::to_string(c.ChannelSize));
        add(kStakes, "Cost", MoneyToText(c.Cost));
        add(kStakes, "MaxStake", std::to_string(c.MaxStake));
        add(kStakes, "Profits", std::to_string(c.Profits.size()));
        for (std::size_t i = 0; i < c.Profits.size(); ++i) {
            add(kStakes, ProfitKey(static_cast<int>(i), "Overlap"),
                std::to_string(c.Profits[i].Overlap));
            add(kStakes, ProfitKey(static_cast<int>(i), "Profit"),
                MoneyToText(c.Profits[i].Profit));
        }
        add(kCdl, "Count", FormatIniFloat(c.Weights.CoefCount));
        add(kCdl, "Deviation", FormatIniFloat(c.Weights.CoefDeviation));
        add(kCdl, "Level", FormatIniFloat(c.Weights.CoefLevel));
        add(kCdl, "UsePercents", c.Weights.UsePercents ? "1" : "0");
        add(kCdl, "UseAbsValues", c.Weights.UseAbsValues ? "1" : "0");
        add(kGlobal, "CombsGenerateMode", std::to_string(g.CombsGenerateMode));
        add(kGlobal, "CombsGenerateParameters", g.CombsGenerateParameters);
        for (int i = 0; i < 3; ++i) add(kShredding, FormulaKey(i), s.Formulas[i]);
        for (int i = 0; i < 3; ++i) add(kShredding, DigitsKey(i), std::to_string(s.Digits[i]));
        add(kProxy, "ProxyMode", std::to_string(p.Mode));
        add(kProxy, "ProxyServer", p.Server);
        add(kProxy, "ProxyPort", std::to_string(p.Port));
        add(kProxy, "ProxyUsername", p.Username);
        add(kProxy, "ProxyPassword", p.Password.empty() ? "" : "********");
        add(DrawsUrlSection, DrawsUrlKey, Trim(r.Text(DrawsUrlSection, DrawsUrlKey, "")));
        const TOnlineSettings online = ReadOnline(r);
        add(OnlineSection, "ServiceUrl", online.ServiceUrl);
        add(OnlineSection, "CaFile", online.CaFile);
        add(OnlineSection, "UserName", online.UserName);
        add(OnlineSection, "UserMail", online.UserMail);
        add(UpdateSection, UpdatePublicKeyKey, Trim(r.Text(UpdateSection, UpdatePublicKeyKey, "")));
    }
    return lines;
}

}  // namespace mv
