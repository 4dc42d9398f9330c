#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/records.h"
#include "engine/stats/custom_stat.h"
#include "engine/support/config_file.h"

namespace mv {

// The fixed table of statistic classes in list order. A family adds its classes here.
const std::vector<const TStatClass*>& StatClassTable();

// One entry of the method list: a class and, for indexed classes, one index.
struct TStatMethod {
    const TStatClass* StatClass = nullptr;
    int Index = 0;
    bool Favorite = true;
    std::string UserName;  // the user's own caption; empty = the class caption
    std::string Formula;   // shredding methods only: formula Index (1..3)
};

// A weight block that a scenario filter may put in place of the configured one.
struct TWeightOverride {
    bool Override = false;
    TWeightCoefs Weights;
};

// The language section of the names file for the built-in Russian interface.
inline constexpr const char* DefaultLanguageCode = "RUS";

// The registry of statistic methods: turns the class table into the method list, names and
// creates statistics, and carries the settings statistics read. One per running program.
class TStatList {
public:
    TStatList();

    // The archive every created statistic reads; it must outlive the statistics.
    void SetDraws(const TDrawsArray* draws) { m_draws = draws; }
    TConfigData& Config() { return m_config; }
    const TConfigData& Config() const { return m_config; }
    TShreddingSettings Shredding;
    TGenerateSettings Generate;
    TWeightCoefs WeightBackup;

    bool Ordered = false;
    bool ShowGroupName = true;
    bool ShowMethodFlags = true;
    bool AllFavorites = true;

    void BuildMethods();
    int MethodCount() const { return static_cast<int>(m_methods.size()); }
    const TStatMethod& Method(int i) const { return m_methods.at(static_cast<std::size_t>(i)); }
    TStatMethod& Method(int i) { return m_methods.at(static_cast<std::size_t>(i)); }
    bool IsShown(int i) const { return AllFavorites || Method(i).Favorite; }

    static std::string MethodCode(const TStatMethod& method);
    std::string MethodName(const TStatMethod& method) const;
    // The name with the group code before it and the flag letters after it (when asked).
    std::string MethodListText(int i, bool withFlags) const;
    // Entry index of the method stored as "CODE" or "CODE:window"; -1 when unknown. Only the
    // whole code before the first ":" (trimmed, without regard to case) names a method: a
    // text that merely begins with a code ("POS10", "NUMSX") is unknown, since with ten or
    // more channels or matrix columns one code begins another (CHN1, CHN10).
    int FindMethod(const std::string& storedText) const;

    // A new statistic of the method; the caller owns it.
    std::unique_ptr<TCustomStat> CreateStat(const TStatMethod& method) const;

    // The favourite codes joined by ","; empty while every method is favourite. Codes of the
    // last favourites text that name no method of this list (methods that another
    // configuration or another edition has) follow the listed ones, so that a names file
    // written now still marks them when they come back.
    std::string FavoritesText() const;
    void SetFavoritesText(const std::string& text);
    void SelectAll();
    void NormalizeFavorites();
    // The name the user gave method i in the favourites manager: no user name when it equals
    // the class caption without regard to case (renaming back to the caption forgets the
    // user's name), otherwise the text as given, even empty.
    void SetMethodText(int i, const std::string& text);

    // The names and favourites file. On failure both return the message to show
    // ("Ошибка загрузки списка фильтров!..." / "Ошибка сохранения списка фильтров!...") and
    // keep what was applied before the failure. Writing replaces the names of the listed
    // methods and keeps those the file holds for codes this list does not have; `allNames`
    // writes the class caption of a method without a user name (unformatted, as the user
    // would name it).
    std::optional<std::string> ReadNames(const std::filesystem::path& file, bool withFavorites,
                                         const std::string& language = DefaultLanguageCode);
    std::optional<std::string> WriteNames(const std::filesystem::path& file, bool withFavorites,
                                          bool allNames,
                                          const std::string& language = DefaultLanguageCode) const;
    // The same over a names text in memory; the file functions go through them. These throw
    // what the settings text throws.
    void ReadNamesFrom(const TIniFile& ini, bool withFavorites,
                       const std::string& language = DefaultLanguageCode);
    void WriteNamesTo(TIniFile& ini, bool withFavorites, bool allNames,
                      const std::string& language = DefaultLanguageCode) const;

    void SaveWeights() { WeightBackup = m_config.Weights; }
    void RestoreWeights() { m_config.Weights = WeightBackup; }
    void UseWeights(const TWeightOverride& filter);

    // The balance of a stake of `numbers` numbers with `matched` matches (-1: not checked):
    // minus the cost of its C(numbers, 5) tickets, plus the prize for that many matches.
    TMoney StakeBalance(int numbers, int matched) const;

    // The settings groups of the configuration file.
    void LoadConfig(const std::filesystem::path& file) { LoadAnalysisSettings(file, m_config); }
    void SaveConfig(const std::filesystem::path& file) const { SaveAnalysisSettings(file, m_config); }
    void LoadGenerateSettings(const std::filesystem::path& file) { mv::LoadGenerateSettings(file, Generate); }
    void SaveGenerateSettings(const std::filesystem::path& file) const { mv::SaveGenerateSettings(file, Generate); }
    void LoadShredding(const std::filesystem::path& file) { LoadShreddingSettings(file, Shredding); }
    void SaveShredding(const std::filesystem::path& file) const { SaveShreddingSettings(file, Shredding); }
    // Puts new shredding settings in force and gives the shredding methods their new
    // formulas; their codes, user names and favourite marks stay.
    void SetShredding(const TShreddingSettings& settings);

private:
    TStatEnvironment Environment() const;
    void AssignFormulas();

    std::vector<TStatMethod> m_methods;
    // Favourite codes of the last favourites text that no listed method has.
    std::vector<std::string> m_otherFavorites;
    TConfigData m_config;
    const TDrawsArray* m_draws = nullptr;
};

// Integer nearest to x, a half going to the even neighbour.
long long RoundHalfEven(long double x);

}  // namespace mv
