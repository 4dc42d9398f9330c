#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/session/workspace.h"

namespace mv {

// The favourite methods, the user's method names and how method lists show them. Each
// operation reports a names file it cannot read or write through the hooks' error box
// ("Ошибка загрузки списка фильтров!..." / "Ошибка сохранения списка фильтров!...") and goes
// on with what the registry holds; each raises chMethods, also after such a failure.

// What the favourites manager shows for one method of the registry's list.
struct TMethodChoice {
    int Method = -1;  // index in the registry's list
    bool Favorite = true;
    std::string Text;  // the name shown; the class caption gives no user name
};

// How method lists show the methods.
struct TMethodDisplay {
    bool Ordered = false;
    bool ShowGroupName = true;
    bool ShowMethodFlags = true;

    bool operator==(const TMethodDisplay&) const = default;
};

TMethodDisplay MethodDisplay(const TStatList& registry);

// The manager's state of every method of the registry, in list order.
std::vector<TMethodChoice> MethodChoices(const TStatList& registry);

// Writes the program's names file (favourites, user names only), builds the method list
// anew for the settings in force and reads the file back, so that favourites and user names
// survive a change of the methods (another configuration).
void RebuildMethodList(TWorkspace& ws);

// Confirms the favourites manager: the marks and names of `choices` go into the registry,
// a list without one favourite or with all of them becomes "every method" again, the
// display options are taken, the program's names file is written and the method list
// rebuilt.
void ConfirmMethodChoices(TWorkspace& ws, const std::vector<TMethodChoice>& choices,
                          const TMethodDisplay& display);

// Every method favourite again (user names stay); the names file is written and the method
// list rebuilt.
void ResetFavorites(TWorkspace& ws);

// Takes the user names of the current interface language from another names file (its
// favourites are not read); a method it does not name loses its user name. The names stay
// in memory and reach the program's names file with its next write. Returns false when the
// file could not be read.
bool ImportMethodNames(TWorkspace& ws, const std::filesystem::path& file);

// Writes a name for every method to `file` (no favourites): the text `choices` give it, the
// class caption when they give none. The registry's user names then return to those of the
// program's names file. Returns false when `file` could not be written.
bool ExportMethodNames(TWorkspace& ws, const std::filesystem::path& file,
                       const std::vector<TMethodChoice>& choices);

}  // namespace mv
