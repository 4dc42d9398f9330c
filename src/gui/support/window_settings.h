#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/support/ini_file.h"
#include "gui/support/tr.h"

namespace mv {

// The window-settings file (TDataPaths::WindowSettings(), "Marvolet_5z36.frm"): window
// placement, panel sizes, spin-box values, view options and list column widths, one section
// per window class.
//
// Every call outside a batch reads the file afresh and every single write flushes it at
// once, so windows that keep their own TWindowSettings never overwrite each other's keys.
// A batch (BeginUpdate/EndUpdate, used for the many keys saved at exit) reads the file
// once and writes it once at its end. Reads give the default for a missing or unreadable
// value; a file that cannot be read or written throws EOSError.

inline constexpr const char* WindowSettingsLoadError =
    gui::TrNoop("Ошибка загрузки параметров программы!");
inline constexpr const char* WindowSettingsSaveError =
    gui::TrNoop("Ошибка сохранения параметров программы!");

inline constexpr const char* MainWindowSection = "TFormMain";
// The section of a window: its class name, with ".MDIChildren" for a document child.
std::string WindowSection(const std::string& className, bool mdiChild = false);

// Keys of lists and grids: "%s.Column%d", "%s.SortType", "%s.GridLines", "%s.MultiSelect".
std::string ColumnKey(const std::string& listName, int column);
std::string SortTypeKey(const std::string& listName);
std::string GridLinesKey(const std::string& listName);
std::string MultiSelectKey(const std::string& listName);

struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

// Show states as stored in "ShowCmd".
inline constexpr std::int32_t ShowCmdNormal = 1;
inline constexpr std::int32_t ShowCmdMinimized = 2;
inline constexpr std::int32_t ShowCmdMaximized = 3;
enum class TShowState { Normal, Minimized, Maximized };
// 2, 6 and 7 are minimised, 3 maximised, everything else normal.
TShowState ShowStateOf(std::int32_t showCmd);

struct TWindowPlacement {
    std::int32_t Flags = 0;
    std::int32_t ShowCmd = ShowCmdNormal;
    std::int32_t PixelsPerInch = 96;
    // Minimised position x, y, then maximised position x, y.
    std::array<std::int32_t, 4> MinMaxPos{};
    TRect NormPos;  // normal bounds
    friend bool operator==(const TWindowPlacement&, const TWindowPlacement&) = default;
};

struct TScreenSize {
    int Width = 0;
    int Height = 0;
};

// What a window takes from its stored placement. The window applies Placement.NormPos only
// when ApplyBounds is set (same pixels per inch as stored and a sensible rectangle); a window
// with a fixed border takes only the position. The show state is restored in any case.
struct TPlacementToApply {
    TWindowPlacement Placement;
    bool ApplyBounds = false;
    TShowState Show = TShowState::Normal;
};

// A sort state stored as "%d,%d".
struct TSortState {
    int Column = 0;
    int Direction = 0;
    friend bool operator==(const TSortState&, const TSortState&) = default;
};

class TWindowSettings {
public:
    explicit TWindowSettings(std::filesystem::path file);
    ~TWindowSettings();
    TWindowSettings(const TWindowSettings&) = delete;
    TWindowSettings& operator=(const TWindowSettings&) = delete;

    std::int32_t ReadInteger(const std::string& section, const std::string& key,
                             std::int32_t def) const;
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // Writes the placement under the plain keys and under the keys of this screen size
    // ("MinMaxPos_%dx%d", "NormPos_%dx%d").
    void SavePlacement(const std::string& section, const TWindowPlacement& placement,
                       TScreenSize screen);
    // The stored placement, preferring the keys of this screen size and falling back to the
    // plain ones; std::nullopt when the window never stored one.
    std::optional<TPlacementToApply> RestorePlacement(const std::string& section,
                                                      TScreenSize screen,
                                                      std::int32_t pixelsPerInch) const;

    // The stored column widths; a column without a usable stored width keeps the width given.
    std::vector<int> ReadColumnWidths(const std::string& section, const std::string& listName,
                                      std::vector<int> widths) const;
    void WriteColumnWidths(const std::string& section, const std::string& listName,
                           const std::vector<int>& widths);
    std::optional<TSortState> ReadSortType(const std::string& section,
                                           const std::string& listName) const;
    void WriteSortType(const std::string& section, const std::string& listName, TSortState state);

    // Nesting batch: the file is read at the outermost BeginUpdate and written at the
    // outermost EndUpdate when anything changed.
    void BeginUpdate();
    void EndUpdate();

private:
    // The batch's file, or a fresh copy read for this one call.
    template <class Fn>
    auto WithFile(Fn&& fn) const;
    template <class Fn>
    void Modify(Fn&& fn);

    std::filesystem::path m_file;
    std::unique_ptr<TIniFile> m_batch;
    int m_batchDepth = 0;
};

// Runs a group of window-settings work and turns a failure into the message to show:
// "Ошибка загрузки параметров программы!\r\r<reason>" (or the saving text). Returns the
// message, or std::nullopt when all went well.
template <class Fn>
std::optional<std::string> GuardWindowSettings(bool saving, Fn&& fn) {
    try {
        fn();
        return std::nullopt;
    } catch (const std::exception& e) {
        return gui::Tr(saving ? WindowSettingsSaveError : WindowSettingsLoadError).toStdString() +
               "\r\r" + e.what();
    }
}

}  // namespace mv
