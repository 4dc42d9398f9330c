#pragma once

#include <QWidget>
#include <optional>
#include <utility>

class QTableView;

namespace mv {
class TStakesFile;
class TWindowSettings;
}  // namespace mv

namespace mv::gui {

class TStakesModel;

// The "Ставки" tab: the stakes file as a grid (sgStakes), one row per record, whole rows
// selected in one contiguous range.
class TStakesTab : public QWidget {
    Q_OBJECT
public:
    explicit TStakesTab(const TStakesFile& file, QWidget* parent = nullptr);

    QTableView* Grid() const { return m_grid; }
    TStakesModel* Model() const { return m_model; }

    // Follows the file and repaints. Returns whether the row count changed.
    bool Refresh();
    // The last row becomes the only selected row and comes into view.
    void ScrollToLast();
    // The first and last selected rows, or nothing.
    std::optional<std::pair<int, int>> SelectedRange() const;

    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

private:
    QTableView* m_grid;
    TStakesModel* m_model;
};

}  // namespace mv::gui
