#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "engine/ratings/ratings.h"

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

class TRatingsModel;
class TSortableListView;

// The "Рейтинг" tab: the ratings as a list (lvRatings) with several rows selectable, sorted
// by a header click through the owner (the rows live in the workspace).
class TRatingsTab : public QWidget {
    Q_OBJECT
public:
    explicit TRatingsTab(const TRatings& rows, QWidget* parent = nullptr);

    TSortableListView* List() const { return m_list; }
    TRatingsModel* Model() const { return m_model; }

    // The selected rows' indexes, ascending (list order).
    std::vector<int> SelectedRows() const;

    // The column widths and the sort column and direction ("lvRatings.SortType").
    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

private:
    TSortableListView* m_list;
    TRatingsModel* m_model;
};

}  // namespace mv::gui
