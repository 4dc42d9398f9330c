#include "engine/stats/stat_list.h"

#include <algorithm>
#include <cmath>

#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/support/ini_file.h"

namespace mv {
namespace {
constexpr int kShreddingGroup = 12;
const char* const kFiltersSection = "FILTERS";
}  // namespace

long long RoundHalfEven(long double x) {
    const long double r = std::nearbyint(x);  // the default rounding mode: to nearest, ties even
    return static_cast<long long>(r);
}

TStatList::TStatList() { WeightBackup = m_config.Weights; }

TStatEnvironment TStatList::Environment() const {
    static const TDrawsArray kNoDraws;
    return {m_draws ? m_draws : &kNoDraws, &m_config, &Shredding};
}

void TStatList::BuildMethods() {
    Ordered = false;
    ShowGroupName = ShowMethodFlags = AllFavorites = true;
    m_methods.clear();
    for (const TStatClass* cls : StatClassTable()) {
        if (!cls->Available) continue;
        if (cls->HasIndexRange()) {
            const auto [low, high] = cls->IndexRange(m_config);
            for (int i = low; i <= high; ++i) m_methods.push_back({cls, i, true, {}, {}});
        } else {
            m_methods.push_back({cls, 0, true, {}, {}});
        }
    }
    AssignFormulas();
}

void TStatList::AssignFormulas() {
    for (TStatMethod& m : m_methods) {
        if (m.StatClass->Group == kShreddingGroup && m.Index >= 1 && m.Index <= 3) {
            m.Formula = Shredding.Formulas[static_cast<std::size_t>(m.Index - 1)];
        }
    }
}

void TStatList::SetShredding(const TShreddingSettings& settings) {
    Shredding = settings;
    AssignFormulas();
}

std::string TStatList::MethodCode(const TStatMethod& method) {
    return method.StatClass->CodeFor(method.Index);
}

std::string TStatList::MethodName(const TStatMethod& method) const {
    std::string name =
        method.UserName.empty() ? method.StatClass->CaptionFor(method.Index) : method.UserName;
    if (method.StatClass->Group == kShreddingGroup) name = FormatTemplate(name, 0, method.Formula);
    return name;
}

std::string TStatList::MethodListText(int i, bool withFlags) const {
    const TStatMethod& m = Method(i);
    std::string text = MethodName(m);
    if (ShowGroupName) {
        const char* code = StatGroupCode(m.StatClass->Group);
        text = std::string("{ ") + (code ? code : "#ERROR#") + " } " + text;
    }
    if (withFlags && ShowMethodFlags) {
        const std::string letters = FlagLetters(m.StatClass->FullFlags());
        if (!letters.empty()) text += " [ " + letters + " ]";
    }
    return text;
}

int TStatList::FindMethod(const std::string& storedText) const {
    const std::string code = Trim(std::string_view(storedText).substr(0, storedText.find(':')));
    for (int i = 0; i < MethodCount(); ++i) {
        if (EqualsNoCase(MethodCode(Method(i)), code)) return i;
    }
    return -1;
}

std::unique_ptr<TCustomStat> TStatList::CreateStat(const TStatMethod& method) const {
    return method.StatClass->Create(Environment(), method.Index);
}

std::string TStatList::FavoritesText() const {
    if (AllFavorites) return {};
    std::string text;
    const auto append = [&](const std::string& code) {
        if (!text.empty()) text += ',';
        text += code;
    };
    for (const TStatMethod& m : m_methods) {
        if (m.Favorite) append(MethodCode(m));
    }
    for (const std::string& code : m_otherFavorites) {
        if (FindMethod(code) < 0) append(code);
    }
    return text;
}

void TStatList::SetFavoritesText(const std::string& text) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) {
        SelectAll();
        return;
    }
    AllFavorites = false;
    std::vector<std::string> words;
    for (const std::string& word : SplitWords(trimmed, ",")) {
        if (std::string code = Trim(word); !code.empty()) words.push_back(std::move(code));
    }
    for (TStatMethod& m : m_methods) {
        const std::string code = MethodCode(m);
        m.Favorite = std::any_of(words.begin(), words.end(),
                                 [&](const std::string& w) { return EqualsNoCase(w, code); });
    }
    m_otherFavorites.clear();
    for (const std::string& word : words) {
        // A code with ":" could never come back as a method; it is junk, not a method.
        if (word.find(':') == std::string::npos && FindMethod(word) < 0) {
            m_otherFavorites.push_back(word);
        }
    }
}

