#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/core/messages.h"
#include "engine/ratings/ratings.h"
#include "engine/session/workspace.h"

namespace mv {

// The operations that change the workspace's ratings. Each raises chRatings when it ends, also
// after a failure; errors are EError with the ratings file's texts, the rows in memory stay.

// The ratings file's path in the data folder.
inline std::filesystem::path RatingsPath(const TWorkspace& ws) {
    return ws.Paths().Dir / RatingsFileName;
}

// At start-up: status "Загрузка файла рейтинга..."; reads the file when it exists, then sorts
// and saves (SortAndSaveRatings). Nothing happens without the file.
void LoadRatingsFile(TWorkspace& ws);
// Status "Сортировка рейтинга..."; sorts by ws.RatingsSortColumn / RatingsSortDescending, then
// status "Сохранение файла рейтинга..." and the file is rewritten.
void SortAndSaveRatings(TWorkspace& ws);
// A click on a column header: a new column sorts ascending, the current one toggles the
// direction; then sorts and saves.
void SortRatingsByColumn(TWorkspace& ws, int column);
// "Обновить рейтинг": status "Обновление рейтинга..."; the rows built afresh from the checked
// stakes of the stakes file, then sorted and saved. Errors come as
// "Ошибка обновления рейтинга!\r\r...".
void RebuildRatingsFromStakes(TWorkspace& ws);
// Adds checked stakes as the stake check does (the check itself calls this for what it
// fills in), then sorts and saves when anything was added - the save waits while a
// TRatingsSaveHold is alive.
void AddCheckedStakes(TWorkspace& ws, const std::vector<TStakeRecord>& stakes);

// Held by a long run that checks stakes many times (a scenario test): the rows in memory
// follow every check, but the ratings file is written once, when the last hold ends, instead
// of once per check. Should the program die in between, the checked stakes are in the stakes
// file and "Обновить рейтинг" builds the same rows from them. A failed final save is shown
// through the hooks, not thrown.
class TRatingsSaveHold {
public:
    explicit TRatingsSaveHold(TWorkspace& ws);
    ~TRatingsSaveHold();
    TRatingsSaveHold(const TRatingsSaveHold&) = delete;
    TRatingsSaveHold& operator=(const TRatingsSaveHold&) = delete;

private:
    TWorkspace& m_ws;
};

// "Добавить в сценарий": status "Генерация новых строк в сценарии..."; the scenario line of
// each name (RatingToScriptLine) is appended to the current scenario in turn; a name without
// one is passed to `refused` with RefusedScriptLineText and the walk goes on. Returns the
// number of lines added (raises chScenario when any).
int RatingsToScript(TWorkspace& ws, const std::vector<std::string>& names,
                    const std::function<void(const std::string&)>& refused);
std::string RefusedScriptLineText(const std::string& name);

inline constexpr TMsgText RebuildRatingsQuestion{TMsg::RebuildRatingsQuestion};

}  // namespace mv
