#include "gui/support/window_settings.h"

#include <algorithm>
#include <cstdint>

#include "engine/core/text_utils.h"

namespace mv {
namespace {

std::string SizeSuffix(TScreenSize screen) {
    return "_" + std::to_string(screen.Width) + "x" + std::to_string(screen.Height);
}

// Exactly `count` comma-separated int32 values, or nothing.
std::optional<std::vector<std::int32_t>> ParseInts(const std::string& text, std::size_t count) {
    std::vector<std::int32_t> values;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string part = Trim(std::string_view(text).substr(
            start, comma == std::string::npos ? std::string::npos : comma - start));
        const auto v = StrToInt64(part);
        if (!v || *v < INT32_MIN || *v > INT32_MAX) return std::nullopt;
        values.push_back(static_cast<std::int32_t>(*v));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (values.size() != count) return std::nullopt;
    return values;
}

std::string JoinInts(std::initializer_list<std::int32_t> values) {
    std::string text;
    for (const std::int32_t v : values) {
        if (!text.empty()) text += ',';
        text += std::to_string(v);
    }
    return text;
}

// The value of the screen-size key when it is usable, else that of the plain key.
std::optional<std::vector<std::int32_t>> ReadSized(const TIniFile& ini, const std::string& section,
                                                   const std::string& key,
                                                   const std::string& suffix) {
    if (auto v = ParseInts(ini.ReadString(section, key + suffix, ""), 4)) return v;
    return ParseInts(ini.ReadString(section, key, ""), 4);
}

}  // namespace

std::string WindowSection(const std::string& className, bool mdiChild) {
    return mdiChild ? className + ".MDIChildren" : className;
}

std::string ColumnKey(const std::string& listName, int column) {
    return listName + ".Column" + std::to_string(column);
}
std::string SortTypeKey(const std::string& listName) {
    return listName + ".SortType";
}
std::string GridLinesKey(const std::string& listName) {
    return listName + ".GridLines";
}
std::string MultiSelectKey(const std::string& listName) {
    return listName + ".MultiSelect";
}

TShowState ShowStateOf(std::int32_t showCmd) {
    switch (showCmd) {
        case 2:
        case 6:
        case 7:
            return TShowState::Minimized;
        case 3:
            return TShowState::Maximized;
        default:
            return TShowState::Normal;
    }
}

TWindowSettings::TWindowSettings(std::filesystem::path file) : m_file(std::move(file)) {}

TWindowSettings::~TWindowSettings() = default;

template <class Fn>
auto TWindowSettings::WithFile(Fn&& fn) const {
    if (m_batch) return fn(static_cast<const TIniFile&>(*m_batch));
    const TIniFile ini(m_file);
    return fn(ini);
}

template <class Fn>
void TWindowSettings::Modify(Fn&& fn) {
    if (m_batch) {
        fn(*m_batch);
        return;
    }
    TIniFile ini(m_file);
    ini.BeginUpdate();
    fn(ini);
    ini.EndUpdate();
}

std::int32_t TWindowSettings::ReadInteger(const std::string& section, const std::string& key,
                                          std::int32_t def) const {
    return WithFile([&](const TIniFile& ini) { return ini.ReadInteger(section, key, def); });
}

bool TWindowSettings::ReadBool(const std::string& section, const std::string& key, bool def) const {
    return WithFile([&](const TIniFile& ini) { return ini.ReadBool(section, key, def); });
}

void TWindowSettings::WriteInteger(const std::string& section, const std::string& key,
                                   std::int32_t value) {
    Modify([&](TIniFile& ini) { ini.WriteInteger(section, key, value); });
}

void TWindowSettings::WriteBool(const std::string& section, const std::string& key, bool value) {
    Modify([&](TIniFile& ini) { ini.WriteBool(section, key, value); });
}

void TWindowSettings::SavePlacement(const std::string& section, const TWindowPlacement& p,
                                    TScreenSize screen) {
    const std::string minMax =
        JoinInts({p.MinMaxPos[0], p.MinMaxPos[1], p.MinMaxPos[2], p.MinMaxPos[3]});
    const std::string norm =
        JoinInts({p.NormPos.Left, p.NormPos.Top, p.NormPos.Right, p.NormPos.Bottom});
    const std::string suffix = SizeSuffix(screen);
    Modify([&](TIniFile& ini) {
        ini.WriteInteger(section, "Flags", p.Flags);
        ini.WriteInteger(section, "ShowCmd", p.ShowCmd);
        ini.WriteInteger(section, "PixelsPerInch", p.PixelsPerInch);
        ini.WriteString(section, "MinMaxPos", minMax);
        ini.WriteString(section, "NormPos", norm);
        ini.WriteString(section, "MinMaxPos" + suffix, minMax);
        ini.WriteString(section, "NormPos" + suffix, norm);
    });
}

std::optional<TPlacementToApply> TWindowSettings::RestorePlacement(
    const std::string& section, TScreenSize screen, std::int32_t pixelsPerInch) const {
    const std::string suffix = SizeSuffix(screen);
    return WithFile([&](const TIniFile& ini) -> std::optional<TPlacementToApply> {
        const auto norm = ReadSized(ini, section, "NormPos", suffix);
        const auto minMax = ReadSized(ini, section, "MinMaxPos", suffix);
        if (!norm && !ini.ValueExists(section, "ShowCmd")) return std::nullopt;
        TPlacementToApply result;
        TWindowPlacement& p = result.Placement;
        p.Flags = ini.ReadInteger(section, "Flags", 0);
        p.ShowCmd = ini.ReadInteger(section, "ShowCmd", ShowCmdNormal);
        // An unknown resolution never matches, so the window keeps its designed bounds.
        p.PixelsPerInch = ini.ReadInteger(section, "PixelsPerInch", 0);
        if (minMax) std::copy(minMax->begin(), minMax->end(), p.MinMaxPos.begin());
        if (norm) p.NormPos = TRect{(*norm)[0], (*norm)[1], (*norm)[2], (*norm)[3]};
        result.ApplyBounds =
            norm && p.PixelsPerInch == pixelsPerInch && p.NormPos.Left < p.NormPos.Right;
        result.Show = ShowStateOf(p.ShowCmd);
        return result;
    });
}

std::vector<int> TWindowSettings::ReadColumnWidths(const std::string& section,
                                                   const std::string& listName,
                                                   std::vector<int> widths) const {
    WithFile([&](const TIniFile& ini) {
        for (std::size_t i = 0; i < widths.size(); ++i) {
            const int stored =
                ini.ReadInteger(section, ColumnKey(listName, static_cast<int>(i)), widths[i]);
            if (stored >= 0) widths[i] = stored;
        }
        return 0;
    });
    return widths;
}

void TWindowSettings::WriteColumnWidths(const std::string& section, const std::string& listName,
                                        const std::vector<int>& widths) {
    Modify([&](TIniFile& ini) {
        for (std::size_t i = 0; i < widths.size(); ++i) {
            ini.WriteInteger(section, ColumnKey(listName, static_cast<int>(i)), widths[i]);
        }
    });
}

std::optional<TSortState> TWindowSettings::ReadSortType(const std::string& section,
                                                        const std::string& listName) const {
    const auto values = WithFile([&](const TIniFile& ini) {
        return ParseInts(ini.ReadString(section, SortTypeKey(listName), ""), 2);
    });
    if (!values) return std::nullopt;
    return TSortState{(*values)[0], (*values)[1]};
}

void TWindowSettings::WriteSortType(const std::string& section, const std::string& listName,
                                    TSortState state) {
    Modify([&](TIniFile& ini) {
        ini.WriteString(section, SortTypeKey(listName), JoinInts({state.Column, state.Direction}));
    });
}

void TWindowSettings::BeginUpdate() {
    if (m_batchDepth == 0) {
        m_batch = std::make_unique<TIniFile>(m_file);
        m_batch->BeginUpdate();
    }
    ++m_batchDepth;
}

void TWindowSettings::EndUpdate() {
    if (m_batchDepth == 0 || --m_batchDepth > 0) return;
    const std::unique_ptr<TIniFile> batch = std::move(m_batch);
    batch->EndUpdate();
}

}  // namespace mv