void TStatList::SelectAll() {
    AllFavorites = true;
    // Every method is favourite, those that come back later too (the text is empty).
    m_otherFavorites.clear();
    for (TStatMethod& m : m_methods) m.Favorite = true;
}

void TStatList::SetMethodText(int i, const std::string& text) {
    TStatMethod& m = Method(i);
    m.UserName = EqualsNoCaseUtf8(text, m.StatClass->CaptionFor(m.Index)) ? std::string() : text;
}

void TStatList::NormalizeFavorites() {
    if (m_methods.empty()) return;
    const bool first = m_methods.front().Favorite;
    const bool allSame = std::all_of(m_methods.begin(), m_methods.end(),
                                     [&](const TStatMethod& m) { return m.Favorite == first; });
    if (!allSame) {
        AllFavorites = false;
        return;
    }
    AllFavorites = true;
    if (!first) SelectAll();
}

std::optional<std::string> TStatList::ReadNames(const std::filesystem::path& file,
                                                bool withFavorites, const std::string& language) {
    try {
        ReadNamesFrom(TIniFile(file), withFavorites, language);
        return std::nullopt;
    } catch (const std::exception& e) {
        return std::string(Msg(TMsg::FilterListLoadError)) + e.what();
    }
}

void TStatList::ReadNamesFrom(const TIniFile& ini, bool withFavorites,
                              const std::string& language) {
    if (withFavorites) {
        SetFavoritesText(ini.ReadString(kFiltersSection, "Favorites", FavoritesText()));
        Ordered = ini.ReadBool(kFiltersSection, "Ordered", Ordered);
        ShowGroupName = ini.ReadBool(kFiltersSection, "ShowGroupName", ShowGroupName);
        ShowMethodFlags = ini.ReadBool(kFiltersSection, "ShowMethodFlags", ShowMethodFlags);
    }
    const std::string section = "STRINGS_" + language;
    for (TStatMethod& m : m_methods) m.UserName = Trim(ini.ReadString(section, MethodCode(m), ""));
}

std::optional<std::string> TStatList::WriteNames(const std::filesystem::path& file,
                                                 bool withFavorites, bool allNames,
                                                 const std::string& language) const {
    try {
        TIniFile ini(file);
        ini.BeginUpdate();
        WriteNamesTo(ini, withFavorites, allNames, language);
        ini.EndUpdate();
        return std::nullopt;
    } catch (const std::exception& e) {
        return std::string(Msg(TMsg::FilterListSaveError)) + e.what();
    }
}

void TStatList::WriteNamesTo(TIniFile& ini, bool withFavorites, bool allNames,
                             const std::string& language) const {
    if (withFavorites) {
        ini.WriteString(kFiltersSection, "Favorites", FavoritesText());
        ini.WriteBool(kFiltersSection, "Ordered", Ordered);
        ini.WriteBool(kFiltersSection, "ShowGroupName", ShowGroupName);
        ini.WriteBool(kFiltersSection, "ShowMethodFlags", ShowMethodFlags);
    }
    const std::string section = "STRINGS_" + language;
    // Names of methods this list does not have (another configuration's indexes, another
    // edition's methods) stay in the file, after the listed ones.
    std::vector<std::pair<std::string, std::string>> others;
    for (const std::string& key : ini.ReadSection(section)) {
        if (FindMethod(key) < 0) others.emplace_back(key, ini.ReadString(section, key, ""));
    }
    ini.EraseSection(section);
    for (const TStatMethod& m : m_methods) {
        if (allNames) {
            // The name before the formula goes in: a shredding method's imported name
            // then still shows the formula in force, not the one of the export.
            ini.WriteString(section, MethodCode(m),
                            m.UserName.empty() ? m.StatClass->CaptionFor(m.Index) : m.UserName);
        } else if (!m.UserName.empty()) {
            ini.WriteString(section, MethodCode(m), m.UserName);
        }
    }
    for (const auto& [key, value] : others) ini.WriteString(section, key, value);
}

void TStatList::UseWeights(const TWeightOverride& filter) {
    if (filter.Override) {
        m_config.Weights = filter.Weights;
    } else {
        RestoreWeights();
    }
}

TMoney TStatList::StakeBalance(int numbers, int matched) const {
    const long double cost = static_cast<long double>(Binomial(numbers, NumbersInDraw)) *
                             static_cast<long double>(m_config.Cost);
    TMoney balance = RoundHalfEven(-cost);
    if (matched >= 0) {
        for (const TProfitRec& p : m_config.Profits) {
            if (p.Overlap == matched) {
                balance = RoundHalfEven(static_cast<long double>(balance) + p.Profit);
                break;
            }
        }
    }
    return balance;
}

}  // namespace mv
